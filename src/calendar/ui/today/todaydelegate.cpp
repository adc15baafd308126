#include "todaydelegate.h"

#include "calendar/dailymodel.h"
#include "calendar/dailyview.h"
#include "calendar/ui/rowpainter.h"
#include "shared/ui/notemarker.h"

#include <QPainter>

namespace calendar::ui {

TodayDelegate::TodayDelegate(const DailyModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model)
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
    painter->fillRect(rect, lookColour(look.background));

    if (index.column() == DailyModel::Presenza) {
        if (m_model.view().hasNote(index.row()))
            shared::ui::paintNoteMarker(*painter, rect);
        painter->restore();
        return;
    }

    if (index.column() == DailyModel::Description && look.indicator) {
        const QRect bar(rect.left(), rect.top(), indicatorWidth(rect.height()), rect.height());
        painter->setPen(lookColour(look.indicatorOutline));
        painter->setBrush(lookColour(look.indicatorFill));
        painter->drawRect(bar.adjusted(0, 0, -1, -1));
        rect.setLeft(bar.right() + 1);
    }

    paintCellText(*painter, option, index, rect, look);
    painter->restore();
}

} // namespace calendar::ui
