#include "store/transaction.h"

#include "store/database.h"
#include "store/sqlerror.h"

namespace store {

namespace {
// One name serves every level: the engine undoes or releases the most recent
// savepoint of a name, which is the innermost part still open.
constexpr const char* Begin = "BEGIN IMMEDIATE";
constexpr const char* BeginPart = "SAVEPOINT corvandine_part";
constexpr const char* Commit = "COMMIT";
constexpr const char* CommitPart = "RELEASE corvandine_part";
} // namespace

Transaction::Transaction(Database& database) : m_db(database)
{
    if (!m_db.isOpen())
        throw SqlError(errorclass::Database, QStringLiteral("No database is open"));
    m_nested = m_db.inTransaction();
    m_db.execPlain(m_nested ? BeginPart : Begin);
    m_open = true;
}

Transaction::~Transaction()
{
    if (!m_open || !m_db.isOpen())
        return;
    // After some failures the engine has already undone everything itself;
    // then there is nothing left to roll back, and nothing to report.
    if (m_nested) {
        m_db.execQuietly("ROLLBACK TO corvandine_part");
        m_db.execQuietly(CommitPart);
    } else {
        m_db.execQuietly("ROLLBACK");
    }
}

void Transaction::commit()
{
    if (!m_open)
        throw SqlError(errorclass::Database, QStringLiteral("The transaction has already ended"));
    m_db.execPlain(m_nested ? CommitPart : Commit);
    m_open = false;
}

} // namespace store
