// The lock over the real window: it covers the sections at every appearance
// and on "Lock", it opens on the stored password the moment it is typed,
// it offers read-only access when asked to, and while it is up nothing of
// the sections can be reached by keys, focus or accessibility.
#include "app/lock/passwordhash.h"
#include "app/mainwindow.h"
#include "app/reminderparts.h"
#include "app/ui/lockpanel.h"
#include "mainwindowrig.h"
#include "reminders/lookahead.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>

using app::TMainForm;

namespace {

QString lockedRow(const QString& psw, bool readOffered = false)
{
    return QStringLiteral("minimized = \"N\", blocco = \"Y\", psw = \"") + psw +
           QStringLiteral("\", solalettura = ") +
           (readOffered ? QStringLiteral("true") : QStringLiteral("false"));
}

bool inside(const QObject* object, const QWidget* ancestor)
{
    for (; object; object = object->parent())
        if (object == ancestor)
            return true;
    return false;
}

} // namespace

class TestWindowLock final : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowRig> r;

    QString stored(const QString& column)
    {
        store::Query q(r->db);
        q.setSql({QStringLiteral("SELECT * FROM CRset63")});
        q.open();
        return q.fieldByName(column).asString();
    }
    int rows(const char* table)
    {
        store::Query q(r->db);
        q.setSql({QStringLiteral("SELECT * FROM ") + QLatin1String(table)});
        q.open();
        return q.recordCount();
    }
    QWidget* sections(TMainForm& w) { return w.findChild<QWidget*>("PanelSections"); }
    QLineEdit* lockField(TMainForm& w) { return w.lockPanel()->findChild<QLineEdit*>("Edit_PSW"); }
    static bool covered(TMainForm& w)
    {
        return w.lockPanel()->isVisible() && !w.pageControl()->isVisible() && w.isLocked();
    }

