#include "dialogfixture.h"

#include <QSignalSpy>
#include <sqlite3.h>

using namespace calendar;
using namespace calendar::ui;

namespace {

void click(QWidget* dialog, const char* button)
{
    QAbstractButton* b = child<QAbstractButton>(dialog, QString::fromLatin1(button));
    QVERIFY2(b->isEnabled(), button);
    QTest::mouseClick(b, Qt::LeftButton);
}

// A second connection to the archive, as another program sharing it has.
struct OtherProgram
{
    sqlite3* db = nullptr;
    explicit OtherProgram(const QString& path)
    {
        sqlite3_open(QFile::encodeName(path).constData(), &db);
    }
    ~OtherProgram() { sqlite3_close(db); }
    void exec(const char* sql)
    {
        char* error = nullptr;
        if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK)
            qFatal("%s", error);
    }
};

} // namespace

// What a task dialog's saves report while another program writes to the same
// archive.
class TestTaskDialogSaves final : public QObject
{
    Q_OBJECT

private slots:
    void newTaskKnowsItsOwnKey()
    {
        DialogFixture f;
        // The other program's row lands right after ours, before the dialog
        // could look for the key of what it wrote.
        OtherProgram other(f.databasePath());
        other.exec("CREATE TRIGGER other_program AFTER INSERT ON CRarc66 WHEN NEW.id <> 'Theirs' "
                   "BEGIN INSERT INTO CRarc66 (id, flag) VALUES ('Theirs', 'O'); END");
        auto d = f.newDialog("O");
        d->show();
        QSignalSpy saved(d.get(), &TaskDialog::taskSaved);
        QTest::keyClicks(child<QLineEdit>(d.get(), "Edit_id"), "mine");
        click(d.get(), "SpeedButtonAddClose");
        QCOMPARE(saved.count(), 1);
        QCOMPARE(f.taskCount(), 2);
        const qint64 key = saved.at(0).at(1).toLongLong();
        QCOMPARE(f.row(key)->fieldByName("id").asString(), "Mine");
    }

    void modifyOfATaskDeletedMeanwhileSavesNothing()
    {
        DialogFixture f;
        const qint64 key = f.add("O", draftOn(QDate(2026, 12, 10), "Dentist"));
        auto m = f.modifyDialog(key);
        m->show();
        QSignalSpy saved(m.get(), &TaskDialog::taskSaved);
        OtherProgram(f.databasePath()).exec("DELETE FROM CRarc66");
        auto* description = child<QLineEdit>(m.get(), "Edit_id");
        description->end(false);
        QTest::keyClicks(description, " at ten");
        child<QPlainTextEdit>(m.get(), "Memo")->setPlainText("bring the card");
        click(m.get(), "SpeedButtonMod");

        QCOMPARE(f.prompter.shown.size(), 1);
        QCOMPARE(f.prompter.shown.at(0).text, TaskGoneMessage);
        QCOMPARE(f.prompter.shown.at(0).kind, platform::Prompter::Kind::Warning);
        QCOMPARE(saved.count(), 0);
        QVERIFY(m->isVisible());
        QVERIFY(m->result() != QDialog::Accepted);
        QCOMPARE(description->text(), "Dentist at ten");
        QCOMPARE(child<QPlainTextEdit>(m.get(), "Memo")->toPlainText(), "bring the card");
        QCOMPARE(f.taskCount(), 0);
    }
};

QTEST_MAIN(TestTaskDialogSaves)
#include "tst_taskdialogsaves.moc"
