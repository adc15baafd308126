#include "todaydelegate.h"

#include "calendar/dailymodel.h"
#include "calendar/dailyview.h"

#include <QPainter>

namespace calendar::ui {
namespace {

QColor rgb(unsigned value)
{
    return QColor::fromRgb(QRgb(0xFF000000u | value));
}

// A small sheet with lines: the mark of a task that carries a note.
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

TodayDelegate::TodayDelegate(const DailyModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model), m_noteMarker(drawNoteMarker())
{
}

RowLook TodayDelegate::lookAt(const QModelIndex& index, bool selected) const
{
    const DailyView& view = m_model.view();
    return rowLook(m_theme, m_colours, view.facts(index.row()), view.shownDate(), index.row() + 1,
                   selected);
}

void TodayDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const RowLook look = lookAt(index, selected);
    QRect rect = option.rect;
    painter->save();
    painter->fillRect(rect, rgb(look.background));

    if (index.column() == DailyModel::Presenza) {
        if (m_model.view().hasNote(index.row())) {
            const QPoint at = rect.center() - QPoint(m_noteMarker.width() / 2, m_noteMarker.height() / 2);
            painter->drawPixmap(at, m_noteMarker);
        }
        painter->restore();
        return;
    }

    if (index.column() == DailyModel::Description && look.indicator) {
        const QRect bar(rect.left(), rect.top(), indicatorWidth(rect.height()), rect.height());
        painter->setPen(rgb(look.indicatorOutline));
        painter->setBrush(rgb(look.indicatorFill));
        painter->drawRect(bar.adjusted(0, 0, -1, -1));
        rect.setLeft(bar.right() + 1);
    }

    QFont font = option.font;
    font.setStrikeOut(look.struckOut);
    painter->setFont(font);
    painter->setPen(rgb(look.text));
    const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    const QRect textRect = rect.adjusted(3, 0, -3, 0);
    const QString text = painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideRight,
                                                          textRect.width());
    painter->drawText(textRect, int(alignment), text);
    painter->restore();
}

} // namespace calendar::ui
