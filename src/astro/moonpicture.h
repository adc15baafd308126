#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace astro {

// The picture sizes of the moon control: 64, 32 and 16 pixels square.
enum class MoonSize
{
    ms64,
    ms32,
    ms16
};
// Which full-moon artwork lies under the shadow: grey or tinted.
enum class MoonStyle
{
    msClassic,
    msColor
};
// A turn of the finished picture, clockwise.
enum class Rotation
{
    rot_none,
    rot_90,
    rot_180,
    rot_270
};

// Where the disc lies in a picture of each size, and where the landing site
// of the first crewed landing is marked (pixel columns and rows from the top
// left corner).
struct MoonGeometry
{
    int height;
    int width;
    int centreRow;
    int centreColumn;
    int radius;
    int apolloColumn;
    int apolloRow;
};

MoonGeometry moonGeometry(MoonSize size);

// A picture as 32-bit ARGB pixels, row after row.
struct MoonPicture
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t pixel(int column, int row) const
    {
        return pixels[std::size_t(row * width + column)];
    }
    void setPixel(int column, int row, std::uint32_t argb)
    {
        if (column >= 0 && column < width && row >= 0 && row < height)
            pixels[std::size_t(row * width + column)] = argb;
    }
};

inline constexpr std::uint32_t ShadowPixel = 0xFF000000u;
inline constexpr std::uint32_t ApolloPixel = 0xFFFF0000u;

// The moment of the landing, 1969-07-20 20:17:43, as a date-time value (days
// since 1899-12-30, the time of day as the fraction).
double apollo11Moment();

// The half-width N(h) of the disc's row `g` rows away from the centre row:
// h = sqrt(r² − g²), rounded to the nearest integer, halves to even. The
// artwork fills exactly these spans, so that the shadow of a new moon
// covers every pixel of the disc.
int halfSpan(int radius, int g);

// The full moon, lit from the front, on a transparent ground: the disc of
// the size's centre and radius with the near side's seas. Drawn once per
// size and style and kept.
const MoonPicture& fullMoonPicture(MoonSize size, MoonStyle style);

// Paints the part of the disc the Sun does not light black, row by row, for
// a phase angle in degrees (180 new, 90 first quarter, 0 or 360 full, 270
// last quarter). Waxing, the shadow runs from the left edge of each row to
// cx − N(f·h); waning, from cx + N(f·h) to the right edge; f = cos(angle).
void darken(MoonPicture& picture, const MoonGeometry& geometry, double phaseAngle);

// The picture turned by `rotation`.
MoonPicture rotated(const MoonPicture& picture, Rotation rotation);

// The whole drawing for a moment: the artwork, the red landing-site pixel
// when asked for and `dateTime` lies after the landing, the shadow of the
// phase angle, then the turn.
MoonPicture moonPicture(double dateTime, double phaseAngle, MoonSize size, MoonStyle style,
                        Rotation rotation, bool showApollo11);

} // namespace astro
