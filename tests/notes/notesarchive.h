#pragma once

#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// A real archive in a temporary folder, built as the program builds it, with
// the general-purpose query the Notes tab writes through.
struct NotesArchive
{
    QTemporaryDir folder;
    store::Database db;
    std::unique_ptr<store::Query> general;

    NotesArchive()
    {
        db.create(folder.filePath(QStringLiteral("coarc.abs")));
        general = std::make_unique<store::Query>(db);
        store::Query settings(db);
        store::ArchiveEnvironment env;
        env.archiveFolder = folder.path();
        env.programFolder = folder.path();
        store::ArchiveBuilder(db, *general, settings, env).build();
    }

    // Writes a row as another program might: a null group stays null.
    qint64 addRaw(const QString& title, const QString& text, const QVariant& group = QVariant())
    {
        store::Query q(db);
        q.setSql(
            {QStringLiteral("INSERT INTO CRnot80 (id,note,gruppo) values (:id,:note,:gruppo)")});
        q.setText(QStringLiteral("id"), title);
        q.setText(QStringLiteral("note"), text);
        if (group.isNull())
            q.setNull(QStringLiteral("gruppo"));
        else
            q.setText(QStringLiteral("gruppo"), group.toString());
        q.execSql();
        return q.insertedKey();
    }

    // The rows of a statement, one column, in the order returned.
    QStringList column(const QString& sql, const QString& name = QStringLiteral("id"))
    {
        store::Query q(db);
        q.setSql({sql});
        q.open();
        QStringList out;
        for (; !q.eof(); q.next())
            out << q.fieldByName(name).asString();
        return out;
    }
};
