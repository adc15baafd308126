#include "todayview.h"

#include "calendar/dailymodel.h"
#include "calendar/dailyview.h"
#include "calendar/tasktexts.h"
#include "calendar/ui/commandbutton.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "shared/ui/printmenu.h"
#include "shared/ui/recordnavigator.h"
#include "shared/ui/sectionpalette.h"
#include "store/database.h"
#include "store/settings.h"
#include "todaydelegate.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace calendar::ui {

TodayView::TodayView(store::Database& database, store::Settings& settings,
                     shared::Services& services, shared::AppState& state, QWidget* parent)
    : GridPage(parent),
      m_settings(settings),
      m_services(services),
      m_state(state),
      m_view(std::make_unique<DailyView>(database, taskLocale())),
      m_shown(services.clock.today())
{
    setObjectName(QStringLiteral("TabSheetTODAYContent"));
    m_model = new DailyModel(*m_view, this);
    m_delegate = new TodayDelegate(*m_model, this);

    m_leftPanel = new QWidget(this);
    m_leftPanel->setObjectName(QStringLiteral("Panel_SideCalendar"));
    m_leftPanel->hide();

    auto* frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("Panel_Contorno_Today"));
    frame->setAutoFillBackground(true);

    m_grid = new QTableView(frame);
    m_grid->setObjectName(QStringLiteral("DBGrid_Today"));
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(m_delegate);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->setShowGrid(true);
    m_grid->setWordWrap(false);
    QHeaderView* header = m_grid->horizontalHeader();
    header->setSectionResizeMode(DailyModel::Description, QHeaderView::Stretch);
    for (int column : {DailyModel::From, DailyModel::To, DailyModel::Presenza}) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        header->resizeSection(column, 48);
    }
    header->setHighlightSections(false);

    m_memo = new QPlainTextEdit(frame);
    m_memo->setObjectName(QStringLiteral("DBMemoToday"));
    m_memo->setToolTip(QStringLiteral("Note"));
    m_memo->setReadOnly(true);
    m_memo->setMaximumHeight(96);

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(4, 4, 4, 4);
    frameLayout->setSpacing(3);
    m_commands = buildCommands();
    frameLayout->addWidget(m_commands);
    frameLayout->addWidget(buildNavigation());
    frameLayout->addWidget(m_grid, 1);
    frameLayout->addWidget(m_memo);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_leftPanel);
    layout->addWidget(frame, 1);

    buildMenus();
    connectGrid();
    connect(&m_settings, &store::Settings::loaded, this, &TodayView::applySettings);
    applySettings();
    {
        const QSignalBlocker quiet(m_picker);
        m_picker->setDate(m_shown);
    }
    // The main window builds its tabs before the archive is open; it shows
    // the day once start-up has read the archive.
    if (database.isOpen())
        refreshDailyView();
}

TodayView::~TodayView() = default;

void TodayView::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_commands->setVisible(!readOnly);
}

