// The strip of sign, season and moon beside the side calendar, and the time
// calculator of the Options tab's special panel.
#include "app/ui/advancedpanel.h"
#include "app/ui/optionstab.h"
#include "astro/ui/signseasonpanel.h"
#include "astro/ui/ttempoform.h"
#include "calendar/ui/dialogs/taskdialogdeps.h"
#include "calendar/ui/sidecalendar/sidepanel.h"
#include "calendar/ui/today/todayview.h"
#include "mainwindow.h"
#include "platform/clock.h"
#include "store/settings.h"
#include "themes/colourtext.h"

#include <QTabWidget>

namespace app {

void TMainForm::connectAstro()
{
    using calendar::ui::TodayView;
    m_signSeason = new astro::ui::SignSeasonPanel(m_side);
    m_side->addInformationBox(m_signSeason);
    // The labels follow the shown day only while the panel is in sight; the
    // Moon follows every change of day and of tab.
    connect(m_today, &TodayView::dailyViewRefreshed, m_signSeason, [this](const QDate& shown) {
        if (!m_today->leftPanel()->isHidden())
            m_signSeason->refreshSignAndSeason(shown);
        showMoonOfShownDay();
    });
    connect(m_today, &TodayView::leftPanelToggled, m_signSeason, [this](bool shown) {
        if (!shown)
            return;
        m_signSeason->refreshSignAndSeason(m_today->shownDate());
        showMoonOfShownDay();
    });
    connect(m_pages, &QTabWidget::currentChanged, m_signSeason, [this] { showMoonOfShownDay(); });

    if (auto* special = m_options->specialPanel())
        connect(special, &ui::SpecialPanel::timeCalculatorRequested, this,
                &TMainForm::openTimeCalculator);
}

void TMainForm::showMoonOfShownDay()
{
    // The daily view's day at the present time of day.
    m_signSeason->setMoonMoment(m_today->shownDate(), m_services.clock.now().time());
}

void TMainForm::openTimeCalculator()
{
    const unsigned options =
        themes::parseColourText(m_settings->sectionColour(store::Settings::Section::Options))
            .value_or(m_state.currentSectionColour);
    astro::ui::TTempoForm form(*m_settings, m_services, QColor::fromRgb(options),
                               QColor::fromRgb(m_dialogDeps->theme.titleText), this);
    form.exec();
}

} // namespace app
