#include "reminders/popupmotion.h"

#include <QtTest>

using namespace reminders;
using platform::TaskbarEdge;
using Phase = PopupMotion::Phase;

namespace {
const QRect Area(0, 0, 1920, 1040); // a 40-pixel taskbar below
}

class TestPopupMotion final : public QObject
{
    Q_OBJECT
private slots:
    void bottomTaskbarOverTime();
    void timeOutZeroStaysUntilClicked();
    void placeAndFirstStepPerEdge_data();
    void placeAndFirstStepPerEdge();
    void withoutScrollItAppearsWhole();
    void stacking();
    void taskbarEdgeFromScreen_data();
    void taskbarEdgeFromScreen();
    void gradient_data();
    void gradient();
};

void TestPopupMotion::bottomTaskbarOverTime()
{
    PopupStack stack;
    const QRect full = *stack.place(TaskbarEdge::Bottom, Area, {480, 96});
    QCOMPARE(full, QRect(1920 - 480 - 16, 1040 - 2 - 96, 480, 96));

    PopupMotion motion(TaskbarEdge::Bottom, full, 9, true, 10);
    int t = 0;
    QList<int> heights;
    QList<int> times;
    while (motion.phase() != Phase::Closed) {
        QCOMPARE(motion.rect().bottom(), full.bottom()); // always against the taskbar
        QCOMPARE(motion.rect().left(), full.left());
        heights.append(motion.rect().height());
        times.append(t);
        t += *motion.nextDelay();
        motion.step();
    }
    QCOMPARE(motion.nextDelay(), std::nullopt);
    const QList<int> in = {1, 10, 19, 28, 37, 46, 55, 64, 73, 82, 91, 96};
    const QList<int> out = {87, 78, 69, 60, 51, 42, 33, 24, 15, 6};
    QCOMPARE(heights, in + out);
    // 25 ms per step in, then ten seconds at full height, then 25 ms per step out.
    QCOMPARE(times.mid(0, 12), QList<int>({0, 25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 275}));
    QCOMPARE(times[12], 275 + 10000);
    QCOMPARE(times.last(), 275 + 10000 + 9 * 25);
    QCOMPARE(t, 275 + 10000 + 10 * 25);
}

void TestPopupMotion::timeOutZeroStaysUntilClicked()
{
    PopupMotion motion(TaskbarEdge::Bottom, QRect(0, 0, 480, 20), 9, true, 0);
    motion.step();
    motion.step();
    motion.step();
    QCOMPARE(motion.phase(), Phase::Shown);
    QCOMPARE(motion.nextDelay(), std::nullopt);
    motion.step();
    QCOMPARE(motion.rect().height(), 20);
}

void TestPopupMotion::placeAndFirstStepPerEdge_data()
{
    QTest::addColumn<int>("edge");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("full");
    QTest::addColumn<QRect>("first");
    QTest::addColumn<QRect>("second");
    QTest::newRow("bottom") << int(TaskbarEdge::Bottom) << Area << QRect(1424, 942, 480, 96)
                            << QRect(1424, 1037, 480, 1) << QRect(1424, 1028, 480, 10);
    QTest::newRow("undetermined: bottom right")
        << int(TaskbarEdge::Undetermined) << QRect(0, 0, 1920, 1080) << QRect(1424, 982, 480, 96)
        << QRect(1424, 1077, 480, 1) << QRect(1424, 1068, 480, 10);
    QTest::newRow("top") << int(TaskbarEdge::Top) << QRect(0, 40, 1920, 1040)
                         << QRect(1424, 42, 480, 96) << QRect(1424, 42, 480, 1)
                         << QRect(1424, 42, 480, 10);
    QTest::newRow("left") << int(TaskbarEdge::Left) << QRect(60, 0, 1860, 1080)
                          << QRect(76, 982, 480, 96) << QRect(76, 982, 1, 96)
                          << QRect(76, 982, 10, 96);
    QTest::newRow("right") << int(TaskbarEdge::Right) << QRect(0, 0, 1860, 1080)
                           << QRect(1364, 982, 480, 96) << QRect(1843, 982, 1, 96)
                           << QRect(1834, 982, 10, 96);
}

