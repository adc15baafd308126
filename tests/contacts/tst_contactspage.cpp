// The Contacts tab as the user meets it: searching, the order menu, the
// card and its links, delete with the birthday question, the card toggle,
// the column layout and the narrow list.
#include "contacts/ui/contactcard.h"
#include "contactsfixture.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using contacts::ui::ContactsPage;

namespace {

QAction* entry(const QWidget& page, const char* menu, const QString& caption)
{
    for (QAction* a : ContactsFixture::find<QMenu>(page, menu)->actions()) {
        if (a->text() == caption)
            return a;
    }
    qFatal("no entry");
    return nullptr;
}

} // namespace

class TestContactsPage final : public QObject
{
    Q_OBJECT
private slots:
    void searchFieldsAndCounter()
    {
        ContactsFixture f;
        f.addContact("Anna", {{"email", "anna@x.it"}});
        f.addContact("bruno", {{"email", ""}});
        f.addContact("Carla");
        auto page = f.page();
        QSignalSpy counted(page.get(), &ContactsPage::sectionCounted);
        auto* counter = ContactsFixture::find<QLabel>(*page, "Panel_FullName");
        QCOMPARE(ContactsFixture::listed(*page), (QStringList{"Anna", "bruno", "Carla"}));
        QCOMPARE(counter->text(), QString("3   "));

        ContactsFixture::find<QLineEdit>(*page, "Edit_ragsoc")->setText("ANN");
        QCOMPARE(ContactsFixture::listed(*page), QStringList{"Anna"});
        QCOMPARE(counter->text(), QString("1 / 3   "));
        QCOMPARE(counted.last(), (QVariantList{"Label_Conteggio_Contatti", "Contacts: 3"}));

        auto* isNull = ContactsFixture::find<QToolButton>(*page, "SpeedButtonCampoVuoto");
        ContactsFixture::find<QComboBox>(*page, "ComboBox_KindFindContact")
            ->setCurrentText("E-mail");
        isNull->click();
        QCOMPARE(ContactsFixture::find<QLineEdit>(*page, "Edit_ragsoc")->text(), "[ IS NULL ]");
        QVERIFY(!isNull->isEnabled());
        QCOMPARE(ContactsFixture::listed(*page), (QStringList{"bruno", "Carla"}));

        ContactsFixture::find<QComboBox>(*page, "ComboBox_KindFindContact")->setCurrentIndex(0);
        ContactsFixture::find<QToolButton>(*page, "SpeedButtonClearName")->click();
        QCOMPARE(ContactsFixture::listed(*page).size(), 3);
        QVERIFY(isNull->isEnabled());
    }

    void groupFieldFiltersAndFindsContactsWithoutGroup()
    {
        ContactsFixture f;
        f.addContact("Anna", {{"gruppo", "My \"VIP\""}});
        f.addContact("bruno", {{"gruppo", ""}});
        auto page = f.page();
        auto* group = ContactsFixture::find<QComboBox>(*page, "ComboBox_Contact_Group");
        group->setEditText("\"vip");
        QCOMPARE(ContactsFixture::listed(*page), QStringList{"Anna"});
        ContactsFixture::find<QToolButton>(*page, "SpeedButtonGruppoVuoto")->click();
        QCOMPARE(group->currentText(), "[ IS NULL ]");
        QCOMPARE(ContactsFixture::listed(*page), QStringList{"bruno"});
    }

    void orderMenu()
    {
        ContactsFixture f;
        for (const char* name : {"bea", "Ada", "carl"})
            f.addContact(QString::fromLatin1(name));
        auto page = f.page();
        entry(*page, "PopupMenuOrderContact", "Alphabetical DESC")->trigger();
        QCOMPARE(ContactsFixture::listed(*page), (QStringList{"carl", "bea", "Ada"}));
        entry(*page, "PopupMenuOrderContact", "Creation ASC")->trigger();
        QCOMPARE(ContactsFixture::listed(*page), (QStringList{"bea", "Ada", "carl"}));
        entry(*page, "PopupMenuOrderContact", "Creation DESC")->trigger();
        QCOMPARE(ContactsFixture::listed(*page), (QStringList{"carl", "Ada", "bea"}));
        entry(*page, "PopupMenuOrderContact", "Alphabetical ASC")->trigger();
        QCOMPARE(ContactsFixture::listed(*page), (QStringList{"Ada", "bea", "carl"}));
    }

