#include "../calendar/archivefixture.h"

#include "reminders/announcements.h"
#include "reminders/ui/messagepanel.h"
#include "reminders/ui/soundlabel.h"
#include "reminders/ui/timealarmflash.h"
#include "store/settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QSignalSpy>

using namespace reminders;
using Section = store::Settings::Section;

Q_DECLARE_METATYPE(reminders::SoundLabel)

class TestReminderWidgets final : public QObject
{
    Q_OBJECT
private slots:
    void messagePanelShowsTheSectionColour();
    void messagePanelReportsClicks();
    void soundLabel_data();
    void soundLabel();
    void timeAlarmCaptionBlinks();
};

void TestReminderWidgets::messagePanelShowsTheSectionColour()
{
    ArchiveFixture archive;
    store::Settings settings(archive.db);
    settings.load();
    std::array<QString, store::Settings::SectionCount> colours;
    colours.fill(QStringLiteral("clWhite"));
    colours[size_t(Section::Weekly)] = QStringLiteral("$0000FFFF"); // yellow
    settings.saveSectionColours(colours);

    ui::MessagePanel panel(settings);
    panel.resize(400, 24);
    panel.setAnnouncementTextColour(QColor(0x80, 0, 0));
    panel.showState({Headline, Section::Weekly});
    QCOMPARE(panel.text(), Headline);
    QCOMPARE(panel.palette().color(QPalette::Window), QColor(Qt::yellow));
    QCOMPARE(panel.palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
    QCOMPARE(panel.cursor().shape(), Qt::PointingHandCursor);
    if (const QString dir = qEnvironmentVariable("CORVANDINE_SHOTS"); !dir.isEmpty())
        panel.grab().save(dir + QStringLiteral("/messagepanel.png"));

    panel.showState({});
    QCOMPARE(panel.text(), QString());
    QCOMPARE(panel.palette().color(QPalette::Window), QApplication::palette().button().color());
    QCOMPARE(panel.palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
    QCOMPARE(panel.cursor().shape(), Qt::ArrowCursor);
}

void TestReminderWidgets::messagePanelReportsClicks()
{
    ArchiveFixture archive;
    store::Settings settings(archive.db);
    settings.load();
    ui::MessagePanel panel(settings);
    panel.resize(400, 24);
    QSignalSpy clicks(&panel, &ui::MessagePanel::clicked);
    QTest::mouseClick(&panel, Qt::LeftButton);
    QTest::mouseClick(&panel, Qt::RightButton);
    QCOMPARE(clicks.count(), 1);
}

void TestReminderWidgets::soundLabel_data()
{
    QTest::addColumn<SoundLabel>("sound");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("in use") << SoundLabel{"bell.wav", false, "Allarme in uso"}
                            << QApplication::palette().windowText().color();
    QTest::newRow("gone") << SoundLabel{"mailbeep", true, "Sostituto del file allarme non trovato: /x/bell.wav"}
                          << QColor(Qt::red);
}

void TestReminderWidgets::soundLabel()
{
    QFETCH(SoundLabel, sound);
    QFETCH(QColor, colour);
    QLabel label;
    ui::showSoundLabel(label, {"old", true, "old"});
    ui::showSoundLabel(label, sound);
    QCOMPARE(label.text(), sound.text);
    QCOMPARE(label.toolTip(), sound.hint);
    QCOMPARE(label.palette().color(QPalette::WindowText), colour);
}

void TestReminderWidgets::timeAlarmCaptionBlinks()
{
    QCheckBox caption(QStringLiteral("Time alarm"));
    const QColor normal = QApplication::palette().windowText().color();
    QList<QColor> seen;
    for (int i = 0; i < 3; ++i) {
        ui::flashTimeAlarm(caption);
        seen.append(caption.palette().color(QPalette::WindowText));
    }
    QCOMPARE(seen, QList<QColor>({Qt::red, normal, Qt::red}));
    QCOMPARE(caption.palette().color(QPalette::ButtonText), QColor(Qt::red));
    ui::restoreTimeAlarm(caption);
    QCOMPARE(caption.palette().color(QPalette::WindowText), normal);
}

QTEST_MAIN(TestReminderWidgets)
#include "tst_reminderwidgets.moc"
