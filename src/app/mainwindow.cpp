#include "mainwindow.h"

#include "app/archivefolder.h"
#include "app/reminderparts.h"
#include "app/ui/advancedpanel.h"
#include "app/ui/optionstab.h"
#include "app/window/escapekey.h"
#include "app/window/listmenu.h"
#include "app/window/sectiontabbar.h"
#include "app/window/titlebar.h"
#include "calendar/repository.h"
#include "calendar/taskrecord.h"
#include "calendar/ui/dialogs/taskdialogdeps.h"
#include "calendar/ui/dialogs/taskdialogs.h"
#include "calendar/ui/lists/tarcshotform.h"
#include "calendar/ui/lists/tasklisttab.h"
#include "calendar/ui/sidecalendar/sidepanel.h"
#include "calendar/ui/today/todayview.h"
#include "contacts/ui/contactspage.h"
#include "notes/ui/notestab.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/prompter.h"
#include "platform/qt/qtprinter.h"
#include "reminders/alarmclock.h"
#include "reminders/ui/timealarmflash.h"
#include "shared/sectioncounter.h"
#include "store/database.h"
#include "store/query.h"
#include "store/settings.h"
#include "themes/colourtext.h"
#include "todo/ui/todotab.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace app {

namespace {

constexpr int ResizeMargin = 5;
constexpr QSize DefaultSize(670, 592);

struct SectionPage
{
    const char* objectName;
    const char* caption;
};

// A tab widget whose strip draws each tab in its section's colour.
class SectionTabWidget final : public QTabWidget
{
public:
    explicit SectionTabWidget(QWidget* parent) : QTabWidget(parent), m_bar(new SectionTabBar(this))
    {
        setTabBar(m_bar);
    }
    SectionTabBar* sectionTabBar() const { return m_bar; }

private:
    SectionTabBar* m_bar;
};

// The task tab of a kind letter ("O", "Y", "M", "W"), or -1.
int sectionOfKind(QChar kind)
{
    static const QString kinds = QStringLiteral("OYMW");
    return int(kinds.indexOf(kind));
}

// The nine sections in tab order: the page names other parts look them up by.
constexpr std::array<SectionPage, TMainForm::SectionCount> SectionPages{{
    {"TabSheetShot", "One Shot"},
    {"TabSheetYEAR", "Yearly"},
    {"TabSheetMonth", "Monthly"},
    {"TabSheetWEEK", "Weekly "},
    {"TabSheetTODAY", "Today"},
    {"TabSheetCONTACTS", "Contacts"},
    {"TabSheetNotes", "Notes"},
    {"TabSheetToDo", "To Do"},
    {"TabSheetSetup", "Options"},
}};

} // namespace

TMainForm::TMainForm(shared::AppState& state, shared::Services services, store::Database& database,
                     QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_state(state),
      m_services(services), m_db(database), m_general(std::make_unique<store::Query>(database)),
      m_settings(std::make_unique<store::Settings>(database)),
      m_archive(std::make_unique<ArchiveFolder>(state, services))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(platform::applicationTitle());
    setMouseTracking(true);
    resize(DefaultSize);

    auto* layout = new QVBoxLayout(this);
    // A thin frame of our own: the edges are where the window is resized.
    layout->setContentsMargins(ResizeMargin, ResizeMargin, ResizeMargin, ResizeMargin);
    layout->setSpacing(0);

    buildTitleBar();
    buildPages();
    // The bottom strip: the message panel of announcements and the clock line.
    m_statusStrip = new QWidget(this);
    m_statusStrip->setObjectName(QStringLiteral("PanelStatus"));
    auto* strip = new QHBoxLayout(m_statusStrip);
    strip->setContentsMargins(4, 2, 4, 0);
    layout->addWidget(m_statusStrip);
    buildTray();
    buildTimers();

    connect(new EscapeKey(this), &EscapeKey::exitRequested, this, &TMainForm::speedButtonEXITClick);

    connect(m_settings.get(), &store::Settings::loaded, this, &TMainForm::applySectionColours);
}

TMainForm::~TMainForm() = default;

