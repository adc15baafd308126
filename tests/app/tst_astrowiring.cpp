// The sign, season and moon strip beside the side calendar and the time
// calculator, as the window wires them.
#include "app/ui/optionstab.h"
#include "astro/ui/signseasonpanel.h"
#include "astro/ui/tmoon.h"
#include "astro/ui/ttempoform.h"
#include "calendar/ui/sidecalendar/sidepanel.h"
#include "calendar/ui/today/todayview.h"
#include "mainwindowrig.h"
#include "store/daynumber.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>
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

// Runs `act` on the modal dialog once it is open; a dialog that a failed
// check left open is closed, so that the test ends.
template <typename Act> void whenModalOpens(QObject* owner, Act act)
{
    auto* poll = new QTimer(owner);
    QObject::connect(poll, &QTimer::timeout, owner, [poll, act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
            if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible())
                dialog->reject();
        }
    });
    poll->start(10);
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

    // The special panel's button opens the calculator, sized by the window
    // scale and painted in the Options colour; its counts are those of the
    // calculator's rules; Enter closes it.
    void calculatorOpensFromTheSpecialPanel()
    {
        TMainForm& w = r->shown(
            QStringLiteral("minimized = \"N\", UserColor = \"$0000FF00\", scala_index = 2"));
        w.options()->openSpecialPanel();
        auto* button = w.options()->findChild<QPushButton*>("SpeedButton_CalcTempo");
        QVERIFY(button->isEnabled());

        bool checked = false;
        whenModalOpens(this, [&](QWidget* modal) {
            auto* form = qobject_cast<astro::ui::TTempoForm*>(modal);
            QVERIFY(form);
            QCOMPARE(form->windowTitle(), QStringLiteral("Time Duration Calculator"));
            QCOMPARE(form->width(), 390 * 120 / 100);
            auto* title = form->findChild<QWidget*>("PanelTitolo");
            QCOMPARE(title->palette().color(QPalette::Window), QColor(0x00, 0xFF, 0x00));
            QCOMPARE(form->firstDate()->date(), QDate(2026, 12, 10));
            QCOMPARE(form->secondTime()->time(), QTime(9, 0));
            for (const char* name : {"lblDays", "Label_AnniTrascorsi", "lblHours", "lblMinutes",
                                     "lblSeconds", "lblMilliseconds"})
                QCOMPARE(form->findChild<QLabel*>(QLatin1String(name))->text(),
                         QStringLiteral("0"));

            form->firstDate()->setDate(QDate(2021, 3, 1));
            form->secondDate()->setDate(QDate(2022, 3, 1));
            form->findChild<QPushButton*>("ButtonCalcolaDate")->click();
            QCOMPARE(form->findChild<QLabel*>("lblDays")->text(), QStringLiteral("365"));
            QCOMPARE(form->findChild<QLabel*>("Label_AnniTrascorsi")->text(), QStringLiteral("1"));

            form->firstTime()->setTime(QTime(10, 0));
            form->secondTime()->setTime(QTime(8, 30, 15));
            form->findChild<QPushButton*>("ButtonCalcolaOre")->click();
            QCOMPARE(form->findChild<QLabel*>("lblHours")->text(), QStringLiteral("1"));
            QCOMPARE(form->findChild<QLabel*>("lblMinutes")->text(), QStringLiteral("89"));
            QCOMPARE(form->findChild<QLabel*>("lblSeconds")->text(), QStringLiteral("5385"));
            QCOMPARE(form->findChild<QLabel*>("lblMilliseconds")->text(),
                     QStringLiteral("5385000"));

            // The picker being edited wears the section colour, white again after.
            form->firstDate()->setFocus();
            QTRY_COMPARE(form->firstDate()->palette().color(QPalette::Base),
                         QColor(0x00, 0xFF, 0x00));
            form->secondTime()->setFocus();
            QTRY_COMPARE(form->firstDate()->palette().color(QPalette::Base), QColor(Qt::white));

            form->findChild<QToolButton*>("SpeedButtonHint")->click();
            QTest::keyClick(form->secondTime(), Qt::Key_Return);
            checked = true;
        });
        button->click();
        QVERIFY(checked);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(r->prompter.shown.size(), 1);
        QCOMPARE(r->prompter.shown.first().text,
                 QStringLiteral("In this module you can get the calculation of the time elapsed "
                                "between 2 dates or times."));
    }

    // Escape closes it as well.
    void escapeClosesTheCalculator()
    {
        TMainForm& w = r->shown();
        w.options()->openSpecialPanel();
        bool closed = false;
        whenModalOpens(this, [&](QWidget* modal) {
            QTest::keyClick(modal, Qt::Key_Escape);
            closed = true;
        });
        w.options()->findChild<QPushButton*>("SpeedButton_CalcTempo")->click();
        QVERIFY(closed);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestAstroWiring)
#include "tst_astrowiring.moc"
