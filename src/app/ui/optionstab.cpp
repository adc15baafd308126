#include "app/ui/optionstab.h"

#include "app/ui/advancedpanel.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "store/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaMethod>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace app::ui {

namespace {

const QSize defaultWindowSize(670, 592);

template <typename W>
W* named(W* widget, const QString& objectName, const QString& hint = QString())
{
    widget->setObjectName(objectName);
    if (!hint.isEmpty())
        widget->setToolTip(hint);
    return widget;
}

QPushButton* button(QWidget* parent, const QString& caption, const QString& objectName,
                    const QString& hint)
{
    return named(new QPushButton(caption, parent), objectName, hint);
}

QCheckBox* checkBox(QWidget* parent, const QString& caption, const QString& objectName,
                    const QString& hint)
{
    return named(new QCheckBox(caption, parent), objectName, hint);
}

} // namespace

OptionsTab::OptionsTab(store::Settings& settings, shared::Services& services, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_services(services)
{
    setObjectName(QStringLiteral("TabSheetSetup"));
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildOptionsPage());
    m_special = new SpecialPanel(settings, services.prompter, m_pages);
    m_pages->addWidget(m_special);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);

    connect(m_special, &SpecialPanel::optionsChanged, this, &OptionsTab::saveAndReload);
    connect(m_special, &SpecialPanel::closed, this, [this] { m_pages->setCurrentIndex(0); });
    connect(&m_settings, &store::Settings::loaded, this, &OptionsTab::applySettings);
    setWindowSize(defaultWindowSize, false);
}

QWidget* OptionsTab::buildOptionsPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("Panel_Options"));

    m_hint =
        named(new QToolButton(page), QStringLiteral("SpeedButtonHint"), QStringLiteral("Hint"));
    m_hint->setText(QStringLiteral("?"));
    m_help = named(new QToolButton(page), QStringLiteral("SpeedButtonHelpOnLine"),
                   QStringLiteral("Link to online help"));
    m_help->setText(QStringLiteral("Help"));
    m_social = named(new QToolButton(page), QStringLiteral("SpeedButtonFacebook"),
                     QStringLiteral("Follow me on Facebook to not miss any updates!"));
    m_social->setText(QStringLiteral("f"));
    connect(m_social, &QToolButton::clicked, this, &OptionsTab::socialPageRequested);
    connect(m_hint, &QToolButton::clicked, this, [this] {
        m_services.prompter.tell(QStringLiteral("A lot of settings."),
                                 platform::Prompter::Kind::Information);
    });
    connect(m_help, &QToolButton::clicked, this, &OptionsTab::onlineHelpRequested);

    auto* caption = new QLabel(QStringLiteral("Archive folder:"), page);
    m_folder = named(new QLabel(page), QStringLiteral("Label_Archives_Folder"));
    m_folder->setTextInteractionFlags(Qt::NoTextInteraction);
    m_folder->setMinimumWidth(1); // a long path must not widen the tab
    m_folder->installEventFilter(this);

    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setSpacing(6);
    grid->addWidget(buildStartup(page), 0, 0);
    grid->addWidget(buildTheme(page), 0, 1);
    grid->addWidget(buildArchive(page), 1, 0);
    grid->addWidget(buildFormSize(page), 1, 1);
    grid->addWidget(buildAlarm(page), 2, 0);
    grid->addWidget(buildMiscellanea(page), 2, 1);
    grid->addWidget(buildFormats(page), 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(caption);
    bottom->addWidget(m_folder, 1);
    bottom->addWidget(m_hint);
    bottom->addWidget(m_help);
    bottom->addWidget(m_social);
    grid->addLayout(bottom, 5, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    return page;
}

QWidget* OptionsTab::buildStartup(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Startup"), parent);
    m_autostart = checkBox(box, QStringLiteral("Autostart"), QStringLiteral("CheckBoxAutostart"),
                           QStringLiteral("Check this box if you want Corvandine to start when "
                                          "Windows starts. "));
    m_minimized =
        checkBox(box, QStringLiteral("Start minimized"), QStringLiteral("CheckBoxMinimized"),
                 QStringLiteral("Check this box if you want Corvandine to start "
                                "minimized.  "));
    m_autorun = button(box, QStringLiteral("Autorun.inf"), QStringLiteral("SpeedButtonAutorun"),
                       QStringLiteral("Creates and deletes the file that allows my startup from "
                                      "removable media"));
    m_desktopLink =
        button(box, QStringLiteral("Link to Desktop"), QStringLiteral("SpeedButtonDesktopLink"),
               QStringLiteral("Create a shortcut on the Desktop"));

    connect(m_autostart, &QCheckBox::clicked, this, [this](bool on) {
        saveAndReload();
        emit autostartChanged(on);
    });
    connect(m_minimized, &QCheckBox::clicked, this, &OptionsTab::saveAndReload);
    connect(m_autorun, &QPushButton::clicked, this, &OptionsTab::autorunRequested);
    connect(m_desktopLink, &QPushButton::clicked, this, &OptionsTab::desktopLinkRequested);

    auto* grid = new QGridLayout(box);
    grid->addWidget(m_autostart, 0, 0);
    grid->addWidget(m_minimized, 1, 0);
    grid->addWidget(m_autorun, 0, 1);
    grid->addWidget(m_desktopLink, 1, 1);
    return box;
}

QWidget* OptionsTab::buildTheme(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Theme"), parent);
    m_themeChange = button(box, QStringLiteral("Change"), QStringLiteral("SpeedButtonCambiaTema"),
                           QStringLiteral("Allows you to select, import, and delete the graphic "
                                          "themes of the program"));
    m_themeModify = button(box, QStringLiteral("Modify"), QStringLiteral("SpeedButtonModificaTema"),
                           QStringLiteral("Allows you to make changes to fonts, graphics and "
                                          "colors of the theme in use"));
    connect(m_themeChange, &QPushButton::clicked, this, &OptionsTab::themeChooserRequested);
    connect(m_themeModify, &QPushButton::clicked, this, &OptionsTab::themeEditorRequested);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_themeChange);
    layout->addWidget(m_themeModify);
    return box;
}

