#pragma once

#include "calendar/sectionlist.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

namespace store {
class ResultSet;
class Settings;
}

namespace documents {

// One column of a banded report: its header, its share of the page width
// and whether its cells are bold.
struct ReportColumn
{
    QString header;
    int weight = 1;
    bool bold = false;
};

// What a report prints, built from a list's rows without any painting: the
// title band, the column headers repeated on every page, one row per listed
// record (cells grow to fit their text), and the footer.
struct ReportContent
{
    QString title;      // the coloured title label
    QString extraLabel; // "Group:" of the contacts, the day of the plan
    QString extraValue;
    QString footerExtra; // repeated in the footer, after the program's name
    bool landscape = true;
    unsigned sectionColour = 0xFFFFFF; // 0xRRGGBB
    unsigned titleColour = 0x000000;
    QDateTime printedAt;
    std::vector<ReportColumn> columns;
    std::vector<QStringList> rows;
};

enum class ReportKind
{
    OneShot,
    Yearly,
    Monthly,
    Weekly,
    Today,
    Contacts,
    ToDo
};

// The colour of the section whose list `kind` prints, as 0xRRGGBB (white
// when the section has none that can be drawn).
unsigned reportSectionColour(const store::Settings& settings, ReportKind kind);
// The report of a task section by its letter ("O", "Y", "M", "W").
ReportKind sectionReportKind(QChar kind);

// The rows of a task section list, as its statement returns them.
ReportContent sectionReport(ReportKind kind, const store::ResultSet& rows,
                            const calendar::DatePatterns& patterns);
// The Today list of `day`.
ReportContent todayReport(const store::ResultSet& rows, const QDate& day, const QLocale& locale);
// The Contacts list under its group filter ("Tutti" when there is none).
ReportContent contactsReport(const store::ResultSet& rows, const QString& groupFilter);
ReportContent toDoReport(const store::ResultSet& rows);

} // namespace documents
