#include "moonpicture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace astro {
namespace {

constexpr double Degree = std::numbers::pi / 180.0;

// 1969-07-20 is day 25404 after 1899-12-30; 20:17:43 is 73063 s into it.
constexpr double Apollo11Moment = 25404.0 + 73063.0 / 86400.0;

constexpr std::array<MoonGeometry, 3> Geometries{{
    {64, 64, 28, 31, 28, 41, 29},
    {32, 32, 14, 15, 14, 20, 15},
    {16, 16, 7, 7, 7, 9, 7},
}};

// N: to the nearest integer, halves to even (the default rounding mode).
int nearest(double x)
{
    return int(std::nearbyint(x));
}

// ---- The artwork ---------------------------------------------------------------------------

// A dark plain of the near side: centre in selenographic latitude and
// longitude (east positive, shown to the right), radius in degrees, and how
// dark it is at its middle (0 to 1).
struct Sea
{
    double latitude;
    double longitude;
    double radius;
    double depth;
};

// The large seas, each drawn as one or a few round patches that run into
// each other; shapes at this size need no more than their place and extent.
constexpr std::array<Sea, 22> Seas{{
    {33.0, -16.0, 16.0, 0.95}, // Imbrium
    {40.0, -30.0, 10.0, 0.85}, // Imbrium, toward Sinus Iridum
    {28.0, 17.5, 10.0, 0.95},  // Serenitatis
    {8.5, 30.0, 12.0, 0.95},   // Tranquillitatis
    {17.0, 59.1, 8.0, 1.0},    // Crisium
    {-5.0, 51.0, 9.0, 0.85},   // Fecunditatis
    {-15.0, 35.0, 6.0, 0.85},  // Nectaris
    {25.0, -55.0, 15.0, 0.85}, // Procellarum, north
    {5.0, -52.0, 15.0, 0.85},  // Procellarum, middle
    {-12.0, -42.0, 11.0, 0.8}, // Procellarum, south
    {45.0, -55.0, 8.0, 0.7},   // Sinus Roris
    {7.0, -30.0, 7.0, 0.7},    // Insularum
    {-10.0, -22.0, 6.0, 0.75}, // Cognitum
    {-21.0, -16.0, 9.0, 0.85}, // Nubium
    {-24.0, -39.0, 6.0, 0.9},  // Humorum
    {13.0, 4.0, 5.0, 0.75},    // Vaporum
    {56.0, -30.0, 6.0, 0.7},   // Frigoris, west
    {57.0, -10.0, 6.0, 0.75},  // Frigoris
    {57.0, 10.0, 6.0, 0.75},   // Frigoris
    {58.0, 30.0, 5.0, 0.65},   // Frigoris, east
    {37.0, 30.0, 5.0, 0.6},    // Lacus Somniorum
    {-2.0, 15.0, 6.0, 0.55},   // Tranquillitatis toward Sinus Medii
}};

// Young bright craters: Tycho, Copernicus, Kepler, Aristarchus.
constexpr std::array<Sea, 4> BrightCraters{{
    {-43.3, -11.2, 2.5, 0.55},
    {9.6, -20.1, 1.8, 0.35},
    {8.1, -38.0, 1.3, 0.3},
    {23.7, -47.4, 1.3, 0.4},
}};

struct Vector
{
    double x, y, z;
};

Vector surfacePoint(double latitude, double longitude)
{
    const double b = latitude * Degree;
    const double l = longitude * Degree;
    return {std::cos(b) * std::sin(l), std::sin(b), std::cos(b) * std::cos(l)};
}

double angleBetween(const Vector& a, const Vector& b)
{
    const double dot = a.x * b.x + a.y * b.y + a.z * b.z;
    return std::acos(std::clamp(dot, -1.0, 1.0)) / Degree;
}

// How far a point lies inside a patch: its depth within 60 % of the radius,
// fading smoothly to nothing at 130 %. `ragged` (about ±0.5) frays the edge.
double cover(const Vector& point, const Sea& patch, double ragged)
{
    const double distance = angleBetween(point, surfacePoint(patch.latitude, patch.longitude));
    const double x = std::clamp((1.3 - distance / patch.radius + 0.35 * ragged) / 0.7, 0.0, 1.0);
    return x * x * (3 - 2 * x) * patch.depth;
}

// Small-scale mottling of the highlands: a fixed pseudo-random value per
// cell of a 7° grid, blended between cells.
double mottle(double latitude, double longitude)
{
    const auto hash = [](int i, int j) {
        unsigned h = unsigned(i) * 73856093u ^ unsigned(j) * 19349663u;
        h ^= h >> 13;
        h *= 0x5bd1e995u;
        h ^= h >> 15;
        return double(h & 0xFFFFu) / 65535.0 - 0.5;
    };
    const double u = (latitude + 90.0) / 7.0;
    const double v = (longitude + 180.0) / 7.0;
    const int i = int(std::floor(u));
    const int j = int(std::floor(v));
    const double fu = u - i;
    const double fv = v - j;
    const double top = hash(i, j) * (1 - fv) + hash(i, j + 1) * fv;
    const double bottom = hash(i + 1, j) * (1 - fv) + hash(i + 1, j + 1) * fv;
    return top * (1 - fu) + bottom * fu;
}

struct Palette
{
    double highland[3];
    double sea[3];
};

constexpr Palette Classic{{214, 214, 208}, {112, 112, 110}};
constexpr Palette Colour{{236, 222, 178}, {150, 132, 96}};

// The colour of the surface point seen at (x, y) of the unit disc.
std::array<double, 3> surfaceColour(double x, double y, const Palette& palette)
{
    const double r2 = x * x + y * y;
    if (r2 > 0.998) {
        // Samples of a rim pixel outside the round disc take the limb.
        const double s = std::sqrt(0.998 / r2);
        x *= s;
        y *= s;
    }
    const double z = std::sqrt(std::max(0.0, 1.0 - x * x - y * y));
    const Vector point{x, y, z};
    const double latitude = std::asin(y) / Degree;
    const double longitude = std::atan2(x, z) / Degree;
    const double ragged = mottle(latitude * 1.7 + 40.0, longitude * 1.7 + 40.0);
    // Overlapping patches darken together as one sea.
    double light = 1;
    for (const Sea& sea : Seas)
        light *= 1 - cover(point, sea, ragged);
    const double dark = 1 - light;
    double bright = 0;
    for (const Sea& crater : BrightCraters)
        bright = std::max(bright, cover(point, crater, 0.0));
    const double texture = 1.0 + 0.08 * mottle(latitude, longitude);
    // The full moon is nearly as bright at its edge as at its middle.
    const double limb = 0.86 + 0.14 * z;
    std::array<double, 3> rgb{};
    for (int c = 0; c < 3; ++c) {
        double v = palette.highland[c] * (1 - dark) + palette.sea[c] * dark;
        v = v * texture * limb;
        v += (255.0 - v) * bright;
        rgb[size_t(c)] = std::clamp(v, 0.0, 255.0);
    }
    return rgb;
}

MoonPicture drawFullMoon(MoonSize size, MoonStyle style)
{
    const MoonGeometry g = moonGeometry(size);
    const Palette& palette = style == MoonStyle::msColor ? Colour : Classic;
    MoonPicture picture;
    picture.width = g.width;
    picture.height = g.height;
    picture.pixels.assign(size_t(g.width * g.height), 0u);
    // The disc's pixels are those of the rows' spans; their colour is the
    // mean of 4 × 4 samples, with the span's edge on the unit circle.
    const double scale = g.radius + 0.5;
    constexpr int Samples = 4;
    for (int dy = -g.radius; dy <= g.radius; ++dy) {
        const int half = halfSpan(g.radius, std::abs(dy));
        for (int dx = -half; dx <= half; ++dx) {
            std::array<double, 3> sum{};
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    const double x = (dx + (sx + 0.5) / Samples - 0.5) / scale;
                    const double y = -(dy + (sy + 0.5) / Samples - 0.5) / scale;
                    const auto rgb = surfaceColour(x, y, palette);
                    for (int c = 0; c < 3; ++c)
                        sum[size_t(c)] += rgb[size_t(c)];
                }
            }
            std::uint32_t argb = 0xFF000000u;
            for (int c = 0; c < 3; ++c) {
                const auto v = std::uint32_t(std::lround(sum[size_t(c)] / (Samples * Samples)));
                argb |= v << (16 - 8 * c);
            }
            picture.setPixel(g.centreColumn + dx, g.centreRow + dy, argb);
        }
    }
    return picture;
}

} // namespace

