// The moon picture of the daily view for 10,000 consecutive days: the phase
// angle from the Sun's and the Moon's positions, then the 32-pixel picture
// (artwork, landing mark, shadow). Flipping days in the Today tab draws one
// picture per day, so one should take well under a millisecond.
#include "astro/moonphase.h"
#include "astro/moonpicture.h"
#include "store/daynumber.h"

#include <QDate>
#include <benchmark/benchmark.h>

namespace {

constexpr int Days = 10000;

double firstDay()
{
    return store::toDayNumber(QDateTime(QDate(2000, 1, 1), QTime(9, 30)));
}

void perPicture(benchmark::State& state)
{
    state.counters["per_picture"] = benchmark::Counter(
        Days, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_PhaseAngle10000Days(benchmark::State& state)
{
    const double first = firstDay();
    for (auto _ : state) {
        double sum = 0;
        for (int day = 0; day < Days; ++day)
            sum += astro::phaseAngle(first + day);
        benchmark::DoNotOptimize(sum);
    }
    perPicture(state);
}
BENCHMARK(BM_PhaseAngle10000Days)->Unit(benchmark::kMillisecond);

void BM_MoonPicture10000Days(benchmark::State& state)
{
    const double first = firstDay();
    for (auto _ : state) {
        std::uint32_t check = 0;
        for (int day = 0; day < Days; ++day) {
            const double t = first + day;
            const astro::MoonPicture picture =
                astro::moonPicture(t, astro::phaseAngle(t), astro::MoonSize::ms32,
                                   astro::MoonStyle::msClassic, astro::Rotation::rot_none, true);
            check += picture.pixel(15, 14);
        }
        benchmark::DoNotOptimize(check);
    }
    perPicture(state);
}
BENCHMARK(BM_MoonPicture10000Days)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
