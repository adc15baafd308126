// The start-up sequence of the main window and its first appearance.
#include "app/agenda.h"
#include "app/archivefolder.h"
#include "app/archivepaths.h"
#include "app/lock/passwordlock.h"
#include "app/reminderparts.h"
#include "app/ui/advancedpanel.h"
#include "app/ui/optionstab.h"
#include "app/window/sectiontabbar.h"
#include "app/window/titlebar.h"
#include "calendar/dailyview.h"
#include "calendar/dayselection.h"
#include "calendar/repository.h"
#include "calendar/taskrecord.h"
#include "calendar/tasktexts.h"
#include "calendar/ui/lists/tasklisttab.h"
#include "calendar/ui/today/todayview.h"
#include "mainwindow.h"
#include "notes/ui/notestab.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/prompter.h"
#include "reminders/alarmclock.h"
#include "reminders/alarmsound.h"
#include "reminders/lookahead.h"
#include "reminders/ui/lookaheadindicator.h"
#include "reminders/ui/messagepanel.h"
#include "reminders/ui/msnpopup.h"
#include "reminders/ui/soundlabel.h"
#include "reminders/ui/timealarmflash.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"
#include "store/settings.h"
#include "store/sqlerror.h"

#include <QBoxLayout>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>

Q_LOGGING_CATEGORY(lcStartup, "corvandine.startup", QtWarningMsg)

namespace app {

using Kind = platform::Prompter::Kind;

namespace {
constexpr QSize DefaultSize(670, 592);
}

std::optional<int> TMainForm::formCreate(const QStringList& commandLine)
{
    // A folder named with "--archive" is the user's choice for this run: it
    // wins over a redirect, and the program's own arguments ("CONTROL") are
    // read as if the option were not there.
    if (const auto named = archiveOverride(commandLine); named && !named->isEmpty()) {
        m_state.archiveFolder = QDir(*named).absolutePath();
        m_state.archiveNamed = true;
    }
    const QStringList arguments = programArguments(commandLine);
    if (!colourDepthAccepted())
        return 0;
    // The weekday and month pick lists of the section searches are filled by
    // the task lists as they come to the window.
    if (auto code = initPaths())
        return code;
    m_archive->readNetFolder();
    // "Refresh all" and "Auto" only mean something for a redirected archive.
    m_titleBar->refreshAllButton()->setVisible(m_archive->isRedirected());
    if (auto* automatic = m_options->findChild<QPushButton*>(QStringLiteral("SpeedButton_Multi")))
        automatic->setEnabled(m_archive->isRedirected());
    if (auto code = openAndBuildArchive())
        return code;
    if (!m_settings->loadOrReport(m_services.prompter))
        return 1;
    calendar::purgeDeleteAfterTasks(*m_general, m_services.clock.today());
    applySettings();
    readAutostart();
    m_today->showToday();
    applyWindowSize();

    createReminders(arguments);
    // The check of the new day: "CONTROL" on the command line ends a start
    // from a scheduler when today has nothing to do; otherwise today's open
    // tasks are announced.
    if (!m_reminders->clock().startOfDayCheck())
        return 0;
    refreshTaskLists();
    m_notes->start();
    for (calendar::ui::TaskListTab* list : m_lists)
        list->fitGridColumns();

    m_options->setArchiveFolder(m_state.archiveFolder);
    m_state.startupComplete = true;
    m_timerOrologio.start();
    m_timerRitorna.start();
    return std::nullopt;
}

bool TMainForm::colourDepthAccepted()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen || screen->depth() > 8)
        return true;
    m_tray->hide();
    const bool go = m_services.prompter.ask(
        QStringLiteral("The correct execution of Corvandine Organizer requires that Windows is set "
                       "to more than 256 colors.\rDo you want to continue running Corvandine "
                       "Organizer?"),
        Kind::WarningQuestion);
    if (go && m_services.desktop.hasSystemTray())
        m_tray->show();
    return go;
}