MoonGeometry moonGeometry(MoonSize size)
{
    return Geometries[size_t(size)];
}

double apollo11Moment()
{
    return Apollo11Moment;
}

int halfSpan(int radius, int g)
{
    return nearest(std::sqrt(double(radius * radius - g * g)));
}

const MoonPicture& fullMoonPicture(MoonSize size, MoonStyle style)
{
    static const std::array<MoonPicture, 6> pictures = [] {
        std::array<MoonPicture, 6> all;
        for (int s = 0; s < 3; ++s) {
            all[size_t(2 * s)] = drawFullMoon(MoonSize(s), MoonStyle::msClassic);
            all[size_t(2 * s + 1)] = drawFullMoon(MoonSize(s), MoonStyle::msColor);
        }
        return all;
    }();
    return pictures[size_t(2 * int(size) + (style == MoonStyle::msColor ? 1 : 0))];
}

void darken(MoonPicture& picture, const MoonGeometry& geometry, double phaseAngle)
{
    const int cx = geometry.centreColumn;
    const int cy = geometry.centreRow;
    const int r = geometry.radius;
    const double f = std::cos(phaseAngle * Degree);
    const bool waning = phaseAngle >= 180.0;
    for (int g = 0; g <= r; ++g) {
        const double h = std::sqrt(double(r * r - g * g));
        const int from = waning ? cx + nearest(f * h) : cx - nearest(h);
        const int to = waning ? cx + nearest(h) : cx - nearest(f * h);
        for (const int row : {cy + g, cy - g}) {
            for (int column = from; column <= to; ++column)
                picture.setPixel(column, row, ShadowPixel);
        }
    }
}

