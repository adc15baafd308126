#include "calendar/taskrecord.h"
#include "calendar/ui/dialogs/tselectform.h"
#include "platform/testing/scriptedprompter.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QPushButton>
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