QWidget* TodayView::buildCommands()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_insert = commandButton(bar, "SpeedButtonAddToday", "Insert");
    m_modify = commandButton(bar, "SpeedButtonModToday", "Modify ");
    m_delete = commandButton(bar, "SpeedButtonDelToday", "Delete ");
    m_check = commandButton(bar, "SpeedButtonSvoltoToday", "Check");
    m_origin = commandButton(bar, "SpeedButtonFollowToday", "Origin");
    m_attach = commandButton(bar, "SpeedButtonAllegatoToday", "Attach");
    m_print = commandButton(bar, "SpeedButtonPrintToday", "Print ");
    m_export = commandButton(bar, "SpeedButtonEportToday", "Export");
    m_help = commandButton(bar, "SpeedButton_Help", "Hint");
    m_help->setText(QStringLiteral("?"));
    auto* side = commandButton(bar, "SpeedButtonClendarioLato", "Show Calendar & Information ");
    // An icon rather than a word: beside the side calendar the bar is narrow.
    side->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    side->setText(QString());
    side->setCheckable(true);
    for (QToolButton* b : {m_insert, m_modify, m_delete, m_check, m_origin, m_attach, m_print,
                           m_export})
        row->addWidget(b);
    row->addStretch(1);
    row->addWidget(side);
    row->addWidget(m_help);

    connect(m_insert, &QToolButton::clicked, this, [this] {
        if (!m_readOnly)
            m_insertMenu->exec(m_insert->mapToGlobal(QPoint(0, m_insert->height())));
    });
    connect(m_modify, &QToolButton::clicked, this, &TodayView::modifySelected);
    connect(m_delete, &QToolButton::clicked, this, &TodayView::deleteSelected);
    connect(m_check, &QToolButton::clicked, this, &TodayView::toggleDone);
    connect(m_origin, &QToolButton::clicked, this, &TodayView::followSelected);
    connect(m_attach, &QToolButton::clicked, this,
            [this] { openAttachmentMenu(m_attach->mapToGlobal(QPoint(0, m_attach->height()))); });
    shared::ui::attachPrintMenu(m_print, [this](bool preview) { emit printRequested(preview); });
    connect(m_export, &QToolButton::clicked, this, &TodayView::exportRequested);
    connect(m_help, &QToolButton::clicked, this, [this] {
        m_services.prompter.tell(
            QStringLiteral("The Tasks calendar organizes all the tasks you entered into the One "
                           "Shot, Weekly, Monthly, and Yearly tabs."),
            platform::Prompter::Kind::Information);
    });
    connect(side, &QToolButton::toggled, this, &TodayView::setLeftPanelShown);
    return bar;
}

QWidget* TodayView::buildNavigation()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    auto* back = commandButton(bar, "SpeedButton_DateBack", "Day Before");
    back->setText(QStringLiteral("<"));
    m_today = commandButton(bar, "SpeedButtonToday", "Today");
    auto* next = commandButton(bar, "SpeedButtonNextDay", "Day After ");
    next->setText(QStringLiteral(">"));

    m_picker = new QDateEdit(bar);
    m_picker->setObjectName(QStringLiteral("DateTimePickerTODAY"));
    m_picker->setToolTip(QStringLiteral("Filter by day "));
    m_picker->setCalendarPopup(true);
    // Short enough to sit beside the side calendar in the narrowest window.
    m_picker->setDisplayFormat(QStringLiteral("ddd d MMM yyyy"));
    m_picker->setAutoFillBackground(true);

    m_suspended = new QCheckBox(QStringLiteral("Show suspended"), bar);
    m_suspended->setObjectName(QStringLiteral("CheckBox_Visualizza_Sospesi"));

    m_count = new QLabel(bar);
    m_count->setObjectName(QStringLiteral("panel_today"));
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    QWidget* navigator = buildNavigator(bar);
    navigator->setObjectName(QStringLiteral("DBNavigator5"));

    row->addWidget(back);
    row->addWidget(m_today);
    row->addWidget(next);
    row->addWidget(m_picker, 1);
    row->addWidget(m_suspended);
    row->addWidget(m_count);
    row->addWidget(navigator);

    connect(back, &QToolButton::clicked, this, &TodayView::previousDay);
    connect(next, &QToolButton::clicked, this, &TodayView::nextDay);
    connect(m_today, &QToolButton::clicked, this, &TodayView::showToday);
    connect(m_picker, &QDateEdit::dateChanged, this, &TodayView::setShownDate);
    connect(m_suspended, &QCheckBox::toggled, this, [this](bool on) {
        refreshDailyView();
        emit showSuspendedChanged(on);
    });
    return bar;
}

void TodayView::addToNavigation(QWidget* widget)
{
    auto* row = static_cast<QBoxLayout*>(m_picker->parentWidget()->layout());
    row->insertWidget(row->indexOf(m_picker) + 1, widget);
}

