#include "sectionmodel.h"

#include "taskrecord.h"
#include "tasksection.h"
#include "tasktexts.h"

#include <algorithm>

namespace calendar {

SectionModel::SectionModel(TaskSection& section, QObject* parent)
    : QAbstractTableModel(parent), m_section(section)
{
}

void SectionModel::setPatterns(const DatePatterns& patterns)
{
    m_patterns = patterns;
    if (rowCount() > 0)
        emit dataChanged(index(0, Date), index(rowCount() - 1, Date));
}

void SectionModel::refresh()
{
    beginResetModel();
    m_section.refresh();
    endResetModel();
}

QString SectionModel::fieldName(int column) const
{
    switch (column) {
    case Date:
        return dateColumnField(m_section.kind());
    case From:
        return QStringLiteral("orario");
    case To:
        return QStringLiteral("orario2");
    case Description:
        return QStringLiteral("id");
    case Presenza:
        return QStringLiteral("Presenza");
    default:
        break;
    }
    return {};
}

int SectionModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_section.rowCount();
}

int SectionModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString SectionModel::dateCell(int row) const
{
    switch (m_section.kind().unicode()) {
    case u'O':
        return oneShotDateText(m_section.date(row, QStringLiteral("datefull")), m_patterns);
    case u'Y':
        return yearlyDateText(m_section.date(row, QStringLiteral("datefull")), m_patterns);
    default:
        break;
    }
    return m_section.text(row, fieldName(Date));
}

QVariant SectionModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    if (role == Qt::TextAlignmentRole) {
        const bool centred = index.column() == From || index.column() == To
                             || index.column() == Presenza;
        return int((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Date:
        return dateCell(row);
    case From:
    case To:
        return storedTimeText(m_section.text(row, fieldName(index.column())));
    case Description:
        return m_section.text(row, fieldName(index.column()));
    default:
        break;
    }
    return QString();
}

QVariant SectionModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Date:
        return dateColumnTitle(m_section.kind());
    case From:
        return QStringLiteral("From");
    case To:
        return QStringLiteral("To");
    case Description:
        return QStringLiteral("Description");
    case Presenza:
        return QStringLiteral("Note");
    default:
        break;
    }
    return {};
}

std::vector<int> fitColumnWidths(const SectionModel& model,
                                 const std::function<int(const QString&)>& textWidth)
{
    std::vector<int> widths(SectionModel::ColumnCount);
    for (int column = 0; column < SectionModel::ColumnCount; ++column)
        widths[column] = textWidth(model.fieldName(column)) + 10;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < SectionModel::ColumnCount; ++column) {
            const QString cell = model.index(row, column).data().toString().trimmed();
            widths[column] = std::max(widths[column], textWidth(cell) + 10);
        }
    }
    widths[SectionModel::From] = 42;
    widths[SectionModel::To] = 42;
    widths[SectionModel::Presenza] = 42;
    if (model.fieldName(SectionModel::Date) == QLatin1String("dayofmonth"))
        widths[SectionModel::Date] = 50;
    return widths;
}

RowLook sectionRowLook(const GridTheme& theme, const GridColours& colours, unsigned sectionColour,
                       QChar kind, const QString& dayofweek, bool suspended, int recordNumber,
                       bool selected)
{
    const bool odd = recordNumber % 2 != 0;
    RowLook look;
    if (theme.style == GridStyle::Coloratissime)
        look.background = blendTowardWhite(sectionColour, odd ? 80 : 70);
    else
        look.background = colours.currentSection != colours.buttonFace
                              ? (odd ? OddRowGrey : 0xFFFFFF)
                              : colours.window;
    look.text = theme.gridText;
    if (selected) {
        look.background = sectionColour;
        look.text = theme.titleText;
    }
    if (kind == QLatin1Char('O')) {
        if (dayofweek == DeleteAfterCode)
            look.text = theme.autoDelete;
        if (dayofweek == TormentCode)
            look.text = theme.dailyRepeat;
    }
    if (suspended)
        look.text = theme.suspended;
    return look;
}

} // namespace calendar
