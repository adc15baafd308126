#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace app::lock {

// The archive and every backup of it travel where the user copies them, so
// the settings row keeps a salted slow hash of the password, never the
// password itself:
//     $pbkdf2-sha256$<iterations>$<salt, base64>$<key, base64>
// The iteration count is stored with each hash so that it can grow later
// without making old archives unreadable. One check costs a few milliseconds:
// the lock checks after every key, and typing must stay fluid.
inline constexpr int passwordIterations = 10000;
inline constexpr int legacyPasswordLength = 30;

enum class PasswordMatch
{
    No,
    Yes,
    // The stored text is a password from before hashing: it matched, and the
    // caller should store hashPassword(typed) in its place.
    YesLegacy,
};

// A new hash with a fresh random salt.
QString hashPassword(const QString& password);
// The same with a given salt and cost, for tests and for re-checking.
QString hashPassword(const QString& password, const QByteArray& salt, int iterations);

bool isPasswordHash(const QString& stored);
// An older archive keeps the password as typed: at most 30 characters and
// without the hash prefix.
bool isLegacyPassword(const QString& stored);

// Compares `typed` with the stored text (a hash or a legacy password). An
// empty typed text, an empty stored text and a malformed hash never match.
PasswordMatch checkPassword(const QString& stored, const QString& typed);

// The time taken depends on the lengths only, not on where the texts differ.
bool constantTimeEquals(QByteArrayView a, QByteArrayView b);

// PBKDF2 with HMAC-SHA-256 (RFC 8018).
QByteArray pbkdf2Sha256(QByteArrayView password, QByteArrayView salt, int iterations, int length);

} // namespace app::lock
