#include "store/sqltext.h"

namespace store {

QString doubledQuotes(const QString& value)
{
    if (!value.contains(u'"'))
        return value;
    QString out = value;
    return out.replace(u'"', QStringLiteral("\"\""));
}

QString quotedText(const QString& value)
{
    return u'"' + doubledQuotes(value) + u'"';
}

QString emptyOrNull(const QString& column)
{
    return u'(' + column + QStringLiteral(" IS NULL OR ") + column + QStringLiteral(" = \"\")");
}

} // namespace store
