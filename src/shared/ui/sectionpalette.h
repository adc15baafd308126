#pragma once

#include <QColor>

class QWidget;

namespace shared::ui {

// Text on `background` reads comfortably from this contrast ratio of
// relative luminances on (1 is none, 21 black on white).
inline constexpr double ReadableContrast = 4.5;

double contrastRatio(const QColor& a, const QColor& b);

// The colour of disabled text drawn on `background`: black or white,
// whichever stands out more, faded toward the background only as far as the
// text stays readable. The style's own grey vanishes on many section colours.
QColor disabledTextOn(const QColor& background);

// Fills `area` with a section's colour and keeps readable there the text
// that disabled controls draw straight on it: labels, check boxes and flat
// command buttons. Meant for areas whose buttons are flat, since a raised
// button would draw its disabled caption in that colour on its own face.
void setSectionBackground(QWidget& area, const QColor& colour);

} // namespace shared::ui
