#include "producers.h"

#include "calendar/dailyview.h"
#include "calendar/tasktexts.h"
#include "store/query.h"
#include "todo/todorecord.h"

namespace documents {
namespace {

QString cell(const store::ResultSet& rows, int row, const char* name)
{
    const int column = rows.columnIndex(QLatin1String(name));
    return column < 0 ? QString() : rows.text(row, column);
}

QDate dateCell(const store::ResultSet& rows, int row, const char* name)
{
    const int column = rows.columnIndex(QLatin1String(name));
    return column < 0 ? QDate() : rows.dateTime(row, column).date();
}

// Multi-line text on one line, every line followed by one blank.
QString joinedLines(const QString& text)
{
    QString joined;
    DocumentBuilder split;
    split.addLine(text);
    for (const DocumentLine& line : split.lines())
        joined += line.text + u' ';
    return joined;
}

void addTitle(DocumentBuilder& doc, const QString& title)
{
    doc.setAlignment(Alignment::Centre);
    doc.setStyle(LineStyle::Bold);
    doc.addLine(title.toUpper());
}

QString taskLine(const QString& from, const QString& to, const QString& description)
{
    return documentTimeText(from) + QStringLiteral(" - ") + documentTimeText(to) +
           QStringLiteral("   ") + description;
}

void addNote(DocumentBuilder& doc, const QString& note)
{
    if (note.isEmpty())
        return;
    doc.setStyle(LineStyle::Italic);
    doc.addLine(note);
}

} // namespace

QString documentTimeText(const QString& stored)
{
    if (stored.size() == 5 && stored.startsWith(QStringLiteral("  ")) &&
        stored.endsWith(QStringLiteral("  ")) && stored.at(2) != u' ')
        return QStringLiteral("__") + stored.at(2) + QStringLiteral("__");
    return calendar::storedTimeText(stored);
}

QString fileNameOf(const QString& proposed)
{
    QString name = proposed;
    for (QChar& c : name) {
        if (c == u'/' || c == u'\\' || c == u':' || c == u'*' || c == u'?' || c == u'"' ||
            c == u'<' || c == u'>' || c == u'|' || c.unicode() < 0x20)
            c = u'-';
    }
    // A name of dots alone would stand for a folder.
    if (name.trimmed().isEmpty() || name.count(u'.') == name.size())
        name.replace(u'.', u'-');
    return name.trimmed();
}

ProducedDocument tasksDocument(store::Database& database, const TasksDocumentOptions& options,
                               const calendar::DatePatterns& patterns)
{
    const QString dash = QStringLiteral("d-MM-yyyy");
    const QString start = patterns.locale.toString(options.from, dash);
    const QString end = patterns.locale.toString(options.to, dash);
    const QString title =
        start == end
            ? QString(QStringLiteral("Daily Plan ") + start)
            : QString(QStringLiteral("Tasks from ") + start + QStringLiteral(" to ") + end);
    DocumentBuilder doc;
    addTitle(doc, title);
    doc.setAlignment(Alignment::Left);
    doc.addLine();

    calendar::DailyView plan(database, patterns.locale);
    for (QDate day = options.from; day <= options.to || day == options.from; day = day.addDays(1)) {
        plan.refresh(day, options.suspended);
        if (!options.freeDays && plan.rowCount() == 0)
            continue;
        bool headed = false;
        const auto heading = [&] {
            doc.setStyle(LineStyle::Plain);
            doc.addLine();
            doc.setStyle(LineStyle::Bold);
            doc.addLine(calendar::oneShotDateText(day, patterns));
            headed = true;
        };
        if (options.freeDays)
            heading();
        for (int r = 0; r < plan.rowCount(); ++r) {
            const calendar::DailyTask task = plan.task(r);
            if (!options.checked && task.flagfatto == QStringLiteral("Y") && task.fatto >= day)
                continue;
            if (task.kind.size() != 1 || !options.kinds.contains(task.kind))
                continue;
            if (!headed)
                heading();
            doc.setStyle(LineStyle::Plain);
            doc.addLine(taskLine(task.from, task.to, task.description));
            if (options.notes)
                addNote(doc, task.note);
        }
    }
    return {title, doc.lines()};
}

ProducedDocument weekDocument(store::Database& database, const QDate& day,
                              const std::array<bool, 7>& days, bool notes, const QLocale& locale)
{
    const QDate monday = day.addDays(1 - day.dayOfWeek());
    const QString pattern = QStringLiteral("dddd, d MMMM yyyy");
    const QString title = QStringLiteral("Weekly tasks");
    DocumentBuilder doc;
    addTitle(doc, title);
    doc.addLine((locale.toString(monday, pattern) + QStringLiteral(" - ") +
                 locale.toString(monday.addDays(6), pattern))
                    .toUpper());
    doc.setAlignment(Alignment::Left);
    doc.addLine();
    doc.addLine();

    calendar::DailyView plan(database, locale);
    for (int d = 0; d < 7; ++d) {
        if (!days[size_t(d)])
            continue;
        const QDate date = monday.addDays(d);
        plan.refresh(date, false);
        doc.setStyle(LineStyle::Bold);
        doc.addLine(locale.dayName(date.dayOfWeek(), QLocale::LongFormat));
        for (int r = 0; r < plan.rowCount(); ++r) {
            const calendar::DailyTask task = plan.task(r);
            doc.setStyle(LineStyle::Plain);
            doc.addLine(taskLine(task.from, task.to, task.description));
            if (notes)
                addNote(doc, task.note);
        }
        doc.setStyle(LineStyle::Plain);
        doc.addLine();
    }
    return {title, doc.lines()};
}

ProducedDocument sectionDocument(const store::ResultSet& rows, QChar kind,
                                 const SectionDocumentOptions& options,
                                 const calendar::DatePatterns& patterns)
{
    static const QString kinds = QStringLiteral("OYMW");
    const QString name = SectionDocumentNames.value(qMax(0, int(kinds.indexOf(kind))));
    DocumentBuilder doc;
    addTitle(doc, name);
    doc.setAlignment(Alignment::Left);
    doc.addLine();
    for (int r = 0; r < rows.rowCount(); ++r) {
        if (!options.checked && cell(rows, r, "flagfatto") == QStringLiteral("Y"))
            continue;
        if (!options.suspended && cell(rows, r, "sospeso") == QStringLiteral("Y"))
            continue;
        QString date;
        if (kind == u'O')
            date = calendar::oneShotDateText(dateCell(rows, r, "datefull"), patterns);
        else if (kind == u'Y')
            date = calendar::yearlyDateText(dateCell(rows, r, "datefull"), patterns);
        else if (kind == u'M')
            date = cell(rows, r, "dayofmonth");
        else
            date = cell(rows, r, "dayofweek");
        doc.setStyle(LineStyle::Plain);
        doc.addLine(
            date + QStringLiteral(": ") +
            taskLine(cell(rows, r, "orario"), cell(rows, r, "orario2"), cell(rows, r, "id")));
        if (options.notes)
            addNote(doc, cell(rows, r, "note"));
    }
    return {name, doc.lines()};
}

ProducedDocument contactsDocument(const store::ResultSet& rows, const QString& groupFilter,
                                  const ContactFields& fields, const QDate& today,
                                  const QLocale& locale)
{
    const QString group = groupFilter.isEmpty() ? QStringLiteral("Contacts") : groupFilter;
    DocumentBuilder doc;
    addTitle(doc, QStringLiteral("address book ") + group + QStringLiteral(" updated at ") +
                      locale.toString(today, QStringLiteral("d MMMM yyyy")));
    doc.setAlignment(Alignment::Left);
    doc.addLine();
    doc.setStyle(LineStyle::Bold);
    QString heading;
    doc.addLine(heading);

    struct Field
    {
        bool on;
        const char* column;
        const char* label;
        bool lines;
    };
    const Field extra[] = {
        {fields.company, "company", " - Company: ", false},
        {fields.phone, "tel", " - Phone: ", false},
        {fields.mobile, "mobile", " - Mobile: ", false},
        {fields.skype, "skype", " - Skype: ", false},
        {fields.fax, "fax", " - Fax: ", false},
        {fields.email, "email", " - E-mail: ", false},
        {fields.web, "site", " - Web: ", false},
        {fields.address, "indirizzo", " - Address: ", true},
        {fields.group, "gruppo", " - Group: ", false},
        {fields.note, "note", " - Note: ", true},
    };
    for (int r = 0; r < rows.rowCount(); ++r) {
        const QString name = cell(rows, r, "ragsoc");
        const QString first = name.left(1).toUpper();
        if (first != heading) {
            heading = first;
            doc.setStyle(LineStyle::Plain);
            doc.addLine();
            doc.setStyle(LineStyle::Bold);
            doc.addLine(heading);
        }
        QString line = name;
        for (const Field& f : extra) {
            const QString value = cell(rows, r, f.column);
            if (f.on && !value.isEmpty())
                line += QLatin1String(f.label) + (f.lines ? joinedLines(value) : value);
        }
        doc.setStyle(LineStyle::Plain);
        doc.addLine(line);
    }
    return {group, doc.lines()};
}

ProducedDocument toDoDocument(const store::ResultSet& rows, const ToDoDocumentOptions& options,
                              const QDate& today, const QLocale& locale)
{
    const QString title = QStringLiteral("To-Do list updated at ");
    DocumentBuilder doc;
    addTitle(doc, title + locale.toString(today, QStringLiteral("d MMMM yyyy")));
    doc.setAlignment(Alignment::Left);
    doc.setStyle(LineStyle::Plain);
    doc.addLine();
    const int priority = rows.columnIndex(QStringLiteral("priority"));
    const int percento = rows.columnIndex(QStringLiteral("percento"));
    for (int r = 0; r < rows.rowCount(); ++r) {
        const bool done = cell(rows, r, "flag") == QStringLiteral("Yes");
        if (done && !options.checked)
            continue;
        QString line =
            (done ? QStringLiteral("[ X ]  ") : QStringLiteral("[   ]  ")) + cell(rows, r, "id");
        if (options.priority)
            line += QStringLiteral(" - Priority: ") +
                    todo::wholeNumber(priority < 0 ? 0.0 : rows.number(r, priority));
        if (options.percentage)
            line += QStringLiteral(" - Done: ") +
                    todo::wholeNumber(percento < 0 ? 0.0 : rows.number(r, percento)) + u'%';
        const QString note = cell(rows, r, "note");
        if (options.notes && !note.isEmpty())
            line += QStringLiteral(" - Note: ") + joinedLines(note);
        doc.addLine(line);
    }
    return {title + locale.toString(today, QStringLiteral("d-MM-yyyy")), doc.lines()};
}

} // namespace documents