void TMainForm::buildTitleBar()
{
    m_titleBar = new TitleBar(this);
    layout()->addWidget(m_titleBar);
    connect(m_titleBar, &TitleBar::aboutClicked, this, &TMainForm::about);
    connect(m_titleBar, &TitleBar::pinToggled, this, &TMainForm::setPinned);
    connect(m_titleBar, &TitleBar::refreshAllClicked, this, &TMainForm::speedButtonAggiornaTuttoClick);
    connect(m_titleBar, &TitleBar::iconizeClicked, this, &TMainForm::iconize);
    connect(m_titleBar, &TitleBar::minimizeClicked, this, &TMainForm::minimizeToTaskbar);
    connect(m_titleBar, &TitleBar::maximizeClicked, this, &TMainForm::toggleMaximized);
    connect(m_titleBar, &TitleBar::terminateClicked, this, &TMainForm::speedButtonEXITClick);
}

void TMainForm::buildPages()
{
    m_pages = new SectionTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControlMenu"));
    m_tabBar = static_cast<SectionTabWidget*>(m_pages)->sectionTabBar();
    for (int i = 0; i < SectionCount; ++i) {
        QWidget* page = nullptr;
        if (i == Setup) {
            m_options = new ui::OptionsTab(*m_settings, m_services, m_pages);
            page = m_options;
        } else if (i <= Week) {
            static const char kinds[] = "OYMW";
            page = new QWidget(m_pages);
            auto* box = new QVBoxLayout(page);
            box->setContentsMargins(0, 0, 0, 0);
            m_lists[i] = new calendar::ui::TaskListTab(m_db, *m_settings, m_services, m_state,
                                                       QChar::fromLatin1(kinds[i]), page);
            box->addWidget(m_lists[i]);
        } else if (i == Today) {
            // The Today tab's page holds the daily view edge to edge.
            page = new QWidget(m_pages);
            auto* box = new QVBoxLayout(page);
            box->setContentsMargins(0, 0, 0, 0);
            m_today = new calendar::ui::TodayView(m_db, *m_settings, m_services, m_state, page);
            box->addWidget(m_today);
        } else if (i == Contacts) {
            page = buildContactsPage();
        } else if (i == Notes) {
            page = buildNotesPage();
        } else if (i == ToDo) {
            page = new QWidget(m_pages);
            auto* box = new QVBoxLayout(page);
            box->setContentsMargins(0, 0, 0, 0);
            m_toDo = new todo::ui::ToDoTab(m_db, *m_settings, m_services, m_state, page);
            box->addWidget(m_toDo);
        } else {
            page = new QWidget(m_pages);
        }
        page->setObjectName(QLatin1String(SectionPages[i].objectName));
        m_sectionPages[i] = page;
        m_pages->addTab(page, QLatin1String(SectionPages[i].caption));
    }
    m_pages->setCurrentIndex(Today);
    layout()->addWidget(m_pages);
    connect(m_pages, &QTabWidget::currentChanged, this, [this] {
        pageControlMenuChange();
        focusActiveSection();
    });
    buildSidePanel();
    connectOptions();
    connectToday();
    connectLists();
    connectTaskDialogs();
    connectToDo();
    buildListMenu();
    connectContacts();
    connectNotes();
}

void TMainForm::buildListMenu()
{
    // The commands the menu presses are the active section's own buttons.
    const auto button = [this](const char* command) -> QAbstractButton* {
        static constexpr std::array<const char*, SectionCount> Suffixes{
            "Shot", "Year", "Month", "Week", "Today", "Contact", nullptr, "ToDo", nullptr};
        const int index = m_pages->currentIndex();
        if (index < 0 || index >= SectionCount || !Suffixes[index])
            return nullptr;
        return m_sectionPages[index]->findChild<QAbstractButton*>(QLatin1String(command) +
                                                                  QLatin1String(Suffixes[index]));
    };
    ListMenu::Hooks hooks;
    hooks.deleteButton = [button] { return button("SpeedButtonDel"); };
    hooks.modifyButton = [button] { return button("SpeedButtonMod"); };
    hooks.locked = [this] { return m_state.programLocked; };
    hooks.readOnly = [this] { return m_dialogDeps->readOnly(); };
    m_listMenu = new ListMenu(std::move(hooks), this);
    connect(m_listMenu, &ListMenu::insertTaskRequested, this, &TMainForm::newTask);
    connect(m_listMenu, &ListMenu::insertToDoRequested, m_toDo, &todo::ui::ToDoTab::insertEntry);
    m_listMenu->attachTo(m_titleBar);
    for (calendar::ui::TaskListTab* list : m_lists)
        m_listMenu->attachTo(list);
    if (auto* frame = m_today->findChild<QWidget*>(QStringLiteral("Panel_Contorno_Today")))
        m_listMenu->attachTo(frame);
    if (auto* frame = m_toDo->findChild<QWidget*>(QStringLiteral("Panel_Contorno_ToDo")))
        m_listMenu->attachTo(frame);
}

