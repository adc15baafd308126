#include "sidepanel.h"

#include "tcalendarlighted.h"

#include "shared/appstate.h"
#include "shared/sectioncounter.h"
#include "calendar/tasktexts.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "store/database.h"
#include "store/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace calendar::ui {
namespace {

const char* const SectionProperty = "corvandineSection";

QToolButton* navigationButton(QWidget* parent, const char* name, const char* caption,
                              const char* hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(QLatin1String(caption));
    button->setToolTip(QLatin1String(hint));
    button->setAutoRaise(true);
    return button;
}

QStringList kindItems(const char* first)
{
    return {QLatin1String(first), QStringLiteral("One Shot"), QStringLiteral("Yearly"),
            QStringLiteral("Monthly"), QStringLiteral("Weekly")};
}

} // namespace

SidePanel::SidePanel(store::Database& database, store::Settings& settings,
                     shared::Services& services, QWidget* parent)
    : QWidget(parent),
      m_database(database),
      m_settings(settings),
      m_services(services),
      m_query(database),
      m_marker(m_query, taskLocale())
{
    setObjectName(QStringLiteral("Panel_LATO"));
    m_calendar = new TCalendarLighted(this);
    m_calendar->setObjectName(QStringLiteral("CalendarLighted"));
    // The daily view's calendar: a blue selected mark, no weekend colours.
    m_calendar->setColorLightSelect(QColor(0x00, 0x00, 0xFF));
    m_calendar->setWeekEnd({});
    m_calendar->setDefaultRowHeight(26);
    m_calendar->setContextMenuPolicy(Qt::CustomContextMenu);
    m_calendar->setDate(services.clock.today());

    // The grid shows no month name of its own.
    m_month = new QLabel(this);
    m_month->setObjectName(QStringLiteral("Label_Mese_Lato"));
    m_month->setAlignment(Qt::AlignCenter);
    showMonthName(m_calendar->date());

    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("PageControlLato"));
    pages->addTab(buildEntries(), QStringLiteral("Entries"));
    pages->addTab(buildChoices(), QStringLiteral("Calendar"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(3);
    layout->addWidget(buildNavigation());
    layout->addWidget(m_month);
    layout->addWidget(m_calendar);
    layout->addWidget(pages);
    layout->addStretch(1);

    buildMenu();
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("TimerNERO"));
    m_timer->setInterval(1);
    connect(m_timer, &QTimer::timeout, this, &SidePanel::markSomeDays);

    connect(m_calendar, &TCalendarLighted::dateChanged, this, &SidePanel::followMonth);
    connect(m_calendar, &TCalendarLighted::dateClicked, this,
            [this](Qt::MouseButton, const QDate& day) { emit dayChosen(day); });
    connect(m_calendar, &TCalendarLighted::dateKeyed, this, &SidePanel::dayChosen);
    connect(m_calendar, &TCalendarLighted::dateDoubleClicked, this, [this](const QDate& day) {
        emit dayChosen(day);
        if (!m_readOnly)
            emit newOneShotRequested(day);
    });
    connect(m_calendar, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (!m_readOnly)
            m_menu->popup(m_calendar->mapToGlobal(pos));
    });
}

SidePanel::~SidePanel() = default;

QWidget* SidePanel::buildNavigation()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* previousMonth =
        navigationButton(bar, "SpeedButtonMesePrima", "<<", "Previous month");
    auto* previousDay = navigationButton(bar, "SpeedButtonGiornoPrima", "<", "Previous day");
    auto* today = navigationButton(bar, "SpeedButtonOggiLato", "O", "Today");
    auto* nextDay = navigationButton(bar, "SpeedButtonGiornoDopo", ">", "Next day");
    auto* nextMonth = navigationButton(bar, "SpeedButtonMeseDopo", ">>", "Next month");
    for (QToolButton* button : {previousMonth, previousDay, today, nextDay, nextMonth})
        row->addWidget(button, 1);

    connect(previousMonth, &QToolButton::clicked, this,
            [this] { chooseDay(previousMonthEnd(date())); });
    connect(previousDay, &QToolButton::clicked, this, [this] { chooseDay(date().addDays(-1)); });
    connect(today, &QToolButton::clicked, this,
            [this] { chooseDay(m_services.clock.today()); });
    connect(nextDay, &QToolButton::clicked, this, [this] { chooseDay(date().addDays(1)); });
    connect(nextMonth, &QToolButton::clicked, this,
            [this] { chooseDay(nextMonthStart(date())); });
    return bar;
}

QWidget* SidePanel::buildEntries()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheetEntries"));
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(6, 4, 6, 4);
    column->setSpacing(2);
    // The labels' names and first words are those the section counters write.
    struct Entry
    {
        char section;
        const char* name;
        const char* caption;
    };
    static constexpr Entry Entries[] = {
        {'O', "Label_Conteggio_Giornalieri", "One Shot: "},
        {'Y', "Label_Conteggio_Annuali", "Yearly: "},
        {'M', "Label_Conteggio_Mensili", "Monthly: "},
        {'W', "Label_Conteggio_Settimanali", "Weekly: "},
        {'L', "Label_Conteggio_Lista", "To-Do: "},
        {'N', "Label_Conteggio_Note", "Note: "},
        {'C', "Label_Conteggio_Contatti", "Contacts: "},
        {'D', "Label_Conteggio_Deposito", "Repository: "},
    };
    for (const Entry& entry : Entries) {
        auto* label = new QLabel(QLatin1String(entry.caption) + u'0', page);
        label->setObjectName(QLatin1String(entry.name));
        label->setCursor(Qt::PointingHandCursor);
        label->setProperty(SectionProperty, QChar(QLatin1Char(entry.section)));
        label->installEventFilter(this);
        column->addWidget(label);
    }
    return page;
}