QWidget* OptionsTab::buildArchive(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Archive"), parent);
    auto* backup = button(box, QStringLiteral("Backup"), QStringLiteral("SpeedButtonExport"),
                          QStringLiteral("I'll make a folder that contains the backup of your "
                                         "entries"));
    auto* restore = button(box, QStringLiteral("Restore"), QStringLiteral("SpeedButtonImport"),
                           QStringLiteral("I'll restore your entries from a backup folder"));
    auto* change = button(box, QStringLiteral("Change"), QStringLiteral("SpeedButton_unico"),
                          QStringLiteral("I can use another archives folder for me or to share "
                                         "archives in LAN"));
    auto* automatic = button(box, QStringLiteral("Auto"), QStringLiteral("SpeedButton_Multi"),
                             QStringLiteral("I'll back to use the defoult archives folder for "
                                            "this profile"));
    connect(backup, &QPushButton::clicked, this, &OptionsTab::backupRequested);
    connect(restore, &QPushButton::clicked, this, &OptionsTab::restoreRequested);
    connect(change, &QPushButton::clicked, this, &OptionsTab::changeFolderRequested);
    connect(automatic, &QPushButton::clicked, this, &OptionsTab::defaultFolderRequested);
    auto* grid = new QGridLayout(box);
    grid->addWidget(backup, 0, 0);
    grid->addWidget(restore, 0, 1);
    grid->addWidget(change, 1, 0);
    grid->addWidget(automatic, 1, 1);
    return box;
}