void TMainForm::connectTaskDialogs()
{
    m_printer = std::make_unique<platform::QtPrinter>(this);
    m_dialogState = std::make_unique<calendar::TaskDialogState>();
    m_dialogDeps = std::make_unique<calendar::ui::TaskDialogDeps>(
        m_db, *m_settings, m_services, m_state, *m_dialogState, *m_printer);
    m_dialogDeps->shownDate = [this] { return m_today->shownDate(); };
    m_dialogDeps->readOnly = [] { return false; };

    using calendar::ui::TaskListTab;
    using calendar::ui::TodayView;
    connect(m_today, &TodayView::insertRequested, this, &TMainForm::newTask);
    // The dialog edits what its section list stands on: list every task of
    // the kind there and walk to this one before it opens.
    const auto modifyFromToday = [this](qint64 codimp, QChar kind, bool enlargedNote) {
        const int section = sectionOfKind(kind);
        if (section >= 0)
            m_lists[section]->showTask(codimp);
        modifyTask(codimp, enlargedNote);
    };
    connect(m_today, &TodayView::modifyRequested, this,
            [modifyFromToday](qint64 codimp, QChar kind) { modifyFromToday(codimp, kind, false); });
    connect(m_today, &TodayView::modifyNoteRequested, this,
            [modifyFromToday](qint64 codimp, QChar kind) { modifyFromToday(codimp, kind, true); });
    for (TaskListTab* list : m_lists) {
        connect(list, &TaskListTab::insertRequested, this, &TMainForm::newTask);
        connect(list, &TaskListTab::modifyRequested, this,
                [this](qint64 codimp, QChar) { modifyTask(codimp, false); });
        connect(list, &TaskListTab::modifyNoteRequested, this,
                [this](qint64 codimp, QChar) { modifyTask(codimp, true); });
    }
    // A day of the side calendar: the new task starts on that day.
    connect(m_side, &calendar::ui::SidePanel::newOneShotRequested, this, [this](const QDate& day) {
        m_today->setShownDate(day);
        newTask(u'O');
    });
    connect(m_side, &calendar::ui::SidePanel::newTaskRequested, this,
            [this](QChar kind, const QDate& day) {
                m_today->setShownDate(day);
                newTask(kind);
            });
}

void TMainForm::newTask(QChar kind)
{
    calendar::ui::openNewTaskDialog(QString(kind), *m_dialogDeps, this,
                                    [this](const QString& savedKind, qint64) { taskSaved(savedKind); });
    pageControlMenuChange(); // the dialog took its kind's colour
}

void TMainForm::modifyTask(qint64 codimp, bool enlargedNote)
{
    calendar::ui::openModifyTaskDialog(
        codimp, *m_dialogDeps, this,
        [this](const QString& savedKind, qint64) { taskSaved(savedKind); }, enlargedNote);
    pageControlMenuChange();
}

void TMainForm::taskSaved(const QString& kind)
{
    const int section = sectionOfKind(kind.isEmpty() ? QChar() : kind.at(0));
    if (section >= 0) {
        m_lists[section]->refreshList();
        m_lists[section]->fitGridColumns();
    }
    tasksChanged();
}

