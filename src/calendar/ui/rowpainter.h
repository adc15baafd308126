#pragma once

#include "calendar/dailylook.h"

#include <QColor>
#include <QRect>

class QModelIndex;
class QPainter;
class QStyleOptionViewItem;

namespace calendar::ui {

// Drawing shared by the task grids (the daily list and the section lists):
// the row's colours, the note marker and the cell text.

inline QColor lookColour(unsigned rgb)
{
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

// The small lined sheet that marks a task carrying a note, centred in `cell`.
void paintNoteMarker(QPainter& painter, const QRect& cell);

// The cell's text in the row's colour, struck through when the look says so,
// elided to the cell, aligned as the model asks.
void paintCellText(QPainter& painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index, const QRect& cell, const RowLook& look);

} // namespace calendar::ui
