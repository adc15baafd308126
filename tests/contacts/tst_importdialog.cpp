#include "contacts/ui/importdialog.h"
#include "shared/groups.h"
#include "ui/windowfixture.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

using namespace contacts;
using contacts::ui::ImportDialog;

class TestImportDialog final : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<WindowFixture> m_fx;
    QTemporaryDir m_files;

    std::unique_ptr<ImportDialog> dialog()
    {
        return std::make_unique<ImportDialog>(m_fx->archive.db, m_fx->settings, m_fx->services);
    }
    QString file(const QString& name, const QByteArray& bytes)
    {
        QFile f(m_files.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return f.fileName();
    }
    QStringList names()
    {
        store::Query q(m_fx->archive.db);
        q.setSql({"SELECT ragsoc FROM CRcon63 ORDER BY codcon"});
        q.open();
        QStringList out;
        for (; !q.eof(); q.next())
            out << q.fieldByName("ragsoc").asString();
        return out;
    }
    template <typename T> T* child(const QWidget& w, const char* name)
    {
        return WindowFixture::find<T>(w, name);
    }

private slots:
    void init() { m_fx = std::make_unique<WindowFixture>(); }
    void cleanup() { m_fx.reset(); }

    // A complete export maps itself and skips its header line.
    void completeExportMapsItself()
    {
        auto d = dialog();
        QVERIFY(!child<QPushButton>(*d, "ButtonNext")->isEnabled());
        child<QCheckBox>(*d, "CheckBoxDelete")->setChecked(true);
        d->load(file("export.csv", "Name;Company;Phone;Mobile;Skype;Fax;E-mail;Web;Address;Note;"
                                   "Group\r\nAnna Rossi;ACME;06 1;;;;;;\"Via Roma 1\nRoma\";;"
                                   "Work\r\n"));
        QCOMPARE(child<QLabel>(*d, "LabelStatus")->text(), "Contacts in the file: 2");
        const QAbstractItemModel* preview =
            child<QTableView>(*d, "StringGridImportPreview")->model();
        QCOMPARE(preview->columnCount(), 11);
        QCOMPARE(preview->rowCount(), 1);
        QCOMPARE(preview->headerData(8, Qt::Horizontal).toString(), "Address");
        QCOMPARE(preview->index(0, 8).data().toString(), "Via Roma 1\nRoma");
        QCOMPARE(d->mapping(), completeExportMapping());
        QVERIFY(d->options().skipFirstLine);
        QVERIFY(!d->options().deleteAll);
        QCOMPARE(d->options().mode, ImportMode::SkipDuplicates);
        QCOMPARE(d->picker(ImportField::Name, 0)->currentText(), "Name");

        QSignalSpy imported(d.get(), &ImportDialog::contactsImported);
        child<QPushButton>(*d, "ButtonNext")->click();
        child<QPushButton>(*d, "ButtonImport")->click();
        QCOMPARE(names(), QStringList({"Anna Rossi"}));
        QCOMPARE(child<QLabel>(*d, "LabelCounter")->text(), "1");
        QCOMPARE(child<QLabel>(*d, "LabelReportTitle")->text(), "Contacts imported");
        QCOMPARE(imported.size(), 1);
    }

    // Nothing maps itself in another file; the pickers offer its columns and
    // an empty entry. Without a name nothing is written; a second import of
    // the same file is asked about.
    void mappingAndReimport()
    {
        auto d = dialog();
        child<QComboBox>(*d, "ComboBoxDelimiter")->setCurrentIndex(1);
        d->load(CORVANDINE_TEST_DATA "/contacts-utf8.csv");
        QComboBox* name = d->picker(ImportField::Name, 0);
        QCOMPARE(name->count(), 8);
        QCOMPARE(name->currentText(), "");
        QCOMPARE(d->mapping(), ImportMapping());
        child<QPushButton>(*d, "ButtonNext")->click();
        d->runImport();
        QCOMPARE(m_fx->prompter.shown.size(), 1);
        QCOMPARE(m_fx->prompter.shown[0].text,
                 "You must associate at least the field \"Name\".\rContacts without a name in "
                 "the file will not be imported.");
        QVERIFY(names().isEmpty());

        name->setCurrentIndex(0);
        child<QComboBox>(*d, "ComboBox_cognome")->setCurrentIndex(1);
        child<QCheckBox>(*d, "CheckBoxSaltaPrima")->setChecked(true);
        child<QComboBox>(*d, "ComboBoxModalita")->setCurrentIndex(int(ImportMode::CreateNew));
        d->runImport();
        QCOMPARE(names(), QStringList({"Anna Rossi", "Smith, John", "Jürgen Müller"}));

        d->runImport(); // answered No
        QCOMPARE(m_fx->prompter.shown.size(), 2);
        QVERIFY(m_fx->prompter.shown[1].text.startsWith("Do you want to re-import \""));
        QCOMPARE(names().size(), 3);
        m_fx->prompter.answers.enqueue(true);
        d->runImport();
        QCOMPARE(names().size(), 6);
    }

    // A file that cannot be read whole is refused with its line.
    void brokenFile()
    {
        auto d = dialog();
        d->load(CORVANDINE_TEST_DATA "/unclosed-quote.csv");
        QCOMPARE(m_fx->prompter.shown.size(), 1);
        QVERIFY(m_fx->prompter.shown[0].text.startsWith("Line 3: "));
        QVERIFY(!child<QPushButton>(*d, "ButtonNext")->isEnabled());
        QCOMPARE(child<QTableView>(*d, "StringGridImportPreview")->model()->rowCount(), 0);
    }

    // Escape pressed while importing stops it; what was written stays and
    // the counter turns red.
    void escapeStops()
    {
        QByteArray bytes = "Name\n";
        for (int i = 0; i < 2000; ++i)
            bytes += "Contact " + QByteArray::number(i) + "\n";
        auto d = dialog();
        d->show();
        d->load(file("many.csv", bytes));
        d->picker(ImportField::Name, 0)->setCurrentIndex(0);
        child<QPushButton>(*d, "ButtonNext")->click();
        QCoreApplication::postEvent(
            d.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        d->runImport();
        QVERIFY(names().size() < 2000);
        QCOMPARE(child<QLabel>(*d, "LabelCounter")->text(), QString::number(names().size()));
        QCOMPARE(child<QLabel>(*d, "LabelCounter")->palette().color(QPalette::Window),
                 QColor(Qt::red));
        QVERIFY(d->isVisible());
    }

    // "Add group" offers the day's import group, chosen, and lists it after.
    void addGroup()
    {
        auto d = dialog();
        auto* group = child<QComboBox>(*d, "ComboBox_Contact_Group");
        QCOMPARE(group->currentText(), "Imported-2026-05-20");
        QVERIFY(!group->isEnabled());
        child<QCheckBox>(*d, "CheckBox_AssegnaGruppo")->setChecked(true);
        QVERIFY(group->isEnabled());
        d->load(file("one.csv", "Name;Group\nAnna;Work\n"));
        d->picker(ImportField::Name, 0)->setCurrentIndex(0);
        d->picker(ImportField::Group, 0)->setCurrentIndex(1);
        child<QCheckBox>(*d, "CheckBoxSaltaPrima")->setChecked(true);
        QSignalSpy imported(d.get(), &ImportDialog::contactsImported);
        d->runImport();
        QCOMPARE(imported.value(0).value(0).toBool(), true);
        QVERIFY(shared::groups::load(m_fx->archive.db, u'C').contains("Imported-2026-05-20"));
        store::Query q(m_fx->archive.db);
        q.setSql({"SELECT gruppo FROM CRcon63"});
        q.open();
        QCOMPARE(q.fieldByName("gruppo").asString(), "Work Imported-2026-05-20");
    }
};

QTEST_MAIN(TestImportDialog)
#include "tst_importdialog.moc"