void TMainForm::buildSidePanel()
{
    using calendar::ui::SidePanel;
    using calendar::ui::TodayView;
    auto* box = new QVBoxLayout(m_today->leftPanel());
    box->setContentsMargins(0, 0, 4, 0);
    m_side = new SidePanel(m_db, *m_settings, m_services, m_today->leftPanel());
    box->addWidget(m_side);

    connect(m_today, &TodayView::dailyViewRefreshed, this,
            [this] { m_todayReloadPending = false; });
    connect(m_today, &TodayView::dailyViewRefreshed, m_side, [this](const QDate& shown) {
        m_side->setDate(shown);
        m_side->refresh();
    });
    connect(m_side, &SidePanel::dayChosen, m_today, &TodayView::setShownDate);
    // One "Show suspended" for the day's list and the marked days.
    connect(m_side, &SidePanel::showSuspendedChanged, m_today, &TodayView::setShowSuspended);
    connect(m_today, &TodayView::showSuspendedChanged, m_side, &SidePanel::setShowSuspended);
    for (calendar::ui::TaskListTab* list : m_lists) {
        connect(list, &calendar::ui::TaskListTab::sectionCounted, m_side,
                [this](const QString& labelName, const QString& labelText) {
                    m_side->showSectionCount(shared::SectionCount{{}, {}, labelName, labelText});
                });
    }
    connect(m_side, &SidePanel::entryClicked, this, [this](QChar section) {
        if (section == u'D')
            openRepository();
        else if (section == u'L')
            m_toDo->insertEntry();
        else if (sectionOfKind(section) >= 0)
            newTask(section);
    });
    // Notes bring their own New dialogs; until then their counter leads
    // nowhere.
    for (const char* name : {"Label_Conteggio_Note"}) {
        if (auto* label = m_side->findChild<QWidget*>(QLatin1String(name))) {
            label->setEnabled(false);
            label->unsetCursor();
        }
    }
    // The side panel's state is an option: the next start shows it as left.
    if (auto* toggle = m_today->findChild<QToolButton*>(QStringLiteral("SpeedButtonClendarioLato")))
        connect(toggle, &QToolButton::clicked, this, [this](bool shown) {
            activateWindow();
            auto options = m_settings->currentOptions();
            options.showCalendar = shown;
            m_settings->saveOptions(options);
        });
}

void TMainForm::connectLists()
{
    using calendar::ui::TaskListTab;
    for (TaskListTab* list : m_lists) {
        connect(list, &TaskListTab::tasksChanged, this, &TMainForm::tasksChanged);
        connect(list, &TaskListTab::listReloaded, m_today,
                &calendar::ui::TodayView::markSectionListReloaded);
        connect(list, &TaskListTab::attachmentRequested, m_today,
                &calendar::ui::TodayView::showTaskAttachment);
    }
    connect(m_today, &calendar::ui::TodayView::sectionListReloadRequested, this, [this](QChar kind) {
        const int section = sectionOfKind(kind);
        if (section >= 0)
            m_lists[section]->refreshList();
    });
    if (auto* special = m_options->specialPanel())
        connect(special, &ui::SpecialPanel::repositoryRequested, this, &TMainForm::openRepository);
}

void TMainForm::tasksChanged()
{
    reloadDailyView();
    m_side->refresh();
    if (m_reminders)
        m_reminders->clock().refreshAlarmList();
}

void TMainForm::reloadDailyView()
{
    // A hidden daily view is read again when the Today tab is next entered.
    if (m_today->isVisible())
        m_today->refreshDailyView();
    else
        m_todayReloadPending = true;
}

void TMainForm::refreshTaskLists()
{
    // The order start-up has always loaded them in.
    for (Section section : {Month, Week, Year, Shot})
        m_lists[section]->refreshList();
    m_toDo->start();
    m_contacts->refreshList();
}

void TMainForm::openRepository()
{
    calendar::ui::TArcShotForm form(m_db, *m_settings, m_services, m_state,
                                    m_lists[Shot]->periodFilter(), this);
    form.setDefaultColours(m_lists[Shot]->gridTheme().defaultColours);
    connect(&form, &calendar::ui::TArcShotForm::tasksChanged, this, [this] {
        m_lists[Shot]->refreshList();
        m_lists[Shot]->fitGridColumns();
        tasksChanged();
    });
    form.exec();
}

void TMainForm::connectToday()
{
    using calendar::ui::TodayView;
    connect(m_today, &TodayView::originRequested, this, [this](QChar kind, qint64 codimp) {
        const int section = sectionOfKind(kind);
        if (section < 0 || !m_pages->isTabVisible(section))
            return;
        m_pages->setCurrentIndex(section);
        m_lists[section]->showTask(codimp);
    });
}

