// A note printed as text: every line on paper once, long lines wrapped,
// read back from a PDF with poppler's pdftotext and pdfinfo.
#include "notes/ui/noteprint.h"

#include <QFont>
#include <QPageLayout>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestNotePrint final : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    // Prints `text` to a PDF and returns its page count and text.
    std::pair<int, QString> printed(const QString& text)
    {
        const QString path = m_dir.filePath(QStringLiteral("note.pdf"));
        int painted = 0;
        {
            QPdfWriter writer(path);
            writer.setPageLayout(notes::ui::notePageLayout());
            QFont font(QStringLiteral("DejaVu Sans Mono"));
            font.setPointSize(10);
            painted = notes::ui::paintNoteText(text, font, writer);
        }
        const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
        const int inFile = pages.match(run(QStringLiteral("pdfinfo"), {path})).captured(1).toInt();
        [&] { QCOMPARE(painted, inFile); }();
        return {inFile, run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")})};
    }

private slots:
    // Three hundred lines go on as many pages as they need, each line once.
    void everyLineOnceAcrossPages()
    {
        QStringList lines;
        for (int i = 0; i < 300; ++i)
            lines << QStringLiteral("line-%1").arg(i, 3, 10, QChar(u'0'));
        const auto [pages, text] = printed(lines.join(u'\n'));
        QVERIFY(pages > 1);
        for (const QString& line : std::as_const(lines))
            QCOMPARE(text.count(line), 1);
    }

    // A line wider than the page wraps at blanks instead of running off it.
    void longLineWraps()
    {
        QStringList words;
        for (int i = 0; i < 60; ++i)
            words << QStringLiteral("word%1").arg(i);
        const auto [pages, text] = printed(words.join(u' '));
        QCOMPARE(pages, 1);
        const QStringList printedLines = text.trimmed().split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(printedLines.size() > 1, qPrintable(text));
        for (const QString& word : std::as_const(words))
            QVERIFY2(text.contains(word), qPrintable(word));
    }

    // An empty note still prints one page.
    void emptyNote() { QCOMPARE(printed(QString()).first, 1); }
};

QTEST_MAIN(TestNotePrint)
#include "tst_noteprint.moc"
