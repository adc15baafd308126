#include "moonphase.h"

#include <algorithm>
#include <cmath>
#include <libnova/earth.h>
#include <libnova/lunar.h>
#include <libnova/nutation.h>
#include <numbers>

namespace astro {
namespace {

constexpr double Degree = std::numbers::pi / 180.0;
constexpr double ArcSecond = 1.0 / 3600.0;
constexpr double KilometresPerAu = 149597869.0;

// The lunar series is summed down to terms of this size (radians, and
// kilometres for the distance): it keeps the Moon within a few seconds of
// arc, closer than the 60-term tables, at a fortieth of the full series'
// time, so flipping days never waits for the picture.
constexpr double LunarTruncation = 1e-6;

struct Ecliptic
{
    double longitude;
    double latitude;
};

// The library gives both bodies on the ecliptic and equinox of J2000; the
// phase needs them of date. `centuries` are Julian centuries from J2000.
Ecliptic precessedFromJ2000(Ecliptic at2000, double centuries)
{
    const double t = centuries;
    const double eta = (47.0029 * t - 0.03302 * t * t + 0.000060 * t * t * t) * ArcSecond * Degree;
    const double pi = 174.876384 * Degree + (-869.8089 * t + 0.03536 * t * t) * ArcSecond * Degree;
    const double p = (5029.0966 * t + 1.11113 * t * t - 0.000006 * t * t * t) * ArcSecond * Degree;
    const double lon = at2000.longitude * Degree;
    const double lat = at2000.latitude * Degree;
    const double a =
        std::cos(eta) * std::cos(lat) * std::sin(pi - lon) - std::sin(eta) * std::sin(lat);
    const double b = std::cos(lat) * std::cos(pi - lon);
    const double c =
        std::cos(eta) * std::sin(lat) + std::sin(eta) * std::cos(lat) * std::sin(pi - lon);
    return {normalizedDegrees((p + pi - std::atan2(a, b)) / Degree), std::asin(c) / Degree};
}

} // namespace

double julianDay(double dateTime)
{
    return dateTime + 2415018.5;
}

double normalizedDegrees(double degrees)
{
    double x = degrees - 360.0 * std::round(degrees / 360.0);
    while (x < 0)
        x += 360.0;
    // A tiny negative remainder plus 360 rounds to 360 itself.
    return x >= 360.0 ? x - 360.0 : x;
}

SunAndMoon apparentPositions(double jd)
{
    const double t = (jd - 2451545.0) / 36525.0;

    ln_nutation nutation;
    ln_get_nutation(jd, &nutation);

    ln_helio_posn earth;
    ln_get_earth_helio_coords(jd, &earth);
    Ecliptic sun = precessedFromJ2000({earth.L + 180.0, -earth.B}, t);
    // FK5 correction of the VSOP87 longitude.
    const double lambdaPrime = (sun.longitude - 1.397 * t - 0.00031 * t * t) * Degree;
    sun.longitude += (-0.09033 + 0.03916 * (std::cos(lambdaPrime) + std::sin(lambdaPrime)) *
                                     std::tan(sun.latitude * Degree)) *
                     ArcSecond;
    const double aberration = -20.4898 * ArcSecond / earth.R;

    ln_rect_posn moon;
    ln_get_lunar_geo_posn(jd, &moon, LunarTruncation);
    const Ecliptic moonOfDate =
        precessedFromJ2000({std::atan2(moon.Y, moon.X) / Degree,
                            std::atan2(moon.Z, std::hypot(moon.X, moon.Y)) / Degree},
                           t);

    SunAndMoon out;
    out.sunLongitude = normalizedDegrees(sun.longitude + aberration + nutation.longitude);
    out.sunDistance = earth.R * KilometresPerAu;
    out.moonLongitude = normalizedDegrees(moonOfDate.longitude + nutation.longitude);
    out.moonLatitude = moonOfDate.latitude;
    out.moonDistance = std::sqrt(moon.X * moon.X + moon.Y * moon.Y + moon.Z * moon.Z);
    return out;
}

double phaseAngle(const SunAndMoon& p)
{
    const double difference = p.moonLongitude - p.sunLongitude;
    // Geocentric elongation of the Moon from the Sun.
    const double cosPsi = std::cos(p.moonLatitude * Degree) * std::cos(difference * Degree);
    const double sinPsi = std::sqrt(std::max(0.0, 1.0 - cosPsi * cosPsi));
    const double R = p.sunDistance;
    // The two-argument form: where the Moon's distance equals R·cos ψ the
    // tangent's quotient would divide by zero. sin ψ >= 0 keeps i in 0..180.
    double i = std::atan2(R * sinPsi, p.moonDistance - R * cosPsi) / Degree;
    if (normalizedDegrees(difference) > 180.0)
        i = -i;
    return normalizedDegrees(i);
}

double phaseAngle(double dateTime)
{
    return phaseAngle(apparentPositions(julianDay(dateTime)));
}

double litFraction(double angle)
{
    return (1.0 + std::cos(angle * Degree)) / 2.0;
}

} // namespace astro