std::optional<int> TMainForm::initPaths()
{
    if (m_state.programFolder.isEmpty())
        m_state.programFolder = programFolder();
    if (m_state.defaultArchiveFolder.isEmpty())
        m_state.defaultArchiveFolder = defaultArchiveFolderFor(m_state.programFolder);
    // The limit counts the program folder with its trailing separator.
    const QString shown = QDir::toNativeSeparators(m_state.programFolder + u'/');
    const qsizetype length = shown.size() + 6; // + "myarcs"
    if (m_state.defaultArchiveFolder.startsWith(m_state.programFolder)
        && length > MaxDefaultArchivePath) {
        m_timerOrologio.stop();
        m_timerContolloOrario.stop();
        m_state.restoreBlocked = true;
        m_services.prompter.tell(
            QStringLiteral("The path where you're trying to run me is too long:\r\n") + shown
                + QStringLiteral("\r\n\r\nYou need to install me in another shorter by at least ")
                + QString::number(length - MaxDefaultArchivePath) + QStringLiteral(" characters."),
            Kind::Warning);
        return 0;
    }
    if (m_state.archiveFolder.isEmpty())
        m_state.archiveFolder = m_state.defaultArchiveFolder;
    return std::nullopt;
}

std::optional<int> TMainForm::openAndBuildArchive()
{
    try {
        m_archive->openArchive(m_db);
    } catch (const store::SqlError& error) {
        // Never replace or empty an archive the engine cannot read: the user
        // may still restore it.
        m_services.prompter.tell(
            QStringLiteral("I can not open the archive:\r") + databaseFilePath(m_state.archiveFolder)
                + QStringLiteral("\r\r") + error.className() + QStringLiteral(": ")
                + error.message()
                + QStringLiteral("\r\rThe file was left as it is. Restore a backup or move the "
                                 "file away, then start me again."),
            Kind::Warning);
        return 2;
    }
    try {
        store::ArchiveEnvironment env;
        env.archiveFolder = m_state.archiveFolder;
        env.programFolder = m_state.programFolder;
        env.migrationNoticePending = m_state.migrationNoticePending;
        env.loadSettings = [this] { m_settings->load(); };
        m_state.archiveReport += store::ArchiveBuilder(m_db, *m_general, m_settings->query(), env).build();
        // The day's selection runs at every refresh and every second of the
        // alarm clock: give it its indexes and a page cache.
        calendar::ensureDaySelectionIndexes(*m_general);
        calendar::tuneForDaySelections(*m_general);
        calendar::repairOneDigitHours(*m_general);
    } catch (const store::SqlError& error) {
        m_services.prompter.tell(store::Settings::errorText(error), Kind::Warning);
        return 2;
    }
    return std::nullopt;
}

void TMainForm::applySettings()
{
    // Tabs the user hid stay hidden; with any hidden the strip is drawn plainly.
    bool allVisible = true;
    for (int i = 0; i < store::Settings::VisibleTabCount; ++i) {
        const bool visible = m_settings->tabVisible(static_cast<store::Settings::Section>(i));
        m_pages->setTabVisible(i, visible);
        allVisible = allVisible && visible;
    }
    m_tabBar->setColoured(allVisible);
    applyStartTab();
    // Locked from the start: nothing of the sections shows before the password.
    if (lock::locksAtAppearance(*m_settings) && m_lock->lock())
        showLockPanel();
}

void TMainForm::applyStartTab()
{
    const QString tab = m_settings->startTab();
    if (tab == QLatin1String("-")) {
        m_pages->setCurrentIndex(Today);
        auto options = m_settings->currentOptions();
        options.startTab = QStringLiteral("4");
        m_settings->saveOptions(options);
        return;
    }
    bool ok = false;
    const int index = tab.toInt(&ok);
    if (!ok || index < 0 || index > Setup)
        return;
    if (index == Setup || m_pages->isTabVisible(index))
        m_pages->setCurrentIndex(index);
}

