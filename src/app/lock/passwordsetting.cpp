#include "app/lock/passwordsetting.h"

#include "app/lock/passwordhash.h"
#include "platform/prompter.h"
#include "store/settings.h"

namespace app::lock {

const QString& PasswordSetting::placeholder()
{
    // Eight bullets whatever the password's length, and visibly not typed
    // text when "Mask characters" is off.
    static const QString text(8, QChar(0x2022));
    return text;
}

PasswordSetting::PasswordSetting(store::Settings& settings, platform::Prompter& prompter)
    : m_settings(settings), m_prompter(prompter)
{
}

void PasswordSetting::reset()
{
    m_placeholder = !m_settings.password().isEmpty();
    m_typed.clear();
}

bool PasswordSetting::edit(const QString& text)
{
    m_placeholder = false;
    m_typed = text;
    if (!text.isEmpty() || m_settings.password().isEmpty())
        return false;
    m_settings.setPassword(QString());
    return true;
}

bool PasswordSetting::close()
{
    if (m_typed.isEmpty()) {
        reset();
        return false;
    }
    const QString typed = m_typed;
    const bool hadPassword = !m_settings.password().isEmpty();
    const std::optional<QString> again =
        m_prompter.inputText(QStringLiteral("Confirm password"),
                             QStringLiteral("Retype new password"), QString(), false);
    if (again && *again == typed) {
        m_settings.setPassword(hashPassword(typed));
        m_prompter.tell(QStringLiteral("New password CONFIRMED!"),
                        platform::Prompter::Kind::Information);
    } else {
        m_prompter.tell(hadPassword
                            ? QStringLiteral("New password NOT confirmed!\r"
                                             "The old password was restored!")
                            : QStringLiteral("New password NOT confirmed!\rNO password set!"),
                        platform::Prompter::Kind::Warning);
    }
    reset();
    return true;
}

} // namespace app::lock
