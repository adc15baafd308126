// The sign, season and moon strip beside the side calendar, as the window
// wires it.
#include "astro/ui/signseasonpanel.h"
#include "astro/ui/tmoon.h"
#include "calendar/ui/sidecalendar/sidepanel.h"
#include "calendar/ui/today/todayview.h"
#include "mainwindowrig.h"
#include "store/daynumber.h"

#include <QLabel>
#include <QTabWidget>
#include <QToolButton>

using app::TMainForm;

namespace {

QString labelText(TMainForm& w, const char* name)
{
    return w.signSeasonPanel()->findChild<QLabel*>(QLatin1String(name))->text();
}

double moonDate(TMainForm& w)
{
    return w.signSeasonPanel()->moon()->date();
}

} // namespace

class TestAstroWiring final : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowRig> r;

private slots:
    void init() { r = std::make_unique<MainWindowRig>(); }
    void cleanup() { r.reset(); }

    // With the side panel in sight the labels follow the shown day; hidden,
    // they wait until it is switched on. The Moon follows every day, at the
    // present time of day (the rig's clock: 2026-12-10 09:00).
    void stripFollowsTheShownDay_data()
    {
        QTest::addColumn<bool>("panelShown");
        QTest::newRow("panel shown") << true;
        QTest::newRow("panel hidden") << false;
    }
    void stripFollowsTheShownDay()
    {
        QFETCH(bool, panelShown);
        TMainForm& w = r->shown(
            QStringLiteral("minimized = \"N\", showcale = \"%1\"").arg(panelShown ? "Y" : "N"));
        QVERIFY(w.signSeasonPanel());
        QVERIFY(w.sidePanel()->isAncestorOf(w.signSeasonPanel()));
        const QTime now = r->clock.now().time();
        QCOMPARE(moonDate(w), store::toDayNumber(QDateTime(QDate(2026, 12, 10), now)));
        QCOMPARE(labelText(w, "Label_Segno"), QString::fromLatin1(panelShown ? " Sagittarius" : " Zodiaco"));
        QCOMPARE(labelText(w, "Label_Stagione"), QString::fromLatin1(panelShown ? " Autumn" : " Stagione"));

        w.today()->setShownDate(QDate(2024, 2, 29));
        QCOMPARE(moonDate(w), store::toDayNumber(QDateTime(QDate(2024, 2, 29), now)));
        QCOMPARE(labelText(w, "Label_Segno"), QString::fromLatin1(panelShown ? " Pisces" : " Zodiaco"));
        QCOMPARE(labelText(w, "Label_Stagione"), QString::fromLatin1(panelShown ? " Winter" : " Stagione"));

        // The panel's own day buttons move the daily view, and the strip with it.
        if (panelShown) {
            w.sidePanel()->findChild<QToolButton*>("SpeedButtonGiornoDopo")->click();
            QCOMPARE(w.today()->shownDate(), QDate(2024, 3, 1));
            QCOMPARE(moonDate(w), store::toDayNumber(QDateTime(QDate(2024, 3, 1), now)));
        } else {
            w.today()->findChild<QToolButton*>("SpeedButtonClendarioLato")->click();
            QVERIFY(!w.today()->leftPanel()->isHidden());
            QCOMPARE(labelText(w, "Label_Segno"), QStringLiteral(" Pisces"));
        }
        QLabel* season = w.signSeasonPanel()->findChild<QLabel*>("Label_Stagione");
        QCOMPARE(season->toolTip(), QStringLiteral("Winter\nfrom 22 December to 20 March"));
    }

    // A change of tab draws the Moon of the shown day again, at the time of
    // the change.
    void moonFollowsTabChanges()
    {
        TMainForm& w = r->shown(QStringLiteral("minimized = \"N\", showcale = \"Y\""));
        const QDate day = w.today()->shownDate();
        r->clock.advance(3 * 3600 * 1000);
        w.pageControl()->setCurrentIndex(TMainForm::Shot);
        QCOMPARE(moonDate(w), store::toDayNumber(QDateTime(day, r->clock.now().time())));
    }
};

QTEST_MAIN(TestAstroWiring)
#include "tst_astrowiring.moc"