QWidget* SidePanel::buildChoices()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("TabSheetCalendar"));
    auto* form = new QFormLayout(page);
    form->setContentsMargins(6, 4, 6, 4);

    m_highlight = new QComboBox(page);
    m_highlight->setObjectName(QStringLiteral("ComboBoxNero"));
    m_highlight->addItems(kindItems("All"));
    m_exclude = new QComboBox(page);
    m_exclude->setObjectName(QStringLiteral("ComboBoxEscludiNero"));
    m_exclude->addItems(kindItems("None"));
    m_suspended = new QCheckBox(QStringLiteral("Show suspended"), page);
    m_suspended->setObjectName(QStringLiteral("CheckBox_Visualizza_Sospesi"));
    auto* hint = new QToolButton(page);
    hint->setObjectName(QStringLiteral("SpeedButtonHintLato"));
    hint->setText(QStringLiteral("Hint"));
    hint->setToolTip(QStringLiteral("Hint"));

    form->addRow(QStringLiteral("Highlights"), m_highlight);
    form->addRow(QStringLiteral("Exclude"), m_exclude);
    form->addRow(m_suspended);
    form->addRow(hint);

    // The two lists exclude each other: choosing in one puts the other
    // back on its first entry.
    connect(m_highlight, &QComboBox::activated, this, [this] {
        const QSignalBlocker quiet(m_exclude);
        m_exclude->setCurrentIndex(0);
        refresh();
    });
    connect(m_exclude, &QComboBox::activated, this, [this] {
        const QSignalBlocker quiet(m_highlight);
        m_highlight->setCurrentIndex(0);
        refresh();
    });
    connect(m_suspended, &QCheckBox::clicked, this, [this](bool on) {
        refresh();
        emit showSuspendedChanged(on);
    });
    connect(hint, &QToolButton::clicked, this, [this] {
        m_services.prompter.tell(QStringLiteral("These settings are not saved."),
                                 platform::Prompter::Kind::Information);
    });
    return page;
}

void SidePanel::buildMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("PopupMenuCalendar"));
    for (const auto& [caption, kind] : {std::pair{"One Shot", 'O'}, std::pair{"Yearly", 'Y'},
                                        std::pair{"Monthly", 'M'}, std::pair{"Weekly", 'W'}}) {
        const QChar k = QLatin1Char(kind);
        m_menu->addAction(QLatin1String(caption), this,
                          [this, k] { emit newTaskRequested(k, date()); });
    }
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("Cancel"));
}

QDate SidePanel::date() const
{
    return m_calendar->date();
}

MarkingChoice SidePanel::choice() const
{
    return {MarkKind(m_highlight->currentIndex()), MarkKind(m_exclude->currentIndex()),
            m_suspended->isChecked()};
}

bool SidePanel::showSuspended() const
{
    return m_suspended->isChecked();
}

bool SidePanel::isMarking() const
{
    return m_timer->isActive();
}

void SidePanel::setGridTheme(const GridTheme& theme)
{
    m_theme = theme;
    refresh();
}

void SidePanel::addInformationBox(QWidget* box)
{
    box->setParent(this);
    static_cast<QVBoxLayout*>(layout())->addWidget(box);
}

void SidePanel::showSectionCount(const shared::SectionCount& count)
{
    if (auto* label = findChild<QLabel*>(count.labelName))
        label->setText(count.labelText);
}

void SidePanel::setDate(const QDate& day)
{
    m_calendar->setDate(day);
}

void SidePanel::setShowSuspended(bool show)
{
    if (show == m_suspended->isChecked())
        return;
    m_suspended->setChecked(show);
    refresh();
}

void SidePanel::chooseDay(const QDate& day)
{
    m_calendar->setDate(day);
    emit dayChosen(day);
}

void SidePanel::showMonthName(const QDate& day)
{
    m_month->setText(taskLocale().toString(day, QStringLiteral("MMMM yyyy")));
}

void SidePanel::followMonth(const QDate& day)
{
    showMonthName(day);
    if (m_marker.started() && m_marker.marks().covers(day))
        return;
    // The old month's marks would sit on the wrong days until the new ones
    // are ready.
    m_calendar->clearMarks();
    refresh();
}

void SidePanel::refresh()
{
    // The window is built before the archive is opened.
    if (!m_database.isOpen())
        return;
    m_marker.start(date(), choice());
    m_timer->start();
}

void SidePanel::markSomeDays()
{
    if (m_marker.markTurn())
        return;
    m_timer->stop();
    using Section = store::Settings::Section;
    const int section = highlightSection(m_marker.choice());
    const unsigned light = lightColour(m_settings.sectionColour(Section(section)));
    GridColours colours;
    colours.takeSectionColours(m_settings);
    m_calendar->setColorLight(QColor::fromRgb(QRgb(0xFF000000u | light)));
    m_calendar->setStripLook(m_theme, colours);
    m_calendar->setMarks(m_marker.marks());
    emit marked();
}

bool SidePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const QVariant section = watched->property(SectionProperty);
        if (section.isValid()) {
            emit entryClicked(section.toChar());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace calendar::ui
