#pragma once

#include <QString>

namespace shared {
struct AppState;
}
namespace store {
class Settings;
}

namespace app::lock {

// Whether the window locks at its creation and at every appearance: a
// password is stored and "Lock on startup" is on.
bool locksAtAppearance(const store::Settings& settings);

// The password lock over the window and the read-only access it may offer.
//
// The lock opens only for the stored password: a new one typed in the
// special panel counts once it is confirmed there. A password an older
// version stored as typed opens the lock once and is replaced in the row
// by its hash at that moment.
class PasswordLock final
{
public:
    PasswordLock(store::Settings& settings, shared::AppState& state);

    // Locks when a password is stored; false, and nothing changes, when none is.
    bool lock();
    bool isLocked() const;
    // Whether the lock panel offers "Read Only" ("Read" is on).
    bool readOnlyOffered() const;
    // The lock panel's field now holds `typed`: true when that opened the lock.
    bool tryUnlock(const QString& typed);
    // "Read Only": the sections show but refuse every change until the next
    // unlock with the password. False when not locked or not offered.
    bool enterReadOnly();
    bool isReadOnly() const { return m_readOnly; }

private:
    store::Settings& m_settings;
    shared::AppState& m_state;
    bool m_readOnly = false;
};

} // namespace app::lock