void TMainForm::applyWindowSize()
{
    resize(std::max(m_settings->winWidth(), 200), std::max(m_settings->winHeight(), 200));
    if (m_settings->winState() != QLatin1String("wsNormal"))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TMainForm::timerRitornaTimer()
{
    if (m_state.restoreBlocked || !m_settings->isRead())
        return;
    if (!m_settings->minimized())
        trayClick();
    else if (!m_tray->isVisible())
        showMinimized(); // no tray to wait in: the taskbar shows the program
    m_trayImage = 0;
    m_tray->setIcon(trayImage(0));
    m_timerRitorna.stop();
}

void TMainForm::timerAppariTimer()
{
    if (m_state.restoreBlocked || !m_state.ready)
        return;
    m_state.windowMinimized = false;
    if (isTrayAnimating()) {
        m_pages->setCurrentIndex(Today);
        stopTrayAnimation();
    }
    if (m_state.firstShowPending)
        firstShow();
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    pageControlMenuChange();
    focusActiveSection();
    raise();
    activateWindow();
    m_timerAppari.stop();
    if (m_state.firstLookAheadPending && m_reminders)
        m_reminders->lookAhead().runAtFirstShow();
    m_state.firstLookAheadPending = false;
}

void TMainForm::firstShow()
{
    m_state.ready = false;
    resize(size().expandedTo(DefaultSize));
    // Start-up work is over: from here on the user sees the program.
    qCInfo(lcStartup, "window shown");

    if (!m_state.archiveReport.isEmpty()) {
        const QString report = m_state.archiveReport + QStringLiteral("\rAll this happened in the folder:\r")
                               + m_state.archiveFolder + u'\r';
        m_state.archiveReport.clear();
        m_state.restoreBlocked = true;
        m_services.prompter.tell(report, Kind::Information,
                                 platform::applicationTitle() + QStringLiteral(" - Archive report"));
        m_state.restoreBlocked = false;
    }

    // The side calendar with its marked days, when the options want it.
    if (auto* button = m_today->findChild<QToolButton*>(QStringLiteral("SpeedButtonClendarioLato")))
        button->setChecked(m_settings->showCalendar());
    m_today->setLeftPanelShown(m_settings->showCalendar());

    m_state.firstShowPending = false;
    m_state.ready = true;
    for (int i = 0; i < SectionCount; ++i) {
        const QString caption = m_pages->tabText(i).trimmed();
        m_pages->setTabText(i, u' ' + caption + u' ');
    }
    setMinimumSize(DefaultSize);
    resize(size().expandedTo(DefaultSize));
}

void TMainForm::formShow()
{
    if (!m_settings->isRead())
        return;
    if (m_state.migrationNoticePending) {
        const bool notice = m_settings->migrationInfo();
        m_titleBar->messageButton()->setVisible(notice);
        // Pressed by itself, once the window is up.
        if (notice)
            QTimer::singleShot(0, this, [this] {
                if (m_state.migrationNoticePending && isVisible())
                    openMigrationNotice();
            });
    } else if (m_migrationNoticeClosed) {
        m_settings->writeMigrationInfo(false);
    }
    if (lock::locksAtAppearance(*m_settings) && m_lock->lock())
        showLockPanel();
}

} // namespace app

