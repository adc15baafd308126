#include "tododelegate.h"

#include "calendar/ui/rowpainter.h"
#include "shared/ui/notemarker.h"
#include "todo/todomodel.h"

#include <QPainter>

namespace todo::ui {

ToDoDelegate::ToDoDelegate(const ToDoModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model)
{
}

calendar::RowLook ToDoDelegate::lookAt(int row, bool selected) const
{
    const bool odd = (row + 1) % 2 != 0;
    calendar::RowLook look;
    if (m_theme.style == calendar::GridStyle::Coloratissime)
        look.background = calendar::blendTowardWhite(m_sectionColour, odd ? 80 : 70);
    else
        look.background = m_colours.currentSection != m_colours.buttonFace
                              ? (odd ? calendar::OddRowGrey : 0xFFFFFF)
                              : m_colours.window;
    look.text = m_theme.gridText;
    if (selected) {
        look.background = m_sectionColour;
        look.text = m_theme.titleText;
    }
    look.struckOut = m_model.isDone(row);
    return look;
}

void ToDoDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const
{
    const calendar::RowLook look =
        lookAt(index.row(), option.state.testFlag(QStyle::State_Selected));
    painter->save();
    painter->fillRect(option.rect, calendar::ui::lookColour(look.background));
    if (index.column() == ToDoModel::Presenza) {
        if (m_model.hasNote(index.row()))
            shared::ui::paintNoteMarker(*painter, option.rect);
    } else {
        calendar::ui::paintCellText(*painter, option, index, option.rect, look);
    }
    painter->restore();
}

} // namespace todo::ui
