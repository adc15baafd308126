#pragma once

#include "recordnavigator.h"

#include <QWidget>

class QAbstractButton;
class QPlainTextEdit;
class QTableView;

namespace shared::ui {

// The base of a section page built around one grid of records (the daily
// list and the task lists now; the contacts, notes and to-do lists later),
// so that every such grid answers the keys and the mouse alike:
//
//   Enter in the grid                    Modify, while its button is enabled
//   a double click on a row              Modify
//   a click on a row's note marker       Modify with the note area enlarged,
//   a double click on the note memo      when the row's note is not empty
//
// A page builds its grid, hands it in with setRecordGrid() and says what its
// commands do by overriding the hooks below. Nothing here knows a section.
class GridPage : public QWidget
{
    Q_OBJECT
public:
    // The selected row, -1 with an empty list.
    int selectedRow() const;
    bool hasSelection() const { return selectedRow() >= 0; }
    virtual void selectRow(int row) = 0;

protected:
    explicit GridPage(QWidget* parent = nullptr);

    struct GridParts
    {
        QTableView* grid = nullptr;
        int noteColumn = -1;                // the column whose cells show the note marker
        QPlainTextEdit* noteMemo = nullptr; // the selected row's note below the grid, if any
        QAbstractButton* modifyButton = nullptr;
    };
    void setRecordGrid(const GridParts& parts);

    // The four buttons that walk the grid ("|<", "<<", ">>", ">|").
    RecordNavigator* buildNavigator(QWidget* parent);

    virtual bool rowHasNote(int row) const = 0;
    virtual void modifySelected() = 0;
    virtual void modifyNote() = 0;
    // Every change of the selected row.
    virtual void updateForSelection() = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GridParts m_parts;
};

} // namespace shared::ui
