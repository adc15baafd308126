#include "notemarker.h"

#include <QPainter>
#include <QPixmap>

namespace shared::ui {
namespace {

QPixmap drawNoteMarker()
{
    QPixmap pixmap(11, 13);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(QColor(0xFF, 0xF8, 0xC8));
    p.drawRect(0, 0, 10, 12);
    p.setPen(QColor(0x70, 0x70, 0x90));
    for (int y = 3; y <= 9; y += 3)
        p.drawLine(2, y, 8, y);
    return pixmap;
}

} // namespace

void paintNoteMarker(QPainter& painter, const QRect& cell)
{
    static const QPixmap marker = drawNoteMarker();
    painter.drawPixmap(cell.center() - QPoint(marker.width() / 2, marker.height() / 2), marker);
}

} // namespace shared::ui
