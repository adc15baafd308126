// The Contacts tab inside the real window: it is loaded at start-up, counts
// itself on the daily view's "Entries" page and answers the Today tab's
// "Find".
#include "calendar/ui/today/todayview.h"
#include "contacts/ui/contactspage.h"
#include "mainwindowrig.h"

#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>

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
};

QTEST_MAIN(TestContactsWiring)
#include "tst_contactswiring.moc"
