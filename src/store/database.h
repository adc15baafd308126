#pragma once

#include "sqldialect.h"

#include <QElapsedTimer>
#include <QHash>
#include <QString>

#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace store {

class ResultSet;
struct ParameterValue;

// The one database file of the program. Owns the SQLite handle, the cache of
// translated statements and the prepared statements behind them.
//
// Several processes may use one file at once: a writer that finds the file
// locked waits (busy timeout) instead of failing at once. Result sets are read
// whole when opened, so no read lock outlives the call that took it.
class Database final
{
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    static bool exists(const QString& path);

    // Creates a new, empty database file and opens it. Refuses to replace an
    // existing file.
    void create(const QString& path);
    // Opens an existing file. A file that is not a database is refused with
    // EDatabaseFileError and left exactly as it was.
    void open(const QString& path);
    void close();
    void reopen();
    bool isOpen() const { return m_db != nullptr; }
    // Whether a transaction is open on this connection.
    bool inTransaction() const;
    QString path() const { return m_path; }

    bool tableExists(const QString& name);
    // Writes a compacted copy of the open database to `path` (which must not exist).
    void compactCopyTo(const QString& path);

    // How long a statement waits for another process's lock, in milliseconds.
    void setBusyTimeout(int msecs);
    int busyTimeout() const { return m_busyWait.timeoutMs; }

    // How long a statement has been waiting for another process's lock.
    struct BusyWait
    {
        QElapsedTimer clock;
        int timeoutMs = 15000;
    };

    // What a statement text wrote: the rows it inserted, changed or deleted,
    // and the key of the row it inserted last (0 when it inserted none). Both
    // belong to the one run, so they hold even when another process writes to
    // the same file at the same time.
    struct Written
    {
        qint64 rowsChanged = 0;
        qint64 insertedKey = 0;
    };

    // Runs every statement of `translation` with the given parameters. A text of
    // several statements runs all or nothing. When `rows` is given, the result of
    // the last statement that returns rows is read into it.
    Written run(const Translation& translation, const QHash<QString, ParameterValue>& params,
                ResultSet* rows);

    // Translation of a program statement text, cached by text.
    std::shared_ptr<const Translation> translate(const QString& text);

private:
    friend class Transaction;
    void openFile(const QString& path, bool create);
    void configureConnection();
    sqlite3_stmt* prepared(const QByteArray& sql);
    void finalizeAll();
    // Returns the number of rows the statement wrote.
    qint64 runOne(const SqliteStatement& statement, const QHash<QString, ParameterValue>& params,
                  ResultSet* rows);
    void execPlain(const char* sql);
    void execQuietly(const char* sql) noexcept; // errors are dropped
    [[noreturn]] void fail(int code, const QString& context = QString()) const;

    sqlite3* m_db = nullptr;
    QString m_path;
    BusyWait m_busyWait;
    QHash<QString, std::shared_ptr<const Translation>> m_translations;
    QHash<QByteArray, sqlite3_stmt*> m_statements;
};

} // namespace store
