#pragma once

#include "contacts/ui/contactspage.h"
#include "ui/windowfixture.h"

#include <QRandomGenerator>
#include <QTableView>

// The Contacts tab on a real archive, its archive folder the fixture's.
struct ContactsFixture : WindowFixture
{
    QRandomGenerator generator{42};

    ContactsFixture() { state.archiveFolder = archive.folder.path(); }

    std::unique_ptr<contacts::ui::ContactsPage> page()
    {
        auto p =
            std::make_unique<contacts::ui::ContactsPage>(archive.db, settings, services, state);
        p->setSuffixGenerator(&generator);
        p->resize(1000, 600);
        return p;
    }

    // Writes a contact; `fields` maps columns to values. Returns its code.
    qint64 addContact(const QString& name, const QHash<QString, QString>& fields = {})
    {
        QStringList columns{"ragsoc"};
        QStringList values{":ragsoc"};
        for (auto it = fields.begin(); it != fields.end(); ++it) {
            columns << it.key();
            values << ":" + it.key();
        }
        store::Query q(archive.db);
        q.setSql(
            {"INSERT INTO CRcon63 (" + columns.join(',') + ") VALUES (" + values.join(',') + ")"});
        q.setText("ragsoc", name);
        for (auto it = fields.begin(); it != fields.end(); ++it)
            q.setText(it.key(), it.value());
        q.execSql();
        return q.insertedKey();
    }

    // A yearly task linked to contact `codcon` as its birthday.
    qint64 addBirthday(qint64 codcon, const QString& description, const QDate& date)
    {
        calendar::TaskDraft d = draftOn(date, description);
        d.linkedContact = codcon;
        return write("Y", d);
    }

    int count(const QString& sql)
    {
        store::Query q(archive.db);
        q.setSql({sql});
        q.open();
        return q.recordCount();
    }

    // The names as the page's grid lists them.
    static QStringList listed(const QWidget& page)
    {
        const auto* grid = page.findChild<QTableView*>("DBGrid_Contact");
        QStringList out;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            out << grid->model()->index(row, 0).data().toString();
        return out;
    }
};
