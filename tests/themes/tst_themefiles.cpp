// The text files of a theme folder: how they are decoded and split, how an old
// or short Fonts.txt is completed, and how a bad line in Fonts.txt or a colour
// list takes its default and is named, without anything else changing.
#include "themes/colourtext.h"
#include "themes/themefiles.h"
#include "themes/themetext.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace themes;
using namespace Qt::StringLiterals;

class TestThemeFiles final : public QObject
{
    Q_OBJECT
private slots:
    void textLines_data();
    void textLines();
    void writtenWithCrlf();
    void lookupIgnoresLetterCase();
    void defaultFontsReadAsWritten();
    void oldFontsAreCompletedInMemory();
    void shortFontFiles_data();
    void shortFontFiles();
    void badFontLinesTakeDefaults();
    void editorLinesRoundTrip();
    void colourListWithBadLine();
    void colourListRoundTrip();
};

void TestThemeFiles::textLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CRLF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("LF") << QByteArray("a\nb") << QStringList{"a", "b"};
    QTest::newRow("CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("mixed, empty lines kept")
        << QByteArray("a\r\n\rb\n\n") << QStringList{"a", "", "b", ""};
    QTest::newRow("empty") << QByteArray() << QStringList{};
    QTest::newRow("UTF-8") << QByteArray("Caf\xc3\xa9 \xe2\x82\xac") << QStringList{u"Café €"_s};
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbfx\r\n") << QStringList{"x"};
    QTest::newRow("Windows-1252") << QByteArray("Caf\xe9 \x80 \x93q\x94")
                                  << QStringList{u"Café € “q”"_s};
}

void TestThemeFiles::textLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(readTextLines(bytes), lines);
}

void TestThemeFiles::writtenWithCrlf()
{
    QCOMPARE(textFileBytes({u"Café"_s, "", "clRed"}), QByteArray("Caf\xc3\xa9\r\n\r\nclRed\r\n"));
    QCOMPARE(readTextLines(textFileBytes(defaultFontLines())), defaultFontLines());
}

