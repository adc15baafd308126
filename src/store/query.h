#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QStringList>
#include <QTime>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

namespace store {

class Database;
struct Translation;

// A bound value of a named parameter.
struct ParameterValue
{
    enum class Type { Null, Text, Integer, Float, Boolean };
    Type type = Type::Null;
    QString text;
    qint64 integer = 0;
    double number = 0.0;
};

// The rows of an opened SELECT, read whole. Cells are kept compactly (numbers
// inline, text as UTF-8 in one buffer) and converted when a field is read.
class ResultSet final
{
public:
    enum class CellType : quint8 { Null, Integer, Float, Text };
    enum class ColumnKind : quint8 { Plain, Date, Logical };

    void reset(const QStringList& names, std::vector<ColumnKind> kinds);
    void clear(); // keeps the buffers for the next rows
    void appendInteger(qint64 v);
    void appendFloat(double v);
    void appendText(const char* utf8, int bytes);
    void appendNull();

    int rowCount() const { return m_columns ? int(m_cells.size() / m_columns) : 0; }
    int columnCount() const { return m_columns; }
    const QStringList& columnNames() const { return m_names; }
    int columnIndex(const QString& name) const; // -1 when absent; names are case-blind
    ColumnKind columnKind(int column) const { return m_kinds[column]; }

    CellType type(int row, int column) const { return cell(row, column).type; }
    QString text(int row, int column) const;
    qint64 integer(int row, int column) const;
    double number(int row, int column) const;
    bool boolean(int row, int column) const;
    QDateTime dateTime(int row, int column) const;
    QVariant value(int row, int column) const;

private:
    struct Cell
    {
        CellType type = CellType::Null;
        int length = 0;
        union {
            qint64 integer;
            double number;
            qsizetype offset;
        };
    };
    const Cell& cell(int row, int column) const { return m_cells[size_t(row) * m_columns + column]; }

    int m_columns = 0;
    QStringList m_names;
    std::vector<ColumnKind> m_kinds;
    QHash<QString, int> m_index;      // lower-case names
    mutable int m_lastLookup = -1;
    std::vector<Cell> m_cells;
    QByteArray m_arena;
};

class Query;

// A column of the query's current row. It reads whatever row the query is on
// when a value is asked for. A null reads as empty text, 0 or false.
class Field final
{
public:
    QString name() const;
    bool isNull() const;
    QString asString() const;
    qint64 asInteger() const;
    double asFloat() const;
    bool asBoolean() const;
    QDateTime asDateTime() const;
    QDate asDate() const { return asDateTime().date(); }

private:
    friend class Query;
    Field(const Query* query, int column) : m_query(query), m_column(column) {}
    const Query* m_query;
    int m_column;
};

// A statement text with its parameters and, once opened, its rows.
//
// The text is set line by line and may hold several statements separated by
// ";", which run all or nothing. Parameters (":name", case-blind) may occur
// several times and in several statements; one left unset is bound as null.
class Query final
{
public:
    explicit Query(Database& database);

    // Statement text.
    void clearSql();
    void addSql(const QString& line);
    void setSql(const QStringList& lines);
    const QStringList& sql() const { return m_lines; }
    QString sqlText() const { return m_lines.join(u'\n'); }

    // Parameters. Naming a parameter the text does not hold throws EParameterError.
    QStringList parameterNames();
    void setText(const QString& name, const QString& value);
    void setInteger(const QString& name, qint64 value);
    void setFloat(const QString& name, double value);
    void setDate(const QString& name, const QDate& value);
    void setDateTime(const QString& name, const QDateTime& value);
    void setTime(const QString& name, const QTime& value);
    void setBoolean(const QString& name, bool value);
    void setNull(const QString& name);

    // Runs the text without keeping rows.
    void execSql();
    // What the last execSql() wrote: the rows it inserted, changed or deleted
    // (an update of a row that no longer exists changes none), and the key of
    // the row it inserted last, 0 when it inserted none.
    qint64 rowsAffected() const { return m_rowsAffected; }
    qint64 insertedKey() const { return m_insertedKey; }
    // Runs the text and keeps the rows of its (last) SELECT; the cursor is on the first row.
    void open();
    void close();
    bool isActive() const { return m_active; }

    // Cursor.
    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    bool isEmpty() const { return recordCount() == 0; }
    int recordCount() const { return m_active ? m_rows.rowCount() : 0; }
    int recNo() const; // 1-based; 0 when there is no row
    void setRecNo(int recNo); // clamped to the rows there are

    // Fields of the current row. fieldByName throws EFieldNotFound for an unknown name.
    Field fieldByName(const QString& name) const;
    std::optional<Field> findField(const QString& name) const;
    QStringList fieldNames() const;

    // Direct access for list models, without moving the cursor.
    const ResultSet& rows() const { return m_rows; }

private:
    friend class Field;
    void setParameter(const QString& name, ParameterValue value);
    const Translation& translation();
    void requireActive() const;

    Database& m_db;
    QStringList m_lines;
    std::shared_ptr<const Translation> m_translation;
    QHash<QString, ParameterValue> m_params;
    ResultSet m_rows;
    qint64 m_rowsAffected = 0;
    qint64 m_insertedKey = 0;
    bool m_active = false;
    int m_row = 0;
    bool m_eof = true;
    bool m_bof = true;
};

} // namespace store
