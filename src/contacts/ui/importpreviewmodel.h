#pragma once

#include "contacts/csvreader.h"

#include <QAbstractTableModel>

namespace contacts::ui {

// The import preview: as many columns as the file's first line has fields;
// with more than one line the first one heads the columns, the others are
// rows. Rows are read from the records when painted, so a file of any length
// opens at once.
class ImportPreviewModel final : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRecords(const QList<CsvRecord>* records)
    {
        beginResetModel();
        m_records = records;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        if (parent.isValid() || !m_records)
            return 0;
        return int(m_records->size() > 1 ? m_records->size() - 1 : m_records->size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        if (parent.isValid() || !m_records || m_records->isEmpty())
            return 0;
        return int(m_records->front().fields.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        const int row = m_records->size() > 1 ? index.row() + 1 : index.row();
        return m_records->at(row).fields.value(index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || !m_records || m_records->isEmpty())
            return {};
        if (orientation == Qt::Horizontal)
            return m_records->size() > 1 ? m_records->front().fields.value(section)
                                         : QVariant(section + 1);
        // The file's line, so that a message naming a line can be found here.
        const int row = m_records->size() > 1 ? section + 1 : section;
        return m_records->at(row).line;
    }

private:
    const QList<CsvRecord>* m_records = nullptr;
};

} // namespace contacts::ui
