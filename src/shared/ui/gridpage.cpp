#include "gridpage.h"

#include "recordnavigator.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTableView>

namespace shared::ui {

GridPage::GridPage(QWidget* parent) : QWidget(parent) {}

int GridPage::selectedRow() const
{
    if (!m_parts.grid)
        return -1;
    const QModelIndex current = m_parts.grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void GridPage::setRecordGrid(const GridParts& parts)
{
    m_parts = parts;
    QTableView* grid = parts.grid;
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { updateForSelection(); });
    connect(grid, &QTableView::doubleClicked, this, [this] { modifySelected(); });
    connect(grid, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == m_parts.noteColumn && rowHasNote(index.row()))
            modifyNote();
    });
    grid->installEventFilter(this);
    if (parts.noteMemo)
        parts.noteMemo->viewport()->installEventFilter(this);
}

RecordNavigator* GridPage::buildNavigator(QWidget* parent)
{
    return new RecordNavigator(
        [this] { return m_parts.grid ? m_parts.grid->model()->rowCount() : 0; },
        [this] { return selectedRow(); }, [this](int row) { selectRow(row); }, parent);
}

bool GridPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_parts.grid && event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_parts.modifyButton &&
            m_parts.modifyButton->isEnabled()) {
            modifySelected();
            return true;
        }
    }
    // The memo is read-only: its double click belongs to the note, not to
    // selecting a word.
    if (m_parts.noteMemo && watched == m_parts.noteMemo->viewport() &&
        event->type() == QEvent::MouseButtonDblClick) {
        if (hasSelection() && rowHasNote(selectedRow()))
            modifyNote();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace shared::ui
