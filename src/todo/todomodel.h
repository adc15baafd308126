#pragma once

#include "store/query.h"
#include "todolist.h"
#include "todorecord.h"

#include <QAbstractTableModel>

namespace store {
class Database;
}

namespace todo {

// The To Do tab's list as a table: "Description", "P", "%", "Note" (empty;
// its cell shows the note marker) and the hidden "Done" ("X" for a done
// entry). Priority and percentage read as whole numbers. Cells come straight
// from the open rows, so a reload is one reset.
class ToDoModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        Description,
        Priority,
        Percent,
        Presenza,
        Fatto,
        ColumnCount
    };

    explicit ToDoModel(store::Database& database, QObject* parent = nullptr);

    // Runs the list statement for `filter` inside one model reset.
    void refresh(const ToDoFilter& filter);
    const store::Query& list() const { return m_list; }
    const store::ResultSet& rows() const { return m_list.rows(); }

    ToDoEntry entry(int row) const { return entryAt(rows(), row); }
    bool hasNote(int row) const;
    bool isDone(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString cell(int row, const char* column) const;

    store::Query m_list;
};

} // namespace todo
