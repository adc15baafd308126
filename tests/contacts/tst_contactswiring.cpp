// The Contacts tab inside the real window: it is loaded at start-up, counts
// itself on the daily view's "Entries" page and answers the Today tab's
// "Find".
#include "calendar/ui/today/todayview.h"
#include "contacts/ui/contactspage.h"
#include "mainwindowrig.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

using app::TMainForm;

namespace {

QStringList listed(const contacts::ui::ContactsPage& page)
{
    const auto* grid = page.findChild<QTableView*>(QStringLiteral("DBGrid_Contact"));
    QStringList out;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        out << grid->model()->index(row, 0).data().toString();
    return out;
}

// Runs `answer` on the modal dialog named `name` once it is up.
void whenModalOpens(const QString& name, std::function<void(QWidget*)> answer, int tries = 200)
{
    QTimer::singleShot(5, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == name)
            answer(modal);
        else if (tries > 0)
            whenModalOpens(name, answer, tries - 1);
    });
}

QAction* menuEntry(QMenu* menu, const QString& caption)
{
    for (QAction* a : menu->actions()) {
        if (a->text() == caption)
            return a;
    }
    return nullptr;
}

} // namespace

class TestContactsWiring final : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowRig> r;

private slots:
    void init()
    {
        r = std::make_unique<MainWindowRig>();
        r->preset({"INSERT INTO CRcon63 (ragsoc, gruppo) VALUES (\"Anna Rossi\", \"Work\")",
                   "INSERT INTO CRcon63 (ragsoc, gruppo) VALUES (\"Bruno\", \"Friends\")",
                   "INSERT INTO CRcon63 (ragsoc, gruppo) VALUES (\"Carla\", \"Friends\")"});
    }
    void cleanup() { r.reset(); }

    void loadedAndCountedAtStartUp()
    {
        TMainForm& w = r->shown();
        QCOMPARE(listed(*w.contactsPage()), (QStringList{"Anna Rossi", "Bruno", "Carla"}));
        QCOMPARE(w.findChild<QLabel*>("Label_Conteggio_Contatti")->text(), "Contacts: 3");
    }

    void findLooksForTheNameThenTheGroup_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("contacts");
        QTest::addColumn<QString>("group");
        QTest::newRow("a name") << "anna" << QStringList{"Anna Rossi"} << "";
        QTest::newRow("a group") << "friend" << QStringList{"Bruno", "Carla"} << "friend";
        QTest::newRow("nobody") << "zeta" << QStringList() << "zeta";
    }
    void findLooksForTheNameThenTheGroup()
    {
        QFETCH(QString, key);
        QFETCH(QStringList, contacts);
        QFETCH(QString, group);
        TMainForm& w = r->shown();
        w.contactsPage()->findChild<QComboBox*>("ComboBox_KindFindContact")->setCurrentIndex(4);
        emit w.today()->findContactRequested(key);
        QCOMPARE(w.pageControl()->currentIndex(), int(TMainForm::Contacts));
        QCOMPARE(listed(*w.contactsPage()), contacts);
        QCOMPARE(w.contactsPage()->findChild<QComboBox*>("ComboBox_Contact_Group")->currentText(),
                 group);
        QCOMPARE(
            w.contactsPage()->findChild<QComboBox*>("ComboBox_KindFindContact")->currentIndex(), 0);
    }

    // Walking the contacts draws their cards; a New Yearly opened from the
    // card afterwards is about the contact, not its birthday: only the
    // Modify Contact dialog links a new yearly task to a contact.
    void quickTaskIsAboutTheContactNotItsBirthday()
    {
        TMainForm& w = r->shown();
        w.pageControl()->setCurrentIndex(TMainForm::Contacts);
        contacts::ui::ContactsPage& page = *w.contactsPage();
        for (int row : {0, 1, 2, 1}) {
            page.selectRow(row);
            page.drawCardNow();
        }
        QString description;
        whenModalOpens("AggYearForm", [&](QWidget* d) {
            description = d->findChild<QLineEdit*>("Edit_id")->text();
            static_cast<QDialog*>(d)->reject();
        });
        auto* quick = page.findChild<QMenu*>("PopupMenuAppRapido");
        menuEntry(quick, "Yearly")->trigger();
        QCOMPARE(description, "Bruno");
    }

    void newContactFromTheMenusAndTheTab_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("Insert button") << "button";
        QTest::newRow("list menu") << "menu";
    }
    void newContactFromTheMenusAndTheTab()
    {
        QFETCH(QString, from);
        TMainForm& w = r->shown();
        w.pageControl()->setCurrentIndex(TMainForm::Contacts);
        bool opened = false;
        whenModalOpens("AggConForm", [&](QWidget* d) {
            opened = true;
            static_cast<QDialog*>(d)->reject();
        });
        if (from == "button") {
            w.contactsPage()->findChild<QToolButton*>("SpeedButton_AddContact")->click();
        } else {
            auto* menu = w.findChild<QMenu*>("PopupMenuTabelle");
            QMenu* insert = menuEntry(menu, "Insert")->menu();
            menuEntry(insert, "Contact")->trigger();
        }
        QVERIFY(opened);
    }

    void modifyReturnsToTheContact()
    {
        TMainForm& w = r->shown();
        w.pageControl()->setCurrentIndex(TMainForm::Contacts);
        contacts::ui::ContactsPage& page = *w.contactsPage();
        page.selectRow(2);
        bool opened = false;
        whenModalOpens("ModConForm", [&](QWidget* d) {
            opened = true;
            static_cast<QDialog*>(d)->accept();
        });
        page.findChild<QToolButton*>("SpeedButtonModContact")->click();
        QVERIFY(opened);
        QCOMPARE(page.selectedContact().ragsoc, "Carla");
    }
};

QTEST_MAIN(TestContactsWiring)
#include "tst_contactswiring.moc"
