#pragma once

#include "calendar/taskrecord.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// A real archive in a temporary folder, built as the program builds it, with
// a general-purpose query and a task writer under the English locale that the
// expectations are written in.
struct ArchiveFixture
{
    QTemporaryDir folder;
    store::Database db;
    std::unique_ptr<store::Query> general;
    QLocale locale{QLocale::English, QLocale::UnitedStates};

    ArchiveFixture()
    {
        db.create(databasePath());
        general = std::make_unique<store::Query>(db);
        store::Query settings(db);
        store::ArchiveEnvironment env;
        env.archiveFolder = folder.path();
        env.programFolder = folder.path();
        store::ArchiveBuilder(db, *general, settings, env).build();
    }

    QString databasePath() const { return folder.filePath(QStringLiteral("coarc.abs")); }

    calendar::TaskWriter writer() { return calendar::TaskWriter(*general, locale); }

    // The key of the task written last.
    qint64 lastKey()
    {
        store::Query q(db);
        q.setSql({QStringLiteral("SELECT MAX(codimp) AS k FROM CRarc66")});
        q.open();
        return q.fieldByName(QStringLiteral("k")).asInteger();
    }

    // Writes a task and returns its key.
    qint64 add(const QString& kind, const calendar::TaskDraft& draft,
               const QDate& shown = QDate(2026, 1, 1))
    {
        return writer().insert(kind, draft, shown);
    }

    // The current row of a task, for reading its columns.
    std::unique_ptr<store::Query> row(qint64 codimp)
    {
        auto q = std::make_unique<store::Query>(db);
        q->setSql({QStringLiteral("SELECT * FROM CRarc66 WHERE codimp = ") + QString::number(codimp)});
        q->open();
        return q;
    }
};

inline calendar::TaskDraft draftOn(const QDate& date, const QString& description = QStringLiteral("task"))
{
    calendar::TaskDraft d;
    d.description = description;
    d.date = date;
    d.expiry = date;
    d.from = QStringLiteral("  :  ");
    d.to = QStringLiteral("  :  ");
    return d;
}
