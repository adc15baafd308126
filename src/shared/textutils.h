#pragma once

#include <QDate>
#include <QString>

namespace shared {

// A colour by its three channels, 0 to 255 each.
struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Mixes `first` toward `second`: 0 percent gives the first colour, 100 the
// second. Each channel moves by (second - first) * percent / 100, truncated
// toward zero.
Rgb blendColour(const Rgb& first, const Rgb& second, int percent);

// True when `text` cannot be an e-mail address: empty, holding a blank, one
// of "äöüß[]():", no at-sign or one at either end, a second at-sign, or a
// domain shorter than two characters or without an inner dot.
bool isNotEmailAddress(const QString& text);

// Whole years from `birth` to `reference`, as an age is counted: a birthday
// on 29 February is reached on 1 March in other years. Negative when the
// birth lies in a later year.
int yearsBetween(const QDate& reference, const QDate& birth);

// Every carriage return and line feed becomes one blank; the length stays.
QString flattenLineBreaks(const QString& text);

// The number of runs of characters other than the blank (code 32, the only
// separator).
int countWords(const QString& text);

} // namespace shared
