#pragma once

#include "app/lock/passwordsetting.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace platform {
class Prompter;
}
namespace store {
class Settings;
struct OptionValues;
} // namespace store

namespace app::ui {

// The less common options, shown over the Options tab: the password and the
// lock, the start section, the clock style, the hint buttons, the important
// task look-ahead, the document pages and a few tools.
class SpecialPanel final : public QWidget
{
    Q_OBJECT
public:
    SpecialPanel(store::Settings& settings, platform::Prompter& prompter,
                 QWidget* parent = nullptr);

    // Shows the row as last loaded.
    void applySettings();
    // The values of this panel that go into SaveOptions.
    void fillOptions(store::OptionValues& values) const;
    // Confirms a new password if one was typed, then hides the panel. The
    // exit sequence calls it too.
    void closePanel();
    // Where the document producers put their pages.
    QWidget* documentPages() const { return m_documents; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // An option of SaveOptions changed: the owner saves and reloads.
    void optionsChanged();
    void closed();
    void lockRequested();
    void importantTasksCheckRequested();
    void importantTasksOptionChanged();
    void repositoryRequested();
    void timeCalculatorRequested();

private:
    QWidget* buildPassword();
    QWidget* buildCustomize();
    QWidget* buildImportantTasks();
    QWidget* buildMiscellanea();
    void passwordEdited(const QString& text);
    void showPasswordField();
    void updatePasswordControls();
    void refreshPendingButtons();

    store::Settings& m_settings;
    platform::Prompter& m_prompter;
    bool m_applying = false;
    lock::PasswordSetting m_passwordSetting;

    QWidget* m_passwordBox = nullptr;
    QLineEdit* m_password = nullptr;
    QToolButton* m_clear = nullptr;
    QCheckBox* m_mask = nullptr;
    QCheckBox* m_lockOnStartup = nullptr;
    QPushButton* m_lock = nullptr;
    QCheckBox* m_readOnly = nullptr;
    QComboBox* m_startTab = nullptr;
    QCheckBox* m_ampm = nullptr;
    QCheckBox* m_hideTips = nullptr;
    QCheckBox* m_future = nullptr;
    QSpinBox* m_futureDays = nullptr;
    QPushButton* m_futureCheck = nullptr;
    QPushButton* m_repository = nullptr;
    QPushButton* m_calculator = nullptr;
    QPushButton* m_close = nullptr;
    QWidget* m_documents = nullptr;
};

} // namespace app::ui
