#include "daysigns.h"

#include <array>

namespace astro {
namespace {

// A range of month-day keys (month * 100 + day), both ends included; the
// tooltip's line break is a line feed because that is what a tooltip breaks
// on.
struct Range
{
    int from;
    int to;
    const char16_t* name;
    const char16_t* span;
};

// Capricorn and Winter wrap over the new year, so they are what is left
// when no other range holds the day.
constexpr std::array Signs{
    Range{321, 420, u"Aries", u"from 21 March to 20 April"},
    Range{421, 520, u"Taurus", u"from 21 April to 20 May"},
    Range{521, 621, u"Gemini", u"from 21 May to 21 June"},
    Range{622, 722, u"Cancer", u"from 22 June to 22 July"},
    Range{723, 823, u"Leo", u"from 23 July to 23 August"},
    Range{824, 922, u"Virgo", u"from 24 August to 22 September"},
    Range{923, 1022, u"Libra", u"from 23 September to 22 October"},
    Range{1023, 1122, u"Scorpio", u"from 23 October to 22 November"},
    Range{1123, 1221, u"Sagittarius", u"from 23 November to 21 December"},
    Range{121, 219, u"Aquarius", u"from 21 January to 19 February"},
    Range{220, 320, u"Pisces", u"from 20 February to 20 March"},
};
constexpr Range Capricorn{0, 0, u"Capricorn", u"from 22 December to 20 January"};

constexpr std::array Seasons{
    Range{321, 620, u"Spring", u"from 21 March to 20 June"},
    Range{621, 922, u"Summer", u"from 21 June to 22 September"},
    Range{923, 1221, u"Autumn", u"from 23 September to 21 December"},
};
constexpr Range Winter{0, 0, u"Winter", u"from 22 December to 20 March"};

DayLabel labelOf(const Range& range)
{
    const QString name = QString::fromUtf16(range.name);
    return {u' ' + name, name + u'\n' + QString::fromUtf16(range.span)};
}

template <size_t N>
DayLabel pick(const std::array<Range, N>& table, const Range& otherwise, const QDate& date)
{
    const int key = date.month() * 100 + date.day();
    for (const Range& range : table) {
        if (key >= range.from && key <= range.to)
            return labelOf(range);
    }
    return labelOf(otherwise);
}

} // namespace

DayLabel zodiacSign(const QDate& date)
{
    return pick(Signs, Capricorn, date);
}

DayLabel season(const QDate& date)
{
    return pick(Seasons, Winter, date);
}

} // namespace astro
