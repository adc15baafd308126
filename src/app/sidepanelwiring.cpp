// The side panel on the Today tab: its calendar, its section counters and
// the entries that open a new task, to-do or the repository.
#include "calendar/ui/lists/tasklisttab.h"
#include "calendar/ui/sidecalendar/sidepanel.h"
#include "calendar/ui/today/todayview.h"
#include "mainwindow.h"
#include "shared/sectioncounter.h"
#include "store/settings.h"
#include "todo/ui/todotab.h"
#include "wiringparts.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace app {

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
    // The side panel's state is an option: the next start shows it as left.
    if (auto* toggle = m_today->findChild<QToolButton*>(QStringLiteral("SpeedButtonClendarioLato")))
        connect(toggle, &QToolButton::clicked, this, [this](bool shown) {
            activateWindow();
            auto options = m_settings->currentOptions();
            options.showCalendar = shown;
            m_settings->saveOptions(options);
        });
}

} // namespace app
