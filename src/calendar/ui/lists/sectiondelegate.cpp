#include "sectiondelegate.h"

#include "calendar/sectionmodel.h"
#include "calendar/taskrecord.h"
#include "calendar/tasksection.h"
#include "calendar/ui/rowpainter.h"
#include "shared/ui/notemarker.h"

#include <QPainter>

namespace calendar::ui {

SectionDelegate::SectionDelegate(const SectionModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model)
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
    painter->fillRect(rect, lookColour(look.background));
    if (index.column() == SectionModel::Presenza) {
        if (m_model.section().hasNote(index.row()))
            shared::ui::paintNoteMarker(*painter, rect);
    } else {
        paintCellText(*painter, option, index, rect, look);
    }
    painter->restore();
}

} // namespace calendar::ui