QWidget* OptionsTab::buildAlarm(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Alarm"), parent);
    m_timeCheck = checkBox(box, QStringLiteral("Time alarm"), QStringLiteral("CheckBoxTimeCheck"),
                           QStringLiteral("You get an alarm at right time"));
    m_popup = checkBox(box, QStringLiteral("Pop-up!"), QStringLiteral("CheckBoxPopup"),
                       QStringLiteral("Click this box if you want Corvandine to pop a window "
                                      "informing you of appointments.  "));
    m_sound = checkBox(box, QStringLiteral("Sound alarm"), QStringLiteral("CheckBox_Soundon"),
                       QStringLiteral("Click this box if you want Corvandine to make a sound for "
                                      "incoming appointments.  "));
    m_chooseSound = button(box, QStringLiteral("Choose"), QStringLiteral("SpeedButtonSound"),
                           QStringLiteral("Click this button to select the sound effect of the "
                                          "alarm.  "));
    m_playSound =
        button(box, QStringLiteral("Play sound"), QStringLiteral("SpeedButtonCambiaSuono"),
               QStringLiteral("Click this button to test the sound effect you have "
                              "chosen.  "));
    m_systemSound = button(box, QStringLiteral("Windows"), QStringLiteral("SpeedButtonWinSound"),
                           QStringLiteral("Click this button to set the sound to the same used by "
                                          "Windows for new mail notification.  "));
    m_soundName = named(new QLabel(box), QStringLiteral("Label_SoundName"));
    m_soundName->setMinimumWidth(1);
    m_downloadAlarms = named(new QToolButton(box), QStringLiteral("SpeedButtonDownloadAlarms"),
                             QStringLiteral("Download alarms from Corvandine Organizer website"));
    m_downloadAlarms->setText(QStringLiteral("www"));
    connect(m_downloadAlarms, &QToolButton::clicked, this, &OptionsTab::downloadAlarmsRequested);

    connect(m_timeCheck, &QCheckBox::clicked, this, &OptionsTab::saveAndReload);
    connect(m_popup, &QCheckBox::clicked, this, &OptionsTab::saveAndReload);
    connect(m_sound, &QCheckBox::clicked, this, &OptionsTab::saveAndReload);
    connect(m_chooseSound, &QPushButton::clicked, this, &OptionsTab::chooseSoundRequested);
    connect(m_playSound, &QPushButton::clicked, this, &OptionsTab::playSoundRequested);
    connect(m_systemSound, &QPushButton::clicked, this, &OptionsTab::systemSoundRequested);

    auto* grid = new QGridLayout(box);
    grid->addWidget(m_timeCheck, 0, 0);
    grid->addWidget(m_popup, 0, 1);
    grid->addWidget(m_sound, 0, 2);
    grid->addWidget(m_chooseSound, 1, 0);
    grid->addWidget(m_playSound, 1, 1);
    grid->addWidget(m_systemSound, 1, 2);
    grid->addWidget(m_soundName, 2, 0, 1, 2);
    grid->addWidget(m_downloadAlarms, 2, 2, Qt::AlignRight);
    return box;
}

QWidget* OptionsTab::buildFormats(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Formats"), parent);
    m_shotFormat = named(new QComboBox(box), QStringLiteral("ComboBox_FormatoDataShot"),
                         QStringLiteral("Change the formatting style for the dates on the One "
                                        "Shot tab.  "));
    m_shotFormat->addItems(store::Settings::oneShotDateFormats());
    m_yearFormat = named(new QComboBox(box), QStringLiteral("ComboBox_FormatoDataYear"),
                         QStringLiteral("Change the formatting style for the dates on the Yearly "
                                        "tab. "));
    m_yearFormat->addItems(store::Settings::yearlyDateFormats());
    m_shotSample = named(new QLabel(box), QStringLiteral("Label_DataShotSample"));
    m_yearSample = named(new QLabel(box), QStringLiteral("Label_DataYearSample"));

    connect(m_shotFormat, &QComboBox::activated, this, [this] {
        saveAndReload();
        emit oneShotFormatChanged();
    });
    connect(m_yearFormat, &QComboBox::activated, this, [this] {
        saveAndReload();
        emit yearlyFormatChanged();
    });

    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("One Shot tasks date format"), box), 0, 0);
    grid->addWidget(m_shotFormat, 0, 1);
    grid->addWidget(m_shotSample, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Yearly tasks date format"), box), 1, 0);
    grid->addWidget(m_yearFormat, 1, 1);
    grid->addWidget(m_yearSample, 1, 2);
    grid->setColumnStretch(2, 1);
    return box;
}

