#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace shared {
struct Services;
} // namespace shared
namespace store {
class Settings;
}

namespace app::ui {

class SpecialPanel;

// The content of the Options tab. Every option is written to the settings row
// the moment it changes and the row is read back; the controls show the row
// each time Settings::loaded() is emitted. Actions that belong to the main
// window or to other sections leave here as signals.
class OptionsTab final : public QWidget
{
    Q_OBJECT
public:
    OptionsTab(store::Settings& settings, shared::Services& services, QWidget* parent = nullptr);

    SpecialPanel* specialPanel() const { return m_special; }
    bool specialPanelShown() const;
    void openSpecialPanel();
    // Confirms a pending new password and goes back to the options.
    void closeSpecialPanel();

    // The folder path shown at the bottom.
    void setArchiveFolder(const QString& folder);
    // The window's current size: the "Fix" caption, and whether "Default" applies.
    void setWindowSize(const QSize& size, bool maximized);

    // Writes the options as the controls show them and reads the row back.
    void saveAndReload();
    // Ticks or unticks "Autostart" and stores it, without asking for the
    // logon entry to change (the caller has just read or written it).
    void setAutostartTicked(bool on);

signals:
    void autostartChanged(bool on);
    void autorunRequested();
    void desktopLinkRequested();
    void themeChooserRequested();
    void themeEditorRequested();
    void backupRequested();
    void restoreRequested();
    void changeFolderRequested();
    void defaultFolderRequested();
    void openArchiveFolderRequested();
    void chooseSoundRequested();
    void playSoundRequested();
    void systemSoundRequested();
    void oneShotFormatChanged();
    void yearlyFormatChanged();
    void defaultSizeRequested();
    void fixSizeRequested();
    void visibleTabsRequested();
    void onlineHelpRequested();
    void downloadAlarmsRequested();
    void socialPageRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildOptionsPage();
    QWidget* buildStartup(QWidget* parent);
    QWidget* buildTheme(QWidget* parent);
    QWidget* buildArchive(QWidget* parent);
    QWidget* buildAlarm(QWidget* parent);
    QWidget* buildFormats(QWidget* parent);
    QWidget* buildFormSize(QWidget* parent);
    QWidget* buildMiscellanea(QWidget* parent);
    void applySettings();
    void updateSoundControls();
    void refreshPendingButtons();

    store::Settings& m_settings;
    shared::Services& m_services;

    QStackedWidget* m_pages = nullptr;
    SpecialPanel* m_special = nullptr;

    QCheckBox* m_autostart = nullptr;
    QCheckBox* m_minimized = nullptr;
    QPushButton* m_autorun = nullptr;
    QPushButton* m_desktopLink = nullptr;
    QPushButton* m_themeChange = nullptr;
    QPushButton* m_themeModify = nullptr;
    QCheckBox* m_timeCheck = nullptr;
    QCheckBox* m_popup = nullptr;
    QCheckBox* m_sound = nullptr;
    QPushButton* m_chooseSound = nullptr;
    QPushButton* m_playSound = nullptr;
    QPushButton* m_systemSound = nullptr;
    QLabel* m_soundName = nullptr;
    QComboBox* m_shotFormat = nullptr;
    QLabel* m_shotSample = nullptr;
    QComboBox* m_yearFormat = nullptr;
    QLabel* m_yearSample = nullptr;
    QPushButton* m_defaultSize = nullptr;
    QPushButton* m_fix = nullptr;
    QPushButton* m_visibleTabs = nullptr;
    QComboBox* m_scale = nullptr;
    QToolButton* m_help = nullptr;
    QToolButton* m_social = nullptr;
    QToolButton* m_downloadAlarms = nullptr;
    QToolButton* m_hint = nullptr;
    QLabel* m_folder = nullptr;
};

} // namespace app::ui
