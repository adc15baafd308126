#pragma once

#include <QString>
#include <QStringList>

namespace contacts {

// Whether a switchboard's outside-line "0" goes before `value`: only before
// a number made of digits alone. A number with its country code ("+39...")
// already dials out, and Skype names or numbers with separators are no
// numbers to prefix.
bool takesOutsideLineZero(const QString& value);

// What the dialler offers for a contact: every phone value, then every
// mobile, then every Skype name, each field split into its values as the
// card splits them. With `outsideLine`, the numbers of digits alone get a
// leading "0"; the stored fields never change.
QStringList dialEntries(const QString& phone, const QString& mobile, const QString& skype,
                        bool outsideLine);

// The desktop addresses of the call and chat menu.
QString callToAddress(const QString& number);
QString chatAddress(const QString& number);

} // namespace contacts
