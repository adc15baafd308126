#include "database.h"

#include "daynumber.h"
#include "query.h"
#include "sqlerror.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <chrono>
#include <thread>

#include <sqlite3.h>

namespace store {
namespace {

// ---- SQL functions the dialect relies on -------------------------------------------

// UPPER must fold every letter, not only ASCII, so that searches that compare
// UPPER(column) with UPPER("text") are case-blind for accented letters too.
void upperFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) != SQLITE_TEXT) {
        sqlite3_result_value(ctx, argv[0]);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QByteArray upper =
        QString::fromUtf8(text, sqlite3_value_bytes(argv[0])).toUpper().toUtf8();
    sqlite3_result_text(ctx, upper.constData(), int(upper.size()), SQLITE_TRANSIENT);
}

const unsigned char* nextCodePoint(const unsigned char* s)
{
    ++s;
    while ((*s & 0xC0) == 0x80)
        ++s;
    return s;
}

// LIKE with % and _ that compares letters exactly: "abc" LIKE "A%" is false.
bool likeMatches(const unsigned char* p, const unsigned char* s)
{
    const unsigned char* starP = nullptr;
    const unsigned char* starS = nullptr;
    while (*s) {
        if (*p == '%') {
            while (*p == '%')
                ++p;
            if (!*p)
                return true;
            starP = p;
            starS = s;
        } else if (*p == '_') {
            ++p;
            s = nextCodePoint(s);
        } else if (*p && *p == *s) {
            ++p;
            ++s;
        } else if (starP) {
            p = starP;
            starS = nextCodePoint(starS);
            s = starS;
        } else {
            return false;
        }
    }
    while (*p == '%')
        ++p;
    return !*p;
}

void likeFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    // SQLite calls like(pattern, text) for "text LIKE pattern".
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const unsigned char* pattern = sqlite3_value_text(argv[0]);
    const unsigned char* text = sqlite3_value_text(argv[1]);
    sqlite3_result_int(ctx, pattern && text && likeMatches(pattern, text) ? 1 : 0);
}

// EXTRACT(part FROM value) on day numbers.
void extractFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const QByteArray part(reinterpret_cast<const char*>(sqlite3_value_text(argv[0])));
    const QDateTime when = dateTimeFromDayNumber(sqlite3_value_double(argv[1]));
    int result = 0;
    if (part == "YEAR")
        result = when.date().year();
    else if (part == "MONTH")
        result = when.date().month();
    else if (part == "DAY")
        result = when.date().day();
    else if (part == "HOUR")
        result = when.time().hour();
    else if (part == "MINUTE")
        result = when.time().minute();
    else if (part == "SECOND")
        result = when.time().second();
    else {
        sqlite3_result_error(ctx, "EXTRACT knows YEAR, MONTH, DAY, HOUR, MINUTE and SECOND", -1);
        return;
    }
    sqlite3_result_int(ctx, result);
}

ResultSet::ColumnKind kindOfDeclaredType(const char* declared)
{
    if (!declared)
        return ResultSet::ColumnKind::Plain;
    const QByteArray type = QByteArray(declared).toUpper();
    if (type == "DATE" || type == "DATETIME" || type == "TIMESTAMP")
        return ResultSet::ColumnKind::Date;
    if (type == "LOGICAL" || type == "BOOLEAN")
        return ResultSet::ColumnKind::Logical;
    return ResultSet::ColumnKind::Plain;
}

// Resets a prepared statement whatever way the step loop is left, so that no
// statement keeps a lock or blocks a later DROP/ALTER.
struct StatementReset
{
    sqlite3_stmt* stmt;
    ~StatementReset()
    {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
    }
};

constexpr int MaxCachedStatements = 256;

// Waiting for another process's lock. SQLite's own handler sleeps ever longer
// between tries (up to 100 ms), and a program that writes in a tight loop
// then keeps the lock nearly all the time: the waiter starves and gives up.
// Trying again every millisecond or two, with a little jitter, catches the
// gaps between the other program's transactions.
int busyHandler(void* context, int attempt)
{
    auto* wait = static_cast<Database::BusyWait*>(context);
    if (attempt == 0)
        wait->clock.start();
    if (wait->clock.elapsed() >= wait->timeoutMs)
        return 0;
    std::this_thread::sleep_for(
        std::chrono::microseconds(500 + QRandomGenerator::global()->bounded(1500)));
    return 1;
}

} // namespace

Database::Database() = default;

Database::~Database()
{
    close();
}

bool Database::exists(const QString& path)
{
    return QFileInfo(path).isFile();
}

void Database::create(const QString& path)
{
    if (exists(path))
        throw SqlError(errorclass::Database,
                       QStringLiteral("Cannot create %1: the file already exists").arg(path));
    openFile(path, true);
}

void Database::open(const QString& path)
{
    if (!exists(path))
        throw SqlError(errorclass::FileNotFound,
                       QStringLiteral("Database file %1 does not exist").arg(path));
    openFile(path, false);
}

