#pragma once

#include <QString>

namespace platform {
class Prompter;
}
namespace store {
class Settings;
}

namespace app::lock {

// The password field of the special panel.
//
// The settings row keeps a hash, so the field can never show the password:
// while the user has not touched it, it shows a placeholder when a password
// is stored and nothing when none is. The first edit replaces the placeholder
// as a whole. A typed password is stored (as its hash) only once it has been
// typed a second time; emptying the field removes the password at once; a
// field left untouched changes nothing.
class PasswordSetting final
{
public:
    // What the field shows for a stored password: never the password's length.
    static const QString& placeholder();

    PasswordSetting(store::Settings& settings, platform::Prompter& prompter);

    // Back to what is stored: the placeholder or an empty field, nothing typed.
    void reset();
    // The text the field is to show now.
    QString fieldText() const { return m_placeholder ? placeholder() : m_typed; }
    bool placeholderShown() const { return m_placeholder; }
    // The user left `text` in the field. An empty field removes the stored
    // password: true then, and the caller writes the options.
    bool edit(const QString& text);
    // A new password was typed and is not confirmed yet.
    bool pending() const { return !m_typed.isEmpty(); }
    // The field holds something: the placeholder or typed text.
    bool filled() const { return m_placeholder || !m_typed.isEmpty(); }
    // The panel closes: a pending password is asked for again ("Confirm
    // password") and stored when both agree; the outcome is told. True when
    // the caller is to write the options and reload.
    bool close();

private:
    store::Settings& m_settings;
    platform::Prompter& m_prompter;
    bool m_placeholder = false;
    QString m_typed;
};

} // namespace app::lock
