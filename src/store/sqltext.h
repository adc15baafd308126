#pragma once

#include <QString>

namespace store {

// Statement texts put user text between double quotes. Every double quote in
// the text is doubled, which the engine reads back as one quote, so no value
// can end the literal early and run as part of the statement.
QString doubledQuotes(const QString& value);
// The value as a whole double-quoted literal.
QString quotedText(const QString& value);

// A condition true when `column` (a column or an expression over one) holds
// nothing. The program stores an empty field as an empty text, while rows
// written by other means may hold a null: both count as empty.
QString emptyOrNull(const QString& column);

} // namespace store
