#include "notes/ui/notedialog.h"
#include "notestabfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

using namespace notes::ui;

QString NotesTabFixture::titleBar() const
{
    return child<QLabel>("Panel_nomeCompleto")->text();
}

namespace {

// Runs `steps` on the dialog the next modal loop shows.
void whenDialogOpens(std::function<void(NoteDialog&)> steps)
{
    QTimer::singleShot(0, [steps] {
        auto* dialog = qobject_cast<NoteDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QWARN("no note dialog");
            return;
        }
        steps(*dialog);
    });
}

template <typename T> T* in(QWidget& dialog, const char* name)
{
    return dialog.findChild<T*>(QLatin1String(name));
}

} // namespace

class TestNoteDialog final : public QObject
{
    Q_OBJECT
private slots:
    // "Insert" saves and stays open for the next note: the title and text
    // are emptied, the group kept. An empty title gets the moment of saving.
    void newNoteInsertsAndStays()
    {
        NotesTabFixture f;
        f.make();
        QTest::keyClicks(f.child<QComboBox>("ComboBox_Note_Group")->lineEdit(),
                         QStringLiteral("Garden"));
        bool checked = false;
        whenDialogOpens([&](NoteDialog& d) {
            QCOMPARE(d.objectName(), QStringLiteral("TAggNoteForm"));
            QCOMPARE(d.windowTitle(), QStringLiteral("-> New Note"));
            auto* group = in<QComboBox>(d, "ComboBox_Note_Group");
            QCOMPARE(group->currentText(), QStringLiteral("Garden"));
            in<QPlainTextEdit>(d, "editor")->setPlainText(QStringLiteral("dig\nwater"));
            in<QPushButton>(d, "BitBtnInsert")->click();
            QVERIFY(d.isVisible());
            QVERIFY(in<QLineEdit>(d, "Edit_nomefile")->text().isEmpty());
            QVERIFY(in<QPlainTextEdit>(d, "editor")->toPlainText().isEmpty());
            QCOMPARE(group->currentText(), QStringLiteral("Garden"));
            QTest::keyClicks(in<QLineEdit>(d, "Edit_nomefile"), QStringLiteral("roses"));
            // Enter in the title acts as "Insert and close".
            QTest::keyClick(in<QLineEdit>(d, "Edit_nomefile"), Qt::Key_Return);
            QVERIFY(!d.isVisible());
            checked = true;
        });
        f.button("SpeedButton_NuovaNota")->click();
        QVERIFY(checked);
        QCOMPARE(f.titles(), (QStringList{"2026-12-09,08-05-03", "Roses"}));
        QCOMPARE(f.stored(QStringLiteral("2026-12-09,08-05-03")), QStringLiteral("dig\r\nwater"));
        QCOMPARE(f.archive.column(QStringLiteral("SELECT * FROM CRcat80 WHERE sezione = \"N\" AND "
                                                 "id = \"Garden\"")),
                 QStringList{QStringLiteral("Garden")});
        QVERIFY(f.tab->groups()->names().contains(QStringLiteral("Garden")));
        QCOMPARE(f.listed().size(), 2);
    }

    // The Modify dialog shows what the editor shows, unsaved edits included,
    // and saving it leaves nothing pending.
    void modifyTakesTheEditorsText()
    {
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("Old"), QStringLiteral("kept\r\n"), QStringLiteral("Home"));
        f.make();
        f.editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(f.editor(), QStringLiteral("typed"));
        QVERIFY(f.updateEnabled());
        whenDialogOpens([&](NoteDialog& d) {
            QCOMPARE(d.objectName(), QStringLiteral("TModNoteForm"));
            QCOMPARE(in<QPlainTextEdit>(d, "editor")->toPlainText(), QStringLiteral("kept\ntyped"));
            QCOMPARE(in<QComboBox>(d, "ComboBox_Note_Group")->currentText(),
                     QStringLiteral("Home"));
            auto* title = in<QLineEdit>(d, "Edit_nomefile");
            title->setText(QStringLiteral("new name"));
            in<QPushButton>(d, "BitBtnModify")->click();
        });
        f.button("SpeedButtonmodNote")->click();
        QVERIFY(f.prompter.shown.isEmpty());
        QCOMPARE(f.titles(), QStringList{QStringLiteral("New name")});
        QCOMPARE(f.stored(QStringLiteral("New name")), QStringLiteral("kept\r\ntyped"));
        QVERIFY(!f.updateEnabled());
        QCOMPARE(f.titleBar(), QStringLiteral(" New name"));
    }

    void enlargedAreaMirrorsAndEscapeSavesNothing()
    {
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("Note"), QStringLiteral("abc"), QString());
        f.make();
        whenDialogOpens([&](NoteDialog& d) {
            auto* small = in<QPlainTextEdit>(d, "editor");
            auto* large = in<QPlainTextEdit>(d, "editor_grande");
            QTextCursor cursor = small->textCursor();
            cursor.setPosition(1);
            small->setTextCursor(cursor);
            in<QToolButton>(d, "SpeedButtonNoteGrande")->click();
            QVERIFY(large->isVisible());
            QCOMPARE(large->toPlainText(), QStringLiteral("abc"));
            QCOMPARE(large->textCursor().position(), 1);
            large->insertPlainText(QStringLiteral("X"));
            in<QToolButton>(d, "SpeedButtonNoteNormale")->click();
            QCOMPARE(small->toPlainText(), QStringLiteral("aXbc"));
            QCOMPARE(small->textCursor().position(), 2);
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        f.button("SpeedButtonmodNote")->click();
        QCOMPARE(f.stored(QStringLiteral("Note")), QStringLiteral("abc"));
    }
};

QTEST_MAIN(TestNoteDialog)
#include "tst_notedialog.moc"