void TMainForm::connectOptions()
{
    using ui::OptionsTab;
    connect(m_options, &OptionsTab::backupRequested, this, [this] {
        if (m_archive->backup(m_db))
            speedButtonAggiornaTuttoClick();
    });
    connect(m_options, &OptionsTab::restoreRequested, this, [this] {
        if (m_archive->restore(m_db, m_settings->autostart()) == ArchiveFolder::Outcome::EndProgram)
            endProgram(0);
    });
    connect(m_options, &OptionsTab::changeFolderRequested, this, [this] {
        if (m_archive->change() == ArchiveFolder::Outcome::EndProgram)
            endProgram(0);
    });
    connect(m_options, &OptionsTab::defaultFolderRequested, this, [this] {
        if (m_archive->backToDefault() == ArchiveFolder::Outcome::EndProgram)
            endProgram(0);
    });
    connect(m_options, &OptionsTab::openArchiveFolderRequested, this,
            [this] { m_services.desktop.openPath(m_state.archiveFolder); });
    connect(m_options, &OptionsTab::defaultSizeRequested, this, [this] { resize(DefaultSize); });
    connect(m_options, &OptionsTab::fixSizeRequested, this, &TMainForm::fixSize);
}

void TMainForm::fixSize()
{
    if (!m_services.prompter.ask(
            QStringLiteral("Do you want to save my current size as a default size?")))
        return;
    store::Query q(m_db);
    if (isMaximized()) {
        q.setSql({QStringLiteral("UPDATE CRset63"), QStringLiteral("SET WinStato  = :WinStato")});
        q.setText(QStringLiteral("WinStato"), QStringLiteral("wsMaximized"));
    } else {
        q.setSql({QStringLiteral("UPDATE CRset63"), QStringLiteral("SET WinWidth  = :WinWidth,"),
                  QStringLiteral("    WinHeight = :WinHeight,"),
                  QStringLiteral("    WinStato  = :WinStato")});
        q.setInteger(QStringLiteral("WinWidth"), width());
        q.setInteger(QStringLiteral("WinHeight"), height());
        q.setText(QStringLiteral("WinStato"), QStringLiteral("wsNormal"));
    }
    q.execSql();
    m_settings->load();
}

QIcon TMainForm::trayImage(int index) const
{
    // Five images: the plain icon and four frames of the "something waits"
    // animation; the last one is shown while the program starts.
    static const QColor frames[5] = {QColor(0x4e, 0x7a, 0xb5), QColor(0xe0, 0x6c, 0x3a),
                                     QColor(0xf0, 0xb4, 0x2a), QColor(0xe0, 0x6c, 0x3a),
                                     QColor(0x9a, 0x9a, 0x9a)};
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(frames[index % 5]);
    p.setPen(QPen(frames[index % 5].darker(150), 1.5));
    p.drawRoundedRect(QRectF(3, 5, 26, 24), 4, 4);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(7, 13, 18, 12));
    p.setBrush(frames[index % 5].darker(130));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(9 + col * 5.5, 15 + row * 5, 3.5, 3));
    return QIcon(pixmap);
}

void TMainForm::buildTray()
{
    m_tray = new QSystemTrayIcon(trayImage(4), this);
    m_tray->setObjectName(QStringLiteral("CoolTrayIcon"));
    m_tray->setToolTip(platform::applicationTitle());
    m_trayMenu = new QMenu(this);
    QAction* open = m_trayMenu->addAction(QStringLiteral("Open Corvandine Organizer"));
    connect(open, &QAction::triggered, this, &TMainForm::open1Click);
    m_trayMenu->addSeparator();
    m_trayTerminate = m_trayMenu->addAction(QStringLiteral("Terminate"));
    connect(m_trayTerminate, &QAction::triggered, this, &TMainForm::speedButtonEXITClick);
    m_tray->setContextMenu(m_trayMenu);
    connect(m_tray, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    trayClick();
            });
    setWindowIcon(trayImage(0));
    if (m_services.desktop.hasSystemTray())
        m_tray->show();
}

