#include "calendar/ui/lists/tarcshotform.h"
#include "listfixture.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using calendar::ui::TArcShotForm;

namespace {

struct Counters
{
    QString inUse, deposited, total;
    bool deposit, take, takeAll;
};

Counters read(const TArcShotForm& form)
{
    const auto label = [&form](const char* name) {
        return ListFixture::find<QLabel>(form, name)->text();
    };
    const auto enabled = [&form](const char* name) {
        return ListFixture::find<QPushButton>(form, name)->isEnabled();
    };
    return {label("Label_giornalieri"), label("Label_Archiviati"), label("Label_Totale"),
            enabled("ButtonDeposit"), enabled("ButtonTake"), enabled("ButtonTakeAll")};
}

void pick(TArcShotForm& form, const QDate& from, const QDate& to)
{
    ListFixture::find<QDateEdit>(form, "DateTimePicker1")->setDate(from);
    ListFixture::find<QDateEdit>(form, "DateTimePicker2")->setDate(to);
}

} // namespace

class TestTArcShotForm final : public QObject
{
    Q_OBJECT
private slots:
    void periodStartsFromTheEarliestTaskOrTheFilter()
    {
        ListFixture f;
        TArcShotForm empty(f.archive.db, f.settings, f.services, f.state, std::nullopt);
        QCOMPARE(empty.period().first, ListFixture::day());
        QCOMPARE(empty.period().last, ListFixture::day());
        const Counters none = read(empty);
        QCOMPARE(none.total, QString("Totale: 0"));
        QVERIFY(!none.deposit && !none.take && !none.takeAll);

        f.add("O", QDate(2024, 2, 3), "Old");
        TArcShotForm earliest(f.archive.db, f.settings, f.services, f.state, std::nullopt);
        QCOMPARE(earliest.period().first, QDate(2024, 2, 3));
        QCOMPARE(earliest.period().last, ListFixture::day());

        const auto filter = calendar::Period::between(QDate(2025, 1, 1), QDate(2025, 6, 30));
        TArcShotForm filtered(f.archive.db, f.settings, f.services, f.state, filter);
        QCOMPARE(filtered.period().first, QDate(2025, 1, 1));
        QCOMPARE(filtered.period().last, QDate(2025, 6, 30));
    }

    void depositAndTakeBack_data()
    {
        QTest::addColumn<bool>("toBeforeFrom");
        QTest::newRow("From before To") << false;
        QTest::newRow("To before From") << true;
    }
    void depositAndTakeBack()
    {
        QFETCH(bool, toBeforeFrom);
        ListFixture f;
        f.add("O", QDate(2026, 3, 31), "Before");
        const qint64 first = f.add("O", QDate(2026, 4, 1), "First day");
        f.archive.writer().setDone(first, {QDate(2026, 4, 1), calendar::Yes});
        f.add("O", QDate(2026, 4, 30), "Last day");
        f.add("O", QDate(2026, 5, 1), "After");
        f.add("W", QDate(2026, 4, 15), "Weekly, never moved");
        auto oneShot = f.tab(QChar('O'));

        TArcShotForm form(f.archive.db, f.settings, f.services, f.state, std::nullopt);
        QSignalSpy changed(&form, &TArcShotForm::tasksChanged);
        // Whoever opened the dialog searches the One Shot list again.
        connect(&form, &TArcShotForm::tasksChanged, oneShot.get(), &calendar::ui::TaskListTab::refreshList);
        QCOMPARE(read(form).inUse, QString("4"));

        const QDate a(2026, 4, 1), b(2026, 4, 30);
        toBeforeFrom ? pick(form, b, a) : pick(form, a, b);
        ListFixture::find<QPushButton>(form, "ButtonDeposit")->click();
        QCOMPARE(changed.size(), 1);
        Counters c = read(form);
        QCOMPARE(c.inUse, QString("2"));
        QCOMPARE(c.deposited, QString("2"));
        QCOMPARE(c.total, QString("Totale: 4"));
        QVERIFY(c.take && c.takeAll && c.deposit);
        QCOMPARE(ListFixture::listed(*oneShot), (QStringList{"After", "Before"}));

        ListFixture::find<QPushButton>(form, "ButtonTake")->click();
        c = read(form);
        QCOMPARE(c.inUse, QString("4"));
        QCOMPARE(c.deposited, QString("0"));
        QVERIFY(!c.take && !c.takeAll);
        QCOMPARE(ListFixture::listed(*oneShot).size(), 4);
        auto back = f.archive.row(first);
        QCOMPARE(back->fieldByName("flagfatto").asString(), QString("Y"));
        QCOMPARE(back->fieldByName("fatto").asDate(), QDate(2026, 4, 1));
    }

