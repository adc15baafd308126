// The banded reports rendered to PDF and read back with poppler's
// pdftotext and pdfinfo: what a printer would get, page by page.
#include "documents/ui/reportpainter.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using documents::ReportContent;

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning() << program << process.readAllStandardError();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString& pdf)
{
    const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    return pages.match(run(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}

QString pageText(const QString& pdf, int page)
{
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
}

ReportContent taskReport(int rows, const QString& note = {})
{
    ReportContent report;
    report.title = QStringLiteral("One Shot   ");
    report.columns = {{"Date", 4, true}, {"From", 2}, {"To", 2}, {"Description", 9}, {"Note", 9}};
    for (int i = 0; i < rows; ++i)
        report.rows.push_back({"Monday", "09:00", "10:00",
                               QStringLiteral("task-%1").arg(i, 5, 10, QChar(u'0')), note});
    report.printedAt = QDateTime(QDate(2026, 12, 9), QTime(8, 30));
    return report;
}

} // namespace

class TestReportPainter final : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
    }

    void pagesCarryHeadersFooterAndEveryRowOnce_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("empty list") << 0 << true;
        QTest::newRow("one page") << 3 << true;
        QTest::newRow("many pages") << 150 << true;
        QTest::newRow("portrait") << 150 << false;
    }

    void pagesCarryHeadersFooterAndEveryRowOnce()
    {
        QFETCH(int, rows);
        QFETCH(bool, landscape);
        ReportContent report = taskReport(rows);
        report.landscape = landscape;
        const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
        QCOMPARE(documents::ui::writeReportPdf(report, pdf), QString());

        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(landscape ? QStringLiteral("842 x 595 pts (A4)")
                                         : QStringLiteral("595 x 842 pts (A4)")),
                 qPrintable(info));
        const int pages = pageCount(pdf);
        QVERIFY(pages >= 1);
        if (rows > 100)
            QVERIFY(pages > 1);
        QString all;
        for (int p = 1; p <= pages; ++p) {
            const QString text = pageText(pdf, p);
            QVERIFY2(text.contains(QStringLiteral("Description")), qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("Page: %1").arg(p)));
            QVERIFY(text.contains(QStringLiteral("Corvandine Organizer")));
            QCOMPARE(text.contains(QStringLiteral("Entries: %1").arg(rows)), p == 1);
            QCOMPARE(text.contains(QStringLiteral("One Shot")), p == 1);
            all += text;
        }
        for (int i = 0; i < rows; ++i)
            QCOMPARE(all.count(QStringLiteral("task-%1").arg(i, 5, 10, QChar(u'0'))), 1);
    }

    void aTallRowRunsOnAcrossPages()
    {
        QStringList lines;
        for (int i = 0; i < 120; ++i)
            lines << QStringLiteral("note line %1").arg(i, 3, 10, QChar(u'0'));
        const ReportContent report = taskReport(2, lines.join(u'\n'));
        const QString pdf = m_dir.filePath(QStringLiteral("tall.pdf"));
        QCOMPARE(documents::ui::writeReportPdf(report, pdf), QString());
        const int pages = pageCount(pdf);
        QVERIFY(pages >= 3);
        QString all;
        for (int p = 1; p <= pages; ++p)
            all += pageText(pdf, p);
        for (int i = 0; i < 120; ++i)
            QCOMPARE(all.count(QStringLiteral("note line %1").arg(i, 3, 10, QChar(u'0'))), 2);
    }

    void aLongWordWrapsInsideItsColumn()
    {
        ReportContent report = taskReport(1);
        report.rows.front()[4] = QString(300, u'x') + QStringLiteral(" end");
        const QString pdf = m_dir.filePath(QStringLiteral("wide.pdf"));
        QCOMPARE(documents::ui::writeReportPdf(report, pdf), QString());
        const QString text = pageText(pdf, 1).remove(QRegularExpression(QStringLiteral("\\s")));
        QCOMPARE(text.count(u'x'), 300);
        QVERIFY(text.contains(QStringLiteral("end")));
    }

    void aFailedWriteLeavesTheOldFileWhole()
    {
        const QString pdf = m_dir.filePath(QStringLiteral("missing/report.pdf"));
        QVERIFY(!documents::ui::writeReportPdf(taskReport(1), pdf).isEmpty());
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(TestReportPainter)
#include "tst_reportpainter.moc"
