#include "../calendar/ui/dialogs/dialogfixture.h"
#include "app/application.h"

#include <QPushButton>
#include <QSignalSpy>

using namespace calendar::ui;

namespace {

app::Application& application()
{
    return *static_cast<app::Application*>(QCoreApplication::instance());
}

// A statement the engine refuses, as a damaged or changed archive makes it.
void readMissingTable(store::Database& db)
{
    store::Query q(db);
    q.setSql({QStringLiteral("SELECT * FROM Missing")});
    q.open();
}

} // namespace

// The event loop's error report: an engine error nobody caught ends only the
// operation that raised it, is told through the prompter, and the program
// goes on.
class TestErrorBarrier final : public QObject
{
    Q_OBJECT

    DialogFixture* m_fixture = nullptr;

private slots:
    void init()
    {
        m_fixture = new DialogFixture;
        application().setPrompter(&m_fixture->prompter);
    }
    void cleanup()
    {
        application().setPrompter(nullptr);
        delete m_fixture;
    }

    void errorFromATimerIsReported()
    {
        DialogFixture& f = *m_fixture;
        QTimer::singleShot(0, [&f] { readMissingTable(f.db); });
        bool later = false;
        QTimer::singleShot(20, [&later] { later = true; });
        QTRY_VERIFY(later);
        QCOMPARE(f.prompter.shown.size(), 1);
        QVERIFY2(f.prompter.shown.at(0).text.startsWith("EDatabaseError: no such table: Missing"),
                 qPrintable(f.prompter.shown.at(0).text));
        QCOMPARE(f.prompter.shown.at(0).kind, platform::Prompter::Kind::Warning);
    }

    void errorFromAClickIsReportedEachTime()
    {
        DialogFixture& f = *m_fixture;
        QPushButton button("Read");
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [&] {
            ++clicks;
            readMissingTable(f.db);
        });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        QCOMPARE(f.prompter.shown.size(), 2);
        QVERIFY(!button.isDown());
    }

    void failingWriteKeepsTheTypedText_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("Insert") << "SpeedButtonAdd";
        QTest::newRow("Insert and close") << "SpeedButtonAddClose";
        QTest::newRow("Modify") << "SpeedButtonMod";
    }
    void failingWriteKeepsTheTypedText()
    {
        QFETCH(QString, button);
        DialogFixture& f = *m_fixture;
        const bool modify = button == "SpeedButtonMod";
        const qint64 key = f.add("O", draftOn(f.shown, "Dentist"));
        auto d = modify ? f.modifyDialog(key) : f.newDialog("O");
        d->show();
        QSignalSpy saved(d.get(), &TaskDialog::taskSaved);
        auto* description = child<QLineEdit>(d.get(), "Edit_id");
        auto* note = child<QPlainTextEdit>(d.get(), "Memo");
        description->setText("Dentist at ten");
        note->setPlainText("bring the card");

        // The archive refuses every change from now on.
        store::Query refuse(f.db);
        refuse.setSql({"PRAGMA query_only = 1"});
        refuse.execSql();
        QTest::mouseClick(child<QPushButton>(d.get(), button), Qt::LeftButton);

        QCOMPARE(f.prompter.shown.size(), 1);
        QVERIFY2(f.prompter.shown.at(0).text.startsWith("EDatabaseError: "),
                 qPrintable(f.prompter.shown.at(0).text));
        QCOMPARE(saved.count(), 0);
        QVERIFY(d->isVisible());
        QCOMPARE(description->text(), "Dentist at ten");
        QCOMPARE(note->toPlainText(), "bring the card");
        QCOMPARE(f.row(key)->fieldByName("id").asString(), "Dentist");
        QCOMPARE(f.taskCount(), 1);

        // Once the archive takes changes again, the same press saves.
        refuse.setSql({"PRAGMA query_only = 0"});
        refuse.execSql();
        QTest::mouseClick(child<QPushButton>(d.get(), button), Qt::LeftButton);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(f.row(saved.at(0).at(1).toLongLong())->fieldByName("note").asString(),
                 "bring the card");
        QCOMPARE(f.prompter.shown.size(), 1);
    }
};

int main(int argc, char* argv[])
{
    app::Application app(argc, argv);
    TestErrorBarrier test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_errorbarrier.moc"