    void cardFollowsTheSelection()
    {
        ContactsFixture f;
        const qint64 anna = f.addContact(
            QString(40, u'A'), {{"company", "Acme"}, {"indirizzo", "Via Roma 1 #4 & Co"}});
        f.addContact("Bruno");
        f.addBirthday(anna, "Birthday of Anna", QDate(1980, 3, 14));
        auto page = f.page();
        ContactsPage& p = *page;
        page->selectRow(0);
        // The card waits for the selection to settle.
        QTRY_COMPARE(ContactsFixture::find<QLabel>(p, "Label_Card_Name")->text(),
                     QString(26, u'A') + "...");
        QCOMPARE(ContactsFixture::find<QLineEdit>(p, "DBEdit_Card_company")->text(), "Acme");
        QVERIFY(!ContactsFixture::find<QWidget>(p, "Panel_Birthday")->isHidden());
        QVERIFY(!ContactsFixture::find<QLabel>(p, "Label_Birthday")->text().isEmpty());
        auto* map = ContactsFixture::find<QToolButton>(p, "SpeedButtonGoMap");
        QVERIFY(map->isEnabled());
        map->click();
        QVERIFY(f.desktop.opened.last().contains("Via%20Roma%201%20%234%20%26%20Co"));
        ContactsFixture::find<QToolButton>(p, "SpeedButton_spy")->click();
        QVERIFY(f.desktop.opened.last().endsWith("#q=" + QString(40, u'A')));

        page->selectRow(1);
        page->drawCardNow();
        QCOMPARE(ContactsFixture::find<QLabel>(p, "Label_Card_Name")->text(), "Bruno   ");
        QVERIFY(ContactsFixture::find<QWidget>(p, "Panel_Birthday")->isHidden());
        QVERIFY(!map->isEnabled());
        QVERIFY(!ContactsFixture::find<QToolButton>(p, "SpeedButtonMailContact")->isEnabled());
    }

    void pictureShownWhenFound()
    {
        ContactsFixture f;
        const QString file = f.archive.folder.filePath("face.png");
        QImage face(40, 50, QImage::Format_RGB32);
        face.fill(Qt::red);
        QVERIFY(face.save(file));
        f.addContact("Anna", {{"foto", file}});
        f.addContact("Bruno", {{"foto", f.archive.folder.filePath("gone.png")}});
        auto page = f.page();
        auto* picture = ContactsFixture::find<QLabel>(*page, "Image_Contact");
        page->selectRow(0);
        page->drawCardNow();
        QVERIFY(!picture->isHidden());
        QVERIFY(!picture->pixmap().isNull());
        page->selectRow(1);
        page->drawCardNow();
        QVERIFY(picture->isHidden());
    }

