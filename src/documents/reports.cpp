#include "reports.h"

#include "producers.h"
#include "store/query.h"
#include "store/settings.h"
#include "themes/colourtext.h"

namespace documents {
namespace {

QString cell(const store::ResultSet& rows, int row, int column)
{
    return column < 0 ? QString() : rows.text(row, column);
}

int column(const store::ResultSet& rows, const char* name)
{
    return rows.columnIndex(QLatin1String(name));
}

// From, To, Description, Note after the date column of a task report.
void addTaskColumns(ReportContent& report)
{
    report.columns.push_back({QStringLiteral("From"), 2});
    report.columns.push_back({QStringLiteral("To"), 2});
    report.columns.push_back({QStringLiteral("Description"), 9});
    report.columns.push_back({QStringLiteral("Note"), 9});
}

QStringList taskCells(const store::ResultSet& rows, int r)
{
    return {documentTimeText(cell(rows, r, column(rows, "orario"))),
            documentTimeText(cell(rows, r, column(rows, "orario2"))),
            cell(rows, r, column(rows, "id")), cell(rows, r, column(rows, "note"))};
}

} // namespace

ReportContent sectionReport(ReportKind kind, const store::ResultSet& rows,
                            const calendar::DatePatterns& patterns)
{
    ReportContent report;
    const bool byDate = kind == ReportKind::OneShot || kind == ReportKind::Yearly;
    switch (kind) {
    case ReportKind::OneShot:
        report.title = QStringLiteral("One Shot   ");
        break;
    case ReportKind::Yearly:
        report.title = QStringLiteral("Yearly   ");
        break;
    case ReportKind::Monthly:
        report.title = QStringLiteral("Monthly   ");
        break;
    default:
        report.title = QStringLiteral("Weekly   ");
        break;
    }
    report.columns.push_back({byDate ? QStringLiteral("Date") : QStringLiteral("Day"), 4, true});
    addTaskColumns(report);
    const int datefull = column(rows, "datefull");
    const int day = column(rows, kind == ReportKind::Monthly ? "dayofmonth" : "dayofweek");
    report.rows.reserve(size_t(rows.rowCount()));
    for (int r = 0; r < rows.rowCount(); ++r) {
        QString date;
        if (kind == ReportKind::OneShot || kind == ReportKind::Yearly) {
            const QDate d = datefull < 0 ? QDate() : rows.dateTime(r, datefull).date();
            date = kind == ReportKind::OneShot ? calendar::oneShotDateText(d, patterns)
                                               : calendar::yearlyDateText(d, patterns);
        } else {
            date = cell(rows, r, day);
        }
        report.rows.push_back(QStringList{date} + taskCells(rows, r));
    }
    return report;
}

ReportContent todayReport(const store::ResultSet& rows, const QDate& day, const QLocale& locale)
{
    ReportContent report;
    report.title = QStringLiteral("  Daily Plan  ");
    report.extraValue = locale.toString(day, QStringLiteral(" dddd d MMMM yyyy "));
    addTaskColumns(report);
    report.rows.reserve(size_t(rows.rowCount()));
    for (int r = 0; r < rows.rowCount(); ++r)
        report.rows.push_back(taskCells(rows, r));
    return report;
}

ReportContent contactsReport(const store::ResultSet& rows, const QString& groupFilter)
{
    ReportContent report;
    report.title = QStringLiteral("Contacts  ");
    report.extraLabel = QStringLiteral("Group:");
    report.extraValue = groupFilter.isEmpty() ? QStringLiteral("Tutti") : groupFilter;
    report.footerExtra = QStringLiteral("Group: ") + report.extraValue;
    const char* names[] = {"ragsoc", "company", "tel",       "mobile", "skype",
                           "fax",    "email",   "indirizzo", "site"};
    const QStringList headers{
        QStringLiteral("Name"),   QStringLiteral("Company"), QStringLiteral("Phone"),
        QStringLiteral("Mobile"), QStringLiteral("Skype"),   QStringLiteral("Fax"),
        QStringLiteral("E-mail"), QStringLiteral("Address"), QStringLiteral("Internet")};
    const int weights[] = {4, 3, 2, 2, 2, 2, 3, 4, 3};
    for (int c = 0; c < 9; ++c)
        report.columns.push_back({headers.at(c), weights[c]});
    int columns[9];
    for (int c = 0; c < 9; ++c)
        columns[c] = column(rows, names[c]);
    report.rows.reserve(size_t(rows.rowCount()));
    for (int r = 0; r < rows.rowCount(); ++r) {
        QStringList cells;
        for (const int c : columns)
            cells << cell(rows, r, c);
        report.rows.push_back(cells);
    }
    return report;
}

ReportContent toDoReport(const store::ResultSet& rows)
{
    ReportContent report;
    report.title = QStringLiteral("To-Do  ");
    report.landscape = false;
    report.columns = {{QStringLiteral("Description"), 1}, {QStringLiteral("Note"), 1}};
    const int id = column(rows, "id");
    const int note = column(rows, "note");
    report.rows.reserve(size_t(rows.rowCount()));
    for (int r = 0; r < rows.rowCount(); ++r)
        report.rows.push_back({cell(rows, r, id), cell(rows, r, note)});
    return report;
}

unsigned reportSectionColour(const store::Settings& settings, ReportKind kind)
{
    using Section = store::Settings::Section;
    static constexpr Section Sections[] = {Section::OneShot, Section::Yearly, Section::Monthly,
                                           Section::Weekly,  Section::Today,  Section::Contacts,
                                           Section::ToDo};
    return themes::parseColourText(settings.sectionColour(Sections[int(kind)])).value_or(0xFFFFFF);
}

ReportKind sectionReportKind(QChar kind)
{
    switch (kind.unicode()) {
    case u'Y':
        return ReportKind::Yearly;
    case u'M':
        return ReportKind::Monthly;
    case u'W':
        return ReportKind::Weekly;
    default:
        return ReportKind::OneShot;
    }
}

} // namespace documents
