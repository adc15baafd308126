// Colour text as theme files, colour lists and the settings row keep it: every
// name of the table, numbers in both notations keeping all 32 bits, and junk
// refused, so that reading and writing a file never changes a colour.
#include "themes/colourtext.h"

#include <QtTest>

class TestColourText final : public QObject
{
    Q_OBJECT
private slots:
    void namesReadAndWriteBack_data();
    void namesReadAndWriteBack();
    void numbers_data();
    void numbers();
    void junkIsRefused_data();
    void junkIsRefused();
    void drawingColours_data();
    void drawingColours();
};

void TestColourText::namesReadAndWriteBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("value");
    const QList<std::pair<const char*, uint>> table{
        {"clBlack", 0x00000000},
        {"clMaroon", 0x00000080},
        {"clGreen", 0x00008000},
        {"clOlive", 0x00008080},
        {"clNavy", 0x00800000},
        {"clPurple", 0x00800080},
        {"clTeal", 0x00808000},
        {"clGray", 0x00808080},
        {"clSilver", 0x00C0C0C0},
        {"clRed", 0x000000FF},
        {"clLime", 0x0000FF00},
        {"clYellow", 0x0000FFFF},
        {"clBlue", 0x00FF0000},
        {"clFuchsia", 0x00FF00FF},
        {"clAqua", 0x00FFFF00},
        {"clWhite", 0x00FFFFFF},
        {"clMoneyGreen", 0x00C0DCC0},
        {"clSkyBlue", 0x00F0CAA6},
        {"clCream", 0x00F0FBFF},
        {"clMedGray", 0x00A4A0A0},
        {"clNone", 0x1FFFFFFF},
        {"clDefault", 0x20000000},
        {"clScrollBar", 0x80000000},
        {"clBackground", 0x80000001},
        {"clActiveCaption", 0x80000002},
        {"clInactiveCaption", 0x80000003},
        {"clMenu", 0x80000004},
        {"clWindow", 0x80000005},
        {"clWindowFrame", 0x80000006},
        {"clMenuText", 0x80000007},
        {"clWindowText", 0x80000008},
        {"clCaptionText", 0x80000009},
        {"clActiveBorder", 0x8000000A},
        {"clInactiveBorder", 0x8000000B},
        {"clAppWorkSpace", 0x8000000C},
        {"clHighlight", 0x8000000D},
        {"clHighlightText", 0x8000000E},
        {"clBtnFace", 0x8000000F},
        {"clBtnShadow", 0x80000010},
        {"clGrayText", 0x80000011},
        {"clBtnText", 0x80000012},
        {"clInactiveCaptionText", 0x80000013},
        {"clBtnHighlight", 0x80000014},
        {"cl3DDkShadow", 0x80000015},
        {"cl3DLight", 0x80000016},
        {"clInfoText", 0x80000017},
        {"clInfoBk", 0x80000018},
        {"clGradientActiveCaption", 0x8000001B},
        {"clGradientInactiveCaption", 0x8000001C},
    };
    for (const auto& [name, value] : table)
        QTest::newRow(name) << QString::fromLatin1(name) << value;
}

void TestColourText::namesReadAndWriteBack()
{
    QFETCH(QString, name);
    QFETCH(uint, value);
    QCOMPARE(themes::readColour(name), std::optional<unsigned>(value));
    QCOMPARE(themes::readColour(name.toUpper()), std::optional<unsigned>(value));
    QCOMPARE(themes::writeColour(value), name);
}

void TestColourText::numbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("value");
    QTest::addColumn<QString>("written");
    QTest::newRow("suspended default") << "$004F4F4F" << 0x004F4F4Fu << "$004F4F4F";
    QTest::newRow("white by number") << "$00FFFFFF" << 0x00FFFFFFu << "clWhite";
    QTest::newRow("system colour by number") << "$80000005" << 0x80000005u << "clWindow";
    QTest::newRow("unnamed system index") << "$80000019" << 0x80000019u << "$80000019";
    QTest::newRow("all 32 bits") << "$FFFFFFFF" << 0xFFFFFFFFu << "$FFFFFFFF";
    QTest::newRow("high byte kept") << "$0153A9FF" << 0x0153A9FFu << "$0153A9FF";
    QTest::newRow("short hex, lower case") << "$ff" << 0xFFu << "clRed";
    QTest::newRow("section colour") << "$00A6A6D2" << 0x00A6A6D2u << "$00A6A6D2";
    QTest::newRow("decimal") << "255" << 0xFFu << "clRed";
    QTest::newRow("decimal zero") << "0" << 0u << "clBlack";
    QTest::newRow("negative decimal") << "-2147483643" << 0x80000005u << "clWindow";
    QTest::newRow("blanks around") << "  clNavy \r" << 0x00800000u << "clNavy";
}

void TestColourText::numbers()
{
    QFETCH(QString, text);
    QFETCH(uint, value);
    QFETCH(QString, written);
    QCOMPARE(themes::readColour(text), std::optional<unsigned>(value));
    QCOMPARE(themes::writeColour(value), written);
}

void TestColourText::junkIsRefused_data()
{
    QTest::addColumn<QString>("text");
    for (const char* junk : {"", "   ", "$", "$0000000G", "$100000000", "$-1", "$ FF", "12ab", "+5",
                             "1 2", "4294967296", "clBlackish", "Black", "cl", "0x10", "\xc3\xa9"})
        QTest::newRow(junk) << QString::fromUtf8(junk);
}

void TestColourText::junkIsRefused()
{
    QFETCH(QString, text);
    QCOMPARE(themes::readColour(text), std::nullopt);
    QCOMPARE(themes::parseColourText(text), std::nullopt);
}

void TestColourText::drawingColours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rgb"); // -1: no colour to draw
    QTest::newRow("blue is stored blue first") << "$00FF0000" << 0x0000FF;
    QTest::newRow("named") << "clMoneyGreen" << 0xC0DCC0;
    QTest::newRow("window from the scheme") << "clWindow" << 0x123456;
    QTest::newRow("button face by number") << "$8000000F" << 0xABCDEF;
    QTest::newRow("none") << "clNone" << -1;
    QTest::newRow("default") << "clDefault" << -1;
    QTest::newRow("system index past the scheme") << "$8000001D" << -1;
}

void TestColourText::drawingColours()
{
    QFETCH(QString, text);
    QFETCH(int, rgb);
    themes::DesktopScheme scheme = themes::classicDesktopScheme();
    scheme[5] = 0x123456;
    scheme[15] = 0xABCDEF;
    themes::setDesktopScheme(scheme);
    const auto drawn = themes::parseColourText(text);
    themes::setDesktopScheme(themes::classicDesktopScheme());
    if (rgb < 0)
        QCOMPARE(drawn, std::nullopt);
    else
        QCOMPARE(drawn, std::optional<unsigned>(unsigned(rgb)));
    if (drawn && !themes::systemColourIndex(*themes::readColour(text)))
        QCOMPARE(themes::parseColourText(themes::colourText(*drawn)), drawn);
}

QTEST_GUILESS_MAIN(TestColourText)
#include "tst_colourtext.moc"
