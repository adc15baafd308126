#include "calendar/taskrecord.h"
#include "calendar/ui/dialogs/tselectform.h"
#include "platform/testing/scriptedprompter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

using namespace calendar;
using namespace calendar::ui;

class TestSelectForm final : public QObject
{
    Q_OBJECT
    const QLocale english{QLocale::English, QLocale::UnitedStates};

    // The centre of the calendar cell that shows `date`.
    static QPoint cellOf(TSelectForm& form, const QDate& date)
    {
        auto* view = form.calendar()->findChild<QAbstractItemView*>();
        const QAbstractItemModel* model = view->model();
        for (int r = 0; r < model->rowCount(); ++r)
            for (int c = 0; c < model->columnCount(); ++c) {
                const QModelIndex i = model->index(r, c);
                if (model->data(i).toString() == QString::number(date.day()))
                    return view->visualRect(i).center();
            }
        qFatal("no cell");
    }

private slots:
    // clang-format off
    void useButtonShowsTheDateInTheMode_data()
    {
        QTest::addColumn<char>("mode");
        QTest::addColumn<QString>("text");
        QTest::newRow("one-shot") << 'G' << "14 February 2026";
        QTest::newRow("yearly") << 'A' << "14 February";
        QTest::newRow("monthly") << 'M' << "14";
        QTest::newRow("weekly") << 'S' << "Saturday";
    }
    // clang-format on
    void useButtonShowsTheDateInTheMode()
    {
        QFETCH(char, mode);
        QFETCH(QString, text);
        TaskDialogState state;
        platform::ScriptedPrompter prompter;
        TSelectForm form(state, prompter, english);
        form.setMode(ChooserMode(mode));
        form.setStartDate(QDate(2026, 2, 14));
        QCOMPARE(form.useButton()->text(), text);
        QCOMPARE(form.windowTitle(), "-> Calendar");
        QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void usaHandsTheDateBack()
    {
        TaskDialogState state;
        platform::ScriptedPrompter prompter;
        TSelectForm form(state, prompter, english);
        form.setTitle("Chose the date");
        form.setStartDate(QDate(2026, 2, 14));
        form.show();
        form.calendar()->setSelectedDate(QDate(2026, 2, 20));
        QCOMPARE(form.useButton()->text(), "20 February 2026");
        QTest::mouseClick(form.useButton(), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(state.taskDialogDate(), QDate(2026, 2, 20));
        QCOMPARE(state.taskDialogMonthDay(), "02/20");
    }

    void closeAndEscapeChangeNothing()
    {
        TaskDialogState state;
        state.setTaskDialogDate(QDate(2026, 1, 1), english);
        platform::ScriptedPrompter prompter;
        TSelectForm form(state, prompter, english);
        form.setStartDate(QDate(2026, 2, 14));
        form.show();
        form.calendar()->setSelectedDate(QDate(2026, 2, 20));
        QTest::keyClick(&form, Qt::Key_Escape);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        form.show();
        QTest::mouseClick(form.findChild<QPushButton*>("SpeedButtonClose"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(state.taskDialogDate(), QDate(2026, 1, 1));
    }

    void enterInTheCalendarChooses()
    {
        TaskDialogState state;
        platform::ScriptedPrompter prompter;
        TSelectForm form(state, prompter, english);
        form.setStartDate(QDate(2026, 2, 14));
        form.show();
        auto* view = form.calendar()->findChild<QAbstractItemView*>();
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(state.taskDialogDate(), QDate(2026, 2, 15));
    }

    void doubleClickChooses()
    {
        TaskDialogState state;
        platform::ScriptedPrompter prompter;
        TSelectForm form(state, prompter, english);
        form.setStartDate(QDate(2026, 2, 14));
        form.show();
        auto* viewport = form.calendar()->findChild<QAbstractItemView*>()->viewport();
        const QPoint at = cellOf(form, QDate(2026, 2, 18));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(state.taskDialogDate(), QDate(2026, 2, 18));
    }

    void doubleClickRightAfterTurningTheMonthIsIgnoredOnce()
    {
        TaskDialogState state;
        platform::ScriptedPrompter prompter;
        TSelectForm form(state, prompter, english);
        form.setStartDate(QDate(2026, 2, 14));
        form.show();
        auto* viewport = form.calendar()->findChild<QAbstractItemView*>()->viewport();
        form.calendar()->showNextMonth();
        form.calendar()->setSelectedDate(QDate(2026, 3, 18));
        const QPoint at = cellOf(form, QDate(2026, 3, 18));
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        QVERIFY(form.isVisible());
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(state.taskDialogDate(), QDate(2026, 3, 18));
    }

    // The header's year field and month menu turn the page; the chosen day
    // follows into the new month, so "Usa" (and Enter) hand back what the
    // user sees, not the day the chooser opened on.
    // Enter goes where the keyboard is, as a user's would; a click on "Usa"
    // while the year is still being typed chooses the typed year too.
    void typedYearIsKept_data()
    {
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("chosen");
        QTest::newRow("Enter") << true << "2031" << QDate(2031, 2, 14);
        QTest::newRow("Enter, a leap day gone") << true << "2027" << QDate(2027, 2, 28);
        QTest::newRow("click on Usa") << false << "2031" << QDate(2031, 2, 14);
    }
    void typedYearIsKept()
    {
        QFETCH(bool, byEnter);
        QFETCH(QString, typed);
        QFETCH(QDate, chosen);
        TaskDialogState state;
        platform::ScriptedPrompter prompter;
        TSelectForm form(state, prompter, english);
        form.setStartDate(chosen.month() == 2 && chosen.day() == 28 ? QDate(2028, 2, 29)
                                                                    : QDate(2026, 2, 14));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::mouseClick(form.calendar()->findChild<QToolButton*>("qt_calendar_yearbutton"),
                          Qt::LeftButton);
        auto* year = form.calendar()->findChild<QSpinBox*>("qt_calendar_yearedit");
        QVERIFY(year->isVisible());
        QTRY_VERIFY(year->hasFocus());
        year->selectAll();
        QTest::keyClicks(QApplication::focusWidget(), typed);
        if (byEnter)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else
            QTest::mouseClick(form.useButton(), Qt::LeftButton);
        QTRY_COMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(state.taskDialogDate(), chosen);
    }

    void monthTurnedFromTheHeaderMovesTheChosenDay_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<int>("month");
        QTest::addColumn<QDate>("chosen");
        QTest::newRow("same day") << QDate(2026, 2, 14) << 6 << QDate(2026, 6, 14);
        QTest::newRow("day past the month's end") << QDate(2026, 1, 31) << 2 << QDate(2026, 2, 28);
    }
    void monthTurnedFromTheHeaderMovesTheChosenDay()
    {
        QFETCH(QDate, start);
        QFETCH(int, month);
        QFETCH(QDate, chosen);
        TaskDialogState state;
        platform::ScriptedPrompter prompter;
        TSelectForm form(state, prompter, english);
        form.setMode(ChooserMode::Date);
        form.setStartDate(start);
        form.show();
        auto* menu = form.calendar()->findChild<QToolButton*>("qt_calendar_monthbutton")->menu();
        menu->actions().at(month - 1)->trigger();
        QCOMPARE(form.useButton()->text(), english.toString(chosen, "d MMMM yyyy"));
        QTest::mouseClick(form.useButton(), Qt::LeftButton);
        QCOMPARE(state.taskDialogDate(), chosen);
    }

    void hint()
    {
        TaskDialogState state;
        platform::ScriptedPrompter prompter;
        TSelectForm form(state, prompter, english);
        QTest::mouseClick(form.findChild<QAbstractButton*>("SpeedButtonHint"), Qt::LeftButton);
        QCOMPARE(prompter.shownTexts(),
                 QStringList{"In this window you can select at the same time the day and the "
                             "start date of the task."});
    }

    void scaled()
    {
        TaskDialogState state;
        platform::ScriptedPrompter prompter;
        TSelectForm form(state, prompter, english);
        const QSize normal = form.size();
        form.setScalePercent(150);
        QCOMPARE(form.size(), normal * 1.5);
        QCOMPARE(form.calendar()->font().pointSizeF(), 15.0);
        form.setScalePercent(100);
        QCOMPARE(form.size(), normal);
        QCOMPARE(form.calendar()->font().pointSizeF(), 10.0);
    }
};

QTEST_MAIN(TestSelectForm)
#include "tst_tselectform.moc"
