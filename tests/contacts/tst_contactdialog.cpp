#include "../calendar/ui/dialogs/dialogfixture.h"
#include "app/agenda.h"
#include "contacts/contactphoto.h"
#include "contacts/ui/contactdialog.h"
#include "contacts/ui/contactdialogs.h"
#include "shared/groups.h"

#include <QAction>
#include <QComboBox>
#include <QSignalSpy>
#include <QStackedWidget>

using namespace contacts;
using namespace contacts::ui;

namespace {

ContactFields anna()
{
    ContactFields f;
    f.name = "Anna";
    f.email = "anna@example.com";
    f.company = "Rossi";
    return f;
}

QImage picture(const QString& path, QSize size = QSize(30, 40))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QDir().mkpath(QFileInfo(path).path());
    if (!image.save(path, "PNG"))
        qFatal("cannot write %s", qPrintable(path));
    return image;
}

} // namespace

class TestContactDialog final : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<DialogFixture> m_f;

    qint64 store(const ContactFields& fields) { return ContactWriter(m_f->db).insert(fields); }
    ContactFields stored(qint64 codcon) { return *ContactWriter(m_f->db).load(codcon); }
    std::unique_ptr<TModConForm> modify(qint64 codcon, bool enlarged = false)
    {
        return std::make_unique<TModConForm>(m_f->deps, ContactDialogStart{}, codcon,
                                             stored(codcon), enlarged);
    }
    QAction* entry(QWidget* dialog, const char* name)
    {
        auto* a = dialog->findChild<QAction*>(QString::fromLatin1(name));
        if (!a)
            qFatal("no entry %s", name);
        return a;
    }
    int contactCount()
    {
        store::Query q(m_f->db);
        q.setSql({"SELECT COUNT(*) AS n FROM CRcon63"});
        q.open();
        return int(q.fieldByName("n").asInteger());
    }

