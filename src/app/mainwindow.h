#pragma once

#include "platform/desktopentries.h"
#include "shared/appstate.h"

#include <QIcon>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QTabWidget;
class QMenu;
class QStackedWidget;
class QAction;

namespace documents {
enum class ReportKind;
struct ReportContent;
} // namespace documents

namespace store {
class Database;
class Query;
class Settings;
} // namespace store

namespace app {

class ArchiveFolder;
class ReminderParts;
class SectionTabBar;
class ListMenu;
namespace lock {
class PasswordLock;
}
namespace ui {
class LockPanel;
class OptionsTab;
}
} // namespace app

namespace astro::ui {
class SignSeasonPanel;
}
namespace calendar {
class TaskDialogState;
}
namespace contacts::ui {
class ContactDialogs;
class ContactsPage;
} // namespace contacts::ui
namespace notes::ui {
class NotesTab;
}

namespace platform {
class Printer;
}

namespace calendar::ui {
struct TaskDialogDeps;
class SidePanel;
class TaskListTab;
class TodayView;
} // namespace calendar::ui

namespace todo::ui {
class ToDoTab;
}

namespace app {
class TitleBar;

// The program's one window: a borderless frame with its own title bar and a
// tab per section. It owns the queries, the timers and the tray icon, runs
// the start-up sequence in its fixed order and the exit sequence. Sections
// are widgets of their own; this class only composes them.
class TMainForm final : public QWidget
{
    Q_OBJECT
public:
    // The sections, in the order of their tabs.
    enum Section { Shot, Year, Month, Week, Today, Contacts, Notes, ToDo, Setup, SectionCount };

