#include "calendar/ui/sidecalendar/sidepanel.h"
#include "mainwindowrig.h"
#include "notes/ui/notestab.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

using app::TMainForm;

// The points of the window's life that would drop an edited note: the exit,
// "Refresh all" and a change of archive each settle it first.
class TestNotesWiring final : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindowRig> m_rig;

    TMainForm& windowWithEditedNote()
    {
        m_rig = std::make_unique<MainWindowRig>();
        m_rig->preset({QStringLiteral("UPDATE CRset63 SET minimized = \"N\", timecheck = \"N\""),
                       QStringLiteral("INSERT INTO CRnot80 (id,note,gruppo) values "
                                      "(\"Diary\", \"day one\r\n\", \"\")")});
        TMainForm& w = m_rig->make();
        [&] { QVERIFY(!w.formCreate({})); }();
        [&] { QTRY_VERIFY(w.isVisible()); }();
        auto* editor = w.notesTab()->findChild<QPlainTextEdit*>(QStringLiteral("Editor"));
        [&] { QVERIFY(editor && editor->isEnabled()); }();
        editor->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor, QStringLiteral("day two"));
        [&] { QVERIFY(w.notesTab()->hasPendingChanges()); }();
        return w;
    }

    QString stored()
    {
        store::Query q(m_rig->db);
        q.setSql({QStringLiteral("SELECT * FROM CRnot80")});
        q.open();
        return q.fieldByName(QStringLiteral("note")).asString();
    }

private slots:
    void cleanup() { m_rig.reset(); }

    void answers_data()
    {
        QTest::addColumn<QString>("when");
        QTest::addColumn<bool>("yes");
        for (const char* when : {"exit", "refresh all", "archive change"}) {
            QTest::newRow(qPrintable(QLatin1String(when) + QStringLiteral(", Yes")))
                << QString::fromLatin1(when) << true;
            QTest::newRow(qPrintable(QLatin1String(when) + QStringLiteral(", No")))
                << QString::fromLatin1(when) << false;
        }
    }
    void answers()
    {
        QFETCH(QString, when);
        QFETCH(bool, yes);
        TMainForm& w = windowWithEditedNote();
        w.pageControl()->setCurrentIndex(TMainForm::Today);
        QSignalSpy quit(&w, &TMainForm::quitRequested);
        m_rig->prompter.answers.enqueue(yes);
        QString question = QStringLiteral("Not so fast! Update the file \"Diary\"?");
        if (when == QLatin1String("exit")) {
            w.speedButtonEXITClick();
            question = QStringLiteral("Update the file: \"Diary\" before saying hello?");
            QCOMPARE(w.pageControl()->currentIndex(), int(TMainForm::Notes));
            QCOMPARE(quit.size(), 1);
        } else if (when == QLatin1String("refresh all")) {
            w.speedButtonAggiornaTuttoClick();
        } else {
            auto* change = w.findChild<QPushButton*>(QStringLiteral("SpeedButton_unico"));
            QVERIFY(change);
            change->click();
            QCOMPARE(quit.size(), 0); // no folder chosen
        }
        QCOMPARE(m_rig->prompter.shownTexts().value(0), question);
        QCOMPARE(stored(),
                 yes ? QStringLiteral("day one\r\nday two") : QStringLiteral("day one\r\n"));
        if (when == QLatin1String("refresh all"))
            QVERIFY(!w.notesTab()->hasPendingChanges());
    }

    void noQuestionWithoutEdit()
    {
        m_rig = std::make_unique<MainWindowRig>();
        TMainForm& w = m_rig->shown(QStringLiteral("minimized = \"N\", timecheck = \"N\""));
        QSignalSpy quit(&w, &TMainForm::quitRequested);
        w.speedButtonAggiornaTuttoClick();
        w.speedButtonEXITClick();
        QVERIFY(m_rig->prompter.shown.isEmpty());
        QCOMPARE(quit.size(), 1);
    }

    // The side panel counts the notes as the tab lists them.
    void counterShowsTheNotes()
    {
        TMainForm& w = windowWithEditedNote();
        auto* counter = w.sidePanel()->findChild<QLabel*>(QStringLiteral("Label_Conteggio_Note"));
        QVERIFY(counter);
        QCOMPARE(counter->text(), QStringLiteral("Note: 1"));
        m_rig->prompter.answers.enqueue(false);
        w.notesTab()->duplicateNote();
        QCOMPARE(counter->text(), QStringLiteral("Note: 2"));
    }

    // The format bar shows the stored appearance at start: nothing to save.
    void formatBarStartsSaved()
    {
        m_rig = std::make_unique<MainWindowRig>();
        TMainForm& w = m_rig->shown(QStringLiteral("minimized = \"N\", formatbar = \"Y\""));
        w.pageControl()->setCurrentIndex(TMainForm::Notes);
        auto* save = w.notesTab()->findChild<QToolButton*>(
            QStringLiteral("SpeedButton_Aggiorna_Editor_Setup"));
        QVERIFY(save);
        QVERIFY(save->isVisible());
        QVERIFY(!save->isEnabled());
    }
};

QTEST_MAIN(TestNotesWiring)
#include "tst_noteswiring.moc"
