#pragma once

#include "calendar/dailylook.h"

#include <QColor>
#include <QRect>

class QModelIndex;
class QPainter;
class QStyleOptionViewItem;

namespace calendar::ui {

// Drawing shared by the task grids (the daily list and the section lists):
// the row's colours and the cell text. The note marker is every section's
// (shared/ui/notemarker.h).

inline QColor lookColour(unsigned rgb)
{
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

// The cell's text in the row's colour, struck through when the look says so,
// elided to the cell, aligned as the model asks.
void paintCellText(QPainter& painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index, const QRect& cell, const RowLook& look);

} // namespace calendar::ui
