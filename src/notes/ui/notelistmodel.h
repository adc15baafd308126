#pragma once

#include <QAbstractTableModel>

namespace store {
class Query;
}

namespace notes::ui {

// The titles of the notes list, read straight from the rows the list
// statement opened; the Notes tab resets it after every reload.
class NoteListModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit NoteListModel(const store::Query& list, QObject* parent = nullptr);

    // Call around every reopening of the list's query.
    void beginReload() { beginResetModel(); }
    void endReload();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    qint64 codnot(int row) const;
    QString title(int row) const;
    QString text(int row) const;
    QString group(int row) const;

private:
    QString cell(int row, int column) const;

    const store::Query& m_list;
    int m_codnot = -1;
    int m_id = -1;
    int m_note = -1;
    int m_gruppo = -1;
};

} // namespace notes::ui
