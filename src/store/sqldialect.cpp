#include "sqldialect.h"

#include "sqlerror.h"

namespace store {
namespace {

enum class Kind { Word, Number, String, Param, Symbol, Semicolon };

struct Token
{
    Kind kind;
    QString text; // a literal's content without quotes; a parameter's name in lower case
};

bool isWordStart(QChar c) { return c.isLetter() || c == u'_'; }
bool isWordPart(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }

[[noreturn]] void syntaxError(const QString& message)
{
    throw SqlError(errorclass::Syntax, message);
}

std::vector<Token> lex(const QString& text)
{
    std::vector<Token> tokens;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (c == u'-' && i + 1 < n && text.at(i + 1) == u'-') {
            while (i < n && text.at(i) != u'\n')
                ++i;
        } else if (c == u'/' && i + 1 < n && text.at(i + 1) == u'*') {
            const qsizetype end = text.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0)
                syntaxError(QStringLiteral("Unterminated comment"));
            i = end + 2;
        } else if (c == u'"' || c == u'\'') {
            // A doubled quote inside a literal stands for one quote character.
            QString value;
            qsizetype j = i + 1;
            for (;;) {
                if (j >= n)
                    syntaxError(QStringLiteral("Unterminated string literal starting at: ")
                                + text.mid(i, 40));
                if (text.at(j) == c) {
                    if (j + 1 < n && text.at(j + 1) == c) {
                        value += c;
                        j += 2;
                        continue;
                    }
                    break;
                }
                value += text.at(j++);
            }
            tokens.push_back({Kind::String, value});
            i = j + 1;
        } else if (c == u':' && i + 1 < n && isWordPart(text.at(i + 1))) {
            qsizetype j = i + 1;
            while (j < n && isWordPart(text.at(j)))
                ++j;
            tokens.push_back({Kind::Param, text.mid(i + 1, j - i - 1).toLower()});
            i = j;
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && text.at(i + 1).isDigit())) {
            qsizetype j = i;
            while (j < n && (text.at(j).isDigit() || text.at(j) == u'.'))
                ++j;
            if (j < n && (text.at(j) == u'e' || text.at(j) == u'E')) {
                qsizetype k = j + 1;
                if (k < n && (text.at(k) == u'+' || text.at(k) == u'-'))
                    ++k;
                if (k < n && text.at(k).isDigit()) {
                    j = k;
                    while (j < n && text.at(j).isDigit())
                        ++j;
                }
            }
            tokens.push_back({Kind::Number, text.mid(i, j - i)});
            i = j;
        } else if (isWordStart(c)) {
            qsizetype j = i;
            while (j < n && isWordPart(text.at(j)))
                ++j;
            tokens.push_back({Kind::Word, text.mid(i, j - i)});
            i = j;
        } else if (c == u'[') {
            // Bracketed names are identifiers.
            const qsizetype end = text.indexOf(u']', i + 1);
            if (end < 0)
                syntaxError(QStringLiteral("Unterminated bracketed name"));
            tokens.push_back({Kind::Word, text.mid(i, end - i + 1)});
            i = end + 1;
        } else if (c == u';') {
            tokens.push_back({Kind::Semicolon, QStringLiteral(";")});
            ++i;
        } else {
            static const QString twoChar[] = {QStringLiteral("<>"), QStringLiteral("<="),
                                              QStringLiteral(">="), QStringLiteral("!="),
                                              QStringLiteral("||"), QStringLiteral("==")};
            qsizetype len = 1;
            for (const QString& op : twoChar) {
                if (QStringView(text).mid(i, 2) == op) {
                    len = 2;
                    break;
                }
            }
            tokens.push_back({Kind::Symbol, text.mid(i, len)});
            i += len;
        }
    }
    return tokens;
}

bool isWord(const Token& t, const char* keyword)
{
    return t.kind == Kind::Word && t.text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

bool isSymbol(const Token& t, char symbol)
{
    return t.kind == Kind::Symbol && t.text.size() == 1 && t.text.at(0) == QLatin1Char(symbol);
}

// Index of the parenthesis closing the one at `open`, or -1.
qsizetype matchingParen(const std::vector<Token>& tokens, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < qsizetype(tokens.size()); ++i) {
        if (isSymbol(tokens[i], '('))
            ++depth;
        else if (isSymbol(tokens[i], ')') && --depth == 0)
            return i;
    }
    return -1;
}

QString sqliteLiteral(const QString& value)
{
    QString out;
    out.reserve(value.size() + 2);
    out += u'\'';
    for (QChar c : value) {
        if (c == u'\'')
            out += u'\'';
        out += c;
    }
    out += u'\'';
    return out;
}

