#pragma once

#include "store/query.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace shared {
struct SectionCount;
}
namespace store {
class Database;
}

namespace contacts {

// The search fields of the Contacts tab, in the order its field list shows
// them.
enum class SearchField
{
    NameCompany,
    Name,
    Company,
    PhoneMobile,
    Phone,
    Mobile,
    Skype,
    Fax,
    Email,
    Web,
    Address,
    Note,
};

// "Name/Company", "Name", "Company", ... "Note": the captions of the fields.
QStringList searchFieldItems();

// The two pseudo-entries that ask for an empty field (or, as a group, for
// contacts without one).
inline const QString IsNullEntry = QStringLiteral("[ IS NULL ]");
inline const QString VuotoEntry = QStringLiteral("[ VUOTO ]");
bool isEmptyEntry(const QString& text);

// The columns the Order menu sorts by.
inline const QString OrderByName = QStringLiteral("ragsoc");
inline const QString OrderByCreation = QStringLiteral("codcon");

// What the contact list is asked to show.
struct ContactFilter
{
    // As typed. "%" and "_" keep working as wildcards; a double quote is just
    // a character to look for. A pseudo-entry lists the contacts whose search
    // field is empty.
    QString text;
    SearchField field = SearchField::NameCompany;
    // Empty for every group; a pseudo-entry for contacts without a group;
    // otherwise a piece of the group's name.
    QString group;
    QString orderColumn = OrderByName; // "ragsoc" or "codcon"
    bool descending = false;
};

// The statement the list opens with. Texts go between double quotes with
// every quote in them doubled. An empty field is one the program saved as
// empty text as well as a null one that other writers left. Names sort
// case-blind.
QString contactListSql(const ContactFilter& filter);

// Sets the statement on `list` and opens it.
void openContactList(store::Query& list, const ContactFilter& filter);

// One listed contact as the tab and its card show it.
struct ListedContact
{
    qint64 codcon = 0;
    QString ragsoc, company, gruppo, tel, mobile, skype, fax, email, site;
    QString indirizzo, note, allegato, allegato2, allegato3, foto;
};

// The contact list of the Contacts tab: its filter, its open rows, its
// counter and the statements its commands write. Counting and writing run on
// a second query, so that they never move the list.
class ContactList final
{
public:
    explicit ContactList(store::Database& database);

    ContactFilter& filter() { return m_filter; }
    const ContactFilter& filter() const { return m_filter; }

    // Opens the list again with the current filter.
    void refresh();

    int rowCount() const { return m_list.recordCount(); }
    const store::ResultSet& rows() const { return m_list.rows(); }
    QString text(int row, const QString& column) const;
    bool hasNote(int row) const;
    ListedContact contact(int row) const;
    // The row listing `codcon`, or -1.
    int rowOf(qint64 codcon) const;

    // The "C" counter after a reload.
    std::optional<shared::SectionCount> counter();

    void remove(qint64 codcon);
    // Inserts a copy of the contact at `row`, name, picture and attachments
    // included, with the address book's insert statement. Returns its code.
    qint64 clone(int row);
    // Deletes every yearly task linked to the contact.
    void removeBirthdays(qint64 codcon);

private:
    store::Query m_list;
    store::Query m_general;
    ContactFilter m_filter;
};

} // namespace contacts