void TestThemeFiles::lookupIgnoresLetterCase()
{
    QTemporaryDir dir;
    QFile file(dir.filePath("FONTS.TXT"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(findInFolder(dir.path(), "Fonts.txt"), dir.filePath("FONTS.TXT"));
    QCOMPARE(findInFolder(dir.path(), "fonts.txt"), dir.filePath("FONTS.TXT"));
    QCOMPARE(findInFolder(dir.path(), "Colors.clr"), QString());
    QCOMPARE(findInFolder(dir.filePath("missing"), "Fonts.txt"), QString());
}

void TestThemeFiles::defaultFontsReadAsWritten()
{
    QCOMPARE(defaultFontLines().size(), 26);
    const FontSettings s = readFontSettings(defaultFontLines());
    QCOMPARE(s.badLines, QList<int>{});
    QCOMPARE(s.titleFont, "Arial");
    QCOMPARE(s.titleSize, 11);
    QCOMPARE(s.tabSize, 10);
    QCOMPARE(s.gridFont, "MS Sans Serif");
    QCOMPARE(s.gridSize, 10);
    QCOMPARE(s.gridColour, 0u);
    QCOMPARE(s.dailyRepeatColour, 0x00FF0000u);
    QCOMPARE(s.autoDeleteColour, 0x000000FFu);
    QCOMPARE(s.suspendedColour, 0x004F4F4Fu);
    QCOMPARE(s.gridStyle, std::optional(GridStyle::Colorate));
    QVERIFY(s.border);
    QVERIFY(s.defaultColours);
}

void TestThemeFiles::oldFontsAreCompletedInMemory()
{
    const QStringList old = defaultFontLines().mid(0, 23);
    const QStringList upgraded = upgradeFontLines(old);
    QCOMPARE(upgraded.size(), 30);
    QCOMPARE(upgraded.mid(0, 23), old);
    QCOMPARE(upgraded.mid(23), (QStringList{"", "SOSPESO (25)", "clGray", "", "LED (28)",
                                            "yesborder", "yes-default-color"}));
    const FontSettings s = readFontSettings(old);
    QCOMPARE(s.suspendedColour, 0x00808080u);
    QCOMPARE(s.badLines, QList<int>{});

    // A file that already has the indicator lines keeps them.
    QStringList withLed = defaultFontLines() << ""
                                             << "LED (28)"
                                             << "noborder"
                                             << "no-default-color";
    QCOMPARE(upgradeFontLines(withLed), withLed);
    QVERIFY(!readFontSettings(withLed).border);
    QVERIFY(!readFontSettings(withLed).defaultColours);
}

void TestThemeFiles::shortFontFiles_data()
{
    QTest::addColumn<int>("lineCount");
    for (const int count : {0, 1, 5, 13, 22, 24, 25, 26, 27, 28, 29})
        QTest::addRow("%d lines", count) << count;
}

void TestThemeFiles::shortFontFiles()
{
    QFETCH(int, lineCount);
    const QStringList full = defaultFontLines() << ""
                                                << "LED (28)"
                                                << "yesborder";
    const QStringList lines = full.mid(0, lineCount);
    const QStringList upgraded = upgradeFontLines(lines);
    QVERIFY(upgraded.size() >= 30);
    QCOMPARE(upgraded.mid(0, lineCount), lines);
    const FontSettings s = readFontSettings(lines);
    QCOMPARE(s.badLines, QList<int>{});
    const FontSettings defaults;
    QCOMPARE(s.gridSize, lineCount > 12 ? 10 : defaults.gridSize);
    QCOMPARE(s.gridStyle.has_value(), lineCount > 22);
    QVERIFY(s.border);
    QVERIFY(s.defaultColours);
}

void TestThemeFiles::badFontLinesTakeDefaults()
{
    QStringList lines = defaultFontLines();
    lines[2] = "eleven";
    lines[7] = "12";
    lines[12] = "ten";
    lines[16] = "clBluish";
    lines[19] = "$00FF0000";
    lines[22] = "stripes";
    lines[25] = "";
    const FontSettings s = readFontSettings(lines);
    QCOMPARE(s.badLines, (QList<int>{2, 12, 16, 22, 25}));
    QCOMPARE(s.titleSize, 11);
    QCOMPARE(s.tabSize, 12);
    QCOMPARE(s.gridSize, 9);
    QCOMPARE(s.dailyRepeatColour, 0x00FF0000u);
    QCOMPARE(s.autoDeleteColour, 0x00FF0000u);
    QCOMPARE(s.gridStyle, std::nullopt);
    QCOMPARE(s.suspendedColour, 0u);
    QCOMPARE(badLinesText("Fonts.txt", s.badLines), "Fonts.txt, lines 3, 13, 17, 23, 26");
    QCOMPARE(badLinesText("Colors.clr", {4}), "Colors.clr, line 5");

    // Random bytes: every value line is refused and takes its default.
    QByteArray junk;
    for (int i = 0; i < 600; ++i)
        junk.append(char((i * 7919) % 251));
    const FontSettings j = readFontSettings(readTextLines(junk));
    QVERIFY(!j.badLines.isEmpty());
    QCOMPARE(j.titleSize, 11);
    QCOMPARE(j.gridSize, 9);
}

void TestThemeFiles::editorLinesRoundTrip()
{
    FontSettings s;
    s.titleFont = "DejaVu Sans";
    s.titleSize = 14;
    s.tabColour = 0x80000012;
    s.gridColour = 0x00123456;
    s.gridStyle = GridStyle::Indicatori;
    s.border = false;
    const QStringList lines = fontLinesOf(s);
    QCOMPARE(lines.size(), 30);
    QCOMPARE(lines.at(8), "clBtnText");
    QCOMPARE(lines.at(13), "$00123456");
    QCOMPARE(lines.at(21), "COLORATE (22)");
    QCOMPARE(lines.at(22), "indicatori");
    QCOMPARE(lines.at(28), "noborder");
    QCOMPARE(lines.at(29), "yes-default-color");
    const FontSettings back = readFontSettings(lines);
    QCOMPARE(back.badLines, QList<int>{});
    QCOMPARE(fontLinesOf(back), lines);
}

void TestThemeFiles::colourListWithBadLine()
{
    QStringList lines = colourListLines(defaultSectionColours());
    lines[3] = "clRed";
    lines[5] = "$00GG0000";
    const ColourListRead read = readColourList(lines);
    QCOMPARE(read.badLines, QList<int>{5});
    QCOMPARE(read.colours[3], 0x000000FFu);
    QCOMPARE(read.colours[5], defaultSectionColours()[5]);

    // Eight lines: the ninth is missing and named, the others are read.
    SectionColours current{};
    current.fill(0x00010203);
    const ColourListRead eight = readColourList(lines.mid(0, 8), current);
    QCOMPARE(eight.badLines, (QList<int>{5, 8}));
    QCOMPARE(eight.colours[8], 0x00010203u);
    QCOMPARE(eight.colours[0], defaultSectionColours()[0]);
}

void TestThemeFiles::colourListRoundTrip()
{
    const SectionColours colours{0x00FFFFFF, 0x80000005, 0x00C0DCC0, 0x00000001, 0x1FFFFFFF,
                                 0xFFFFFFFF, 0,          0x00A7E3F5, 0x0053A9FF};
    const QStringList lines = colourListLines(colours);
    QCOMPARE(lines.mid(0, 3), (QStringList{"clWhite", "clWindow", "clMoneyGreen"}));
    QCOMPARE(lines.at(3), "$00000001");
    const ColourListRead read = readColourList(lines);
    QCOMPARE(read.badLines, QList<int>{});
    QCOMPARE(read.colours, colours);
    QCOMPARE(colourListLines(defaultSectionColours()).first(), "$00A6A6D2");
}

QTEST_GUILESS_MAIN(TestThemeFiles)
#include "tst_themefiles.moc"
