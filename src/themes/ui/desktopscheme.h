#pragma once

#include "themes/colourtext.h"

class QPalette;

namespace themes::ui {

// The desktop scheme behind the system colours ("clBtnFace", "clWindow", ...)
// taken from a palette, each system colour from the palette role that plays
// its part on this desktop.
DesktopScheme desktopSchemeFrom(const QPalette& palette);

} // namespace themes::ui