class Writer
{
public:
    void add(const QString& piece)
    {
        if (!m_text.isEmpty())
            m_text += u' ';
        m_text += piece;
    }
    void add(const Token& t)
    {
        switch (t.kind) {
        case Kind::String:
            add(sqliteLiteral(t.text));
            break;
        case Kind::Param:
            add(QStringLiteral(":") + t.text);
            break;
        case Kind::Word:
            if (isWord(t, "true"))
                add(QStringLiteral("1"));
            else if (isWord(t, "false"))
                add(QStringLiteral("0"));
            else
                add(t.text);
            break;
        default:
            add(t.text);
        }
    }
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// Column types of the dialect that SQLite would read with the wrong affinity
// or that need a key declaration.
void addColumnType(Writer& w, const Token& t)
{
    if (isWord(t, "autoinc"))
        w.add(QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT"));
    else if (isWord(t, "memo"))
        w.add(QStringLiteral("TEXT"));
    else
        w.add(t);
}

void addTokens(Writer& w, const std::vector<Token>& tokens, qsizetype from, qsizetype to);

// EXTRACT(part FROM expr) becomes corv_extract('part', expr).
qsizetype addExtract(Writer& w, const std::vector<Token>& tokens, qsizetype at)
{
    const qsizetype close = matchingParen(tokens, at + 1);
    if (close < 0 || close - at < 5 || tokens[at + 2].kind != Kind::Word
        || !isWord(tokens[at + 3], "from"))
        syntaxError(QStringLiteral("EXTRACT needs the form EXTRACT(part FROM value)"));
    w.add(QLatin1String(extractFunctionName));
    w.add(QStringLiteral("("));
    w.add(sqliteLiteral(tokens[at + 2].text.toUpper()));
    w.add(QStringLiteral(","));
    addTokens(w, tokens, at + 4, close);
    w.add(QStringLiteral(")"));
    return close + 1;
}

void addTokens(Writer& w, const std::vector<Token>& tokens, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i < to;) {
        if (isWord(tokens[i], "extract") && i + 1 < to && isSymbol(tokens[i + 1], '(')) {
            i = addExtract(w, tokens, i);
            continue;
        }
        w.add(tokens[i++]);
    }
}

void translateStatement(const std::vector<Token>& st, Translation& out)
{
    const auto push = [&out](const QString& sql, bool rows) {
        out.statements.push_back({sql.toUtf8(), rows});
    };
    const qsizetype n = qsizetype(st.size());

    // CREATE TABLE: rewrite the column types.
    if (n >= 2 && isWord(st[0], "create") && isWord(st[1], "table")) {
        Writer w;
        for (const Token& t : st)
            addColumnType(w, t);
        push(w.text(), false);
        return;
    }

    // ALTER TABLE t ADD (a T, b T(n)): SQLite adds one column per statement.
    if (n >= 4 && isWord(st[0], "alter") && isWord(st[1], "table") && isWord(st[3], "add")) {
        qsizetype i = 4;
        if (i < n && isWord(st[i], "column"))
            ++i;
        qsizetype end = n;
        if (i < n && isSymbol(st[i], '(')) {
            end = matchingParen(st, i);
            if (end < 0)
                syntaxError(QStringLiteral("Unbalanced parentheses in ALTER TABLE"));
            ++i;
        }
        int depth = 0;
        qsizetype start = i;
        for (qsizetype k = i; k <= end; ++k) {
            const bool atEnd = k == end;
            if (!atEnd && isSymbol(st[k], '('))
                ++depth;
            else if (!atEnd && isSymbol(st[k], ')'))
                --depth;
            if (atEnd || (depth == 0 && isSymbol(st[k], ','))) {
                if (k > start) {
                    Writer w;
                    w.add(QStringLiteral("ALTER TABLE"));
                    w.add(st[2].text);
                    w.add(QStringLiteral("ADD COLUMN"));
                    for (qsizetype m = start; m < k; ++m)
                        addColumnType(w, st[m]);
                    push(w.text(), false);
                }
                start = k + 1;
            }
        }
        return;
    }

    Writer w;
    // INSERT INTO t (SELECT ...): SQLite wants the SELECT without parentheses.
    if (n >= 5 && isWord(st[0], "insert") && isWord(st[1], "into") && isSymbol(st[3], '(')
        && isWord(st[4], "select")) {
        const qsizetype close = matchingParen(st, 3);
        if (close < 0)
            syntaxError(QStringLiteral("Unbalanced parentheses in INSERT"));
        addTokens(w, st, 0, 3);
        addTokens(w, st, 4, close);
        addTokens(w, st, close + 1, n);
        push(w.text(), false);
        return;
    }

    addTokens(w, st, 0, n);
    const bool rows = isWord(st[0], "select") || isWord(st[0], "pragma") || isWord(st[0], "with")
                      || isWord(st[0], "values");
    push(w.text(), rows);
}

} // namespace

Translation translateDialect(const QString& text)
{
    const std::vector<Token> tokens = lex(text);
    Translation out;
    for (const Token& t : tokens) {
        if (t.kind == Kind::Param && !out.parameterNames.contains(t.text))
            out.parameterNames.append(t.text);
    }
    std::vector<Token> statement;
    for (qsizetype i = 0; i <= qsizetype(tokens.size()); ++i) {
        if (i == qsizetype(tokens.size()) || tokens[i].kind == Kind::Semicolon) {
            if (!statement.empty())
                translateStatement(statement, out);
            statement.clear();
        } else {
            statement.push_back(tokens[i]);
        }
    }
    return out;
}

} // namespace store