    TMainForm(shared::AppState& state, shared::Services services, store::Database& database,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // The autostart entry, launcher, tools and drive to use instead of the
    // desktop's own; before formCreate().
    void setDesktopEntries(const platform::DesktopEntries& entries) { m_entries = entries; }

    // The ordered creation sequence. Returns the exit code when the program
    // must end before its event loop runs (too long a path, an archive that
    // cannot be opened, the "CONTROL" rule, "No" to the colour question).
    std::optional<int> formCreate(const QStringList& arguments);

    // A second start asked the window to come forward.
    void showRequest();
    // The tray icon was clicked (or "Open Corvandine Organizer" chosen).
    void trayClick();
    void open1Click();
    // Asks what the exit sequence asks and ends the program when it may.
    void speedButtonEXITClick();
    void speedButtonAggiornaTuttoClick();
    void pageControlMenuChange();

    QTabWidget* pageControl() const { return m_pages; }
    store::Settings& settings() { return *m_settings; }
    ui::OptionsTab* options() const { return m_options; }
    calendar::ui::TodayView* today() const { return m_today; }
    calendar::ui::TaskListTab* taskList(Section section) const { return m_lists.at(section); }
    contacts::ui::ContactsPage* contactsPage() const { return m_contacts; }
    notes::ui::NotesTab* notesTab() const { return m_notes; }
    calendar::ui::SidePanel* sidePanel() const { return m_side; }
    astro::ui::SignSeasonPanel* signSeasonPanel() const { return m_signSeason; }
    todo::ui::ToDoTab* toDo() const { return m_toDo; }
    ReminderParts* reminders() const { return m_reminders.get(); }
    bool isPinned() const;
    QSystemTrayIcon* trayIcon() const { return m_tray; }

    // Tray animation while an announcement waits.
    void startTrayAnimation();
    void stopTrayAnimation();
    bool isTrayAnimating() const { return m_trayAnimation.isActive(); }

    // The password lock: "Lock" of the special panel, also run by Iconize
    // when "Lock on startup" is on. Locks only when a password is stored.
    void speedButtonPSWClick();
    bool isLocked() const;
    // Read-only access: the sections show, every change is refused.
    bool isReadOnly() const;
    ui::LockPanel* lockPanel() const { return m_lockPanel; }

signals:
    // The program ends: the event loop should quit with this code.
    void quitRequested(int code);

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Construction of the window's pieces.
    void buildTitleBar();
    void buildPages();
    void buildTray();
    void buildTimers();
    QIcon trayImage(int index) const;

    // Start-up steps.
    bool colourDepthAccepted();
    std::optional<int> initPaths();
    std::optional<int> openAndBuildArchive();
    void applySettings();
    void applyStartTab();
    void applyWindowSize();
    void timerRitornaTimer();
    void timerAppariTimer();
    void firstShow();
    void formShow();

    // Window handling.
    void iconize();
    void minimizeToTaskbar();
    void toggleMaximized();
    void setPinned(bool pinned);
    void applySectionColours();
    Qt::Edges edgesAt(const QPoint& pos) const;
    void endProgram(int code);
    void about();
    void connectOptions();
    void connectToday();
    void connectLists();
    void connectTaskDialogs();
    void connectToDo();
    void connectDocuments();
    // The to-do link: the contact, company or group it names, in the
    // Contacts tab; a single contact found opens for modifying.
    void openLinkedContact(const QString& link);
    void buildListMenu();
    QWidget* buildContactsPage();
    void connectContacts();
    void newContact();
    QWidget* buildNotesPage();
    void connectNotes();
    void connectPrinting();
    // The banded report of a tab's list as it shows, previewed or printed.
    documents::ReportContent reportOf(documents::ReportKind kind) const;
    void printReport(documents::ReportKind kind, bool preview);
    // The context menu's "Preview" and "Print": the active tab's report.
    void printActiveSection(bool preview);
    void askNotesBeforeExit();
    void newTask(QChar kind);
    void modifyTask(qint64 codimp, bool enlargedNote);
    void taskSaved(const QString& kind);
    void buildSidePanel();
    void tasksChanged();
    void reloadDailyView();
    void focusActiveSection();
    void openRepository();
    void connectAstro();
    void showMoonOfShownDay();
    void openTimeCalculator();
    void refreshTaskLists();
    void createReminders(const QStringList& arguments);
    void fixSize();
    void buildLockPanel();
    // Covers the window with the lock panel and sets the program-locked flag.
    void showLockPanel();
    void editPSWChange(const QString& typed);
    void speedButtonSolaLetturaClick();
    // The panel goes and the sections show again, read-only or not.
    void lifted();
    void applyReadOnly(bool readOnly);
    // Desktop integration.
    void connectDesktop();
    // The desktop's own entries for those not given; then what the session does.
    void readAutostart();
    void reconcileAutostart();
    void createDesktopLauncher();
    void openVisibleTabs();
    void openMigrationNotice();
    void askToOpenPage(const QString& question, const QString& address);
    QColor tabTextColour() const;

    shared::AppState& m_state;
    shared::Services m_services;
    store::Database& m_db;
    std::unique_ptr<store::Query> m_general;
    std::unique_ptr<store::Settings> m_settings;
    std::unique_ptr<ArchiveFolder> m_archive;
    std::unique_ptr<ReminderParts> m_reminders;
    QWidget* m_statusStrip = nullptr;
    QStackedWidget* m_body = nullptr;
    QWidget* m_content = nullptr;
    ui::LockPanel* m_lockPanel = nullptr;
    std::unique_ptr<lock::PasswordLock> m_lock;
    platform::DesktopEntries m_entries;
    std::unique_ptr<platform::Autostart> m_ownAutostart;
    std::unique_ptr<platform::DesktopLauncher> m_ownLauncher;
    std::unique_ptr<platform::DesktopTools> m_ownTools;
    std::unique_ptr<platform::ProgramDrive> m_ownDrive;
    // Whether the session starts the program, as last read or written.
    bool m_autostartOn = false;
    // The migration notice was closed in this run.
    bool m_migrationNoticeClosed = false;

    TitleBar* m_titleBar = nullptr;
    QTabWidget* m_pages = nullptr;
    SectionTabBar* m_tabBar = nullptr;
    ListMenu* m_listMenu = nullptr;
    std::array<QWidget*, SectionCount> m_sectionPages{};
    ui::OptionsTab* m_options = nullptr;
    calendar::ui::TodayView* m_today = nullptr;
    // The task lists of the One Shot, Yearly, Monthly and Weekly tabs, in tab order.
    std::array<calendar::ui::TaskListTab*, 4> m_lists{};
    calendar::ui::SidePanel* m_side = nullptr;
    astro::ui::SignSeasonPanel* m_signSeason = nullptr;
    contacts::ui::ContactsPage* m_contacts = nullptr;
    contacts::ui::ContactDialogs* m_contactDialogs = nullptr;
    notes::ui::NotesTab* m_notes = nullptr;
    todo::ui::ToDoTab* m_toDo = nullptr;
    std::unique_ptr<platform::Printer> m_qtPrinter;
    platform::Printer* m_printer = nullptr;
    std::unique_ptr<calendar::TaskDialogState> m_dialogState;
    std::unique_ptr<calendar::ui::TaskDialogDeps> m_dialogDeps;

    QSystemTrayIcon* m_tray = nullptr;
    QMenu* m_trayMenu = nullptr;
    QAction* m_trayTerminate = nullptr;
    int m_trayImage = 4;

    QTimer m_timerRitorna;
    QTimer m_timerAppari;
    QTimer m_timerOrologio;
    QTimer m_timerContolloOrario;
    QTimer m_timerFlashTempo;
    QTimer m_trayAnimation;

    bool m_exitQuestionOpen = false;
    // Set by the Minimize button: that minimizing does not go to the tray.
    bool m_keepOnTaskbar = false;
    // A daily-view reload was asked for while the Today tab was not in sight.
    bool m_todayReloadPending = false;
};

} // namespace app
