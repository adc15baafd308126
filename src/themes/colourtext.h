#pragma once

#include <QString>

#include <optional>

namespace themes {

// Colours are stored as text: the name of a standard colour ("clBlack",
// "clWhite", ...) or "$" followed by eight hexadecimal digits 00BBGGRR (blue,
// green, red). In memory they are 0xRRGGBB.
std::optional<unsigned> parseColourText(const QString& text);
// The name of a standard colour where there is one, otherwise "$00BBGGRR".
QString colourText(unsigned rgb);

} // namespace themes
