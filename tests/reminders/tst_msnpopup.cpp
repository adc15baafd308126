#include "platform/testing/fakeworkarea.h"
#include "reminders/ui/msnpopup.h"
#include "reminders/ui/popupnotifier.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using namespace reminders::ui;
using Phase = reminders::PopupMotion::Phase;

namespace {

QList<TfrmMSNPopUp*> openWindows()
{
    QList<TfrmMSNPopUp*> out;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* p = qobject_cast<TfrmMSNPopUp*>(w); p && p->isVisible())
            out.append(p);
    }
    return out;
}

void release(QWidget* window, QPoint at)
{
    QTest::mouseClick(window, Qt::LeftButton, {}, at);
}

} // namespace

class TestMSNPopUp final : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void slidesFromTheTaskbarAndCloses();
    void threeShowsAtOnePlaceAndCloseAll();
    void clickCallsOnClickOnceAndClosesThatWindow();
    void whatCountsAsAClick_data();
    void whatCountsAsAClick();
    void windowKeepsThePropertiesOfItsShow();
    void staysOnTopWithoutTakingTheFocus();
    void notifierSetsTheTimeOutForOneShow();
    void paintsTheGradient();
};

void TestMSNPopUp::cleanup()
{
    for (TfrmMSNPopUp* w : openWindows())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestMSNPopUp::slidesFromTheTaskbarAndCloses()
{
    platform::FakeWorkArea area;
    TMSNPopUp popup(area);
    popup.properties().TimeOut = 10;
    QVERIFY(popup.showPopUp());
    TfrmMSNPopUp* window = openWindows().value(0);
    QVERIFY(window);
    QCOMPARE(window->geometry(), QRect(1424, 1037, 480, 1));
    window->advance();
    QCOMPARE(window->geometry(), QRect(1424, 1028, 480, 10));
    while (window->motion().phase() == Phase::SlidingIn)
        window->advance();
    QCOMPARE(window->geometry(), QRect(1424, 942, 480, 96));
    window->advance(); // the time-out
    QCOMPARE(window->geometry(), QRect(1424, 951, 480, 87));
    QPointer<TfrmMSNPopUp> alive(window);
    while (alive && alive->isVisible())
        alive->advance();
    QCOMPARE(popup.openCount(), 0);
    QVERIFY(openWindows().isEmpty());
}

void TestMSNPopUp::threeShowsAtOnePlaceAndCloseAll()
{
    platform::FakeWorkArea area;
    TMSNPopUp popup(area);
    QSignalSpy clicks(&popup, &TMSNPopUp::OnClick);
    for (int i = 0; i < 3; ++i)
        QVERIFY(popup.showPopUp());
    const QList<TfrmMSNPopUp*> windows = openWindows();
    QCOMPARE(windows.size(), 3);
    QCOMPARE(popup.openCount(), 3);
    for (TfrmMSNPopUp* w : windows)
        QCOMPARE(w->geometry(), windows.first()->geometry());
    popup.closeAll();
    QVERIFY(openWindows().isEmpty());
    QCOMPARE(popup.openCount(), 0);
    QCOMPARE(clicks.count(), 0);
}

void TestMSNPopUp::clickCallsOnClickOnceAndClosesThatWindow()
{
    platform::FakeWorkArea area;
    TMSNPopUp popup(area);
    QSignalSpy clicks(&popup, &TMSNPopUp::OnClick);
    popup.properties().Title = QStringLiteral("first");
    popup.showPopUp();
    popup.properties().Title = QStringLiteral("second");
    popup.showPopUp();
    TfrmMSNPopUp* second = nullptr;
    for (TfrmMSNPopUp* w : openWindows()) {
        if (w->findChild<QLabel*>(QStringLiteral("Title"))->text() == QLatin1String("second"))
            second = w;
    }
    QVERIFY(second);
    while (second->motion().phase() == Phase::SlidingIn)
        second->advance();
    release(second, QPoint(240, 50)); // on the body
    QCOMPARE(clicks.count(), 1);
    const QList<TfrmMSNPopUp*> left = openWindows();
    QCOMPARE(left.size(), 1);
    QCOMPARE(left.first()->findChild<QLabel*>(QStringLiteral("Title"))->text(),
             QStringLiteral("first"));
    QCOMPARE(popup.openCount(), 1);
}

// Any button released over the icon, the title or the background clicks;
// the text takes only a left click or a right release.
void TestMSNPopUp::whatCountsAsAClick_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("pressOn");
    QTest::addColumn<QString>("releaseOn");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left click on the text") << Qt::LeftButton << "body"
                                            << "body" << 1;
    QTest::newRow("right release on the text") << Qt::RightButton << "body"
                                               << "body" << 1;
    QTest::newRow("middle button on the text") << Qt::MiddleButton << "body"
                                               << "body" << 0;
    QTest::newRow("left dragged onto the text") << Qt::LeftButton << "title"
                                                << "body" << 0;
    QTest::newRow("middle button on the background") << Qt::MiddleButton << "background"
                                                     << "background" << 1;
    QTest::newRow("right button on the title") << Qt::RightButton << "title"
                                               << "title" << 1;
    QTest::newRow("released outside") << Qt::LeftButton << "background"
                                      << "outside" << 0;
}

