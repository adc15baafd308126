#include "notestabfixture.h"
#include "platform/testing/recordingprinter.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>

using namespace notes::ui;

QString NotesTabFixture::titleBar() const
{
    return child<QLabel>("Panel_nomeCompleto")->text();
}

namespace {

void trigger(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable(text));
}

void select(QPlainTextEdit* editor, int from, int to)
{
    QTextCursor cursor(editor->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
    QTest::mouseRelease(editor->viewport(), Qt::LeftButton);
}

QString settingsColumn(store::Database& db, const char* column)
{
    store::Query q(db);
    q.setSql({QStringLiteral("SELECT * FROM CRset63")});
    q.open();
    return q.fieldByName(QLatin1String(column)).asString();
}

} // namespace

class TestNoteEditor final : public QObject
{
    Q_OBJECT
private slots:
    // "Print " is there once a printer is, and prints the note under its
    // title, as the text stands in the editor.
    void printTheNote()
    {
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("Shopping"), QStringLiteral("Milk\r\nBread\r\n"),
                         QString());
        f.make();
        QVERIFY(!f.button("SpeedButtonPrintNote")->isEnabled());
        platform::RecordingPrinter printer;
        f.tab->setPrinter(&printer);
        QVERIFY(f.button("SpeedButtonPrintNote")->isEnabled());
        f.button("SpeedButtonPrintNote")->click();
        QCOMPARE(printer.jobs.size(), 1);
        QCOMPARE(printer.jobs.first().documentName, QStringLiteral("Shopping"));
        QVERIFY(!printer.jobs.first().preview);
        QCOMPARE(printer.jobs.first().pages, 1);
    }

    // The find window starts at the cursor, so a match at the very first
    // character is found; then the next one; then it says so, and never
    // wraps around.
    void findFromTheStart()
    {
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("N"), QStringLiteral("Abc abc\r\n"), QString());
        f.make();
        f.editor()->moveCursor(QTextCursor::Start);
        f.button("SpeedButtonFind")->click();
        auto* window = f.tab->findChild<QWidget*>(QStringLiteral("FindDialog_Note"));
        QVERIFY(window && window->isVisible());
        QVERIFY(window->isWindow());
        QVERIFY(!window->isModal());
        auto* text = window->findChild<QLineEdit*>(QStringLiteral("Edit_FindText"));
        auto* next = window->findChild<QPushButton*>(QStringLiteral("Button_FindNext"));
        QTest::keyClicks(text, QStringLiteral("aBC"));
        next->click();
        QCOMPARE(f.editor()->textCursor().selectionStart(), 0);
        QCOMPARE(f.editor()->textCursor().selectedText(), QStringLiteral("Abc"));
        next->click();
        QCOMPARE(f.editor()->textCursor().selectionStart(), 4);
        QVERIFY(f.prompter.shown.isEmpty());
        next->click();
        QCOMPARE(f.prompter.shownTexts(),
                 QStringList{QStringLiteral("I ended up finding \"aBC\"")});
        QCOMPARE(f.editor()->textCursor().selectionStart(), 4);
    }

    void stats()
    {
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("N"), QStringLiteral("ab\r\nc"), QString());
        f.make();
        auto* menu = f.tab->findChild<QMenu*>(QStringLiteral("PopupMenu_Stats"));
        trigger(menu, QStringLiteral("Fast stats"));
        trigger(menu, QStringLiteral("Advanced stats"));
        QCOMPARE(f.prompter.shownTexts(),
                 (QStringList{QStringLiteral("Lines: 2\r\nCharacters (including spaces): 7"),
                              QStringLiteral("== Statistics of the document ==\r\n\r\nRighe: 2"
                                             "\r\n\r\nCaratteri (spazi inclusi): 3\r\n\r\n"
                                             "Parole: 2\n")}));
    }

    void advancedStatsAsksForLongTexts()
    {
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("N"), QStringLiteral("w\r\n").repeated(301), QString());
        f.make();
        trigger(f.tab->findChild<QMenu*>(QStringLiteral("PopupMenu_Stats")),
                QStringLiteral("Advanced stats"));
        QCOMPARE(f.prompter.shown.size(), 1); // the question, answered No
        QVERIFY(f.prompter.shown[0].text.startsWith(QStringLiteral("Apply advanced")));
    }

    void insertDateTime()
    {
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("N"), QStringLiteral("line"), QString());
        f.make();
        f.button("SpeedButtonAggData")->click();
        const QString stamp =
            store::Settings::formatDateTime(f.clock.now(), f.settings.dataShot()) +
            QStringLiteral(" - 08.05.03");
        QCOMPARE(f.editor()->toPlainText(), QStringLiteral("line\n") + stamp);
        QVERIFY(f.updateEnabled());
        QVERIFY(!f.button("SpeedButtonRestoreNote")->isEnabled());
    }

    void undoRedoToggle()
    {
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("N"), QStringLiteral("a"), QString());
        f.make();
        f.editor()->moveCursor(QTextCursor::End);
        QTest::keyClicks(f.editor(), QStringLiteral("b"));
        f.editor()->moveCursor(QTextCursor::Start);
        QTest::keyClicks(f.editor(), QStringLiteral("z"));
        QToolButton* undo = f.button("SpeedButtonRestoreNote");
        undo->click();
        QCOMPARE(f.editor()->toPlainText(), QStringLiteral("ab"));
        undo->click();
        QCOMPARE(f.editor()->toPlainText(), QStringLiteral("zab"));
        undo->click();
        QCOMPARE(f.editor()->toPlainText(), QStringLiteral("ab"));
        // Back at the stored text there is nothing left to save or undo.
        undo->click();
        QCOMPARE(f.editor()->toPlainText(), QStringLiteral("zab"));
        f.editor()->undo();
        f.editor()->undo();
        QCOMPARE(f.editor()->toPlainText(), QStringLiteral("a"));
        QVERIFY(!undo->isEnabled());
        QVERIFY(!f.updateEnabled());
    }

    void exportFile()
    {
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("Letter"), QStringLiteral("caf\u00e9\r\nend"), QString());
        f.make();
        const QString path = f.archive.folder.filePath(QStringLiteral("letter"));
        f.prompter.files.enqueue(path);
        f.button("SpeedButtonSaveAs")->click();
        QFile written(path + QStringLiteral(".txt"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("caf\xc3\xa9\r\nend\r\n"));
        written.close();

        // An existing file is replaced only on "Yes".
        f.editor()->setPlainText(QStringLiteral("other"));
        f.prompter.files.enqueue(path + QStringLiteral(".txt"));
        f.button("SpeedButtonSaveAs")->click();
        QCOMPARE(f.prompter.shownTexts(), QStringList{QStringLiteral("Overwrite \"letter.txt\"?")});
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("caf\xc3\xa9\r\nend\r\n"));
    }

    void importFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("note"); // empty: refused
        QTest::newRow("UTF-8") << QByteArray("\xc3\xa8 s\xc3\xac\n") << "\u00e8 s\u00ec\r\n";
        QTest::newRow("Windows-1252") << QByteArray("\xe8 s\xec\r\n\x1a") << "\u00e8 s\u00ec\r\n";
        QTest::newRow("zero byte") << QByteArray("a\0b", 3) << "";
    }
    void importFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, note);
        NotesTabFixture f;
        f.make();
        const QString path = f.archive.folder.filePath(QStringLiteral("memo.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        f.prompter.files.enqueue(path);
        f.button("SpeedButtonImportText")->click();
        if (note.isEmpty()) {
            QCOMPARE(f.prompter.shownTexts(),
                     QStringList{QStringLiteral(
                         "Spiacente, posso importare soltanto i file di tipo ascii!")});
            QVERIFY(f.titles().isEmpty());
        } else {
            QCOMPARE(f.titles(), QStringList{QStringLiteral("memo.txt")});
            QCOMPARE(f.stored(QStringLiteral("memo.txt")), note);
            QCOMPARE(f.listed(), QStringList{QStringLiteral("memo.txt")});
        }
    }

    void breakLinesAndFormatBarAreStored()
    {
        NotesTabFixture f;
        f.make();
        QToolButton* wrap = f.button("SpeedButton_Breakline");
        QVERIFY(wrap->isChecked());
        wrap->click();
        QCOMPARE(settingsColumn(f.archive.db, "breakline"), QStringLiteral("N"));
        QCOMPARE(f.editor()->lineWrapMode(), QPlainTextEdit::NoWrap);

        auto* bar = f.child<QWidget>("Panel_Format");
        QVERIFY(!bar->isVisible());
        f.button("SpeedButton_Formatbar")->click();
        QCOMPARE(settingsColumn(f.archive.db, "formatbar"), QStringLiteral("Y"));
        QVERIFY(bar->isVisible());

        QToolButton* save = f.button("SpeedButton_Aggiorna_Editor_Setup");
        QVERIFY(!save->isEnabled());
        f.child<QSpinBox>("SpinEdit_Size")->setValue(14);
        QCOMPARE(f.editor()->font().pointSize(), 14);
        f.prompter.colours.enqueue(0x112233);
        f.button("Panel_Editor_Color")->click();
        QCOMPARE(f.editor()->palette().color(QPalette::Base), QColor(0x11, 0x22, 0x33));
        auto* charsets = f.tab->findChild<QMenu*>(QStringLiteral("PopupMenu_CharSet"));
        trigger(charsets, QStringLiteral("Cyrillic"));
        QVERIFY(save->isEnabled());
        save->click();
        QVERIFY(!save->isEnabled());
        QCOMPARE(settingsColumn(f.archive.db, "fontsize"), QStringLiteral("14"));
        QCOMPARE(settingsColumn(f.archive.db, "charset"), QStringLiteral("204"));
        QCOMPARE(settingsColumn(f.archive.db, "backcolor"), QStringLiteral("$00332211"));
        QCOMPARE(f.tab->editor()->charset(), 204);
    }

    void hideAndShowListKeepsWidth()
    {
        NotesTabFixture f;
        f.make();
        auto* splitter = f.child<QSplitter>("Splitter_Note");
        splitter->setSizes({260, 600});
        emit splitter->splitterMoved(260, 1);
        const int width = splitter->sizes()[0];
        QToolButton* toggle = f.button("SpeedButtonOpen");
        toggle->click();
        QVERIFY(toggle->isChecked());
        QCOMPARE(splitter->sizes()[0], 0);
        toggle->click();
        QCOMPARE(splitter->sizes()[0], width);
    }

    void openSelection()
    {
        NotesTabFixture f;
        f.archive.addRaw(QStringLiteral("N"), QStringLiteral("see www.example.com or Del"),
                         QString());
        f.make();
        QToolButton* open = f.button("SpeedButtonRocket_Note");
        QVERIFY(!open->isEnabled());
        select(f.editor(), 4, 19);
        QVERIFY(open->isEnabled());
        QCOMPARE(open->toolTip(), QStringLiteral("www.example.com"));
        open->click();
        QCOMPARE(f.desktop.opened, QStringList{QStringLiteral("http://www.example.com")});

        select(f.editor(), 23, 26);
        QVERIFY(!open->isEnabled());
        QCOMPARE(open->toolTip(), QStringLiteral("Open selected e-mail/URL"));

        // With the automatic toggle down, an openable selection opens at once.
        f.button("SpeedButtonStop_Note")->click();
        select(f.editor(), 4, 19);
        QCOMPARE(f.desktop.opened.size(), 2);
        QVERIFY(!f.button("SpeedButton_CharMap")->isEnabled());
        QVERIFY(!f.button("SpeedButton_Calc")->isEnabled());
    }
};

QTEST_MAIN(TestNoteEditor)
#include "tst_noteeditor.moc"
