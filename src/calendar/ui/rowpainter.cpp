#include "rowpainter.h"

#include <QModelIndex>
#include <QPainter>
#include <QStyleOptionViewItem>

namespace calendar::ui {

void paintCellText(QPainter& painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index, const QRect& cell, const RowLook& look)
{
    QFont font = option.font;
    font.setStrikeOut(look.struckOut);
    painter.setFont(font);
    painter.setPen(lookColour(look.text));
    const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    const QRect textRect = cell.adjusted(3, 0, -3, 0);
    const QString text = painter.fontMetrics().elidedText(index.data().toString(), Qt::ElideRight,
                                                         textRect.width());
    painter.drawText(textRect, int(alignment), text);
}

} // namespace calendar::ui
