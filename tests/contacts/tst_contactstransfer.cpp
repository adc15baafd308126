#include "contacts/ui/contactstransfer.h"
#include "contacts/ui/dialdialog.h"
#include "contacts/ui/importdialog.h"
#include "contactsfixture.h"
#include "platform/testing/recordingtelephony.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

using namespace contacts;
using contacts::ui::ContactsPage;

namespace {

// Runs `act` on the modal dialog `T` once it is open, then closes it.
template <typename T> void whenOpen(const std::function<void(T&)>& act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("the dialog did not open");
        act(*dialog);
        dialog->reject();
    });
}

QToolButton* button(const QWidget& page, const char* name)
{
    return ContactsFixture::find<QToolButton>(page, name);
}

} // namespace

class TestContactsTransfer final : public QObject
{
    Q_OBJECT
private slots:
    // Export follows the list, Dial the selected contact's numbers; Import
    // is always there.
    void buttonsFollowTheList()
    {
        ContactsFixture f;
        auto page = f.page();
        QVERIFY(button(*page, "SpeedButtonUOC")->isEnabled());
        QVERIFY(!button(*page, "SpeedButtonCSV")->isEnabled());
        QVERIFY(!button(*page, "SpeedButtonTele")->isEnabled());
        f.addContact("Anna", {{"skype", "anna.b"}});
        f.addContact("Bruno");
        page->refreshList();
        page->selectRow(0);
        page->drawCardNow();
        QVERIFY(button(*page, "SpeedButtonCSV")->isEnabled());
        QVERIFY(button(*page, "SpeedButtonTele")->isEnabled());
        page->selectRow(1);
        page->drawCardNow();
        QVERIFY(!button(*page, "SpeedButtonTele")->isEnabled());
    }

    // After an import the tab shows every contact: search and group filter
    // are cleared, and the import's group is offered.
    void importShowsEverything()
    {
        ContactsFixture f;
        f.addContact("Carla", {{"gruppo", "Work"}});
        auto page = f.page();
        page->show();
        ContactsFixture::find<QLineEdit>(*page, "Edit_ragsoc")->setText("Car");
        auto* group = ContactsFixture::find<QComboBox>(*page, "ComboBox_Contact_Group");
        group->setEditText("Work");
        QTemporaryDir dir;
        const QString path = dir.filePath("in.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Name;Company;Phone;Mobile;Skype;Fax;E-mail;Web;Address;Note;Group\n"
                   "Anna;;;;;;;;;;\n");
        file.close();
        whenOpen<contacts::ui::ImportDialog>([&path](contacts::ui::ImportDialog& d) {
            d.findChild<QCheckBox*>("CheckBox_AssegnaGruppo")->setChecked(true);
            d.load(path);
            d.next();
            d.runImport();
        });
        button(*page, "SpeedButtonUOC")->click();
        QCOMPARE(ContactsFixture::listed(*page), QStringList({"Anna", "Carla"}));
        QCOMPARE(ContactsFixture::find<QLineEdit>(*page, "Edit_ragsoc")->text(), "");
        QCOMPARE(group->currentText(), "");
        QVERIFY(page->groupFilter()->names().contains("Imported-2026-05-20"));
    }

    // The export writes what the tab lists, then goes back to the first row;
    // a file that cannot be written is told.
    void exportWritesTheListedContacts()
    {
        ContactsFixture f;
        f.addContact("Anna", {{"gruppo", "Work"}});
        f.addContact("Bruno");
        f.addContact("Carla", {{"gruppo", "Work"}});
        auto page = f.page();
        ContactsFixture::find<QComboBox>(*page, "ComboBox_Contact_Group")->setEditText("Work");
        page->selectRow(1);
        QTemporaryDir dir;
        f.prompter.files.enqueue(dir.filePath("out"));
        auto* menu = page->findChild<QMenu*>("PopupMenuCSV");
        menu->actions().at(0)->trigger();
        QFile file(dir.filePath("out.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("\r\n"), 3);
        QCOMPARE(page->selectedRow(), 0);

        f.prompter.files.enqueue(dir.filePath("missing/out.csv"));
        menu->actions().at(1)->trigger();
        QCOMPARE(f.prompter.shown.size(), 1);
        QVERIFY(f.prompter.shown[0].text.startsWith("I cannot write \""));
    }

    // A number picked out of the card is what the dialler offers.
    void dialOffersTheCardSelection()
    {
        ContactsFixture f;
        platform::RecordingTelephony telephony;
        f.services.telephony = &telephony;
        f.addContact("Anna", {{"tel", "06 1234"}, {"mobile", "347 555"}});
        auto page = f.page();
        page->selectRow(0);
        page->drawCardNow();
        auto* mobile = ContactsFixture::find<QLineEdit>(*page->card(), "DBEdit_Card_mobile");
        mobile->setSelection(0, 3);
        QString offered;
        whenOpen<contacts::ui::DialDialog>([&offered](contacts::ui::DialDialog& d) {
            offered = d.numbers()->currentText();
            d.dial();
        });
        button(*page, "SpeedButtonTele")->click();
        QCOMPARE(offered, "347");
        QCOMPARE(telephony.dialled, QStringList({"347"}));
        QVERIFY(!mobile->hasSelectedText());
    }
};

QTEST_MAIN(TestContactsTransfer)
#include "tst_contactstransfer.moc"