void TMainForm::buildTimers()
{
    m_timerRitorna.setObjectName(QStringLiteral("TimerRitorna"));
    m_timerRitorna.setInterval(1);
    connect(&m_timerRitorna, &QTimer::timeout, this, &TMainForm::timerRitornaTimer);

    m_timerAppari.setObjectName(QStringLiteral("TimerAppari"));
    m_timerAppari.setInterval(1);
    connect(&m_timerAppari, &QTimer::timeout, this, &TMainForm::timerAppariTimer);

    m_timerOrologio.setObjectName(QStringLiteral("TimerOrologio"));
    m_timerOrologio.setInterval(1000);
    m_timerContolloOrario.setObjectName(QStringLiteral("TimerContolloOrario"));
    m_timerContolloOrario.setInterval(1000);
    m_timerFlashTempo.setObjectName(QStringLiteral("TimerFlashTempo"));
    m_timerFlashTempo.setInterval(1000);

    m_trayAnimation.setInterval(300);
    connect(&m_trayAnimation, &QTimer::timeout, this, [this] {
        m_trayImage = (m_trayImage + 1) % 5;
        m_tray->setIcon(trayImage(m_trayImage));
    });
}

void TMainForm::startTrayAnimation()
{
    m_trayAnimation.start();
}

void TMainForm::stopTrayAnimation()
{
    m_trayAnimation.stop();
    m_trayImage = 0;
    m_tray->setIcon(trayImage(0));
}

bool TMainForm::isPinned() const
{
    return m_titleBar->pinButton()->isChecked();
}

// ---- Showing the window ------------------------------------------------------------

void TMainForm::showRequest()
{
    if (m_state.restoreBlocked)
        return;
    raise();
    if (!isPinned() || m_state.windowMinimized)
        m_timerAppari.start();
}

void TMainForm::trayClick()
{
    if (m_state.restoreBlocked)
        return;
    activateWindow();
    open1Click();
}

void TMainForm::open1Click()
{
    if (m_state.restoreBlocked)
        return;
    if (!isPinned() || m_state.windowMinimized)
        m_timerAppari.start();
}

// ---- Title bar ---------------------------------------------------------------------

void TMainForm::about()
{
    m_services.prompter.tell(
        QStringLiteral("Corvandine Organizer %1\r\rTasks, reminders, contacts, notes and a to-do "
                       "list in one archive.\r\rArchive folder:\r%2")
            .arg(QCoreApplication::applicationVersion(), m_state.archiveFolder),
        platform::Prompter::Kind::Information);
}

void TMainForm::setPinned(bool pinned)
{
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, pinned);
    if (visible)
        show(); // changing the flags hides the window
    if (m_titleBar->pinButton()->isChecked() != pinned)
        m_titleBar->pinButton()->setChecked(pinned);
}

void TMainForm::iconize()
{
    // Locking before iconizing comes with the password lock.
    m_state.windowMinimized = true;
    if (m_tray->isVisible())
        hide();
    else
        showMinimized(); // no tray on this desktop: the taskbar keeps the window
}

void TMainForm::minimizeToTaskbar()
{
    // The one way away that keeps the taskbar button, until the window is back.
    m_keepOnTaskbar = true;
    m_state.windowMinimized = true;
    showMinimized();
}

void TMainForm::toggleMaximized()
{
    activateWindow();
    if (isMaximized())
        showNormal();
    else
        showMaximized();
    raise();
}

void TMainForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        m_titleBar->setMaximized(isMaximized());
        if (m_options)
            m_options->setWindowSize(size(), isMaximized());
        const bool wasMinimized =
            static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized;
        if (isMinimized()) {
            m_state.windowMinimized = true;
            // The window manager's button or key minimizes like Iconize.
            if (!m_keepOnTaskbar && m_tray->isVisible())
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        if (isMinimized())
                            hide();
                    },
                    Qt::QueuedConnection);
        } else if (wasMinimized) {
            m_keepOnTaskbar = false;
            // Back from the taskbar: the window comes up as from the tray.
            if (m_state.windowMinimized && isVisible())
                m_timerAppari.start();
        }
    }
    QWidget::changeEvent(event);
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_options)
        m_options->setWindowSize(size(), isMaximized());
}

bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::Show)
        formShow();
    return QWidget::event(event);
}

// ---- Resizing at the edges ---------------------------------------------------------

