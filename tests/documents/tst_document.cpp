// Documents in rich and plain text. The rich-text cases are the ones that
// corrupt a file when written raw: a backslash or a brace in user text ends
// or opens a group, and a non-ASCII character must survive whatever code page
// the reader assumes.
#include "documents/document.h"

#include <QTest>

using documents::Alignment;
using documents::DocumentBuilder;
using documents::LineStyle;

namespace {

// Braces that open and close groups, not the escaped ones inside text.
bool bracesBalance(const QByteArray& rtf)
{
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf.at(i) == '\\') {
            ++i;
            continue;
        }
        if (rtf.at(i) == '{')
            ++depth;
        else if (rtf.at(i) == '}' && --depth < 0)
            return false;
    }
    return depth == 0;
}

} // namespace

class TestDocument final : public QObject
{
    Q_OBJECT
private slots:
    void richTextParagraph_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("style");
        QTest::addColumn<QByteArray>("paragraph");

        const int left = int(Alignment::Left);
        const int centre = int(Alignment::Centre);
        const int plain = int(LineStyle::Plain);
        QTest::newRow("plain") << "Buy milk" << left << plain
                               << QByteArray("\\pard\\ql\\plain\\f0\\fs20 Buy milk\\par");
        QTest::newRow("path and braces")
            << "C:\\temp {x}" << left << plain
            << QByteArray("\\pard\\ql\\plain\\f0\\fs20 C:\\\\temp \\{x\\}\\par");
        QTest::newRow("accent and euro")
            << "café €" << left << plain << QByteArray("\\f0\\fs20 caf\\u233? \\u8364?\\par");
        QTest::newRow("beyond the basic plane")
            << QString::fromUtf8("\xf0\x9f\x98\x80") << left << plain
            << QByteArray("\\fs20 \\u-10179?\\u-8704?\\par");
        QTest::newRow("bold centred title")
            << "DAILY PLAN" << centre << int(LineStyle::Bold)
            << QByteArray("\\pard\\qc\\plain\\f0\\fs20\\b DAILY PLAN\\par");
        QTest::newRow("italic note") << "call back" << left << int(LineStyle::Italic)
                                     << QByteArray("\\pard\\ql\\plain\\f0\\fs20\\i call back\\par");
        QTest::newRow("tab") << "a\tb" << left << plain << QByteArray("\\fs20 a\\tab b\\par");
        QTest::newRow("empty line")
            << "" << left << plain << QByteArray("\\pard\\ql\\plain\\f0\\fs20 \\par");
        QTest::newRow("control word lookalike")
            << "\\par}{\\rtf1" << left << plain << QByteArray(" \\\\par\\}\\{\\\\rtf1\\par");
    }

    void richTextParagraph()
    {
        QFETCH(QString, text);
        QFETCH(int, alignment);
        QFETCH(int, style);
        QFETCH(QByteArray, paragraph);

        DocumentBuilder doc;
        doc.setAlignment(Alignment(alignment));
        doc.setStyle(LineStyle(style));
        doc.addLine(text);
        const QByteArray rtf = documents::rtfBytes(doc.lines());
        QVERIFY2(rtf.contains(paragraph), rtf.constData());
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi"));
        QVERIFY(bracesBalance(rtf));
        for (const char c : rtf)
            QVERIFY2(uchar(c) < 0x80, rtf.constData());
    }

    void styleAndAlignmentHoldUntilChanged()
    {
        DocumentBuilder doc;
        doc.setAlignment(Alignment::Centre);
        doc.setStyle(LineStyle::Bold);
        doc.addLine("TITLE");
        doc.setAlignment(Alignment::Left);
        doc.addLine();
        doc.setStyle(LineStyle::Italic);
        doc.addLine("first\r\nsecond\nthird");
        const std::vector<documents::DocumentLine> expected{
            {"TITLE", Alignment::Centre, LineStyle::Bold},
            {"", Alignment::Left, LineStyle::Bold},
            {"first", Alignment::Left, LineStyle::Italic},
            {"second", Alignment::Left, LineStyle::Italic},
            {"third", Alignment::Left, LineStyle::Italic},
        };
        QVERIFY(doc.lines() == expected);
    }

    void plainTextIsTheLinesAloneInCrlf()
    {
        DocumentBuilder doc;
        doc.setAlignment(Alignment::Centre);
        doc.setStyle(LineStyle::Bold);
        doc.addLine("TO-DO LIST UPDATED AT 9 DECEMBER 2026");
        doc.setAlignment(Alignment::Left);
        doc.setStyle(LineStyle::Plain);
        doc.addLine();
        doc.addLine("[ X ]  Buy - Done: 100%");
        doc.addLine("[   ]  Café {x} - Note: a\\b ");
        QCOMPARE(documents::txtBytes(doc.lines()),
                 QByteArray("TO-DO LIST UPDATED AT 9 DECEMBER 2026\r\n"
                            "\r\n"
                            "[ X ]  Buy - Done: 100%\r\n"
                            "[   ]  Caf\xc3\xa9 {x} - Note: a\\b \r\n"));
    }

    void theFileTypeChoosesTheFormat_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("format");
        const int rich = int(documents::DocumentFormat::RichText);
        const int plain = int(documents::DocumentFormat::PlainText);
        QTest::newRow("rtf type") << documents::RichTextFilter << "/d/plan.txt" << rich;
        QTest::newRow("txt type") << documents::PlainTextFilter << "/d/plan.rtf" << plain;
        QTest::newRow("no type, txt name") << QString() << "/d/plan.TXT" << plain;
        QTest::newRow("no type, other name") << QString() << "/d/plan" << rich;
    }

    void theFileTypeChoosesTheFormat()
    {
        QFETCH(QString, filter);
        QFETCH(QString, path);
        QFETCH(int, format);
        QCOMPARE(int(documents::formatFor(filter, path)), format);
    }

    void richTextAfterPlainTextIsStillRichText()
    {
        DocumentBuilder doc;
        doc.setStyle(LineStyle::Bold);
        doc.addLine("A");
        QVERIFY(!documents::documentBytes(doc.lines(), documents::DocumentFormat::PlainText)
                     .contains("\\b"));
        QVERIFY(documents::documentBytes(doc.lines(), documents::DocumentFormat::RichText)
                    .contains("\\b A\\par"));
    }
};

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