void TodayView::buildMenus()
{
    m_insertMenu = new QMenu(this);
    m_insertMenu->setObjectName(QStringLiteral("PopupMenuToday"));
    for (const auto& [caption, kind] : {std::pair{"One Shot", 'O'}, std::pair{"Yearly", 'Y'},
                                        std::pair{"Monthly", 'M'}, std::pair{"Weekly", 'W'}}) {
        const QChar k = QLatin1Char(kind);
        m_insertMenu->addAction(QLatin1String(caption), this, [this, k] { insertKind(k); });
    }
    m_insertMenu->addSeparator();
    m_insertMenu->addAction(QStringLiteral("Cancel"));

    m_attachMenu = new QMenu(this);
    m_attachMenu->setObjectName(QStringLiteral("PopupMenuAllegatoToday"));
    m_attachItem = m_attachMenu->addAction(QString());
    m_findItem = m_attachMenu->addAction(QStringLiteral("Find"));
    m_attachMenu->addSeparator();
    m_attachMenu->addAction(QStringLiteral("Cancel"));
}

void TodayView::applySettings()
{
    using Section = store::Settings::Section;
    // Origin leads to a section tab, so it goes away when the options hide any.
    bool allTabs = true;
    for (int i = 0; i < store::Settings::VisibleTabCount; ++i)
        allTabs = allTabs && m_settings.tabVisible(Section(i));
    m_origin->setVisible(allTabs);
    m_help->setVisible(!m_settings.hideTips());
    // Options read again may have come with another program's changes to a
    // shared archive; the day is read again with them once there is one.
    if (m_dayShown)
        refreshDailyView();
    else
        applyColours();
}

void TodayView::applyColours()
{
    GridColours colours = m_delegate->colours();
    colours.takeSectionColours(m_settings);
    colours.currentSection = m_state.currentSectionColour;
    colours.buttonFace = palette().color(QPalette::Button).rgb() & 0xFFFFFF;
    colours.window = palette().color(QPalette::Base).rgb() & 0xFFFFFF;
    m_delegate->setColours(colours);

    const GridTheme& theme = m_delegate->theme();
    const QString today = cssColour(colours.today);
    const QString title = cssColour(theme.titleText);
    if (QWidget* frame = m_grid->parentWidget())
        shared::ui::setSectionBackground(*frame,
                                         QColor::fromRgb(QRgb(0xFF000000u | colours.today)));
    // Style sheets are set only when they change: every refresh passes here,
    // and a new sheet restyles the whole widget.
    const auto restyle = [](QWidget* widget, const QString& sheet) {
        if (widget->styleSheet() != sheet)
            widget->setStyleSheet(sheet);
    };
    restyle(m_grid->horizontalHeader(),
            QStringLiteral("QHeaderView::section { background: %1; color: %2; border: 0; "
                           "border-right: 1px solid #808080; padding: 2px; }")
                .arg(today, title));
    restyle(m_memo, QStringLiteral("QPlainTextEdit { background: %1; color: %2; }").arg(today, title));
    m_grid->viewport()->update();
}

void TodayView::setGridTheme(const GridTheme& theme)
{
    m_delegate->setTheme(theme);
    applyColours();
}

GridTheme TodayView::gridTheme() const
{
    return m_delegate->theme();
}

void TodayView::setLeftPanelShown(bool shown)
{
    m_leftPanel->setVisible(shown);
    // The side panel's "Calendar" page carries its twin of "Show suspended".
    m_suspended->setVisible(!shown);
    emit leftPanelToggled(shown);
}

void TodayView::connectGrid()
{
    setRecordGrid({m_grid, DailyModel::Presenza, m_memo, m_modify});
}

void TodayView::showEvent(QShowEvent* event)
{
    // The active tab's colour decides the row backgrounds; it may have
    // changed while the tab was hidden.
    applyColours();
    QWidget::showEvent(event);
}

} // namespace calendar::ui