void TestMSNPopUp::whatCountsAsAClick()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, pressOn);
    QFETCH(QString, releaseOn);
    QFETCH(int, clicks);
    platform::FakeWorkArea area;
    TMSNPopUp popup(area);
    QSignalSpy clicked(&popup, &TMSNPopUp::OnClick);
    popup.properties().Title = QStringLiteral("Hurry up! It is time to...");
    popup.properties().Text = QString(14, u' ') + QStringLiteral(" Dentist!");
    popup.showPopUp();
    TfrmMSNPopUp* window = openWindows().value(0);
    while (window->motion().phase() == Phase::SlidingIn)
        window->advance();
    const auto centre = [window](const char* name) {
        const QWidget* part = window->findChild<QLabel*>(QLatin1String(name));
        return part->mapTo(window, part->rect().center());
    };
    const QMap<QString, QPoint> at{{"body", centre("Body")},
                                   {"title", centre("Title")},
                                   {"background", QPoint(240, window->height() - 8)},
                                   {"outside", QPoint(240, -20)}};
    QTest::mousePress(window, button, {}, at[pressOn]);
    QTest::mouseRelease(window, button, {}, at[releaseOn]);
    QCOMPARE(clicked.count(), clicks);
    QCOMPARE(openWindows().size(), 1 - clicks);
}

void TestMSNPopUp::windowKeepsThePropertiesOfItsShow()
{
    platform::FakeWorkArea area;
    TMSNPopUp popup(area);
    popup.properties().Text = QStringLiteral("one\rtwo");
    popup.showPopUp();
    popup.properties().Text = QStringLiteral("changed");
    popup.properties().Height = 200;
    TfrmMSNPopUp* window = openWindows().value(0);
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Body"))->text(),
             QStringLiteral("one\ntwo"));
    while (window->motion().phase() == Phase::SlidingIn)
        window->advance();
    QCOMPARE(window->height(), 96);
}

void TestMSNPopUp::staysOnTopWithoutTakingTheFocus()
{
    // The offscreen platform activates every window it shows, so what is
    // checked here is what the window asks of a real window system.
    platform::FakeWorkArea area;
    TMSNPopUp popup(area);
    popup.showPopUp();
    TfrmMSNPopUp* window = openWindows().value(0);
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(window->windowType(), Qt::Tool);
    QVERIFY(window->testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(window->focusPolicy(), Qt::NoFocus);
}

void TestMSNPopUp::notifierSetsTheTimeOutForOneShow()
{
    platform::FakeWorkArea area;
    area.edge = platform::TaskbarEdge::Undetermined;
    area.area = QRect(0, 0, 1280, 800);
    TMSNPopUp popup(area);
    PopupNotifier notifier(popup);
    QVERIFY(notifier.show(
        {QStringLiteral("Hurry up! It is time to..."), QStringLiteral("text"), 112, 10, true}));
    QCOMPARE(popup.properties().TimeOut, 0);
    TfrmMSNPopUp* window = openWindows().value(0);
    while (window->motion().phase() == Phase::SlidingIn)
        window->advance();
    // Bottom right corner of the work area.
    QCOMPARE(window->geometry(), QRect(1280 - 16 - 480, 800 - 2 - 112, 480, 112));
    QCOMPARE(window->motion().nextDelay(), std::optional(10000));
    QVERIFY(
        window->findChild<QLabel*>(QStringLiteral("Body"))->alignment().testFlag(Qt::AlignLeft));
    notifier.closeAll();
    QVERIFY(openWindows().isEmpty());
}

void TestMSNPopUp::paintsTheGradient()
{
    platform::FakeWorkArea area;
    TMSNPopUp popup(area);
    popup.properties().Title = QStringLiteral("Hurry up! It is time to...");
    popup.properties().Text =
        QString(14, u' ') + QStringLiteral(" Dentist at the corner of Elm Street!");
    popup.properties().TextAlignment = MSNPopUpProperties::Alignment::Left;
    popup.showPopUp();
    TfrmMSNPopUp* window = openWindows().value(0);
    while (window->motion().phase() == Phase::SlidingIn)
        window->advance();
    const QImage shot = window->grab().toImage();
    if (const QString dir = qEnvironmentVariable("CORVANDINE_SHOTS"); !dir.isEmpty())
        shot.save(dir + QStringLiteral("/notification.png"));
    QCOMPARE(shot.size(), QSize(480, 96));
    // Inside the bevel: the first colour at the top, near white towards the bottom.
    const QColor top = shot.pixelColor(240, 3);
    const QColor low = shot.pixelColor(470, 88);
    QVERIFY2(qAbs(top.red() - 0x9D) <= 4 && qAbs(top.blue() - 0xCE) <= 4, qPrintable(top.name()));
    QVERIFY2(low.red() > 0xF0 && low.green() > 0xF0, qPrintable(low.name()));
}

QTEST_MAIN(TestMSNPopUp)
#include "tst_msnpopup.moc"