void Database::openFile(const QString& path, bool create)
{
    close();
    sqlite3* db = nullptr;
    // Each connection is used by one thread only (the program's UI thread), so
    // SQLite's per-call connection mutex is pure cost.
    const int flags =
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = db ? QString::fromUtf8(sqlite3_errmsg(db))
                                   : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close_v2(db);
        throw SqlError(errorclass::Database,
                       QStringLiteral("Cannot open %1: %2").arg(path, message));
    }
    m_db = db;
    m_path = path;
    configureConnection();

    // Opening is lazy in SQLite; read the schema now so that a file that is
    // no database is refused here, before anything could write to it.
    const int check = sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr,
                                   nullptr);
    if (check != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(m_db));
        const int primary = check & 0xFF;
        close();
        throw SqlError(primary == SQLITE_NOTADB ? errorclass::NotADatabase : errorclass::Database,
                       QStringLiteral("Cannot open %1: %2").arg(path, message));
    }
}

void Database::configureConnection()
{
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_handler(m_db, busyHandler, &m_busyWait);
    const int utf8 = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_function(m_db, "upper", 1, utf8, nullptr, upperFunction, nullptr, nullptr);
    sqlite3_create_function(m_db, "like", 2, utf8, nullptr, likeFunction, nullptr, nullptr);
    sqlite3_create_function(m_db, extractFunctionName, 2, utf8, nullptr, extractFunction, nullptr,
                            nullptr);
}

void Database::close()
{
    finalizeAll();
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

void Database::reopen()
{
    if (m_path.isEmpty())
        throw SqlError(errorclass::Database, QStringLiteral("No database file to reopen"));
    const QString path = m_path;
    open(path);
}

bool Database::inTransaction() const
{
    return m_db && !sqlite3_get_autocommit(m_db);
}

void Database::setBusyTimeout(int msecs)
{
    m_busyWait.timeoutMs = msecs;
}

bool Database::tableExists(const QString& name)
{
    if (!m_db)
        reopen();
    sqlite3_stmt* stmt = prepared(
        "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE");
    StatementReset guard{stmt};
    const QByteArray utf8 = name.toUtf8();
    sqlite3_bind_text(stmt, 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        fail(rc);
    return rc == SQLITE_ROW;
}

void Database::compactCopyTo(const QString& path)
{
    if (!m_db)
        throw SqlError(errorclass::Database, QStringLiteral("No database is open"));
    if (QFileInfo::exists(path))
        throw SqlError(errorclass::Database,
                       QStringLiteral("Cannot write a copy to %1: the file already exists").arg(path));
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, "VACUUM INTO ?1", -1, &stmt, nullptr) != SQLITE_OK)
        fail(sqlite3_errcode(m_db));
    const QByteArray target = QFile::encodeName(path);
    sqlite3_bind_text(stmt, 1, target.constData(), int(target.size()), SQLITE_TRANSIENT);
    const int rc = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        fail(rc, QStringLiteral("Cannot write a copy to %1").arg(path));
}

std::shared_ptr<const Translation> Database::translate(const QString& text)
{
    auto it = m_translations.constFind(text);
    if (it != m_translations.constEnd())
        return it.value();
    auto translation = std::make_shared<const Translation>(translateDialect(text));
    if (m_translations.size() > 4096)
        m_translations.clear();
    m_translations.insert(text, translation);
    return translation;
}

sqlite3_stmt* Database::prepared(const QByteArray& sql)
{
    if (sqlite3_stmt* stmt = m_statements.value(sql))
        return stmt;
    if (m_statements.size() >= MaxCachedStatements)
        finalizeAll();
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v3(m_db, sql.constData(), int(sql.size()),
                                      SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        fail(rc, QString::fromUtf8(sql));
    }
    if (!stmt) // only blanks or a comment
        throw SqlError(errorclass::Syntax, QStringLiteral("Empty statement"));
    m_statements.insert(sql, stmt);
    return stmt;
}

void Database::finalizeAll()
{
    for (sqlite3_stmt* stmt : std::as_const(m_statements))
        sqlite3_finalize(stmt);
    m_statements.clear();
}

void Database::execPlain(const char* sql)
{
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        fail(rc);
}

void Database::execQuietly(const char* sql) noexcept
{
    if (m_db)
        sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
}

