#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace store {

// One statement ready for SQLite, in UTF-8.
struct SqliteStatement
{
    QByteArray sql;
    bool returnsRows = false;
};

// The program writes its SQL in the dialect of the engine its archives were
// first kept in: double-quoted text literals, AUTOINC and MEMO columns,
// ALTER TABLE t ADD (a T, b T), INSERT INTO t (SELECT ...), EXTRACT(MONTH
// FROM d), true/false, several statements in one text. translateDialect()
// lexes such a text and rewrites it statement by statement for SQLite.
//
// Parameter names are case-blind; in the output they are written in lower
// case, and parameterNames lists each once, in order of first appearance.
struct Translation
{
    std::vector<SqliteStatement> statements;
    QStringList parameterNames;
};

// Throws SqlError (class ESqlSyntaxError) when the text cannot be lexed,
// for example an unterminated literal.
Translation translateDialect(const QString& text);

// Name of the SQL function that EXTRACT(part FROM value) is rewritten to.
inline constexpr const char* extractFunctionName = "corv_extract";

} // namespace store
