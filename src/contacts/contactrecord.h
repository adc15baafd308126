#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace store {
class Database;
}

namespace contacts {

// One row of CRcon63 as the contact dialogs edit it. Texts are stored as
// typed; an empty field is stored as an empty text.
struct ContactFields
{
    QString name;        // ragsoc
    QString company;     // company
    QString phone;       // tel
    QString mobile;      // mobile
    QString skype;       // skype
    QString fax;         // fax
    QString email;       // email
    QString site;        // site
    QString address;     // indirizzo
    QString note;        // note
    QString group;       // gruppo
    QString attachment1; // allegato
    QString attachment2; // allegato2
    QString attachment3; // allegato3
    QString photo;       // foto: the picture's full path, empty when none

    friend bool operator==(const ContactFields&, const ContactFields&) = default;
};

// How many characters the dialogs let the user type into each field. Values
// that arrive longer by other means (an import) are kept whole: the limits
// bound typing, never what is stored.
namespace limit {
inline constexpr int Name = 50;
inline constexpr int Company = 50;
inline constexpr int Group = 50;
inline constexpr int Text = 255; // phone, mobile, Skype, fax, e-mail, web, attachments
} // namespace limit

// The name as the dialog shows it after a save: "Mr. X" for an empty name,
// else the first character upper-cased when it is one of a to z (accented and
// other characters stay as they are).
QString nameAsShown(const QString& typed);
// The name as it is stored: as shown, with every ";" replaced by a blank, so
// that lists and exports that split at ";" keep the name in one piece.
QString nameAsStored(const QString& typed);

// The statement texts, line by line.
QStringList insertStatement();
QStringList updateStatement(qint64 codcon);

// Writes and reads contacts. Engine errors are not caught.
class ContactWriter final
{
public:
    explicit ContactWriter(store::Database& db) : m_db(db) {}

    // Writes a new contact and, when it has one, its group among the contact
    // groups, both or neither. Returns the new codcon.
    qint64 insert(const ContactFields& fields);
    // Rewrites a contact and adds its group as insert() does. False when the
    // contact is no longer there (another program sharing the archive
    // deleted it): nothing was saved.
    [[nodiscard]] bool update(qint64 codcon, const ContactFields& fields);
    // The stored contact; nothing when it is gone.
    std::optional<ContactFields> load(qint64 codcon);

private:
    store::Database& m_db;
};

} // namespace contacts
