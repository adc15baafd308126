#include "calendar/dailylook.h"

#include <QtTest>

using namespace calendar;

Q_DECLARE_METATYPE(calendar::GridStyle)

namespace {
const QDate Shown(2026, 5, 20);

GridTheme testTheme(GridStyle style)
{
    GridTheme t;
    t.gridText = 0x111111;
    t.titleText = 0x222222;
    t.style = style;
    return t;
}
} // namespace

class TestDailyLook final : public QObject
{
    Q_OBJECT
private slots:
    void rowLook_data()
    {
        QTest::addColumn<GridStyle>("style");
        QTest::addColumn<int>("recordNumber");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("dayofweek");
        QTest::addColumn<bool>("suspended");
        QTest::addColumn<bool>("buttonFaceSection");
        QTest::addColumn<uint>("background");
        QTest::addColumn<uint>("text");

        const auto C = GridStyle::Colorate;
        const auto CC = GridStyle::Coloratissime;
        const auto I = GridStyle::Indicatori;
        QTest::newRow("colorate odd row grey") << C << 1 << false << "O" << "" << false << false << 0xF4F4F4u << 0x111111u;
        QTest::newRow("colorate even row white") << C << 2 << false << "O" << "" << false << false << 0xFFFFFFu << 0x111111u;
        QTest::newRow("button-face section keeps the grid colour") << C << 1 << false << "O" << "" << false << true << 0xFEFEFEu << 0x111111u;
        QTest::newRow("colorate selected takes the kind") << C << 2 << true << "M" << "" << false << false << 0x54A558u << 0x222222u;
        QTest::newRow("coloratissime odd 80 percent") << CC << 3 << false << "W" << "" << false << false << 0xCDE8F1u << 0x111111u;
        QTest::newRow("coloratissime even 70 percent") << CC << 4 << false << "W" << "" << false << false << 0xB4DDEAu << 0x111111u;
        QTest::newRow("coloratissime selected pure") << CC << 4 << true << "Y" << "" << false << false << 0xF5E3A7u << 0x222222u;
        QTest::newRow("indicatori selected today colour") << I << 1 << true << "W" << "" << false << false << 0x9D9DCEu << 0x222222u;
        QTest::newRow("auto-delete red") << C << 1 << false << "O" << "X" << false << false << 0xF4F4F4u << 0xFF0000u;
        QTest::newRow("auto-delete beats selection") << C << 1 << true << "O" << "X" << false << false << 0xD2A6A6u << 0xFF0000u;
        QTest::newRow("daily repeat blue") << I << 2 << false << "O" << "T" << false << false << 0xFFFFFFu << 0x0000FFu;
        QTest::newRow("suspended wins over daily repeat") << CC << 1 << false << "O" << "T" << true << false << 0xF6EDEDu << 0x4F4F4Fu;
    }
    void rowLook()
    {
        QFETCH(GridStyle, style);
        QFETCH(int, recordNumber);
        QFETCH(bool, selected);
        QFETCH(QString, kind);
        QFETCH(QString, dayofweek);
        QFETCH(bool, suspended);
        QFETCH(bool, buttonFaceSection);
        GridColours colours;
        colours.window = 0xFEFEFE;
        if (buttonFaceSection)
            colours.currentSection = colours.buttonFace;
        const RowFacts row{kind, dayofweek, Shown.addDays(-150000), suspended};

        const RowLook look = calendar::rowLook(testTheme(style), colours, row, Shown, recordNumber, selected);
        QFETCH(uint, background);
        QFETCH(uint, text);
        QCOMPARE(look.background, background);
        QCOMPARE(look.text, text);
        QCOMPARE(look.indicator, style == GridStyle::Indicatori);
    }

    void doneForTheShownDayOrLaterIsStruckOut_data()
    {
        QTest::addColumn<int>("fattoOffset");
        QTest::addColumn<bool>("struck");
        QTest::newRow("never done") << -150000 << false;
        QTest::newRow("done yesterday") << -1 << false;
        QTest::newRow("done on the shown day") << 0 << true;
        QTest::newRow("shown day before the done day") << 3 << true;
    }
    void doneForTheShownDayOrLaterIsStruckOut()
    {
        QFETCH(int, fattoOffset);
        QFETCH(bool, struck);
        const RowFacts row{"W", "Monday", Shown.addDays(fattoOffset), false};
        QCOMPARE(calendar::rowLook(GridTheme{}, GridColours{}, row, Shown, 1, false).struckOut, struck);
    }

    void kindBarColours_data()
    {
        QTest::addColumn<bool>("defaultColours");
        QTest::addColumn<bool>("border");
        QTest::addColumn<uint>("fill");
        QTest::addColumn<uint>("outline");
        QTest::newRow("built-in, bordered") << true << true << 0x54A558u << 0x000000u;
        QTest::newRow("user's colour, bordered") << false << true << 0x123456u << 0x000000u;
        QTest::newRow("user's colour, no border") << false << false << 0x123456u << 0x123456u;
    }
    void kindBarColours()
    {
        QFETCH(bool, defaultColours);
        QFETCH(bool, border);
        GridTheme theme = testTheme(GridStyle::Indicatori);
        theme.defaultColours = defaultColours;
        theme.border = border;
        GridColours colours;
        colours.monthly = 0x123456;
        const RowLook look = calendar::rowLook(theme, colours, RowFacts{"M", "", {}, false}, Shown, 1, false);
        QFETCH(uint, fill);
        QFETCH(uint, outline);
        QCOMPARE(look.indicatorFill, fill);
        QCOMPARE(look.indicatorOutline, outline);
    }

    void kindBarStaysVisibleOnShortRows()
    {
        QCOMPARE(indicatorWidth(30), 10);
        QVERIFY(indicatorWidth(18) > 0);
        QVERIFY(indicatorWidth(0) > 0);
    }

    void styleNames()
    {
        for (GridStyle s : {GridStyle::Colorate, GridStyle::Coloratissime, GridStyle::Indicatori})
            QCOMPARE(gridStyleNamed(gridStyleName(s)), std::optional<GridStyle>(s));
        QCOMPARE(gridStyleNamed("Colorate"), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestDailyLook)
#include "tst_dailylook.moc"