Qt::Edges TMainForm::edgesAt(const QPoint& pos) const
{
    Qt::Edges edges;
    if (isMaximized())
        return edges;
    if (pos.x() < ResizeMargin)
        edges |= Qt::LeftEdge;
    if (pos.x() >= width() - ResizeMargin)
        edges |= Qt::RightEdge;
    if (pos.y() < ResizeMargin)
        edges |= Qt::TopEdge;
    if (pos.y() >= height() - ResizeMargin)
        edges |= Qt::BottomEdge;
    return edges;
}

void TMainForm::mouseMoveEvent(QMouseEvent* event)
{
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

void TMainForm::mousePressEvent(QMouseEvent* event)
{
    const Qt::Edges edges = edgesAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && edges && windowHandle()) {
        windowHandle()->startSystemResize(edges);
        return;
    }
    QWidget::mousePressEvent(event);
}

// ---- Sections ----------------------------------------------------------------------

void TMainForm::applySectionColours()
{
    for (int i = 0; i < SectionCount; ++i) {
        const auto section = static_cast<store::Settings::Section>(i);
        const unsigned rgb = themes::parseColourText(m_settings->sectionColour(section)).value_or(0xD0D0D0);
        m_tabBar->setTabColour(i, rgb);
    }
    pageControlMenuChange();
}

void TMainForm::pageControlMenuChange()
{
    const int index = m_pages->currentIndex();
    if (index < 0)
        return;
    const unsigned rgb = m_tabBar->tabData(index).toUInt();
    m_state.currentSectionColour = rgb;
    // The frame and the title bar take the colour of the active section.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(rgb));
    setPalette(pal);
    setAutoFillBackground(true);
    QPalette title = m_titleBar->palette();
    title.setColor(QPalette::Window, QColor::fromRgb(rgb).darker(115));
    m_titleBar->setPalette(title);
    if (index == Today && isTrayAnimating())
        stopTrayAnimation();
    if (index == Today && m_todayReloadPending)
        m_today->refreshDailyView();
}

void TMainForm::focusActiveSection()
{
    // Typing goes to the section's search (Today has none: its list).
    static constexpr std::array<const char*, SectionCount> Fields{
        "Edit_Find_Shot", "Edit_Find_Anno", "Edit_Find_Mese", "Edit_Find_Week",   "DBGrid_Today",
        nullptr,          nullptr,          nullptr,          "CheckBoxMinimized"};
    const int index = m_pages->currentIndex();
    if (m_state.firstShowPending || index < 0 || !Fields[index])
        return;
    if (auto* field = m_sectionPages[index]->findChild<QWidget*>(QLatin1String(Fields[index])))
        field->setFocus();
}

// ---- Ending ------------------------------------------------------------------------

void TMainForm::speedButtonEXITClick()
{
    if (m_exitQuestionOpen)
        return;
    // Closing the special panel stores a changed password; unsaved notes are
    // asked about by the notes section.
    m_options->closeSpecialPanel();
    askNotesBeforeExit();
    if (m_settings->isRead() && m_settings->timeCheck()) {
        m_exitQuestionOpen = true;
        m_trayTerminate->setEnabled(false);
        m_pages->setCurrentIndex(Setup);
        m_timerFlashTempo.start();
        const bool quit = m_services.prompter.ask(
            QStringLiteral(" Hey! If you quit me, I can't notify you about the tasks at right "
                           "time! Quit anyway?"));
        m_timerFlashTempo.stop();
        if (auto* caption = m_options->findChild<QWidget*>(QStringLiteral("CheckBoxTimeCheck")))
            reminders::ui::restoreTimeAlarm(*caption);
        m_exitQuestionOpen = false;
        if (!quit) {
            m_trayTerminate->setEnabled(true);
            return;
        }
    }
    endProgram(0);
}

void TMainForm::endProgram(int code)
{
    m_tray->hide();
    emit quitRequested(code);
}

void TMainForm::speedButtonAggiornaTuttoClick()
{
    // Another program may have changed a shared archive: read everything again.
    m_notes->confirmPendingNoteSave();
    calendar::purgeDeleteAfterTasks(*m_general, m_services.clock.today());
    m_settings->load();
    refreshTaskLists();
    m_today->refreshDailyView();
    if (m_reminders)
        m_reminders->clock().refreshAlarmList();
    m_notes->refreshNoteList();
}

} // namespace app