    void takeAllAndEmptyPeriods()
    {
        ListFixture f;
        f.add("O", QDate(2026, 1, 10), "January");
        f.add("O", QDate(2026, 2, 10), "February");
        TArcShotForm form(f.archive.db, f.settings, f.services, f.state, std::nullopt);

        pick(form, QDate(2025, 1, 1), QDate(2025, 12, 31));
        ListFixture::find<QPushButton>(form, "ButtonDeposit")->click();
        QCOMPARE(read(form).inUse, QString("2"));
        QCOMPARE(read(form).deposited, QString("0"));

        pick(form, QDate(2026, 1, 1), QDate(2026, 2, 28));
        ListFixture::find<QPushButton>(form, "ButtonDeposit")->click();
        Counters c = read(form);
        QCOMPARE(c.inUse, QString("0"));
        QVERIFY(!c.deposit);

        // Taking a period that holds none of them leaves them deposited.
        pick(form, QDate(2026, 3, 1), QDate(2026, 3, 31));
        ListFixture::find<QPushButton>(form, "ButtonTake")->click();
        QCOMPARE(read(form).deposited, QString("2"));

        ListFixture::find<QPushButton>(form, "ButtonTakeAll")->click();
        c = read(form);
        QCOMPARE(c.inUse, QString("2"));
        QCOMPARE(c.deposited, QString("0"));
        QCOMPARE(c.total, QString("Totale: 2"));
    }

    void hintAndClose()
    {
        ListFixture f;
        TArcShotForm form(f.archive.db, f.settings, f.services, f.state, std::nullopt);
        ListFixture::find<QPushButton>(form, "ButtonSuggerimento")->click();
        QCOMPARE(f.prompter.shownTexts(),
                 QStringList{"This module allows to speed up the program by storing some one "
                             "shot commitments."});
        form.show();
        QTest::keyClick(&form, Qt::Key_Return);
        QVERIFY(!form.isVisible());
    }

    // The window manager is not left to place the frameless dialog: where it
    // does, Qt may never learn the position and the pickers' calendars open as
    // if the dialog stood at the screen's corner. The dialog is placed over
    // the window that opens it, on the screen, and each calendar opens just
    // below its picker.
    void placedOverItsOpenerAndPickersOpenBelowTheirField_data()
    {
        QTest::addColumn<QPoint>("openerAt");
        QTest::addColumn<int>("scaleIndex");
        QTest::newRow("opener moved") << QPoint(420, 230) << 0;
        QTest::newRow("opener past the screen's corner") << QPoint(99999, 99999) << 0;
        QTest::newRow("scaled to 150") << QPoint(300, 150) << 5;
    }
    void placedOverItsOpenerAndPickersOpenBelowTheirField()
    {
        QFETCH(QPoint, openerAt);
        QFETCH(int, scaleIndex);
        ListFixture f;
        f.settings.writeScaleIndex(scaleIndex);
        QWidget opener(nullptr, Qt::FramelessWindowHint);
        opener.resize(500, 400);
        const QRect area = opener.screen()->availableGeometry();
        opener.move(std::min(openerAt.x(), area.right() - 250),
                    std::min(openerAt.y(), area.bottom() - 200));
        opener.show();
        QVERIFY(QTest::qWaitForWindowExposed(&opener));

        TArcShotForm form(f.archive.db, f.settings, f.services, f.state, std::nullopt, &opener);
        // Placed before it is shown, at the size it will be shown at.
        const QRect before = form.geometry();
        QVERIFY(area.contains(before));
        QRect centred(QPoint(), before.size());
        centred.moveCenter(opener.frameGeometry().center());
        if (area.contains(centred))
            QCOMPARE(before, centred);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.geometry(), before);

        for (const char* name : {"DateTimePicker1", "DateTimePicker2"}) {
            auto* picker = ListFixture::find<QDateEdit>(form, name);
            QTest::mouseClick(picker, Qt::LeftButton, {},
                              QPoint(picker->width() - 4, picker->height() / 2));
            QWidget* popup = picker->calendarWidget()->window();
            QVERIFY(QTest::qWaitForWindowExposed(popup));
            const QRect field(picker->mapToGlobal(QPoint(0, 0)), picker->size());
            const QRect shown = popup->geometry();
            // Right below the field, or right above it where the screen ends first;
            // Qt shifts it sideways only to keep it on the screen.
            QVERIFY2(std::abs(shown.top() - field.bottom()) <= 4 ||
                         std::abs(shown.bottom() - field.top()) <= 4,
                     name);
            QVERIFY2(shown.left() <= field.right() && shown.right() >= field.left(), name);
            QCOMPARE(field.topLeft(),
                     form.geometry().topLeft() + picker->mapTo(&form, QPoint(0, 0)));
            popup->hide();
        }
    }
};

QTEST_MAIN(TestTArcShotForm)
#include "tst_tarcshotform.moc"