    void mailOpensOneAddressOrOffersAMenu_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QStringList>("menu");
        QTest::addColumn<QString>("opened");
        QTest::newRow("one") << "a@x.it" << QStringList() << "mailto:a@x.it";
        QTest::newRow("two recipients in one mail")
            << "a@x.it;b@y.it" << QStringList() << "mailto:a@x.it;b@y.it";
        QTest::newRow("two values")
            << "a@x.it, b@y.it" << QStringList{"a@x.it", "b@y.it"} << "mailto:b@y.it";
    }
    void mailOpensOneAddressOrOffersAMenu()
    {
        QFETCH(QString, email);
        QFETCH(QStringList, menu);
        QFETCH(QString, opened);
        ContactsFixture f;
        f.addContact("Anna", {{"email", email}});
        auto page = f.page();
        page->drawCardNow();
        ContactsFixture::find<QToolButton>(*page, "SpeedButtonMailContact")->click();
        if (!menu.isEmpty()) {
            auto* popup = ContactsFixture::find<QMenu>(*page, "PopupMenuMail");
            QStringList captions;
            for (QAction* a : popup->actions())
                captions << a->text();
            QCOMPARE(captions, menu);
            popup->actions().last()->trigger();
        }
        QCOMPARE(f.desktop.opened, QStringList{opened});
    }

    void deleteAsksAboutTheBirthday_data()
    {
        QTest::addColumn<bool>("deleteTask");
        QTest::newRow("keep the task") << false;
        QTest::newRow("delete the task") << true;
    }
    void deleteAsksAboutTheBirthday()
    {
        QFETCH(bool, deleteTask);
        ContactsFixture f;
        const qint64 anna = f.addContact("Anna");
        f.addContact("Bruno");
        f.addBirthday(anna, "Birthday of Anna", QDate(1980, 3, 14));
        auto page = f.page();
        QSignalSpy yearly(page.get(), &ContactsPage::yearlyChanged);
        page->selectRow(0);
        f.prompter.answers << true << deleteTask;
        ContactsFixture::find<QToolButton>(*page, "SpeedButtonDelContact")->click();
        QCOMPARE(ContactsFixture::listed(*page), QStringList{"Bruno"});
        QVERIFY(f.prompter.shown.at(0).text.startsWith(" You are in order to eliminate \"Anna\""));
        QCOMPARE(f.prompter.shown.at(1).text, " Delete the linked task \"Birthday of Anna\"");
        QCOMPARE(f.count("SELECT * FROM CRarc66 WHERE flag = \"Y\""), deleteTask ? 0 : 1);
        QCOMPARE(yearly.size(), 1);
    }

    void deleteMovesToTheRowBefore_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("selected");
        QTest::newRow("first") << 0 << "B";
        QTest::newRow("next to last") << 2 << "B";
        QTest::newRow("last") << 3 << "C";
    }
    void deleteMovesToTheRowBefore()
    {
        QFETCH(int, row);
        QFETCH(QString, selected);
        ContactsFixture f;
        for (const char* name : {"A", "B", "C", "D"})
            f.addContact(QString::fromLatin1(name));
        auto page = f.page();
        page->selectRow(row);
        f.prompter.answers << true;
        page->deleteSelected();
        QCOMPARE(page->selectedContact().ragsoc, selected);
        QCOMPARE(f.count("SELECT * FROM CRcon63"), 3);
    }

    void refusedDeleteKeepsTheContact()
    {
        ContactsFixture f;
        f.addContact("Anna");
        auto page = f.page();
        f.prompter.answers << false;
        page->deleteSelected();
        QCOMPARE(ContactsFixture::listed(*page), QStringList{"Anna"});
        QCOMPARE(f.prompter.shown.size(), 1);
    }

    void cardToggleIsRemembered()
    {
        ContactsFixture f;
        f.addContact("Anna");
        auto page = f.page();
        page->show();
        auto* showCard = ContactsFixture::find<QToolButton>(*page, "SpeedButton_Scheda");
        QVERIFY(page->cardShown());
        QVERIFY(showCard->isHidden());
        ContactsFixture::find<QToolButton>(*page, "SpeedButton_close_card")->click();
        QVERIFY(!page->cardShown());
        QVERIFY(!showCard->isHidden());
        QVERIFY(!ContactsFixture::find<QWidget>(*page, "DBMemo_Contact")->isHidden());
        QVERIFY(f.settings.gridMode());
        showCard->click();
        QVERIFY(page->cardShown());
        QVERIFY(!f.settings.gridMode());

        f.settings.writeGridMode(true);
        auto second = f.page();
        QVERIFY(!second->cardShown());
    }

    void commandsWaitingForTheirPiecesStayOff()
    {
        ContactsFixture f;
        f.addContact("Anna", {{"tel", "123"}});
        auto page = f.page();
        // Import, Export and Dial have theirs: tst_contactstransfer.
        for (const char* name :
             {"SpeedButtonPrintcontact", "SpeedButton_AddContact", "SpeedButtonModContact"})
            QVERIFY2(!ContactsFixture::find<QToolButton>(*page, name)->isEnabled(), name);
    }

    // Once someone opens the dialogs, Insert and Modify work, and the list,
    // its note marker and the card lead to Modify.
    void modifyFromTheListAndTheCard()
    {
        ContactsFixture f;
        const qint64 anna =
            f.addContact("Anna", {{"note", "Allergic to cats"}, {"company", "Acme"}});
        auto page = f.page();
        QList<std::pair<qint64, bool>> asked;
        int inserts = 0;
        connect(page.get(), &ContactsPage::modifyRequested, this,
                [&](qint64 codcon, bool enlarged) {
                    asked.append({codcon, enlarged});
                });
        connect(page.get(), &ContactsPage::insertRequested, this, [&] { ++inserts; });
        page->refreshList();
        page->show();
        auto* insert = ContactsFixture::find<QToolButton>(*page, "SpeedButton_AddContact");
        QVERIFY(insert->isEnabled());
        insert->click();
        QCOMPARE(inserts, 1);

        auto* grid = ContactsFixture::find<QTableView>(*page, "DBGrid_Contact");
        QTest::keyClick(grid, Qt::Key_Return);
        grid->scrollTo(grid->model()->index(0, 9));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(0, 9)).center());
        page->drawCardNow();
        QTest::mouseDClick(ContactsFixture::find<QLineEdit>(*page, "DBEdit_Card_company"),
                           Qt::LeftButton);
        QCOMPARE(asked,
                 (QList<std::pair<qint64, bool>>{{anna, false}, {anna, true}, {anna, false}}));
    }

    void cloneCopiesTheContactWhole()
    {
        ContactsFixture f;
        f.addContact("Anna");
        f.addContact("bruno", {{"foto", "C:\\pics\\b.jpg"},
                               {"allegato", "a.txt"},
                               {"allegato3", "c.txt"},
                               {"note", "say \"hi\""}});
        f.addContact("Carla");
        auto page = f.page();
        page->selectRow(1);
        ContactsFixture::find<QToolButton>(*page, "SpeedButtonDupliContact")->click();
        QCOMPARE(ContactsFixture::listed(*page), (QStringList{"Anna", "bruno", "bruno", "Carla"}));
        QCOMPARE(page->selectedRow(), 1);
        QCOMPARE(f.count("SELECT * FROM CRcon63 WHERE ragsoc = \"bruno\" AND foto = "
                         "\"C:\\pics\\b.jpg\" AND allegato = \"a.txt\" AND allegato2 IS NULL "
                         "AND allegato3 = \"c.txt\" AND note = \"say \"\"hi\"\"\""),
                 2);
        QVERIFY(f.prompter.shown.isEmpty());
    }

    void emptyListEmptiesTheCard()
    {
        ContactsFixture f;
        auto page = f.page();
        page->drawCardNow();
        QCOMPARE(ContactsFixture::find<QLabel>(*page, "Label_Card_Name")->text(), QString());
        for (const char* name : {"SpeedButtonMailContact", "SpeedButtonWeb", "SpeedButtonGoMap",
                                 "SpeedButton_ApriAllegato", "SpeedButtonDelContact",
                                 "SpeedButton_spy", "SpeedButton_AppRapido"})
            QVERIFY2(!ContactsFixture::find<QToolButton>(*page, name)->isEnabled(), name);
    }

    void columnLayoutFiles()
    {
        ContactsFixture f;
        f.addContact("Anna");
        auto page = f.page();
        const QDir folder(f.archive.folder.path());
        QVERIFY(folder.exists("sContactVertical.def"));
        auto* grid = ContactsFixture::find<QTableView>(*page, "DBGrid_Contact");
        grid->setColumnWidth(1, 211);
        entry(*page, "PopupMenuColumnsContact", "Save width and position")->trigger();
        QVERIFY(folder.exists("sContactVertical"));
        QCOMPARE(f.page()->findChild<QTableView*>("DBGrid_Contact")->columnWidth(1), 211);

        entry(*page, "PopupMenuColumnsContact", "Restore default")->trigger();
        QVERIFY(!folder.exists("sContactVertical"));
        QVERIFY(grid->columnWidth(1) != 211);
    }

    void narrowListShowsOnlyTheName()
    {
        ContactsFixture f;
        f.addContact("Anna");
        auto page = f.page();
        page->show();
        auto* grid = ContactsFixture::find<QTableView>(*page, "DBGrid_Contact");
        QTRY_VERIFY(!grid->isColumnHidden(1));
        grid->setFixedWidth(grid->columnWidth(0) + 10);
        QTRY_VERIFY(grid->isColumnHidden(1));
        QVERIFY(!grid->isColumnHidden(0));
        QVERIFY(grid->horizontalHeader()->isHidden());
        grid->setFixedWidth(900);
        QTRY_VERIFY(!grid->isColumnHidden(9));
    }
};

QTEST_MAIN(TestContactsPage)
#include "tst_contactspage.moc"
