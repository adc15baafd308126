#pragma once

#include <QString>

class QFont;
class QPagedPaintDevice;
class QPageLayout;

namespace notes::ui {

// The page a note is printed on unless the print dialog changes it: A4
// portrait with 15 mm margins.
QPageLayout notePageLayout();

// Paints every line of `text` in `font` on `device`, page after page. A line
// wider than the page wraps (at a blank where there is one), and no line is
// cut between two pages. Returns the number of pages (at least one).
int paintNoteText(const QString& text, const QFont& font, QPagedPaintDevice& device);

} // namespace notes::ui
