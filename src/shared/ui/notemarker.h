#pragma once

class QPainter;
class QRect;

namespace shared::ui {

// The small lined sheet that marks a record carrying a note, centred in
// `cell`: the grids of every section draw it in their "Note" column.
void paintNoteMarker(QPainter& painter, const QRect& cell);

} // namespace shared::ui
