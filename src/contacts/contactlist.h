#pragma once

#include <QString>
#include <QStringList>

namespace store {
class Query;
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

} // namespace contacts
