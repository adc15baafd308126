#include "sidepanelfixture.h"

#include "shared/sectioncounter.h"
#include "calendar/calendarcells.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

using namespace calendar;
using calendar::ui::SidePanel;

namespace {

QColor rgb(unsigned value)
{
    return QColor::fromRgb(QRgb(0xFF000000u | value));
}

} // namespace

class TestSidePanel final : public QObject
{
    Q_OBJECT
    std::unique_ptr<SidePanelFixture> f;

private slots:
    void init()
    {
        f = std::make_unique<SidePanelFixture>();
        f->add(kind::OneShot, QDate(2026, 5, 20));
        f->add(kind::Weekly, QDate(2026, 5, 13));       // Wednesdays from the 13th
        f->add(kind::Weekly, QDate(2026, 5, 1), true);  // Fridays, suspended
        f->panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(f->panel.get()));
        QCOMPARE(f->calendar().date(), SidePanelFixture::day());
        QVERIFY(f->refreshAndWait());
    }
    void cleanup() { f.reset(); }

    void marksTheWeeklyTask() { QCOMPARE(f->litDays(), (QList<int>{13, 20, 27})); }

    // Choosing in one list puts the other back on its first entry; the
    // calendar is marked again at once.
    void exclusionAndHighlight()
    {
        auto* highlight = f->find<QComboBox>("ComboBoxNero");
        auto* exclude = f->find<QComboBox>("ComboBoxEscludiNero");
        QSignalSpy marked(f->panel.get(), &SidePanel::marked);
        highlight->setFocus();
        QTest::keyClick(highlight, Qt::Key_Down); // "One Shot"
        QVERIFY(marked.wait(5000));
        QCOMPARE(f->litDays(), QList<int>{20});

        QTest::keyClick(exclude, Qt::Key_End);    // "Weekly"
        QCOMPARE(highlight->currentIndex(), 0);
        QVERIFY(marked.wait(5000));
        QCOMPARE(f->litDays(), QList<int>{20});
        QCOMPARE(f->calendar().marks().kindCodeOf(QDate(2026, 5, 20)), QStringLiteral("OXXX"));

        QTest::keyClick(highlight, Qt::Key_End);  // "Weekly"
        QCOMPARE(exclude->currentIndex(), 0);
        QVERIFY(marked.wait(5000));
        QCOMPARE(f->litDays(), (QList<int>{13, 20, 27}));
    }

    void showSuspended()
    {
        auto* box = f->find<QCheckBox>("CheckBox_Visualizza_Sospesi");
        QSignalSpy told(f->panel.get(), &SidePanel::showSuspendedChanged);
        QSignalSpy marked(f->panel.get(), &SidePanel::marked);
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        QCOMPARE(told.count(), 1);
        QCOMPARE(told.first().first().toBool(), true);
        QVERIFY(marked.wait(5000));
        QCOMPARE(f->litDays(), (QList<int>{1, 8, 13, 15, 20, 22, 27, 29}));

        // Following the daily view's box is not echoed back to it.
        f->panel->setShowSuspended(false);
        QVERIFY(marked.wait(5000));
        QCOMPARE(told.count(), 1);
        QCOMPARE(f->litDays(), (QList<int>{13, 20, 27}));
    }

    // The marking runs in turns of the event loop: refresh() returns before
    // the month is marked, and the old marks stay until the new are whole.
    void markingDoesNotBlock()
    {
        f->add(kind::Monthly, QDate(2026, 1, 2));
        f->panel->refresh();
        QVERIFY(f->panel->isMarking());
        QCOMPARE(f->litDays(), (QList<int>{13, 20, 27}));
        QSignalSpy marked(f->panel.get(), &SidePanel::marked);
        QVERIFY(marked.wait(5000));
        QCOMPARE(f->litDays(), (QList<int>{2, 13, 20, 27}));
    }

    // A day with a one-shot and a weekly task shows the first and the fourth
    // segment of its strip; the others keep the lighted colour.
    void kindStripIsPainted()
    {
        const QRect cell = f->calendar().cellRect(QDate(2026, 5, 13));
        const QImage image = f->calendar().grab().toImage();
        const QRect cell20 = f->calendar().cellRect(QDate(2026, 5, 20));
        const auto middleOf = [&](const QRect& c, int k) {
            return kindSegmentRect(c, k).center();
        };
        // 20 May is selected (blue) and carries "OXXW".
        QCOMPARE(image.pixelColor(middleOf(cell20, 0)), rgb(defaultIndicatorColour(QStringLiteral("O"))));
        QCOMPARE(image.pixelColor(middleOf(cell20, 1)), f->calendar().colorLightSelect());
        QCOMPARE(image.pixelColor(middleOf(cell20, 3)), rgb(defaultIndicatorColour(QStringLiteral("W"))));
        // 13 May carries only the weekly task.
        QCOMPARE(image.pixelColor(middleOf(cell, 0)), f->calendar().colorLight());
        QCOMPARE(image.pixelColor(middleOf(cell, 3)), rgb(defaultIndicatorColour(QStringLiteral("W"))));
        // Its outline is black under the built-in theme.
        QCOMPARE(image.pixelColor(kindSegmentRect(cell, 3).topLeft()), QColor(Qt::black));
        // A plain day has no strip.
        const QRect plain = f->calendar().cellRect(QDate(2026, 5, 14));
        QCOMPARE(image.pixelColor(middleOf(plain, 0)), f->calendar().palette().color(QPalette::Base));
    }

    void lightColourFollowsTheHighlight_data()
    {
        QTest::addColumn<QString>("yearlyColour");
        QTest::addColumn<QColor>("light");
        QTest::newRow("yearly colour") << "$00A0B0C0" << QColor(0xC0, 0xB0, 0xA0);
        QTest::newRow("white shown as yellow") << "clWhite" << QColor(Qt::yellow);
    }
    void lightColourFollowsTheHighlight()
    {
        QFETCH(QString, yearlyColour);
        QFETCH(QColor, light);
        std::array<QString, store::Settings::SectionCount> colours;
        for (int i = 0; i < store::Settings::SectionCount; ++i)
            colours[size_t(i)] = f->settings.sectionColour(store::Settings::Section(i));
        colours[size_t(store::Settings::Section::Yearly)] = yearlyColour;
        f->settings.saveSectionColours(colours);
        auto* highlight = f->find<QComboBox>("ComboBoxNero");
        QSignalSpy marked(f->panel.get(), &SidePanel::marked);
        QTest::keyClick(highlight, Qt::Key_Down);
        QTest::keyClick(highlight, Qt::Key_Down); // "Yearly"
        QVERIFY(marked.wait(5000));
        QCOMPARE(f->calendar().colorLight(), light);
    }

    void clickChoosesTheDay()
    {
        QSignalSpy chosen(f->panel.get(), &SidePanel::dayChosen);
        const QDate day(2026, 5, 7);
        QTest::mouseClick(&f->calendar(), Qt::LeftButton, {}, f->calendar().cellRect(day).center());
        QCOMPARE(f->calendar().date(), day);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().toDate(), day);
        // The header row and the empty cells before the 1st choose nothing.
        QTest::mouseClick(&f->calendar(), Qt::LeftButton, {}, QPoint(3, 3));
        const QRect first = f->calendar().cellRect(QDate(2026, 5, 1));
        QTest::mouseClick(&f->calendar(), Qt::LeftButton, {}, first.center() - QPoint(first.width(), 0));
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(f->calendar().date(), day);
    }

    void doubleClickAsksForAOneShotTask_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("writable") << false;
        QTest::newRow("read-only") << true;
    }
    void doubleClickAsksForAOneShotTask()
    {
        QFETCH(bool, readOnly);
        f->panel->setReadOnly(readOnly);
        QSignalSpy chosen(f->panel.get(), &SidePanel::dayChosen);
        QSignalSpy asked(f->panel.get(), &SidePanel::newOneShotRequested);
        const QDate day(2026, 5, 12);
        const QPoint at = f->calendar().cellRect(day).center();
        QTest::mouseDClick(&f->calendar(), Qt::LeftButton, {}, at);
        QCOMPARE(chosen.last().first().toDate(), day);
        QCOMPARE(asked.count(), readOnly ? 0 : 1);
        if (!readOnly)
            QCOMPARE(asked.first().first().toDate(), day);
    }

    // A right click selects the day under the mouse before the menu opens,
    // and the menu's entries ask for a task of their kind on that day.
    void rightClickSelectsBeforeTheMenu()
    {
        auto* menu = f->find<QMenu>("PopupMenuCalendar");
        QSignalSpy chosen(f->panel.get(), &SidePanel::dayChosen);
        QSignalSpy asked(f->panel.get(), &SidePanel::newTaskRequested);
        const QDate day(2026, 5, 26);
        const QPoint at = f->calendar().cellRect(day).center();
        // The window system sends the menu request after the press.
        const auto rightClick = [&] {
            QTest::mouseClick(&f->calendar(), Qt::RightButton, {}, at);
            QContextMenuEvent request(QContextMenuEvent::Mouse, at, f->calendar().mapToGlobal(at));
            QApplication::sendEvent(&f->calendar(), &request);
        };
        rightClick();
        QCOMPARE(f->calendar().date(), day);
        QCOMPARE(chosen.count(), 1);
        QTRY_VERIFY(menu->isVisible());
        menu->actions().at(2)->trigger(); // "Monthly"
        menu->close();
        QCOMPARE(asked.count(), 1);
        QCOMPARE(asked.first().at(0).value<QChar>(), QLatin1Char('M'));
        QCOMPARE(asked.first().at(1).toDate(), day);

        f->panel->setReadOnly(true);
        rightClick();
        QTest::qWait(20);
        QVERIFY(!menu->isVisible());
    }

    void arrowKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QDate>("day");
        QTest::newRow("left") << int(Qt::Key_Left) << QDate(2026, 5, 19);
        QTest::newRow("right") << int(Qt::Key_Right) << QDate(2026, 5, 21);
        QTest::newRow("up") << int(Qt::Key_Up) << QDate(2026, 5, 13);
        QTest::newRow("down") << int(Qt::Key_Down) << QDate(2026, 5, 27);
    }
    void arrowKeys()
    {
        QFETCH(int, key);
        QFETCH(QDate, day);
        QSignalSpy chosen(f->panel.get(), &SidePanel::dayChosen);
        f->calendar().setFocus();
        QTest::keyPress(&f->calendar(), Qt::Key(key));
        QCOMPARE(f->calendar().date(), day);
        QCOMPARE(chosen.count(), 0); // the daily view follows when the key is let go
        QTest::keyRelease(&f->calendar(), Qt::Key(key));
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().toDate(), day);
    }

    // Leaving the month drops its marks at once; the new month's follow.
    void anotherMonthClearsTheMarks()
    {
        QSignalSpy marked(f->panel.get(), &SidePanel::marked);
        f->calendar().setFocus();
        for (int i = 0; i < 2; ++i)
            QTest::keyClick(&f->calendar(), Qt::Key_Down);
        QCOMPARE(f->calendar().date(), QDate(2026, 6, 3));
        QCOMPARE(f->calendar().marks().lighted.count(), 0);
        QCOMPARE(f->find<QLabel>("Label_Mese_Lato")->text(), QStringLiteral("June 2026"));
        QVERIFY(marked.wait(5000));
        QCOMPARE(f->litDays(), (QList<int>{3, 10, 17, 24}));
    }

    void navigationButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QDate>("day");
        QTest::newRow("next month") << "SpeedButtonMeseDopo" << QDate(2026, 6, 1);
        QTest::newRow("previous month") << "SpeedButtonMesePrima" << QDate(2026, 4, 30);
        QTest::newRow("next day") << "SpeedButtonGiornoDopo" << QDate(2026, 5, 21);
        QTest::newRow("previous day") << "SpeedButtonGiornoPrima" << QDate(2026, 5, 19);
    }
    void navigationButtons()
    {
        QFETCH(QString, button);
        QFETCH(QDate, day);
        QSignalSpy chosen(f->panel.get(), &SidePanel::dayChosen);
        f->find<QToolButton>(button.toLatin1().constData())->click();
        QCOMPARE(f->calendar().date(), day);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().toDate(), day);
    }

    void todayButtonReadsTheClock()
    {
        f->panel->setDate(QDate(2025, 11, 3));
        f->clock.set(QDateTime(QDate(2026, 7, 4), QTime(23, 59)));
        f->find<QToolButton>("SpeedButtonOggiLato")->click();
        QCOMPARE(f->calendar().date(), QDate(2026, 7, 4));
    }

    void entries()
    {
        auto* label = f->find<QLabel>("Label_Conteggio_Lista");
        f->panel->showSectionCount({QString(), QString(), QStringLiteral("Label_Conteggio_Lista"),
                                    QStringLiteral("To-Do: 7")});
        QCOMPARE(label->text(), QStringLiteral("To-Do: 7"));
        // The task counts come from the section counters as they are.
        const auto counted = shared::updateSectionCounter(*f->archive.general, QLatin1Char('W'), 2);
        f->panel->showSectionCount(*counted);
        QCOMPARE(f->find<QLabel>("Label_Conteggio_Settimanali")->text(), QStringLiteral("Weekly: 2"));

        QSignalSpy clicked(f->panel.get(), &SidePanel::entryClicked);
        f->find<QTabWidget>("PageControlLato")->setCurrentIndex(0);
        QTest::mouseClick(label, Qt::LeftButton);
        QTest::mouseClick(f->find<QLabel>("Label_Conteggio_Deposito"), Qt::LeftButton);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked.at(0).first().value<QChar>(), QLatin1Char('L'));
        QCOMPARE(clicked.at(1).first().value<QChar>(), QLatin1Char('D'));
    }

    void hint()
    {
        f->find<QToolButton>("SpeedButtonHintLato")->click();
        QCOMPARE(f->prompter.shownTexts(), QStringList{"These settings are not saved."});
        QCOMPARE(f->prompter.shown.first().kind, platform::Prompter::Kind::Information);
    }
};

QTEST_MAIN(TestSidePanel)
#include "tst_sidepanel.moc"
