// Writes the same generated tasks as an archive and as a Remind file, for
// comparing whole-process timings (see compare_remind.sh).
//
//   bench_archivewriter ARCHIVE_DIR COUNT REMIND_FILE
#include "taskgenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

QString remindDate(const QDate& date)
{
    return QLocale(QLocale::English).toString(date, QStringLiteral("d MMM yyyy"));
}

// One REM line with the same occurrences as the task in the daily view.
// Every other week counts 14 days from the start, which matches the week
// parity except across a 53-week year; close enough for timing.
QString remindLine(const bench::GeneratedTask& t)
{
    const QString start = remindDate(t.date);
    QString trigger;
    if (t.kind == QLatin1String("O")) {
        trigger = t.expiry.isValid() ? start + QStringLiteral(" *1 UNTIL ") + remindDate(t.expiry)
                                     : start;
    } else if (t.kind == QLatin1String("W")) {
        trigger = start + (t.everyOther ? QStringLiteral(" *14") : QStringLiteral(" *7"));
    } else if (t.kind == QLatin1String("M")) {
        trigger = t.everyOther
                      ? QStringLiteral("%1 SATISFY [monnum($T) % 2 == %2 && $T >= '%3']")
                            .arg(t.date.day())
                            .arg(t.date.month() % 2)
                            .arg(t.date.toString(Qt::ISODate))
                      : QStringLiteral("%1 FROM %2").arg(t.date.day()).arg(start);
    } else {
        const QString dayMonth = QLocale(QLocale::English).toString(t.date, QStringLiteral("d MMM"));
        trigger = t.countYears
                      ? dayMonth + QStringLiteral(" SATISFY [year($T) >= %1]").arg(t.date.year())
                      : dayMonth;
    }
    return QStringLiteral("REM ") + trigger + QStringLiteral(" MSG ") + t.from + u' '
           + t.description;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        std::fputs("usage: bench_archivewriter ARCHIVE_DIR COUNT REMIND_FILE\n", stderr);
        return 2;
    }
    const int count = args.at(2).toInt();
    const quint32 seed = 4711;
    QDir().mkpath(args.at(1));
    const QString archive = QDir(args.at(1)).filePath(QStringLiteral("coarc.abs"));
    QFile::remove(archive);
    bench::writeArchive(archive, count, seed, QLocale(QLocale::English, QLocale::UnitedStates));

    QFile file(args.at(3));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return 1;
    QTextStream out(&file);
    bench::generateTasks(count, seed, [&out](const bench::GeneratedTask& t) {
        if (!t.suspended)
            out << remindLine(t) << '\n';
    });
    return 0;
}
