#pragma once

#include <QAbstractTableModel>

namespace calendar {

class DailyView;

// The daily list as a table: "From", "To", "Description" and "Note" (the
// note column carries no text; its cell shows a marker when the task has a
// note). Cells are read straight from the selection's rows, so a reload is
// one reset however long the list is.
class DailyModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { From, To, Description, Presenza, ColumnCount };

    explicit DailyModel(DailyView& view, QObject* parent = nullptr);

    DailyView& view() const { return m_view; }

    // Runs the selection again for `day` inside one model reset.
    void refresh(const QDate& day, bool showSuspended);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    DailyView& m_view;
};

} // namespace calendar
