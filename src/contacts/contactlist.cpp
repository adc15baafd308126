#include "contactlist.h"

#include "contactrecord.h"
#include "shared/sectioncounter.h"
#include "store/query.h"
#include "store/sqltext.h"

#include <array>

namespace contacts {
namespace {

struct FieldColumns
{
    const char* caption;
    const char* first;
    const char* second; // searched together with the first, or nullptr
};

// A text search looks in both columns of a paired field; an empty-field
// search of "Name/Company" looks at the company alone, as it always has.
constexpr std::array<FieldColumns, 12> Fields{{
    {"Name/Company", "ragsoc", "company"},
    {"Name", "ragsoc", nullptr},
    {"Company", "company", nullptr},
    {"Phone/Mobile", "tel", "mobile"},
    {"Phone", "tel", nullptr},
    {"Mobile", "mobile", nullptr},
    {"Skype", "skype", nullptr},
    {"Fax", "fax", nullptr},
    {"E-mail", "email", nullptr},
    {"Web", "site", nullptr},
    {"Address", "indirizzo", nullptr},
    {"Note", "note", nullptr},
}};

QString likeText(const char* column, const QString& text)
{
    return QStringLiteral("UPPER(") + QLatin1String(column) + QStringLiteral(") LIKE UPPER(\"%") +
           store::doubledQuotes(text) + QStringLiteral("%\")");
}

QString textCondition(const FieldColumns& field, const QString& text)
{
    QString condition = u'(' + likeText(field.first, text);
    if (field.second)
        condition += QStringLiteral(" or ") + likeText(field.second, text);
    return condition + u')';
}

QString emptyCondition(const FieldColumns& field, SearchField which)
{
    if (which == SearchField::NameCompany)
        return store::emptyOrNull(QStringLiteral("company"));
    QString condition = store::emptyOrNull(QLatin1String(field.first));
    if (field.second)
        condition = u'(' + condition + QStringLiteral(" and ") +
                    store::emptyOrNull(QLatin1String(field.second)) + u')';
    return condition;
}

QString groupCondition(const QString& group)
{
    if (group.isEmpty())
        return {};
    if (isEmptyEntry(group))
        return QStringLiteral(" AND ") + store::emptyOrNull(QStringLiteral("gruppo"));
    return QStringLiteral(" AND UPPER(gruppo) LIKE UPPER(\"%") + store::doubledQuotes(group) +
           QStringLiteral("%\")");
}

// Names and groups compare without regard to letter case, so that "anna"
// stands beside "Anna"; the code of creation is a number and sorts as one.
QString orderColumn(const QString& column)
{
    return column == OrderByCreation ? OrderByCreation : QStringLiteral("UPPER(ragsoc)");
}

} // namespace

QStringList searchFieldItems()
{
    QStringList items;
    for (const FieldColumns& field : Fields)
        items << QLatin1String(field.caption);
    return items;
}

bool isEmptyEntry(const QString& text)
{
    return text == IsNullEntry || text == VuotoEntry;
}

QString contactListSql(const ContactFilter& filter)
{
    const auto index = size_t(filter.field);
    const FieldColumns& field = Fields[index < Fields.size() ? index : 0];
    const QString direction = filter.descending ? QStringLiteral("DESC") : QString();
    const QString tail = QStringLiteral(",UPPER(company),UPPER(gruppo),codcon");
    // Looking for empty fields always sorts by name.
    const bool emptySearch = isEmptyEntry(filter.text);
    const QString condition =
        emptySearch ? emptyCondition(field, filter.field) : textCondition(field, filter.text);
    const QString order = emptySearch ? orderColumn(OrderByName) : orderColumn(filter.orderColumn);
    return QStringLiteral("SELECT * FROM CRcon63 WHERE ") + condition +
           groupCondition(filter.group) + QStringLiteral(" ORDER BY ") + order + u' ' + direction +
           tail;
}

void openContactList(store::Query& list, const ContactFilter& filter)
{
    list.setSql({contactListSql(filter)});
    list.open();
}

ContactList::ContactList(store::Database& database) : m_list(database), m_general(database) {}

void ContactList::refresh()
{
    openContactList(m_list, m_filter);
}

QString ContactList::text(int row, const QString& column) const
{
    const int c = rows().columnIndex(column);
    if (c < 0 || row < 0 || row >= rowCount())
        return {};
    return rows().text(row, c);
}

bool ContactList::hasNote(int row) const
{
    return !text(row, QStringLiteral("note")).isEmpty();
}

ListedContact ContactList::contact(int row) const
{
    ListedContact c;
    if (row < 0 || row >= rowCount())
        return c;
    c.codcon = rows().integer(row, rows().columnIndex(QStringLiteral("codcon")));
    const std::pair<const char*, QString*> fields[] = {
        {"ragsoc", &c.ragsoc},
        {"company", &c.company},
        {"gruppo", &c.gruppo},
        {"tel", &c.tel},
        {"mobile", &c.mobile},
        {"skype", &c.skype},
        {"fax", &c.fax},
        {"email", &c.email},
        {"site", &c.site},
        {"indirizzo", &c.indirizzo},
        {"note", &c.note},
        {"allegato", &c.allegato},
        {"allegato2", &c.allegato2},
        {"allegato3", &c.allegato3},
        {"foto", &c.foto},
    };
    for (const auto& [column, target] : fields)
        *target = text(row, QLatin1String(column));
    return c;
}

int ContactList::rowOf(qint64 codcon) const
{
    const int c = rows().columnIndex(QStringLiteral("codcon"));
    for (int row = 0; c >= 0 && row < rowCount(); ++row) {
        if (rows().integer(row, c) == codcon)
            return row;
    }
    return -1;
}

std::optional<shared::SectionCount> ContactList::counter()
{
    return shared::updateSectionCounter(m_general, QLatin1Char('C'), rowCount());
}

void ContactList::remove(qint64 codcon)
{
    m_general.setSql({QStringLiteral("DELETE"), QStringLiteral("FROM CRcon63"),
                      QStringLiteral("WHERE codcon = ") + QString::number(codcon)});
    m_general.execSql();
}

qint64 ContactList::clone(int row)
{
    if (row < 0 || row >= rowCount())
        return 0;
    // Every value as it stands: a copy is not a new entry the name rules
    // would reshape.
    m_general.setSql(insertStatement());
    for (const QString& name : m_general.parameterNames()) {
        const int c = rows().columnIndex(name);
        if (c < 0 || rows().type(row, c) == store::ResultSet::CellType::Null)
            m_general.setNull(name);
        else
            m_general.setText(name, rows().text(row, c));
    }
    m_general.execSql();
    return m_general.insertedKey();
}

void ContactList::removeBirthdays(qint64 codcon)
{
    m_general.setSql(
        {QStringLiteral("DELETE"), QStringLiteral("FROM CRarc66"),
         QStringLiteral("WHERE flag =\"Y\" and dayindex = ") + QString::number(codcon)});
    m_general.execSql();
}

} // namespace contacts