private slots:
    void init() { r = std::make_unique<MainWindowRig>(); }
    void cleanup() { r.reset(); }

    void lockedAtAppearance_data()
    {
        QTest::addColumn<QString>("stored"); // "hash:" + password, or plain text
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("opens");
        QTest::newRow("right") << "hash:Secret9"
                               << "Secret9" << true;
        QTest::newRow("wrong") << "hash:Secret9"
                               << "Secret8" << false;
        QTest::newRow("other letter case") << "hash:Secret9"
                                           << "sECRET9" << false;
        QTest::newRow("nothing typed") << "hash:Secret9"
                                       << "" << false;
        QTest::newRow("old plain text") << "Secret9"
                                        << "Secret9" << true;
        QTest::newRow("old plain text, wrong") << "Secret9"
                                               << "Secret" << false;
    }
    void lockedAtAppearance()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        const QString psw =
            stored.startsWith("hash:") ? app::lock::hashPassword(stored.mid(5)) : stored;
        TMainForm& w = r->shown(lockedRow(psw));
        QVERIFY(covered(w));
        QLineEdit* field = lockField(w);
        QCOMPARE(field->echoMode(), QLineEdit::Password);
        QCOMPARE(field->maxLength(), 30);
        QTRY_VERIFY(field->hasFocus());
        QVERIFY(!w.lockPanel()->findChild<QPushButton*>("SpeedButton_SolaLettura")->isVisible());

        QTest::keyClicks(field, typed);
        QCOMPARE(covered(w), !opens);
        if (!opens) {
            QCOMPARE(field->text(), typed);
            QCOMPARE(this->stored("psw"), psw);
            return;
        }
        QVERIFY(w.pageControl()->isVisible());
        QVERIFY(!w.lockPanel()->isVisible());
        QCOMPARE(field->text(), QString());
        QVERIFY(!w.isReadOnly());
        // The archive keeps no password in plain text from here on.
        const QString after = this->stored("psw");
        QVERIFY(app::lock::isPasswordHash(after));
        QVERIFY(!after.contains(typed));
        QCOMPARE(app::lock::checkPassword(after, typed), app::lock::PasswordMatch::Yes);
    }

    void withoutLockOnStartupTheWindowOpens()
    {
        TMainForm& w = r->shown("minimized = \"N\", blocco = \"N\", psw = \"" +
                                app::lock::hashPassword("pw") + "\"");
        QVERIFY(!w.isLocked());
        QVERIFY(w.pageControl()->isVisible());
    }

    void keysNeverActBehindTheLock()
    {
        TMainForm& w =
            r->shown(lockedRow(app::lock::hashPassword("pw")), QStringLiteral("Dentist"));
        QVERIFY(covered(w));
        const int tasks = rows("CRarc66");
        QWidget* hidden = sections(w);
        QTRY_VERIFY(lockField(w)->hasFocus());
        // Tab walks only what is in sight: the lock panel and the title bar.
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(!inside(QApplication::focusWidget(), hidden),
                     qPrintable(QApplication::focusWidget()->objectName()));
        }
        // The keys of the lists and dialogs land nowhere behind the panel.
        lockField(w)->setFocus();
        for (const auto& [key, modifiers] :
             std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>>{
                 {Qt::Key_Insert, {}},
                 {Qt::Key_Delete, {}},
                 {Qt::Key_Return, {}},
                 {Qt::Key_F2, {}},
                 {Qt::Key_Space, {}},
                 {Qt::Key_N, Qt::ControlModifier},
                 {Qt::Key_Tab, Qt::ControlModifier},
                 {Qt::Key_PageDown, Qt::ControlModifier}}) {
            QTest::keyClick(&w, key, modifiers);
            QTest::keyClick(lockField(w), key, modifiers);
            QVERIFY(!QApplication::activeModalWidget());
        }
        QVERIFY(covered(w));
        QVERIFY(r->prompter.shown.isEmpty());
        QCOMPARE(rows("CRarc66"), tasks);
        // A key released anywhere on the panel sends the focus back to the field.
        auto* mask = w.lockPanel()->findChild<QCheckBox*>("CheckBoxMaskLock");
        mask->setFocus();
        QTest::keyClick(mask, Qt::Key_Space);
        QTRY_VERIFY(lockField(w)->hasFocus());
        QCOMPARE(lockField(w)->echoMode(), QLineEdit::Normal);

        // Nothing behind the panel is offered to assistive technology.
        QList<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(&w)};
        int seen = 0;
        while (!pending.isEmpty()) {
            QAccessibleInterface* node = pending.takeFirst();
            if (!node || node->state().invisible)
                continue;
            ++seen;
            QVERIFY2(!inside(node->object(), hidden), qPrintable(node->text(QAccessible::Name)));
            for (int i = 0; i < node->childCount(); ++i)
                pending.append(node->child(i));
        }
        QVERIFY(seen > 3);
    }

    void lockFromTheSpecialPanel_data()
    {
        QTest::addColumn<std::optional<QString>>("retyped");
        QTest::addColumn<QString>("opensWith");
        QTest::addColumn<QString>("notWith");
        QTest::newRow("new password confirmed") << std::optional<QString>("new") << "new"
                                                << "old";
        QTest::newRow("new password mistyped") << std::optional<QString>("nex") << "old"
                                               << "new";
    }
    void lockFromTheSpecialPanel()
    {
        QFETCH(std::optional<QString>, retyped);
        QFETCH(QString, opensWith);
        QFETCH(QString, notWith);
        TMainForm& w = r->shown("minimized = \"N\", blocco = \"N\", psw = \"" +
                                app::lock::hashPassword("old") + "\"");
        QVERIFY(!w.isLocked());
        w.pageControl()->setCurrentIndex(TMainForm::Setup);
        w.findChild<QPushButton*>("SpeedButtonSpecial")->click();
        auto* field = w.findChild<QLineEdit*>("Edit_ImpostaPSW");
        QTest::keyClicks(field, "new");
        auto* lock = w.findChild<QPushButton*>("SpeedButton_PSW");
        QVERIFY(lock->isEnabled());
        r->prompter.texts.enqueue(retyped);
        lock->click();
        // The typed password was put to its confirmation before the lock.
        QCOMPARE(r->prompter.shownTexts().value(0), "Retype new password");
        QVERIFY(covered(w));
        QTest::keyClicks(lockField(w), notWith);
        QVERIFY(covered(w));
        lockField(w)->clear();
        QTest::keyClicks(lockField(w), opensWith);
        QVERIFY(!covered(w));
        QCOMPARE(w.pageControl()->currentIndex(), int(TMainForm::Setup));
    }

    void readOnlyAccess_data()
    {
        QTest::addColumn<bool>("offered");
        QTest::newRow("offered") << true;
        QTest::newRow("not offered") << false;
    }
    void readOnlyAccess()
    {
        QFETCH(bool, offered);
        TMainForm& w = r->shown(lockedRow(app::lock::hashPassword("pw"), offered));
        auto* readOnly = w.lockPanel()->findChild<QPushButton*>("SpeedButton_SolaLettura");
        QCOMPARE(readOnly->isVisible(), offered);
        QCOMPARE(readOnly->toolTip(), "Access in read-only mode");
        if (!offered)
            return;
        readOnly->click();
        QVERIFY(!covered(w));
        QVERIFY(w.isReadOnly());
        QVERIFY(w.pageControl()->isVisible());
        QVERIFY(!w.pageControl()->isTabVisible(TMainForm::Setup));
        QVERIFY(w.pageControl()->currentIndex() != TMainForm::Setup);

        // Only a new lock and the password end it.
        w.findChild<QToolButton*>("SpeedButtonIconize")->click();
        QVERIFY(w.isLocked());
        w.trayClick();
        QTRY_VERIFY(w.isVisible());
        QVERIFY(covered(w));
        QTest::keyClicks(lockField(w), "pw");
        QVERIFY(!covered(w));
        QVERIFY(!w.isReadOnly());
        QVERIFY(w.pageControl()->isTabVisible(TMainForm::Setup));
    }

    // Read-only access cannot switch the time alarm off: ending asks nothing.
    void readOnlyEndsWithoutTheAlarmQuestion_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read-only") << true;
        QTest::newRow("unlocked") << false;
    }
    void readOnlyEndsWithoutTheAlarmQuestion()
    {
        QFETCH(bool, readOnly);
        TMainForm& w =
            r->shown(lockedRow(app::lock::hashPassword("pw"), true) + ", timecheck = \"Y\"");
        if (readOnly)
            w.lockPanel()->findChild<QPushButton*>("SpeedButton_SolaLettura")->click();
        else
            QTest::keyClicks(lockField(w), "pw");
        QSignalSpy quit(&w, &TMainForm::quitRequested);
        w.findChild<QToolButton*>("SpeedButtonEXIT")->click(); // "No" to any question
        QCOMPARE(quit.count(), readOnly ? 1 : 0);
        QCOMPARE(r->prompter.shown.size(), readOnly ? 0 : 1);
    }

    // An automatic look-ahead only says that something is coming while the
    // window is locked; the unlock brings the listing it held back.
    void lookAheadListsAfterTheUnlock()
    {
        r->preset({"UPDATE CRset63 SET " + lockedRow(app::lock::hashPassword("pw")) +
                   ", futuro_flag = true, futuro_days = 5"});
        r->db.open(r->dir.filePath("myarcs/coarc.abs"));
        {
            store::Query q(r->db);
            q.setSql({"INSERT INTO CRarc66 (id, flag, datefull, orario, sospeso, flagscad, "
                      "flagfatto, fatto, anticipa) values (\"Exam\", \"O\", :d, \"10:00\", "
                      "\"N\", \"N\", \"N\", :never, \"Y\")"});
            q.setDate("d", r->clock.today().addDays(2));
            q.setDate("never", r->clock.today().addDays(-150000));
            q.execSql();
        }
        r->db.close();
        TMainForm& w = r->make();
        QVERIFY(!w.formCreate({}));
        const auto shownTexts = [] {
            QStringList texts;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->isVisible())
                    for (QLabel* label : top->findChildren<QLabel*>())
                        texts << label->text();
            return texts.join(u'\n');
        };
        QTRY_VERIFY(shownTexts().contains("Important task incoming!"));
        QVERIFY(!shownTexts().contains("Exam"));
        QVERIFY(w.reminders()->lookAhead().pendingAfterUnlock());
        QTest::keyClicks(lockField(w), "pw");
        QVERIFY(!covered(w));
        QTRY_VERIFY(shownTexts().contains("Exam"));
        QVERIFY(shownTexts().contains("I inform you that left 2 days"));
        QVERIFY(!w.reminders()->lookAhead().pendingAfterUnlock());
    }

    void everyAppearanceLocks()
    {
        TMainForm& w = r->shown(lockedRow(app::lock::hashPassword("pw")));
        QTest::keyClicks(lockField(w), "pw");
        QVERIFY(!covered(w));
        w.hide();
        w.trayClick();
        QTRY_VERIFY(w.isVisible());
        QVERIFY(covered(w));
        QCOMPARE(w.focusWidget(), lockField(w));
    }
};

QTEST_MAIN(TestWindowLock)
#include "tst_windowlock.moc"
