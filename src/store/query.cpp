#include "query.h"

#include "daynumber.h"
#include "database.h"
#include "sqlerror.h"

#include <cmath>

namespace store {

namespace {
// yyyy-MM-dd without the general formatter: date columns are read for every
// row of a list.
QString isoDate(const QDate& date)
{
    int y = 0, m = 0, d = 0;
    date.getDate(&y, &m, &d);
    if (y < 0 || y > 9999)
        return date.toString(Qt::ISODate);
    const char16_t text[10] = {char16_t(u'0' + y / 1000), char16_t(u'0' + y / 100 % 10),
                               char16_t(u'0' + y / 10 % 10), char16_t(u'0' + y % 10), u'-',
                               char16_t(u'0' + m / 10), char16_t(u'0' + m % 10), u'-',
                               char16_t(u'0' + d / 10), char16_t(u'0' + d % 10)};
    return QString(reinterpret_cast<const QChar*>(text), 10);
}
} // namespace

// ---- ResultSet ---------------------------------------------------------------------

void ResultSet::reset(const QStringList& names, std::vector<ColumnKind> kinds)
{
    m_columns = int(names.size());
    m_names = names;
    m_kinds = std::move(kinds);
    m_index.clear();
    for (int c = 0; c < m_columns; ++c)
        m_index.insert(names.at(c).toLower(), c);
    // Keep the buffers: a list opens the same statement again and again.
    m_cells.clear();
    m_arena.resize(0);
}

void ResultSet::appendInteger(qint64 v)
{
    Cell c;
    c.type = CellType::Integer;
    c.integer = v;
    m_cells.push_back(c);
}

void ResultSet::appendFloat(double v)
{
    Cell c;
    c.type = CellType::Float;
    c.number = v;
    m_cells.push_back(c);
}

void ResultSet::appendText(const char* utf8, int bytes)
{
    Cell c;
    c.type = CellType::Text;
    c.offset = m_arena.size();
    c.length = bytes;
    m_arena.append(utf8, bytes);
    m_cells.push_back(c);
}

void ResultSet::appendNull()
{
    Cell c;
    c.integer = 0;
    m_cells.push_back(c);
}

void ResultSet::clear()
{
    m_columns = 0;
    m_names.clear();
    m_kinds.clear();
    m_index.clear();
    m_cells.clear();
    m_arena.resize(0);
}

int ResultSet::columnIndex(const QString& name) const
{
    // Most callers spell a column as it was created; a plain scan over the few
    // columns of a row beats hashing. Only other spellings pay for folding.
    // Rows are mostly read column after column in the same order: try the
    // column after the one asked for last before scanning.
    const int hint = m_lastLookup + 1 < m_columns ? m_lastLookup + 1 : 0;
    if (hint < m_columns && m_names.at(hint) == name)
        return m_lastLookup = hint;
    for (int c = 0; c < m_columns; ++c) {
        if (m_names.at(c) == name)
            return m_lastLookup = c;
    }
    const int folded = m_index.value(name.toLower(), -1);
    if (folded >= 0)
        m_lastLookup = folded;
    return folded;
}

QString ResultSet::text(int row, int column) const
{
    const Cell& c = cell(row, column);
    switch (c.type) {
    case CellType::Null:
        return QString();
    case CellType::Text:
        return QString::fromUtf8(m_arena.constData() + c.offset, c.length);
    case CellType::Integer:
    case CellType::Float:
        break;
    }
    const double value = c.type == CellType::Integer ? double(c.integer) : c.number;
    switch (m_kinds[column]) {
    case ColumnKind::Logical:
        return value != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case ColumnKind::Date: {
        const auto [date, time] = splitDayNumber(value);
        return time == QTime(0, 0) ? isoDate(date)
                                   : isoDate(date) + u' ' + time.toString(QStringLiteral("hh:mm:ss"));
    }
    case ColumnKind::Plain:
        break;
    }
    if (c.type == CellType::Integer)
        return QString::number(c.integer);
    return QString::number(c.number, 'g', 15);
}

qint64 ResultSet::integer(int row, int column) const
{
    const Cell& c = cell(row, column);
    switch (c.type) {
    case CellType::Null:
        return 0;
    case CellType::Integer:
        return c.integer;
    case CellType::Float:
        return std::llround(c.number);
    case CellType::Text: {
        const QString t = text(row, column).trimmed();
        bool ok = false;
        const qint64 v = t.toLongLong(&ok);
        return ok ? v : std::llround(t.toDouble());
    }
    }
    return 0;
}

double ResultSet::number(int row, int column) const
{
    const Cell& c = cell(row, column);
    switch (c.type) {
    case CellType::Null:
        return 0.0;
    case CellType::Integer:
        return double(c.integer);
    case CellType::Float:
        return c.number;
    case CellType::Text:
        return text(row, column).trimmed().toDouble();
    }
    return 0.0;
}

bool ResultSet::boolean(int row, int column) const
{
    const Cell& c = cell(row, column);
    switch (c.type) {
    case CellType::Null:
        return false;
    case CellType::Integer:
        return c.integer != 0;
    case CellType::Float:
        return c.number != 0.0;
    case CellType::Text: {
        const QString t = text(row, column).trimmed();
        return t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || t == u'1';
    }
    }
    return false;
}

QDateTime ResultSet::dateTime(int row, int column) const
{
    const Cell& c = cell(row, column);
    if (c.type == CellType::Text) {
        const QString t = text(row, column).trimmed();
        QDateTime when = QDateTime::fromString(t, Qt::ISODate);
        if (!when.isValid())
            when = QDateTime(QDate::fromString(t, Qt::ISODate), QTime(0, 0));
        return when.isValid() ? when : QDateTime(dayZero(), QTime(0, 0));
    }
    return dateTimeFromDayNumber(number(row, column));
}

QVariant ResultSet::value(int row, int column) const
{
    const Cell& c = cell(row, column);
    if (c.type == CellType::Null)
        return QVariant();
    if (c.type == CellType::Text)
        return text(row, column);
    switch (m_kinds[column]) {
    case ColumnKind::Logical:
        return boolean(row, column);
    case ColumnKind::Date: {
        const auto [date, time] = splitDayNumber(number(row, column));
        return time == QTime(0, 0) ? QVariant(date) : QVariant(QDateTime(date, time));
    }
    case ColumnKind::Plain:
        break;
    }
    return c.type == CellType::Integer ? QVariant(c.integer) : QVariant(c.number);
}

// ---- Field -------------------------------------------------------------------------

QString Field::name() const
{
    return m_query->m_rows.columnNames().at(m_column);
}

bool Field::isNull() const
{
    return m_query->isEmpty()
           || m_query->m_rows.type(m_query->m_row, m_column) == ResultSet::CellType::Null;
}

QString Field::asString() const
{
    return m_query->isEmpty() ? QString() : m_query->m_rows.text(m_query->m_row, m_column);
}

qint64 Field::asInteger() const
{
    return m_query->isEmpty() ? 0 : m_query->m_rows.integer(m_query->m_row, m_column);
}

double Field::asFloat() const
{
    return m_query->isEmpty() ? 0.0 : m_query->m_rows.number(m_query->m_row, m_column);
}

bool Field::asBoolean() const
{
    return !m_query->isEmpty() && m_query->m_rows.boolean(m_query->m_row, m_column);
}

QDateTime Field::asDateTime() const
{
    return m_query->isEmpty() ? QDateTime(dayZero(), QTime(0, 0))
                              : m_query->m_rows.dateTime(m_query->m_row, m_column);
}

// ---- Query -------------------------------------------------------------------------

Query::Query(Database& database) : m_db(database) {}

void Query::clearSql()
{
    close();
    m_lines.clear();
    m_translation.reset();
    m_params.clear();
}

void Query::addSql(const QString& line)
{
    close();
    m_lines.append(line);
    m_translation.reset();
}

void Query::setSql(const QStringList& lines)
{
    clearSql();
    m_lines = lines;
}

const Translation& Query::translation()
{
    if (!m_translation)
        m_translation = m_db.translate(sqlText());
    return *m_translation;
}

QStringList Query::parameterNames()
{
    return translation().parameterNames;
}

void Query::setParameter(const QString& name, ParameterValue value)
{
    QString key = name.toLower();
    if (key.startsWith(u':'))
        key.remove(0, 1);
    if (!translation().parameterNames.contains(key))
        throw SqlError(errorclass::Parameter,
                       QStringLiteral("Parameter '%1' not found in the statement").arg(name));
    m_params.insert(key, std::move(value));
}

void Query::setText(const QString& name, const QString& value)
{
    ParameterValue v;
    v.type = ParameterValue::Type::Text;
    v.text = value;
    setParameter(name, std::move(v));
}

void Query::setInteger(const QString& name, qint64 value)
{
    ParameterValue v;
    v.type = ParameterValue::Type::Integer;
    v.integer = value;
    setParameter(name, std::move(v));
}

void Query::setFloat(const QString& name, double value)
{
    ParameterValue v;
    v.type = ParameterValue::Type::Float;
    v.number = value;
    setParameter(name, std::move(v));
}

void Query::setDate(const QString& name, const QDate& value)
{
    if (!value.isValid())
        return setNull(name);
    setFloat(name, toDayNumber(value));
}

void Query::setDateTime(const QString& name, const QDateTime& value)
{
    if (!value.isValid())
        return setNull(name);
    setFloat(name, toDayNumber(value));
}

void Query::setTime(const QString& name, const QTime& value)
{
    if (!value.isValid())
        return setNull(name);
    setFloat(name, toDayNumber(value));
}

void Query::setBoolean(const QString& name, bool value)
{
    ParameterValue v;
    v.type = ParameterValue::Type::Boolean;
    v.integer = value ? 1 : 0;
    setParameter(name, std::move(v));
}

void Query::setNull(const QString& name)
{
    setParameter(name, ParameterValue{});
}

void Query::execSql()
{
    close();
    m_rowsAffected = m_insertedKey = 0;
    const Database::Written written = m_db.run(translation(), m_params, nullptr);
    m_rowsAffected = written.rowsChanged;
    m_insertedKey = written.insertedKey;
}

void Query::open()
{
    close();
    const Translation& t = translation();
    const bool hasRows =
        std::any_of(t.statements.begin(), t.statements.end(), [](const SqliteStatement& s) {
            return s.returnsRows;
        });
    if (!hasRows)
        throw SqlError(errorclass::Cursor, QStringLiteral("The statement returns no rows: ")
                                               + sqlText().left(80));
    m_db.run(t, m_params, &m_rows);
    m_active = true;
    first();
}

void Query::close()
{
    m_active = false;
    m_rows.clear();
    m_row = 0;
    m_eof = m_bof = true;
}

void Query::first()
{
    m_row = 0;
    m_bof = true;
    m_eof = recordCount() == 0;
}

void Query::next()
{
    if (m_row + 1 < recordCount()) {
        ++m_row;
        m_bof = false;
    } else {
        m_eof = true;
    }
}

void Query::prior()
{
    if (m_row > 0) {
        --m_row;
        m_eof = false;
    } else {
        m_bof = true;
    }
}

void Query::last()
{
    m_row = std::max(0, recordCount() - 1);
    m_eof = true;
    m_bof = recordCount() == 0;
}

int Query::recNo() const
{
    return recordCount() == 0 ? 0 : m_row + 1;
}

void Query::setRecNo(int recNo)
{
    const int count = recordCount();
    if (count == 0)
        return;
    m_row = std::clamp(recNo, 1, count) - 1;
    m_eof = m_bof = false;
}

void Query::requireActive() const
{
    if (!m_active)
        throw SqlError(errorclass::Cursor, QStringLiteral("The query is not open"));
}

Field Query::fieldByName(const QString& name) const
{
    if (auto field = findField(name))
        return *field;
    throw SqlError(errorclass::Field, QStringLiteral("Field '%1' not found").arg(name));
}

std::optional<Field> Query::findField(const QString& name) const
{
    requireActive();
    const int column = m_rows.columnIndex(name);
    if (column < 0)
        return std::nullopt;
    return Field(this, column);
}

QStringList Query::fieldNames() const
{
    requireActive();
    return m_rows.columnNames();
}

} // namespace store