namespace app {

void TMainForm::createReminders(const QStringList& arguments)
{
    m_reminders = std::make_unique<ReminderParts>(m_db, *m_settings, m_state, m_services, this);
    auto* strip = static_cast<QBoxLayout*>(m_statusStrip->layout());
    strip->addWidget(m_reminders->messagePanel(), 1);
    strip->addWidget(m_reminders->clockLabel());

    reminders::AlarmClock& clock = m_reminders->clock();
    clock.arguments = arguments;
    reminders::AlarmClockHooks& hooks = clock.hooks;
    // Any window of the program counts, a task dialog as much as this one.
    hooks.applicationActive = [] {
        return QGuiApplication::applicationState() == Qt::ApplicationActive;
    };
    hooks.showClockText = [this](const QString& text) { m_reminders->clockLabel()->setText(text); };
    hooks.showMessagePanel = [this](const reminders::MessagePanelState& panel) {
        m_reminders->messagePanel()->showState(panel);
    };
    hooks.showTodayTab = [this] { m_pages->setCurrentIndex(Today); };
    hooks.open1 = [this] { open1Click(); };
    // As a second start asks: blocked while a look-ahead or a start-up
    // dialog runs, only raised when pinned on top.
    hooks.bringToFront = [this] { showRequest(); };
    hooks.startTrayAnimation = [this] { startTrayAnimation(); };
    hooks.stopTrayAnimation = [this] { stopTrayAnimation(); };
    hooks.purgeOldTasks = [this] {
        calendar::purgeDeleteAfterTasks(*m_general, m_services.clock.today());
    };
    hooks.refreshOneShotList = [this] { m_lists[Shot]->refreshList(); };
    hooks.showTodayInDailyView = [this] { m_today->showToday(); };
    // The start-of-day check reads the list Today has just loaded for the
    // day instead of selecting the same rows again.
    hooks.dailyView = [this]() -> const store::Query* {
        if (m_today->shownDate() != m_services.clock.today())
            return nullptr;
        return &m_today->dailyView().selection();
    };
    hooks.terminate = [this] { endProgram(0); };

    connect(&m_timerOrologio, &QTimer::timeout, &clock, &reminders::AlarmClock::timerOrologioTimer,
            Qt::UniqueConnection);
    connect(&m_timerContolloOrario, &QTimer::timeout, &clock,
            &reminders::AlarmClock::timerContolloOrarioTimer, Qt::UniqueConnection);
    m_timerContolloOrario.start();
    connect(&m_timerFlashTempo, &QTimer::timeout, this, [this] {
        if (auto* caption = m_options->findChild<QWidget*>(QStringLiteral("CheckBoxTimeCheck")))
            reminders::ui::flashTimeAlarm(*caption);
    });
    connect(m_reminders->messagePanel(), &reminders::ui::MessagePanel::clicked, &clock,
            &reminders::AlarmClock::messagePanelClicked);
    connect(&m_reminders->popup(), &reminders::ui::TMSNPopUp::OnClick, &clock,
            &reminders::AlarmClock::notificationClicked);

    // Any change of tasks may change what rings today.
    connect(m_today, &calendar::ui::TodayView::alarmListRefreshRequested, &clock,
            &reminders::AlarmClock::refreshAlarmList);
    for (calendar::ui::TaskListTab* list : m_lists)
        connect(list, &calendar::ui::TaskListTab::alarmListRefreshRequested, &clock,
                &reminders::AlarmClock::refreshAlarmList);
    connect(m_today, &calendar::ui::TodayView::showSuspendedChanged, &clock,
            [&clock](bool) { clock.refreshAlarmList(); });

    reminders::LookAhead& lookAhead = m_reminders->lookAhead();
    lookAhead.optionsTabActive = [this] { return m_pages->currentIndex() == Setup; };
    auto* indicator = m_reminders->lookAheadIndicator();
    m_today->addToNavigation(indicator);
    connect(m_today, &calendar::ui::TodayView::dailyViewRefreshed, indicator,
            &reminders::ui::LookAheadIndicator::refresh);
    if (auto* special = m_options->specialPanel()) {
        connect(special, &ui::SpecialPanel::importantTasksCheckRequested, this,
                [&lookAhead] { lookAhead.run(); });
        connect(special, &ui::SpecialPanel::importantTasksOptionChanged, indicator,
                &reminders::ui::LookAheadIndicator::refresh);
    }
    indicator->refresh();

    reminders::SoundOptions& sound = m_reminders->soundOptions();
    const auto showSound = [this, &sound] {
        if (auto* label = m_options->findChild<QLabel*>(QStringLiteral("Label_SoundName")))
            reminders::ui::showSoundLabel(*label, sound.label());
    };
    sound.showLabel = [this](const reminders::SoundLabel& shown) {
        if (auto* label = m_options->findChild<QLabel*>(QStringLiteral("Label_SoundName")))
            reminders::ui::showSoundLabel(*label, shown);
    };
    connect(m_options, &ui::OptionsTab::chooseSoundRequested, this, [&sound] { sound.choose(); });
    connect(m_options, &ui::OptionsTab::playSoundRequested, this, [&sound] { sound.playSound(); });
    connect(m_options, &ui::OptionsTab::systemSoundRequested, this,
            [&sound] { sound.useMailSound(); });
    // The Options tab writes the bare file name on every load; the sound's
    // own label (name, colour and hint) replaces it right after.
    connect(m_settings.get(), &store::Settings::loaded, this, showSound);
    showSound();
    clock.refreshAlarmList();
}

} // namespace app