QWidget* OptionsTab::buildFormSize(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Form size"), parent);
    m_defaultSize = button(box, QStringLiteral("Default"), QStringLiteral("SpeedButtonDefaultSize"),
                           QStringLiteral("Click this button to set the default resolution. "));
    m_fix = button(box, QString(), QStringLiteral("SpeedButtonFix"),
                   QStringLiteral("Click this button to specify the resolution Corvandine "
                                  "Oganizer will use. "));
    connect(m_defaultSize, &QPushButton::clicked, this, &OptionsTab::defaultSizeRequested);
    connect(m_fix, &QPushButton::clicked, this, &OptionsTab::fixSizeRequested);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_defaultSize);
    layout->addWidget(m_fix);
    return box;
}

QWidget* OptionsTab::buildMiscellanea(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("Miscellanea"), parent);
    auto* special =
        button(box, QStringLiteral("Open special menu"), QStringLiteral("SpeedButtonSpecial"),
               QStringLiteral("Permette l'accesso al menu speciale"));
    m_visibleTabs = button(box, QStringLiteral("Visible tabs"), QStringLiteral("SpeedButtonTabs"),
                           QStringLiteral("Allows you to choose the visible sections of the "
                                          "program"));
    m_scale = named(new QComboBox(box), QStringLiteral("ComboBoxScala"),
                    QStringLiteral("Extend the size of the input windows"));
    m_scale->addItems(store::Settings::scaleEntries());

    connect(special, &QPushButton::clicked, this, &OptionsTab::openSpecialPanel);
    connect(m_visibleTabs, &QPushButton::clicked, this, &OptionsTab::visibleTabsRequested);
    connect(m_scale, &QComboBox::activated, this,
            [this](int index) { m_settings.writeScaleIndex(index); });

    auto* grid = new QGridLayout(box);
    grid->addWidget(special, 0, 0, 1, 3);
    grid->addWidget(m_visibleTabs, 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Stretch windows"), box), 2, 0);
    grid->addWidget(m_scale, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("%"), box), 2, 2);
    return box;
}

bool OptionsTab::specialPanelShown() const
{
    return m_pages->currentWidget() == m_special;
}

void OptionsTab::openSpecialPanel()
{
    m_special->show();
    m_pages->setCurrentWidget(m_special);
}

void OptionsTab::closeSpecialPanel()
{
    m_special->closePanel();
}

void OptionsTab::setArchiveFolder(const QString& folder)
{
    m_folder->setText(folder);
    m_folder->setToolTip(folder);
}

void OptionsTab::setWindowSize(const QSize& size, bool maximized)
{
    m_fix->setText(QStringLiteral("Fix ") + QString::number(size.width()) + QStringLiteral(" x ") +
                   QString::number(size.height()));
    m_defaultSize->setEnabled(size != defaultWindowSize && !maximized);
}

void OptionsTab::setAutostartTicked(bool on)
{
    m_autostart->setChecked(on);
    saveAndReload();
}

