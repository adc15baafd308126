#include "notestabfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

using namespace notes::ui;

QString NotesTabFixture::titleBar() const
{
    return child<QLabel>("Panel_nomeCompleto")->text();
}

class TestNotesTab final : public QObject
{
    Q_OBJECT
private slots:
    // Notes come from the archive with CRLF; the editor holds line feeds.
    // A note just loaded is not an edit, and typing back what was there
    // leaves nothing to save.
    void loadedNoteIsNotAnEdit()
    {
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("Crlf"), QStringLiteral("one\r\ntwo\r\n"), QString());
        f.make();
        QCOMPARE(f.editor()->toPlainText(), QStringLiteral("one\ntwo\n"));
        QVERIFY(!f.updateEnabled());
        QVERIFY(!f.button("SpeedButtonRestoreNote")->isEnabled());
        QCOMPARE(f.titleBar(), QStringLiteral(" Crlf"));

        f.editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(f.editor(), QStringLiteral("x"));
        QVERIFY(f.updateEnabled());
        QVERIFY(f.button("SpeedButtonRestoreNote")->isEnabled());
        QTest::keyClick(f.editor(), Qt::Key_Backspace);
        QVERIFY(!f.updateEnabled());

        // Saving writes CRLF back, and the saved note is again unchanged.
        QTest::keyClicks(f.editor(), QStringLiteral("three"));
        f.button("SpeedButtonUpdate")->click();
        QCOMPARE(f.stored(QStringLiteral("Crlf")), QStringLiteral("one\r\ntwo\r\nthree"));
        QVERIFY(!f.updateEnabled());
        QVERIFY(f.prompter.shown.isEmpty());
    }

    // Every way of leaving an edited note asks first; "Yes" saves the edit
    // into the note it was made in, "No" lets it go. A keyboard move used to
    // reload the editor without asking.
    void pendingEditOnMove_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("yes");
        for (const char* how : {"key", "click", "search", "order", "group", "new", "duplicate"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, Yes").arg(QLatin1String(how))))
                << QString::fromLatin1(how) << true;
            QTest::newRow(qPrintable(QStringLiteral("%1, No").arg(QLatin1String(how))))
                << QString::fromLatin1(how) << false;
        }
    }
    void pendingEditOnMove()
    {
        QFETCH(QString, how);
        QFETCH(bool, yes);
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("Alpha"), QStringLiteral("first\r\n"), QString());
        f.archive.addRaw(QStringLiteral("Beta"), QStringLiteral("second\r\n"), QString());
        NotesTab& tab = f.make();
        QCOMPARE(tab.selectedRow(), 0);
        f.editor()->setFocus();
        f.editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(f.editor(), QStringLiteral("added"));
        QVERIFY(f.updateEnabled());
        f.prompter.answers.enqueue(yes);

        if (how == QLatin1String("key")) {
            f.grid()->setFocus(Qt::ActiveWindowFocusReason);
            QTest::keyClick(f.grid(), Qt::Key_Down);
        } else if (how == QLatin1String("click")) {
            const QRect row = f.grid()->visualRect(f.grid()->model()->index(1, 0));
            QTest::mouseClick(f.grid()->viewport(), Qt::LeftButton, {}, row.center());
        } else if (how == QLatin1String("search")) {
            QTest::keyClicks(f.child<QLineEdit>("Edit_Filtrafile"), QStringLiteral("e"));
        } else if (how == QLatin1String("order")) {
            f.button("SpeedButtonOrderNote")->click();
            f.tab->findChild<QMenu*>(QStringLiteral("PopupMenu_OrderNote"))->close();
        } else if (how == QLatin1String("new")) {
            // The question comes before the dialog, which is closed unused.
            QTimer::singleShot(0, [] {
                if (QWidget* dialog = QApplication::activeModalWidget())
                    dialog->close();
            });
            f.button("SpeedButton_NuovaNota")->click();
        } else if (how == QLatin1String("duplicate")) {
            f.button("SpeedButtonDupliNote")->click();
        } else {
            QTest::keyClicks(f.child<QComboBox>("ComboBox_Note_Group")->lineEdit(),
                             QStringLiteral("[ VUOTO ]"));
        }

        QCOMPARE(f.prompter.shownTexts(),
                 QStringList{QStringLiteral("Not so fast! Update the file \"Alpha\"?")});
        QCOMPARE(f.stored(QStringLiteral("Alpha")),
                 yes ? QStringLiteral("first\r\nadded") : QStringLiteral("first\r\n"));
        QCOMPARE(f.stored(QStringLiteral("Beta")), QStringLiteral("second\r\n"));
        if (how == QLatin1String("key") || how == QLatin1String("click")) {
            QCOMPARE(tab.selectedRow(), 1);
            QCOMPARE(f.editor()->toPlainText(), QStringLiteral("second\n"));
            QCOMPARE(f.titleBar(), QStringLiteral(" Beta"));
        }
        QVERIFY(!f.updateEnabled());
    }

    void searchAndGroupFilter()
    {
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("Say \"hi\""), QStringLiteral("a"), QStringLiteral(""));
        f.archive.addRaw(QStringLiteral("Plain"), QStringLiteral("b"), QStringLiteral("Work"));
        f.archive.addRaw(QStringLiteral("Nothing"), QStringLiteral("c"), QVariant());
        f.make();
        auto* search = f.child<QLineEdit>("Edit_Filtrafile");
        QTest::keyClicks(search, QStringLiteral("\"hi\""));
        QCOMPARE(f.listed(), QStringList{QStringLiteral("Say \"hi\"")});
        QVERIFY(f.button("SpeedButtonClearRicercaNote")->isEnabled());
        f.button("SpeedButtonClearRicercaNote")->click();
        QCOMPARE(f.listed().size(), 3);
        QVERIFY(!f.button("SpeedButtonClearRicercaNote")->isEnabled());
        QCOMPARE(f.child<QLabel>("Panel_totnote")->text(), QStringLiteral("3   "));

        QTest::keyClicks(f.child<QComboBox>("ComboBox_Note_Group")->lineEdit(),
                         QStringLiteral("[ VUOTO ]"));
        QCOMPARE(f.listed(),
                 (QStringList{QStringLiteral("Nothing"), QStringLiteral("Say \"hi\"")}));
        QCOMPARE(f.child<QLabel>("Panel_totnote")->text(), QStringLiteral("2 / 3   "));
    }

    void orderMenu()
    {
        NotesTabFixture f;
        for (const char* title : {"Melon", "Zebra", "Apple"})
            f.archive.addRaw(QLatin1String(title), QString(), QString());
        f.make();
        QCOMPARE(f.listed(), (QStringList{"Apple", "Melon", "Zebra"}));
        auto* menu = f.tab->findChild<QMenu*>(QStringLiteral("PopupMenu_OrderNote"));
        for (QAction* action : menu->actions()) {
            if (action->text() == QLatin1String("Creation DESC"))
                action->trigger();
        }
        QCOMPARE(f.listed(), (QStringList{"Apple", "Zebra", "Melon"}));
    }

    void deleteOnlyNoteEmptiesEditor()
    {
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("Only"), QStringLiteral("text"), QString());
        f.make();
        f.prompter.answers.enqueue(true);
        f.button("SpeedButtonDelnote")->click();
        QVERIFY(f.prompter.shownTexts().value(0).startsWith(
            QStringLiteral(" Stai per eliminare \"Only\"")));
        QVERIFY(f.titles().isEmpty());
        QVERIFY(!f.editor()->isEnabled());
        QVERIFY(f.editor()->toPlainText().isEmpty());
        QCOMPARE(f.titleBar(), QString());
        for (const char* name :
             {"SpeedButtonDelnote", "SpeedButtonmodNote", "SpeedButtonDupliNote",
              "SpeedButtonOrderNote", "SpeedButtonFind", "SpeedButtonSaveAs", "SpeedButtonAggData",
              "SpeedButtonStat", "SpeedButtonUpdate", "SpeedButtonRestoreNote"})
            QVERIFY2(!f.button(name)->isEnabled(), name);
    }

    void deleteKeepsPosition()
    {
        NotesTabFixture f;
        for (const char* title : {"A", "B", "C", "D"})
            f.archive.addRaw(QLatin1String(title), QString(), QString());
        NotesTab& tab = f.make();
        tab.selectRow(1);
        f.prompter.answers.enqueue(true);
        f.button("SpeedButtonDelnote")->click();
        QCOMPARE(f.titleBar(), QStringLiteral(" C"));
        tab.selectRow(2);
        f.prompter.answers.enqueue(true);
        f.button("SpeedButtonDelnote")->click();
        QCOMPARE(f.listed(), (QStringList{"A", "C"}));
        QCOMPARE(f.titleBar(), QStringLiteral(" C"));
        f.prompter.answers.enqueue(false);
        f.button("SpeedButtonDelnote")->click();
        QCOMPARE(f.listed().size(), 2);
    }

    void duplicateCopiesEverything()
    {
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("Recipe"), QStringLiteral("flour\r\neggs"),
                         QStringLiteral("Home"));
        f.make();
        f.button("SpeedButtonDupliNote")->click();
        QCOMPARE(f.archive.column(QStringLiteral("SELECT * FROM CRnot80")),
                 (QStringList{"Recipe", "Recipe"}));
        QCOMPARE(f.archive.column(QStringLiteral("SELECT * FROM CRnot80"), QStringLiteral("note")),
                 (QStringList{"flour\r\neggs", "flour\r\neggs"}));
        QCOMPARE(
            f.archive.column(QStringLiteral("SELECT * FROM CRnot80"), QStringLiteral("gruppo")),
            (QStringList{"Home", "Home"}));
    }

    void longTitleInTitleBar()
    {
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("abcdefghijklmnopqrstuvwxyz123"), QString(), QString());
        f.make();
        QCOMPARE(f.titleBar(), QStringLiteral("  abcdefghijklmnopqrstuvwxy..."));
    }
};

QTEST_MAIN(TestNotesTab)
#include "tst_notestab.moc"
