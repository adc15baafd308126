// The window's tab per section: the pages in their fixed order, the list
// menu they share and where typing goes when a tab comes forward.
#include "app/ui/optionstab.h"
#include "app/window/listmenu.h"
#include "app/window/sectiontabbar.h"
#include "app/window/titlebar.h"
#include "calendar/ui/dialogs/taskdialogdeps.h"
#include "calendar/ui/lists/tasklisttab.h"
#include "calendar/ui/today/todayview.h"
#include "mainwindow.h"
#include "todo/ui/todotab.h"

#include <QAbstractButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace app {

namespace {

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
    m_content->layout()->addWidget(m_pages);
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
    connectDocuments();
    connectAstro();
    buildListMenu();
    connectContacts();
    connectNotes();
    connectPrinting();
    connectDesktop();
}

void TMainForm::buildListMenu()
{
    // The commands the menu presses are the active section's own buttons.
    struct Buttons
    {
        const char* remove;
        const char* modify;
    };
    static constexpr std::array<Buttons, SectionCount> Names{{
        {"SpeedButtonDelShot", "SpeedButtonModShot"},
        {"SpeedButtonDelYear", "SpeedButtonModYear"},
        {"SpeedButtonDelMonth", "SpeedButtonModMonth"},
        {"SpeedButtonDelWeek", "SpeedButtonModWeek"},
        {"SpeedButtonDelToday", "SpeedButtonModToday"},
        {"SpeedButtonDelContact", "SpeedButtonModContact"},
        {"SpeedButtonDelnote", "SpeedButtonmodNote"},
        {"SpeedButtonDelToDo", "SpeedButtonModToDo"},
        {nullptr, nullptr},
    }};
    const auto button = [this](const char* Buttons::*which) -> QAbstractButton* {
        const int index = m_pages->currentIndex();
        if (index < 0 || index >= SectionCount || !(Names[index].*which))
            return nullptr;
        return m_sectionPages[index]->findChild<QAbstractButton*>(
            QLatin1String(Names[index].*which));
    };
    ListMenu::Hooks hooks;
    hooks.deleteButton = [button] { return button(&Buttons::remove); };
    hooks.modifyButton = [button] { return button(&Buttons::modify); };
    hooks.locked = [this] { return m_state.programLocked; };
    hooks.readOnly = [this] { return m_dialogDeps->readOnly(); };
    hooks.notesPrintButton = [this]() -> QAbstractButton* {
        if (m_pages->currentIndex() != Notes)
            return nullptr;
        return m_sectionPages[Notes]->findChild<QAbstractButton*>(
            QStringLiteral("SpeedButtonPrintNote"));
    };
    m_listMenu = new ListMenu(std::move(hooks), this);
    connect(m_listMenu, &ListMenu::insertTaskRequested, this, &TMainForm::newTask);
    connect(m_listMenu, &ListMenu::printRequested, this, &TMainForm::printActiveSection);
    connect(m_listMenu, &ListMenu::insertToDoRequested, m_toDo, &todo::ui::ToDoTab::insertEntry);
    m_listMenu->attachTo(m_titleBar);
    for (calendar::ui::TaskListTab* list : m_lists)
        m_listMenu->attachTo(list);
    if (auto* frame = m_today->findChild<QWidget*>(QStringLiteral("Panel_Contorno_Today")))
        m_listMenu->attachTo(frame);
    if (auto* frame = m_toDo->findChild<QWidget*>(QStringLiteral("Panel_Contorno_ToDo")))
        m_listMenu->attachTo(frame);
}

void TMainForm::focusActiveSection()
{
    // Typing goes to the section's search (Today has none: its list).
    static constexpr std::array<const char*, SectionCount> Fields{
        "Edit_Find_Shot", "Edit_Find_Anno",  "Edit_Find_Mese", "Edit_Find_Week",   "DBGrid_Today",
        nullptr,          "Edit_Filtrafile", nullptr,          "CheckBoxMinimized"};
    const int index = m_pages->currentIndex();
    // Behind the lock nothing takes the keys but the password field.
    if (m_state.firstShowPending || m_state.programLocked || index < 0 || !Fields[index])
        return;
    if (auto* field = m_sectionPages[index]->findChild<QWidget*>(QLatin1String(Fields[index])))
        field->setFocus();
}

} // namespace app
