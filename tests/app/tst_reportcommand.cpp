// "corvandine --report" on a real archive: the PDF it writes, read back with
// pdftotext and pdfinfo, and the one-line refusals of bad input.
#include "../calendar/archivefixture.h"
#include "app/agenda.h"
#include "app/reportcommand.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestReportCommand final : public QObject
{
    Q_OBJECT

    ArchiveFixture m_archive;
    const QDate m_day{2026, 12, 9};

    int report(const QStringList& arguments, QString* error = nullptr)
    {
        QString text;
        QTextStream err(&text);
        const int code = app::runReportCommand(
            arguments + QStringList{"--archive", m_archive.folder.path()}, err, m_day, QString());
        if (error)
            *error = text;
        return code;
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils are not installed");
        calendar::TaskDraft dentist = draftOn(m_day, QStringLiteral("Dentist"));
        dentist.from = QStringLiteral("09:30");
        dentist.note = QStringLiteral("bring the card");
        m_archive.add(QStringLiteral("O"), dentist);
        m_archive.add(QStringLiteral("O"), draftOn(m_day.addDays(1), QStringLiteral("Plumber")));
        store::Query q(m_archive.db);
        q.setSql({"INSERT INTO CRcon63 (ragsoc, company, tel) VALUES (\"Anna Rossi\", \"Acme\", "
                  "\"555 0101\")"});
        q.execSql();
    }

    void writesTheReport_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("absent");
        QTest::addColumn<QString>("size");
        QTest::newRow("plan") << QStringList{"plan", "--date", "2026-12-09"}
                              << QStringList{"Daily Plan", "Wednesday 9 December 2026",
                                             "Dentist",    "bring the card",
                                             "Entries: 1", "Page: 1"}
                              << QStringList{"Plumber"} << "842 x 595";
        QTest::newRow("two days") << QStringList{"plan", "--date", "2026-12-09", "--days", "2"}
                                  << QStringList{"Dentist", "Plumber", "Thursday 10 December"}
                                  << QStringList{} << "842 x 595";
        QTest::newRow("one-shot") << QStringList{"oneshot"}
                                  << QStringList{"One Shot", "Dentist", "Plumber", "Entries: 2"}
                                  << QStringList{} << "842 x 595";
        QTest::newRow("contacts") << QStringList{"contacts"}
                                  << QStringList{"Contacts", "Group: Tutti", "Anna Rossi", "Acme",
                                                 "555 0101", "Internet",     "Entries: 1"}
                                  << QStringList{} << "842 x 595";
        QTest::newRow("to-do, empty, portrait")
            << QStringList{"todo"} << QStringList{"To-Do", "Entries: 0", "Page: 1"} << QStringList{}
            << "595 x 842";
    }

    void writesTheReport()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, absent);
        QFETCH(QString, size);
        const QString pdf = m_archive.folder.filePath("report.pdf");
        QString error;
        QCOMPARE(report(QStringList{"--report"} + arguments + QStringList{"--pdf", pdf}, &error),
                 app::ExitOk);
        QCOMPARE(error, QString());
        const QString text = run("pdftotext", {"-layout", pdf, "-"});
        for (const QString& piece : expected)
            QVERIFY2(text.contains(piece), qPrintable(piece + "\n" + text));
        for (const QString& piece : absent)
            QVERIFY2(!text.contains(piece), qPrintable(piece));
        QVERIFY(run("pdfinfo", {pdf}).contains("Page size:       " + size + " pts (A4)"));
    }

    void badInputIsOneLineAndExitTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("kind") << QStringList{"--report", "agenda", "--pdf", "x.pdf"}
                              << "bad report";
        QTest::newRow("no file") << QStringList{"--report", "plan"} << "--report needs --pdf FILE";
        QTest::newRow("date") << QStringList{"--report", "plan", "--pdf", "x.pdf", "--date", "9/12"}
                              << "bad date";
        QTest::newRow("days") << QStringList{"--report", "plan", "--pdf", "x.pdf", "--days", "0"}
                              << "bad number of days";
        QTest::newRow("date with a list")
            << QStringList{"--report", "todo", "--pdf", "x.pdf", "--date", "2026-12-09"}
            << "--date and --days go with --report plan";
        QTest::newRow("stray") << QStringList{"--report", "todo", "--pdf", "x.pdf", "extra"}
                               << "unexpected argument";
        QTest::newRow("unwritable")
            << QStringList{"--report", "todo", "--pdf", "/nonexistent-folder/x.pdf"}
            << "cannot write";
    }

    void badInputIsOneLineAndExitTwo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QString error;
        QCOMPARE(report(arguments, &error), app::ExitUsage);
        QVERIFY2(error.startsWith("corvandine: ") && error.contains(message), qPrintable(error));
        QCOMPARE(error.count(u'\n'), 1);
    }

    void theTerminalCommandsLeaveTheReportToTheWindowLibrary()
    {
        QString out, err;
        QTextStream o(&out), e(&err);
        QCOMPARE(app::runCommandLine({"--report", "plan", "--pdf", "x.pdf", "--date", "2026-12-09"},
                                     o, e),
                 std::nullopt);
        QVERIFY(app::isReportCommand({"--report", "plan"}));
    }
};

QTEST_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