MoonPicture rotated(const MoonPicture& picture, Rotation rotation)
{
    if (rotation == Rotation::rot_none)
        return picture;
    const bool quarter = rotation != Rotation::rot_180;
    MoonPicture out;
    out.width = quarter ? picture.height : picture.width;
    out.height = quarter ? picture.width : picture.height;
    out.pixels.resize(picture.pixels.size());
    for (int row = 0; row < picture.height; ++row) {
        for (int column = 0; column < picture.width; ++column) {
            int x = column;
            int y = row;
            switch (rotation) {
            case Rotation::rot_90:
                x = picture.height - 1 - row;
                y = column;
                break;
            case Rotation::rot_180:
                x = picture.width - 1 - column;
                y = picture.height - 1 - row;
                break;
            case Rotation::rot_270:
                x = row;
                y = picture.width - 1 - column;
                break;
            case Rotation::rot_none:
                break;
            }
            out.pixels[size_t(y * out.width + x)] = picture.pixel(column, row);
        }
    }
    return out;
}

MoonPicture moonPicture(double dateTime, double phaseAngle, MoonSize size, MoonStyle style,
                        Rotation rotation, bool showApollo11)
{
    const MoonGeometry geometry = moonGeometry(size);
    MoonPicture picture = fullMoonPicture(size, style);
    if (showApollo11 && dateTime > Apollo11Moment)
        picture.setPixel(geometry.apolloColumn, geometry.apolloRow, ApolloPixel);
    darken(picture, geometry, phaseAngle);
    return rotated(picture, rotation);
}

} // namespace astro