Database::Written Database::run(const Translation& translation,
                                const QHash<QString, ParameterValue>& params, ResultSet* rows)
{
    if (!m_db)
        throw SqlError(errorclass::Database, QStringLiteral("No database is open"));
    const auto& statements = translation.statements;
    if (statements.empty())
        throw SqlError(errorclass::Syntax, QStringLiteral("The statement text is empty"));

    size_t rowsFrom = statements.size();
    if (rows) {
        for (size_t i = 0; i < statements.size(); ++i) {
            if (statements[i].returnsRows)
                rowsFrom = i;
        }
    }

    // The connection's own counters: nothing another process does moves them.
    sqlite3_set_last_insert_rowid(m_db, 0);
    Written written;

    if (statements.size() == 1) {
        written.rowsChanged = runOne(statements.front(), params, rowsFrom == 0 ? rows : nullptr);
        written.insertedKey = sqlite3_last_insert_rowid(m_db);
        return written;
    }

    // Several statements run all or nothing. An immediate transaction takes the
    // write lock up front, so two processes wait for each other rather than
    // deadlock half-way.
    const bool nested = !sqlite3_get_autocommit(m_db);
    execPlain(nested ? "SAVEPOINT corvandine_text" : "BEGIN IMMEDIATE");
    try {
        for (size_t i = 0; i < statements.size(); ++i)
            written.rowsChanged += runOne(statements[i], params, i == rowsFrom ? rows : nullptr);
        execPlain(nested ? "RELEASE corvandine_text" : "COMMIT");
        written.insertedKey = sqlite3_last_insert_rowid(m_db);
        return written;
    } catch (...) {
        if (nested) {
            sqlite3_exec(m_db, "ROLLBACK TO corvandine_text", nullptr, nullptr, nullptr);
            sqlite3_exec(m_db, "RELEASE corvandine_text", nullptr, nullptr, nullptr);
        } else if (!sqlite3_get_autocommit(m_db)) {
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        }
        throw;
    }
}

qint64 Database::runOne(const SqliteStatement& statement,
                        const QHash<QString, ParameterValue>& params, ResultSet* rows)
{
    // The engine's count of the last write is left standing by statements
    // that write nothing (a SELECT, a CREATE): only a statement that moved the
    // running total wrote rows, and its own count leaves out what triggers did.
    const qint64 totalBefore = sqlite3_total_changes64(m_db);
    sqlite3_stmt* stmt = prepared(statement.sql);
    StatementReset guard{stmt};

    const int parameterCount = sqlite3_bind_parameter_count(stmt);
    for (int i = 1; i <= parameterCount; ++i) {
        const char* rawName = sqlite3_bind_parameter_name(stmt, i);
        if (!rawName)
            continue;
        const auto it = params.constFind(QString::fromUtf8(rawName + 1));
        if (it == params.constEnd())
            continue; // unset parameters are null
        const ParameterValue& v = it.value();
        switch (v.type) {
        case ParameterValue::Type::Null:
            break;
        case ParameterValue::Type::Text: {
            const QByteArray utf8 = v.text.toUtf8();
            sqlite3_bind_text(stmt, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
            break;
        }
        case ParameterValue::Type::Integer:
        case ParameterValue::Type::Boolean:
            sqlite3_bind_int64(stmt, i, v.integer);
            break;
        case ParameterValue::Type::Float:
            sqlite3_bind_double(stmt, i, v.number);
            break;
        }
    }

    // The columns are read after the first step: a cached "SELECT *" is prepared
    // again inside the step when a column was added meanwhile.
    int columns = -1;
    for (;;) {
        const int rc = sqlite3_step(stmt);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            fail(rc);
        if (rows && columns < 0) {
            columns = sqlite3_column_count(stmt);
            QStringList names;
            std::vector<ResultSet::ColumnKind> kinds;
            for (int c = 0; c < columns; ++c) {
                names.append(QString::fromUtf8(sqlite3_column_name(stmt, c)));
                kinds.push_back(kindOfDeclaredType(sqlite3_column_decltype(stmt, c)));
            }
            rows->reset(names, std::move(kinds));
        }
        if (rc == SQLITE_DONE)
            return sqlite3_total_changes64(m_db) != totalBefore ? sqlite3_changes64(m_db) : 0;
        if (!rows)
            continue;
        for (int c = 0; c < columns; ++c) {
            // One look-up of the column's value serves its type and content.
            sqlite3_value* value = sqlite3_column_value(stmt, c);
            switch (sqlite3_value_type(value)) {
            case SQLITE_INTEGER:
                rows->appendInteger(sqlite3_value_int64(value));
                break;
            case SQLITE_FLOAT:
                rows->appendFloat(sqlite3_value_double(value));
                break;
            case SQLITE_NULL:
                rows->appendNull();
                break;
            default: {
                const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
                rows->appendText(text, sqlite3_value_bytes(value));
            }
            }
        }
    }
}

void Database::fail(int code, const QString& context) const
{
    const int primary = code & 0xFF;
    QString message = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                           : QString::fromUtf8(sqlite3_errstr(code));
    if (!context.isEmpty())
        message += QStringLiteral(" [") + context + u']';
    QString className = errorclass::Database;
    switch (primary) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        className = errorclass::NotADatabase;
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        className = errorclass::Busy;
        break;
    case SQLITE_CONSTRAINT:
        className = errorclass::Constraint;
        break;
    case SQLITE_ERROR:
        if (message.contains(QLatin1String("syntax error")) || message.contains(QLatin1String("incomplete input")))
            className = errorclass::Syntax;
        break;
    default:
        break;
    }
    throw SqlError(className, message);
}

} // namespace store
