#include "sectiondelegate.h"

#include "calendar/sectionmodel.h"
#include "calendar/taskrecord.h"
#include "calendar/tasksection.h"

#include <QPainter>

namespace calendar::ui {
namespace {

QColor rgb(unsigned value)
{
    return QColor::fromRgb(QRgb(0xFF000000u | value));
}

// The same small lined sheet the daily list marks its notes with.
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

SectionDelegate::SectionDelegate(const SectionModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model), m_noteMarker(drawNoteMarker())
{
}

RowLook SectionDelegate::lookAt(const QModelIndex& index, bool selected) const
{
    const TaskSection& section = m_model.section();
    const int row = index.row();
    return sectionRowLook(m_theme, m_colours, m_sectionColour, section.kind(),
                          section.text(row, QStringLiteral("dayofweek")),
                          section.text(row, QStringLiteral("sospeso")) == Yes, row + 1, selected);
}

void SectionDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const
{
    const RowLook look = lookAt(index, option.state.testFlag(QStyle::State_Selected));
    const QRect rect = option.rect;
    painter->save();
    painter->fillRect(rect, rgb(look.background));
    if (index.column() == SectionModel::Presenza) {
        if (m_model.section().hasNote(index.row()))
            painter->drawPixmap(rect.center() - QPoint(m_noteMarker.width() / 2,
                                                       m_noteMarker.height() / 2),
                                m_noteMarker);
        painter->restore();
        return;
    }
    painter->setFont(option.font);
    painter->setPen(rgb(look.text));
    const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    const QRect textRect = rect.adjusted(3, 0, -3, 0);
    const QString text = painter->fontMetrics().elidedText(index.data().toString(), Qt::ElideRight,
                                                          textRect.width());
    painter->drawText(textRect, int(alignment), text);
    painter->restore();
}

} // namespace calendar::ui