void OptionsTab::saveAndReload()
{
    store::OptionValues v = m_settings.currentOptions();
    v.autostart = m_autostart->isChecked();
    v.minimized = m_minimized->isChecked();
    v.soundAlarm = m_sound->isChecked();
    v.popup = m_popup->isChecked();
    v.timeCheck = m_timeCheck->isChecked();
    if (m_shotFormat->currentIndex() >= 0) {
        v.dataShot = m_shotFormat->currentText();
        v.dataShotIndex = m_shotFormat->currentIndex();
    }
    if (m_yearFormat->currentIndex() >= 0) {
        v.dataYear = m_yearFormat->currentText();
        v.dataYearIndex = m_yearFormat->currentIndex();
    }
    m_special->fillOptions(v);
    m_settings.saveOptions(v);
    m_settings.load();
}

void OptionsTab::applySettings()
{
    const QDate today = m_services.clock.today();
    const auto selectEntry = [](QComboBox* list, int index) {
        list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
    };
    selectEntry(m_shotFormat, m_settings.dataShotIndex());
    m_shotSample->setText(store::Settings::formatDate(today, m_settings.dataShot()));
    selectEntry(m_yearFormat, m_settings.dataYearIndex());
    m_yearSample->setText(store::Settings::formatDate(today, m_settings.dataYear()));

    m_autostart->setChecked(m_settings.autostart());
    const QString sound = m_settings.waveSound();
    m_soundName->setText(QFileInfo(sound).fileName());
    m_soundName->setToolTip(sound);
    m_minimized->setChecked(m_settings.minimized());
    // An unknown code leaves both boxes as they are.
    if (const auto boxes = store::Settings::alarmBoxes(m_settings.soundCode())) {
        m_sound->setChecked(boxes->sound);
        m_popup->setChecked(boxes->popup);
    }
    m_timeCheck->setChecked(m_settings.timeCheck());
    selectEntry(m_scale, m_settings.scaleIndex());
    m_hint->setVisible(!m_settings.hideTips());
    m_special->applySettings();
    updateSoundControls();
    refreshPendingButtons();
}

void OptionsTab::updateSoundControls()
{
    const bool on = m_sound->isChecked();
    m_soundName->setEnabled(on);
    m_chooseSound->setEnabled(
        on && isSignalConnected(QMetaMethod::fromSignal(&OptionsTab::chooseSoundRequested)));
    m_playSound->setEnabled(
        on && isSignalConnected(QMetaMethod::fromSignal(&OptionsTab::playSoundRequested)));
    m_systemSound->setEnabled(
        on && isSignalConnected(QMetaMethod::fromSignal(&OptionsTab::systemSoundRequested)));
}

void OptionsTab::refreshPendingButtons()
{
    // A button whose work belongs to a section not yet in the program stays
    // disabled until the window connects that section to it.
    const auto connectedTo = [this](auto signal) {
        return isSignalConnected(QMetaMethod::fromSignal(signal));
    };
    // Ticking "Autostart" writes no logon entry until that entry is built.
    m_autostart->setEnabled(connectedTo(&OptionsTab::autostartChanged));
    m_autorun->setEnabled(connectedTo(&OptionsTab::autorunRequested));
    m_desktopLink->setEnabled(connectedTo(&OptionsTab::desktopLinkRequested));
    m_themeChange->setEnabled(connectedTo(&OptionsTab::themeChooserRequested));
    m_themeModify->setEnabled(connectedTo(&OptionsTab::themeEditorRequested));
    m_visibleTabs->setEnabled(connectedTo(&OptionsTab::visibleTabsRequested));
    m_help->setEnabled(connectedTo(&OptionsTab::onlineHelpRequested));
    m_social->setEnabled(connectedTo(&OptionsTab::socialPageRequested));
    m_downloadAlarms->setEnabled(connectedTo(&OptionsTab::downloadAlarmsRequested));
    updateSoundControls();
}

bool OptionsTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_folder && event->type() == QEvent::MouseButtonDblClick) {
        emit openArchiveFolderRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void OptionsTab::showEvent(QShowEvent* event)
{
    refreshPendingButtons();
    QWidget::showEvent(event);
}

} // namespace app::ui