void TestPopupMotion::placeAndFirstStepPerEdge()
{
    QFETCH(int, edge);
    QFETCH(QRect, area);
    QFETCH(QRect, full);
    QFETCH(QRect, first);
    QFETCH(QRect, second);
    PopupStack stack;
    const auto placed = stack.place(TaskbarEdge(edge), area, {480, 96});
    QCOMPARE(placed, std::optional(full));
    PopupMotion motion(TaskbarEdge(edge), full, 9, true, 10);
    QCOMPARE(motion.rect(), first);
    motion.step();
    QCOMPARE(motion.rect(), second);
    while (motion.phase() == Phase::SlidingIn)
        motion.step();
    QCOMPARE(motion.rect(), full);
}

void TestPopupMotion::withoutScrollItAppearsWhole()
{
    const QRect full(10, 10, 480, 96);
    PopupMotion motion(TaskbarEdge::Bottom, full, 9, false, 5);
    QCOMPARE(motion.phase(), Phase::Shown);
    QCOMPARE(motion.rect(), full);
    QCOMPARE(motion.nextDelay(), std::optional(5000));
}

void TestPopupMotion::stacking()
{
    PopupStack same;
    const auto a = same.place(TaskbarEdge::Bottom, Area, {480, 96});
    QCOMPARE(same.place(TaskbarEdge::Bottom, Area, {480, 96}), a);
    QCOMPARE(same.place(TaskbarEdge::Bottom, Area, {480, 96}), a);
    QCOMPARE(same.openCount(), 3);
    same.closed();
    same.closed();
    same.closed();
    same.closed();
    QCOMPARE(same.openCount(), 0);

    PopupLayout cascade{480, 400};
    cascade.cascade = true;
    PopupStack stack;
    QCOMPARE(stack.place(TaskbarEdge::Bottom, Area, cascade)->top(), 1040 - 2 - 400);
    QCOMPARE(stack.place(TaskbarEdge::Bottom, Area, cascade)->top(), 1040 - 2 - 400 - 402);
    QCOMPARE(stack.place(TaskbarEdge::Bottom, Area, cascade), std::nullopt); // no room left
    QCOMPARE(stack.openCount(), 2);
    // Another taskbar edge starts counting afresh.
    QVERIFY(stack.place(TaskbarEdge::Top, Area, cascade).has_value());
    QCOMPARE(stack.openCount(), 1);
}

void TestPopupMotion::taskbarEdgeFromScreen_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<int>("edge");
    QTest::newRow("bottom") << QRect(0, 0, 1920, 1040) << int(TaskbarEdge::Bottom);
    QTest::newRow("top") << QRect(0, 32, 1920, 1048) << int(TaskbarEdge::Top);
    QTest::newRow("left") << QRect(64, 0, 1856, 1080) << int(TaskbarEdge::Left);
    QTest::newRow("right") << QRect(0, 0, 1856, 1080) << int(TaskbarEdge::Right);
    QTest::newRow("no panel") << QRect(0, 0, 1920, 1080) << int(TaskbarEdge::Undetermined);
    QTest::newRow("two panels") << QRect(0, 32, 1920, 1000) << int(TaskbarEdge::Undetermined);
}

void TestPopupMotion::taskbarEdgeFromScreen()
{
    QFETCH(QRect, available);
    QFETCH(int, edge);
    QCOMPARE(int(platform::taskbarEdgeBetween(QRect(0, 0, 1920, 1080), available)), edge);
}

void TestPopupMotion::gradient_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");
    // Red of $00CE9D9D (0x9D) towards white over 96 rows.
    QTest::newRow("top") << 0 << 0x9D;
    QTest::newRow("middle") << 48 << 0xCE; // 157 + 98 * 48 / 96 = 206
    QTest::newRow("rounded") << 1 << 158;  // 157 + 1.02
    QTest::newRow("bottom") << 96 << 0xFF;
}

void TestPopupMotion::gradient()
{
    QFETCH(int, row);
    QFETCH(int, expected);
    QCOMPARE(gradientChannel(0x9D, 0xFF, row, 96), expected);
}

QTEST_GUILESS_MAIN(TestPopupMotion)
#include "tst_popupmotion.moc"
