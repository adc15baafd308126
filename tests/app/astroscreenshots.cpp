// Not run by CTest: pictures of the sign, season and moon strip at the four
// main phases of January 2019 and of the time calculator, for looking at.
// Usage: ASTRO_SHOTS=<folder> astro_screenshots  (writes astro-*.png there)
#include "app/ui/optionstab.h"
#include "astro/ui/signseasonpanel.h"
#include "calendar/ui/today/todayview.h"
#include "mainwindowrig.h"

#include <QApplication>
#include <QDateEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>

namespace {

QString folder()
{
    return qEnvironmentVariable("ASTRO_SHOTS", QStringLiteral("."));
}

} // namespace

class AstroScreenshots final : public QObject
{
    Q_OBJECT
private slots:
    void strip_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("name");
        QTest::newRow("new") << QDateTime(QDate(2019, 1, 6), QTime(1, 41)) << "astro-new-moon";
        QTest::newRow("first") << QDateTime(QDate(2019, 1, 14), QTime(6, 45))
                               << "astro-first-quarter";
        QTest::newRow("full") << QDateTime(QDate(2019, 1, 21), QTime(5, 12)) << "astro-full-moon";
        QTest::newRow("last") << QDateTime(QDate(2019, 1, 27), QTime(21, 10))
                              << "astro-last-quarter";
    }
    void strip()
    {
        QFETCH(QDateTime, moment);
        QFETCH(QString, name);
        MainWindowRig r;
        r.clock.set(moment);
        app::TMainForm& w = r.shown(QStringLiteral("minimized = \"N\", showcale = \"Y\""));
        w.today()->setShownDate(moment.date());
        QTest::qWait(50);
        QVERIFY(w.today()->leftPanel()->grab().save(folder() + u'/' + name + ".png"));
        const QPixmap strip = w.signSeasonPanel()->grab();
        QVERIFY(strip.scaled(strip.size() * 4).save(folder() + u'/' + name + "-strip.png"));
    }

    void calculator()
    {
        MainWindowRig r;
        app::TMainForm& w = r.shown();
        w.options()->openSpecialPanel();
        bool saved = false;
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                poll->stop();
                modal->findChild<QDateEdit*>("DateTimePicker1")->setDate(QDate(2021, 1, 1));
                modal->findChild<QDateEdit*>("DateTimePicker2")->setDate(QDate(2024, 1, 1));
                modal->findChild<QTimeEdit*>("DateTimePicker3")->setTime(QTime(10, 0));
                modal->findChild<QTimeEdit*>("DateTimePicker4")->setTime(QTime(8, 30, 15));
                modal->findChild<QPushButton*>("ButtonCalcolaDate")->click();
                modal->findChild<QPushButton*>("ButtonCalcolaOre")->click();
                QTest::qWait(50);
                saved = modal->grab().save(folder() + "/astro-calculator.png");
                modal->close();
            }
        });
        poll->start(10);
        w.options()->findChild<QPushButton*>("SpeedButton_CalcTempo")->click();
        QVERIFY(saved);
    }
};

QTEST_MAIN(AstroScreenshots)
#include "astroscreenshots.moc"
