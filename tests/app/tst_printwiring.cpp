// The Print menus of the window: each tab's button and the context menu
// preview or print the report of the list the tab shows.
#include "app/mainwindow.h"
#include "app/window/listmenu.h"
#include "calendar/ui/lists/tasklisttab.h"
#include "contacts/ui/contactspage.h"
#include "mainwindowrig.h"
#include "notes/ui/notestab.h"
#include "todo/ui/todotab.h"

#include <QBuffer>
#include <QMenu>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QToolButton>

using app::TMainForm;

namespace {

// The text of a recorded PDF, read back with poppler's pdftotext.
QString pdfText(const QByteArray& pdf)
{
    QTemporaryFile file;
    if (!file.open())
        return {};
    file.write(pdf);
    file.flush();
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), file.fileName(), QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QAction* entry(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace

class TestPrintWiring final : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowRig> r;

    // A shown window with one record in every list: a one-shot task of
    // today, a contact and a to-do entry.
    TMainForm& filled()
    {
        TMainForm& w = r->shown(QStringLiteral("minimized = \"N\""), QStringLiteral("Dentist"),
                                QStringLiteral("Anna"));
        for (const char* sql :
             {"INSERT INTO CRcon63 (ragsoc, tel) VALUES (\"Anna Rossi\", \"555 0100\")",
              "INSERT INTO CRtod63 (id, note, priority, flag, percento, gruppo) VALUES "
              "(\"Buy bread\", \"\", 5, \"No\", 0, \"\")"}) {
            store::Query q(r->db);
            q.setSql({QString::fromLatin1(sql)});
            q.execSql();
        }
        w.contactsPage()->refreshList();
        w.toDo()->refreshToDoList();
        return w;
    }

private slots:
    void init() { r = std::make_unique<MainWindowRig>(); }
    void cleanup() { r.reset(); }

    void printMenuOfEachTab_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("row");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("Today") << int(TMainForm::Today) << "SpeedButtonPrintToday"
                               << "Daily Plan"
                               << "Dentist" << true;
        QTest::newRow("One Shot") << int(TMainForm::Shot) << "SpeedButtonPrintShot"
                                  << "One Shot"
                                  << "Dentist" << true;
        QTest::newRow("Contacts") << int(TMainForm::Contacts) << "SpeedButtonPrintcontact"
                                  << "Contacts"
                                  << "Anna Rossi" << true;
        QTest::newRow("To Do") << int(TMainForm::ToDo) << "SpeedButtonPrintToDo"
                               << "To-Do"
                               << "Buy bread" << false;
    }

    // "Preview" shows the tab's report, "Print" prints it after the print
    // dialog; both carry the tab's rows on A4 in the report's orientation.
    void printMenuOfEachTab()
    {
        QFETCH(int, tab);
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QString, row);
        QFETCH(bool, landscape);
        TMainForm& w = filled();
        w.pageControl()->setCurrentIndex(tab);
        auto* print = w.pageControl()->currentWidget()->findChild<QToolButton*>(button);
        QVERIFY(print);
        QVERIFY(print->isEnabled());
        auto* menu = print->findChild<QMenu*>(QStringLiteral("PopupMenu_STAMPA"));
        QVERIFY(menu);
        entry(menu, QStringLiteral("Preview"))->trigger();
        entry(menu, QStringLiteral("Print"))->trigger();

        QCOMPARE(r->printer.jobs.size(), 2);
        for (int i = 0; i < 2; ++i) {
            const auto& job = r->printer.jobs.at(i);
            QCOMPARE(job.preview, i == 0);
            QCOMPARE(job.documentName, title);
            QCOMPARE(job.layout.pageSize().id(), QPageSize::A4);
            QCOMPARE(job.layout.orientation(),
                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
            QCOMPARE(job.pages, 1);
            const QString text = pdfText(job.pdf);
            QVERIFY2(text.contains(row), qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("Entries: 1")));
        }
    }

    // Declining the print dialog prints nothing and tells nothing.
    void declinedPrintDialog()
    {
        TMainForm& w = filled();
        r->printer.accepts = false;
        w.pageControl()->setCurrentIndex(TMainForm::ToDo);
        auto* menu = w.toDo()->findChild<QMenu*>(QStringLiteral("PopupMenu_STAMPA"));
        entry(menu, QStringLiteral("Print"))->trigger();
        QVERIFY(r->printer.jobs.isEmpty());
        QCOMPARE(r->prompter.shownTexts(), QStringList());
    }

    void contextMenuPrintsTheActiveTab_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("title");
        QTest::newRow("One Shot preview") << int(TMainForm::Shot) << true << "One Shot";
        QTest::newRow("Contacts print") << int(TMainForm::Contacts) << false << "Contacts";
        QTest::newRow("To Do preview") << int(TMainForm::ToDo) << true << "To-Do";
    }

    void contextMenuPrintsTheActiveTab()
    {
        QFETCH(int, tab);
        QFETCH(bool, preview);
        QFETCH(QString, title);
        TMainForm& w = filled();
        w.pageControl()->setCurrentIndex(tab);
        auto* menu = w.findChild<app::ListMenu*>();
        QVERIFY(menu);
        menu->prepare();
        QMenu* print = nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == QLatin1String("Print"))
                print = action->menu();
        QVERIFY(print && print->menuAction()->isEnabled());
        entry(print, preview ? QStringLiteral("Preview") : QStringLiteral("Print"))->trigger();
        QCOMPARE(r->printer.jobs.size(), 1);
        QCOMPARE(r->printer.jobs.first().preview, preview);
        QCOMPARE(r->printer.jobs.first().documentName, title);
    }

    // On the Notes tab the context menu prints the note as text, without a
    // preview; on the Options tab there is nothing to print.
    void contextMenuOnNotesAndOptions()
    {
        TMainForm& w = filled();
        auto* menu = w.findChild<app::ListMenu*>();
        QMenu* print = nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == QLatin1String("Print"))
                print = action->menu();
        w.pageControl()->setCurrentIndex(TMainForm::Notes);
        menu->prepare();
        QVERIFY(!entry(print, QStringLiteral("Preview"))->isEnabled());
        QCOMPARE(print->menuAction()->isEnabled(),
                 w.notesTab()
                     ->findChild<QToolButton*>(QStringLiteral("SpeedButtonPrintNote"))
                     ->isEnabled());
        w.pageControl()->setCurrentIndex(TMainForm::Setup);
        menu->prepare();
        QVERIFY(!print->menuAction()->isEnabled());
    }
};

QTEST_MAIN(TestPrintWiring)
#include "tst_printwiring.moc"
