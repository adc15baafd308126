#pragma once

namespace astro {

// Where the Sun and the Moon appear from the Earth's centre at one moment:
// apparent ecliptic longitudes and latitude of the equinox and ecliptic of
// that date, in degrees; distances in kilometres.
struct SunAndMoon
{
    double sunLongitude = 0;
    double sunDistance = 0;
    double moonLongitude = 0;
    double moonLatitude = 0;
    double moonDistance = 0;
};

// The Julian day of a date-time value (days since 1899-12-30, the time of
// day as the fraction). The value is taken as it is: no time zone and no
// difference between civil and dynamical time, which moves the Moon by far
// less than a pixel of the picture.
double julianDay(double dateTime);

// Reduces an angle in degrees to [0, 360).
double normalizedDegrees(double degrees);

// The Sun from the Earth's VSOP87 series, the Moon from the ELP 2000-82B
// theory (both as the astronomy library carries them), turned to the
// ecliptic and equinox of date, with nutation and, for the Sun, the FK5
// correction and aberration.
SunAndMoon apparentPositions(double julianDay);

// The phase angle in [0, 360) as the moon picture reads it: 180 at new moon,
// 90 at first quarter, 0 at full moon, 270 at last quarter. Above 180 the
// Moon is waning.
double phaseAngle(const SunAndMoon& positions);

// The same for a date-time value.
double phaseAngle(double dateTime);

// The lit fraction of the disc, 0 to 1, for a phase angle.
double litFraction(double phaseAngle);

} // namespace astro