private slots:
    void init()
    {
        m_f = std::make_unique<DialogFixture>();
        m_f->deps.linkedContactFields = nullptr; // the contact dialogs give their own
    }
    void cleanup() { m_f.reset(); }

    void newDialogInsertsAndStaysOpen()
    {
        TAggConForm dialog(m_f->deps, ContactDialogStart{{"Family", "Work"}, "Work"});
        QSignalSpy saved(&dialog, &ContactDialog::contactSaved);
        auto* name = child<QLineEdit>(&dialog, "Edit_ragsoc");
        auto* insert = child<QPushButton>(&dialog, "SpeedButtonAdd");
        auto* group = child<QComboBox>(&dialog, "ComboBox_Contact_Group");
        QCOMPARE(group->currentText(), "Work");
        QCOMPARE(group->count(), 2);
        QVERIFY(!insert->isEnabled());
        QVERIFY(!child<QPushButton>(&dialog, "SpeedButtonAddClose")->isEnabled());

        name->setText("anna; bella");
        group->setEditText("Book \"club\"");
        child<QLineEdit>(&dialog, "Edit_tel")->setText("0612 345, 333");
        QVERIFY(insert->isEnabled());
        insert->click();
        QCOMPARE(saved.count(), 1);
        const qint64 codcon = saved.first().first().toLongLong();
        QCOMPARE(stored(codcon).name, "Anna  bella");
        QCOMPARE(stored(codcon).phone, "0612 345, 333");
        QCOMPARE(stored(codcon).group, "Book \"club\"");
        QVERIFY(shared::groups::load(m_f->db, u'C').contains("Book \"club\""));
        // Cleared for the next contact; the typed group stays for it.
        QCOMPARE(name->text(), QString());
        QCOMPARE(child<QLineEdit>(&dialog, "Edit_tel")->text(), QString());
        QVERIFY(!insert->isEnabled());

        // Enter in a field is "Insert and close"; an empty name stores "Mr. X"
        // only through the rules, never an empty row.
        dialog.show();
        name->setText("bruno");
        QTest::keyClick(child<QLineEdit>(&dialog, "Edit_email"), Qt::Key_Return);
        QCOMPARE(saved.count(), 2);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(name->text(), "Bruno");
        QCOMPARE(contactCount(), 2);
    }

    void newDialogBirthdayOnlyTells()
    {
        TAggConForm dialog(m_f->deps, {});
        child<QToolButton>(&dialog, "SpeedButtonCompleanno")->click();
        QCOMPARE(m_f->prompter.shown.size(), 1);
        QCOMPARE(m_f->prompter.shown.first().text, BirthdayNeedsContactMessage);
        QCOMPARE(m_f->taskCount(), 0);
    }

    // Imported values longer than a field lets one type are shown and
    // written back whole by an unrelated edit.
    void modifyKeepsOverLongValuesWhole()
    {
        ContactFields f = anna();
        f.name = QString(80, u'n');
        f.phone = QString(300, u'1');
        f.group = QString(60, u'g');
        const qint64 codcon = store(f);
        auto dialog = modify(codcon);
        QCOMPARE(child<QLineEdit>(dialog.get(), "Edit_ragsoc")->text(), "N" + QString(79, u'n'));
        child<QLineEdit>(dialog.get(), "Edit_soc")->setText("Verdi");
        dialog->modify();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const ContactFields after = stored(codcon);
        QCOMPARE(after.name.size(), 80);
        QCOMPARE(after.phone, f.phone);
        QCOMPARE(after.group, f.group);
        QCOMPARE(after.company, "Verdi");
    }

    void picturePaths_data()
    {
        QTest::addColumn<QString>("storedPhoto"); // "@" stands for the program folder
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("savedPhoto");
        QTest::newRow("found where stored")
            << "@/elsewhere/anna.png" << true << "@/elsewhere/anna.png";
        QTest::newRow("moved into pics: new place stored")
            << "C:\\Foto\\anna.png" << true << "@/pics/anna.png";
        // A drive not mounted today: the path stays for the day it is.
        QTest::newRow("unreachable: path kept")
            << "E:\\Foto\\gone.jpg" << false << "E:\\Foto\\gone.jpg";
    }
    void picturePaths()
    {
        QFETCH(QString, storedPhoto);
        QFETCH(QString, savedPhoto);
        const QString program = m_f->state.programFolder;
        picture(program + "/elsewhere/anna.png");
        picture(program + "/pics/anna.png");
        ContactFields f = anna();
        f.photo = storedPhoto.replace("@", program);
        const qint64 codcon = store(f);
        auto dialog = modify(codcon);
        QTEST(!dialog->photo().isNull(), "shown");
        child<QLineEdit>(dialog.get(), "Edit_tel")->setText("06 123");
        dialog->modify();
        QCOMPARE(stored(codcon).photo, savedPhoto.replace("@", program));
    }

    void pictureMenu()
    {
        const QString program = m_f->state.programFolder;
        const QImage first = picture(program + "/pics/first.png", QSize(30, 40));
        ContactFields f = anna();
        f.photo = program + "/pics/first.png";
        const qint64 codcon = store(f);
        auto dialog = modify(codcon);
        auto* frame = child<QToolButton>(dialog.get(), "SpeedButtonImgContact");
        QCOMPARE(frame->text(), QString());

        // A file no reader knows is refused; picture and path stay.
        const QString metafile = program + "/logo.wmf";
        QFile wmf(metafile);
        QVERIFY(wmf.open(QIODevice::WriteOnly));
        wmf.write(QByteArray::fromHex("d7cdc69a0000000000000010001000000000"));
        wmf.close();
        m_f->prompter.files.enqueue(metafile);
        entry(dialog.get(), "Apri1")->trigger();
        QCOMPARE(m_f->prompter.shown.size(), 1);
        QCOMPARE(m_f->prompter.shown.first().text, photoNotLoadedMessage(metafile));
        QCOMPARE(dialog->photoPath(), f.photo);
        QCOMPARE(dialog->photo().size(), first.size());

        const QString second = program + "/second.png";
        picture(second, QSize(50, 20));
        m_f->prompter.files.enqueue(second);
        entry(dialog.get(), "Apri1")->trigger();
        QCOMPARE(dialog->photoPath(), QDir::toNativeSeparators(second));
        QCOMPARE(dialog->photo().size(), QSize(50, 20));

        entry(dialog.get(), "Elimina1")->trigger();
        QVERIFY(dialog->photo().isNull());
        QCOMPARE(frame->text(), "Photo");
        dialog->modify();
        QCOMPARE(stored(codcon).photo, QString());
    }

    void noteAreaHintAndPrint()
    {
        const qint64 codcon = store(anna());
        auto dialog = modify(codcon, true);
        auto* note = child<QPlainTextEdit>(dialog.get(), "Edit_note");
        auto* big = child<QPlainTextEdit>(dialog.get(), "Memo_BIG");
        auto* zoom = child<QToolButton>(dialog.get(), "SpeedButtonZoomNote");
        QVERIFY(dialog->noteAreaEnlarged());
        QCOMPARE(zoom->text(), "-");
        big->setPlainText("line one\nline two");
        QCOMPARE(note->toPlainText(), "line one\nline two");
        big->moveCursor(QTextCursor::End);
        zoom->click();
        QVERIFY(!dialog->noteAreaEnlarged());
        QCOMPARE(note->textCursor().position(), 17);

        child<QToolButton>(dialog.get(), "SpeedButtonHint")->click();
        const QString hint = m_f->prompter.shown.last().text;
        QVERIFY(hint.startsWith("DESCRIPTION:\r\rThis module allows you to update contact "
                                "informations.\r\rATTACH:\r\r"));
        QVERIFY(hint.endsWith("\r\r- Skype syntax \"skype:username?call\" to call or "
                              "\"skype:username?chat\" to chat."));

        child<QPushButton>(dialog.get(), "SpeedButtonPrintContact")->click();
        QCOMPARE(m_f->printer.jobs.size(), 1);
        QCOMPARE(m_f->printer.jobs.first().image.size(), dialog->size());
        QCOMPARE(m_f->printer.jobs.first().documentName, "-> Modify Contact");
    }

    // The link is the Modify dialog's alone, and it ends when it closes: a
    // New Yearly opened afterwards is an ordinary task.
    void linkLastsWhileModifyIsOpen()
    {
        const qint64 codcon = store(anna());
        ContactDialogs dialogs(m_f->deps, nullptr);
        QString during;
        whenModalOpens("AggConForm", [&](QWidget* d) {
            during = m_f->dialogState.linkedContactCode;
            static_cast<QDialog*>(d)->reject();
        });
        dialogs.openNew();
        QCOMPARE(during, "nessuno");
        whenModalOpens("ModConForm", [&](QWidget* d) {
            during = m_f->dialogState.linkedContactCode;
            static_cast<QDialog*>(d)->reject();
        });
        dialogs.openModify(codcon);
        QCOMPARE(during, QString::number(codcon));
        QCOMPARE(m_f->dialogState.linkedContactCode, "nessuno");
        QVERIFY(!m_f->dialogState.linkedContact());
    }

    // A birthday inserted from the contact is a yearly task of the contact
    // that the agenda lists on its day, with the contact's mail attached;
    // unlinking it leaves the task.
    void birthdayBothWays()
    {
        m_f->clock.set(QDateTime(QDate(2026, 3, 16), QTime(7, 0)));
        m_f->shown = QDate(2026, 3, 17);
        const qint64 codcon = store(anna());
        ContactDialogs dialogs(m_f->deps, nullptr);
        QSignalSpy yearly(&dialogs, &ContactDialogs::yearlyTasksChanged);
        QString button, menuCaption, description;
        bool searchEnabled = true;
        whenModalOpens("ModConForm", [&](QWidget* d) {
            auto* birthday = child<QToolButton>(d, "SpeedButtonCompleanno");
            QCOMPARE(birthday->text(), "Birthday");
            QCOMPARE(entry(d, "Modifica1")->text(), "Insert");
            QVERIFY(!entry(d, "Dissocia1")->isEnabled());
            // The name as typed now, not yet saved, names the birthday.
            child<QLineEdit>(d, "Edit_ragsoc")->setText("Anna Maria");
            whenModalOpens("AggYearForm", [&](QWidget* y) {
                description = child<QLineEdit>(y, "Edit_id")->text();
                child<QPushButton>(y, "SpeedButtonAddClose")->click();
            });
            entry(d, "Modifica1")->trigger();
            button = birthday->text();
            menuCaption = entry(d, "Modifica1")->text();
            searchEnabled = entry(d, "Cerca1")->isEnabled();
            static_cast<QDialog*>(d)->reject();
        });
        dialogs.openModify(codcon);
        QCOMPARE(description, "Birthday of Anna Maria");
        QCOMPARE(menuCaption, "Modify");
        QVERIFY(!searchEnabled);
        QCOMPARE(yearly.count(), 1);
        const QList<LinkedTask> linked = linkedYearlyTasks(m_f->db, codcon);
        QCOMPARE(linked.size(), 1);
        QCOMPARE(button, store::Settings::formatDate(QDate(2026, 3, 17), m_f->settings.dataYear(),
                                                     m_f->locale));
        QCOMPARE(m_f->row(linked.first().codimp)->fieldByName("allegato").asString(),
                 "mailto:anna@example.com");

        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        app::CommandLineEnvironment env;
        env.clock = &m_f->clock;
        env.programFolder = m_f->state.programFolder;
        env.locale = m_f->locale;
        QCOMPARE(app::runCommandLine({"--agenda", "2027-03-17", "--archive", m_f->folder.path()},
                                     outStream, errStream, env),
                 std::optional<int>(0));
        QVERIFY2(out.contains("2027-03-17\t  :  \t  :  \tY\tBirthday of Anna Maria\n"),
                 qPrintable(out + err));

        // Unlink from the contact: the task stays, unlinked.
        m_f->prompter.answers.enqueue(true);
        whenModalOpens("ModConForm", [&](QWidget* d) {
            entry(d, "Dissocia1")->trigger();
            button = child<QToolButton>(d, "SpeedButtonCompleanno")->text();
            static_cast<QDialog*>(d)->reject();
        });
        dialogs.openModify(codcon);
        QCOMPARE(m_f->prompter.shown.last().text,
                 " Delete the link of \"Anna\" with the task \"Birthday of Anna Maria\"");
        QCOMPARE(button, "Birthday");
        QVERIFY(linkedYearlyTasks(m_f->db, codcon).isEmpty());
        QCOMPARE(m_f->taskCount(), 1);
    }

    // Search asks only about tasks nobody else's birthday; Delete removes
    // the linked task after the list's own question.
    void searchAndDelete()
    {
        const qint64 codcon = store(anna());
        ContactFields bianchi;
        bianchi.name = "Anna Bianchi";
        const qint64 other = store(bianchi);
        calendar::TaskDraft taken = draftOn(QDate(1980, 5, 1), "Anna Bianchi");
        taken.linkedContact = other;
        m_f->add("Y", taken);
        const qint64 free = m_f->add("Y", draftOn(QDate(1990, 6, 2), "Anna's day"));
        auto dialog = modify(codcon);
        m_f->prompter.answers.enqueue(true);
        entry(dialog.get(), "Cerca1")->trigger();
        QCOMPARE(m_f->prompter.shown.size(), 1);
        QCOMPARE(m_f->prompter.shown.first().text, " Link \"Anna\" with the task \"Anna's day\"");
        QCOMPARE(linkedYearlyTasks(m_f->db, codcon).first().codimp, free);
        QCOMPARE(linkedYearlyTasks(m_f->db, other).size(), 1);
        QVERIFY(entry(dialog.get(), "Elimina2")->isEnabled());

        m_f->prompter.answers.enqueue(true);
        entry(dialog.get(), "Elimina2")->trigger();
        QVERIFY(m_f->prompter.shown.last().text.startsWith(
            " You are in order to eliminate \"Anna's day"));
        QCOMPARE(m_f->row(free)->recordCount(), 0);
        QCOMPARE(child<QToolButton>(dialog.get(), "SpeedButtonCompleanno")->text(), "Birthday");

        child<QLineEdit>(dialog.get(), "Edit_ragsoc")->setText("Zoe");
        entry(dialog.get(), "Cerca1")->trigger();
        QCOMPARE(m_f->prompter.shown.last().text,
                 "I have not find a yearly task to associate with \"Zoe\"");
    }
};

QTEST_MAIN(TestContactDialog)
#include "tst_contactdialog.moc"
