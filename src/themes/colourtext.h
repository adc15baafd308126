#pragma once

#include <QString>
#include <array>
#include <optional>

namespace themes {

// A colour as theme files, colour lists and the settings row keep it: a
// 32-bit value, 0x00BBGGRR for a direct colour (a zero byte, then blue, green
// and red) or 0x80000000 + index for a colour of the user's desktop scheme.
// A few names stand for other values ("clNone" $1FFFFFFF, "clDefault"
// $20000000); every bit read is kept, so writing gives back what was read.
constexpr unsigned SystemColourFlag = 0x80000000u;
constexpr int SystemColourCount = 29;

// Reads a colour name of the standard table (letter case ignored), "$" and up
// to eight hexadecimal digits, or a decimal integer (negative ones as their
// 32-bit pattern). Anything else, and empty text, gives nothing.
std::optional<unsigned> readColour(const QString& text);
// The name of the table when the value is one of its entries, otherwise "$"
// and eight upper-case hexadecimal digits.
QString writeColour(unsigned value);
// The scheme index of a system colour value, nothing for any other value.
std::optional<int> systemColourIndex(unsigned value);

// The desktop scheme as 0xRRGGBB per system colour index. Until the window
// gives the real one (from its palette) it is the classic light scheme.
using DesktopScheme = std::array<unsigned, SystemColourCount>;
const DesktopScheme& classicDesktopScheme();
void setDesktopScheme(const DesktopScheme& scheme);

// A colour text for drawing, as 0xRRGGBB: system colours through the desktop
// scheme. Nothing for text that is not a colour and for the values that name
// no colour ("clNone", "clDefault", other high bytes): callers then keep
// their own default.
std::optional<unsigned> parseColourText(const QString& text);
// The colour text of a drawn colour 0xRRGGBB.
QString colourText(unsigned rgb);

} // namespace themes
