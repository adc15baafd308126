#include "app/lock/passwordlock.h"

#include "app/lock/passwordhash.h"
#include "shared/appstate.h"
#include "store/settings.h"

namespace app::lock {

bool locksAtAppearance(const store::Settings& settings)
{
    return !settings.storedPassword().isEmpty() && settings.lockOnStartup();
}

PasswordLock::PasswordLock(store::Settings& settings, shared::AppState& state)
    : m_settings(settings), m_state(state)
{
}

bool PasswordLock::lock()
{
    if (m_settings.password().isEmpty())
        return false;
    m_state.programLocked = true;
    return true;
}

bool PasswordLock::isLocked() const
{
    return m_state.programLocked;
}

bool PasswordLock::readOnlyOffered() const
{
    return m_settings.readOnlyOffered();
}

bool PasswordLock::tryUnlock(const QString& typed)
{
    if (!m_state.programLocked)
        return false;
    const PasswordMatch match = checkPassword(m_settings.password(), typed);
    if (match == PasswordMatch::No)
        return false;
    if (match == PasswordMatch::YesLegacy) {
        // The row, and every backup made from now on, keeps the hash only.
        store::OptionValues values = m_settings.currentOptions();
        values.password = hashPassword(typed);
        m_settings.setPassword(values.password);
        m_settings.saveOptions(values);
        m_settings.load();
    }
    m_state.programLocked = false;
    m_readOnly = false;
    return true;
}

bool PasswordLock::enterReadOnly()
{
    if (!m_state.programLocked || !readOnlyOffered())
        return false;
    m_state.programLocked = false;
    m_readOnly = true;
    return true;
}

} // namespace app::lock
