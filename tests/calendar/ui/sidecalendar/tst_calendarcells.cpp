#include "calendar/calendarcells.h"

#include <QtTest>

using namespace calendar;

Q_DECLARE_METATYPE(calendar::CellFill)

class TestCalendarCells final : public QObject
{
    Q_OBJECT
private slots:
    void gridPlacesDays_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("startOfWeek");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        // May 2026 starts on a Friday and ends on a Sunday.
        QTest::newRow("first, weeks from Monday") << QDate(2026, 5, 1) << 1 << 1 << 4;
        QTest::newRow("last, weeks from Monday") << QDate(2026, 5, 31) << 1 << 5 << 6;
        QTest::newRow("last, weeks from Sunday") << QDate(2026, 5, 31) << 0 << 6 << 0;
        // February 2027 starts on a Monday: no empty cell before it.
        QTest::newRow("month starting on the first column") << QDate(2027, 2, 1) << 1 << 1 << 0;
    }
    void gridPlacesDays()
    {
        QFETCH(QDate, day);
        QFETCH(int, startOfWeek);
        QFETCH(int, row);
        QFETCH(int, column);
        const MonthGrid grid(day, startOfWeek);
        QCOMPARE(grid.cellOf(day), std::make_optional(std::pair{row, column}));
        QCOMPARE(grid.dateAt(row, column), day);
    }

    // Every day of a month has exactly one cell; the header row and the
    // cells around the month hold no day.
    void gridCoversTheMonthOnce()
    {
        for (const QDate& month : {QDate(2026, 2, 1), QDate(2026, 5, 1), QDate(2028, 2, 1)}) {
            for (int start = 0; start < 7; ++start) {
                const MonthGrid grid(month, start);
                QList<QDate> seen;
                for (int row = 0; row < MonthGrid::Rows; ++row) {
                    for (int column = 0; column < MonthGrid::Columns; ++column) {
                        const QDate d = grid.dateAt(row, column);
                        if (!d.isValid())
                            continue;
                        QVERIFY(row > 0);
                        QCOMPARE(weekdayIndex(d), grid.weekdayOfColumn(column));
                        seen.append(d);
                    }
                }
                QCOMPARE(seen.size(), month.daysInMonth());
                QCOMPARE(seen.first(), month);
            }
        }
        QVERIFY(!MonthGrid(QDate(2026, 5, 1), 1).cellOf(QDate(2026, 6, 1)));
        QVERIFY(!MonthGrid(QDate(2026, 5, 1), 1).dateAt(1, 0).isValid());
    }

    void fills_data()
    {
        QTest::addColumn<bool>("lighted");
        QTest::addColumn<bool>("weekend");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<CellFill>("fill");
        QTest::newRow("plain") << false << false << false << CellFill::Plain;
        QTest::newRow("plain, selected") << false << false << true << CellFill::Selection;
        QTest::newRow("lighted") << true << false << false << CellFill::Light;
        QTest::newRow("lighted, selected") << true << false << true << CellFill::LightSelect;
        QTest::newRow("weekend") << false << true << false << CellFill::Sunday;
        QTest::newRow("weekend, selected") << false << true << true << CellFill::Selection;
        QTest::newRow("lighted weekend") << true << true << false << CellFill::LightSunday;
        QTest::newRow("lighted weekend, selected") << true << true << true << CellFill::LightSelect;
    }
    void fills()
    {
        QFETCH(bool, lighted);
        QFETCH(bool, weekend);
        QFETCH(bool, selected);
        QFETCH(CellFill, fill);
        QCOMPARE(cellFill(lighted, weekend, selected), fill);
    }

    // A day with a one-shot and a weekly task paints the first and the
    // fourth segment, outlined in black under a bordered theme.
    void stripOfOneShotAndWeekly()
    {
        const QRect cell(10, 30, 28, 26);
        const auto strip = kindStrip(cell, QStringLiteral("OXXW"), GridTheme{}, GridColours{});
        QVERIFY(strip[0] && !strip[1] && !strip[2] && strip[3]);
        QCOMPARE(strip[0]->outer, QRect(10, 50, 7, 6));
        QCOMPARE(strip[3]->outer, QRect(31, 50, 7, 6));
        QCOMPARE(strip[0]->inner, QRect(11, 51, 5, 4));
        QCOMPARE(strip[0]->edge, 0x000000u);
        QCOMPARE(strip[0]->fill, defaultIndicatorColour(QStringLiteral("O")));
        QCOMPARE(strip[3]->fill, defaultIndicatorColour(QStringLiteral("W")));
    }

    void stripColoursFollowTheTheme()
    {
        GridTheme theme;
        theme.border = false;
        theme.defaultColours = false;
        GridColours colours;
        colours.yearly = 0x123456;
        const auto strip = kindStrip(QRect(0, 0, 40, 26), QStringLiteral("XYXX"), theme, colours);
        QVERIFY(strip[1]);
        QCOMPARE(strip[1]->edge, 0x123456u);
        QCOMPARE(strip[1]->fill, 0x123456u);
    }

    // Wider cells are split into four equal quarters side by side, never
    // overlapping; short cells keep a strip of a few pixels.
    void stripGeometry_data()
    {
        QTest::addColumn<QRect>("cell");
        QTest::addColumn<int>("height");
        QTest::newRow("narrow") << QRect(0, 0, 28, 26) << 6;
        QTest::newRow("wide") << QRect(5, 0, 61, 30) << 10;
        QTest::newRow("short") << QRect(0, 0, 40, 18) << 4;
    }
    void stripGeometry()
    {
        QFETCH(QRect, cell);
        QFETCH(int, height);
        int left = cell.left();
        for (int k = 0; k < KindStripSegments; ++k) {
            const QRect segment = kindSegmentRect(cell, k);
            QCOMPARE(segment.left(), left);
            QVERIFY(qAbs(segment.width() - cell.width() / 4) <= 1);
            QCOMPARE(segment.height(), height);
            QCOMPARE(segment.bottom(), cell.bottom());
            left = segment.right() + 1;
        }
        QCOMPARE(left, cell.right() + 1);
    }
};

QTEST_GUILESS_MAIN(TestCalendarCells)
#include "tst_calendarcells.moc"
