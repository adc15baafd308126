// The window itself: its frame, title bar, colours and the exit sequence.
// Each section's wiring lives in a file of its own (*wiring.cpp) and the
// pages are built in sectionpages.cpp.
#include "mainwindow.h"

#include "app/archivefolder.h"
#include "app/lock/passwordlock.h"
#include "app/reminderparts.h"
#include "app/ui/lockpanel.h"
#include "app/ui/optionstab.h"
#include "app/window/escapekey.h"
#include "app/window/sectiontabbar.h"
#include "app/window/titlebar.h"
#include "calendar/repository.h"
#include "calendar/taskrecord.h"
#include "calendar/ui/dialogs/taskdialogdeps.h"
#include "calendar/ui/today/todayview.h"
#include "notes/ui/notestab.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/printer.h"
#include "platform/prompter.h"
#include "reminders/alarmclock.h"
#include "reminders/ui/timealarmflash.h"
#include "store/database.h"
#include "store/query.h"
#include "store/settings.h"
#include "themes/colourtext.h"
#include "wiringparts.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace app {

namespace {
constexpr int ResizeMargin = 5;
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
    resize(DefaultWindowSize);

    auto* layout = new QVBoxLayout(this);
    // A thin frame of our own: the edges are where the window is resized.
    layout->setContentsMargins(ResizeMargin, ResizeMargin, ResizeMargin, ResizeMargin);
    layout->setSpacing(0);

    buildTitleBar();
    // Below the title bar either the sections or, while locked, the lock
    // panel: the sections are then hidden, out of reach of keys, focus and
    // accessibility.
    m_body = new QStackedWidget(this);
    m_body->setObjectName(QStringLiteral("PanelBody"));
    m_content = new QWidget(m_body);
    m_content->setObjectName(QStringLiteral("PanelSections"));
    auto* content = new QVBoxLayout(m_content);
    content->setContentsMargins(0, 0, 0, 0);
    content->setSpacing(0);
    m_body->addWidget(m_content);
    layout->addWidget(m_body, 1);
    buildPages();
    // The bottom strip: the message panel of announcements and the clock line.
    m_statusStrip = new QWidget(m_content);
    m_statusStrip->setObjectName(QStringLiteral("PanelStatus"));
    auto* strip = new QHBoxLayout(m_statusStrip);
    strip->setContentsMargins(4, 2, 4, 0);
    content->addWidget(m_statusStrip);
    buildLockPanel();
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

bool TMainForm::isPinned() const
{
    return m_titleBar->pinButton()->isChecked();
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

void TMainForm::toggleMaximized()
{
    activateWindow();
    if (isMaximized())
        showNormal();
    else
        showMaximized();
    raise();
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
    if (m_state.programLocked && m_lockPanel)
        m_lockPanel->focusField(rgb);
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
    // Read-only access skips the question: the alarm cannot be changed there.
    if (m_settings->isRead() && m_settings->timeCheck() && !isReadOnly()) {
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
