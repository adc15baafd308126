#include "tasklisttab.h"

#include "calendar/sectionmodel.h"
#include "calendar/tasksection.h"
#include "calendar/tasktexts.h"
#include "calendar/ui/commandbutton.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "sectiondelegate.h"
#include "shared/appstate.h"
#include "shared/ui/printmenu.h"
#include "shared/ui/sectionpalette.h"
#include "store/database.h"
#include "store/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace calendar::ui {
namespace {

// The controls of the four tabs carry the names the rest of the program
// (and its tests) look them up by.
struct TabNames
{
    const char* suffix;
    const char* find;
    const char* findKind;
    const char* counter;
};

TabNames namesOf(QChar kind)
{
    switch (kind.unicode()) {
    case u'Y':
        return {"Year", "Edit_Find_Anno", "ComboBox_KindFindYear", "Panel_year"};
    case u'M':
        return {"Month", "Edit_Find_Mese", "ComboBox_KindFindMonth", "Panel_Month"};
    case u'W':
        return {"Week", "Edit_Find_Week", "ComboBox_KindFindWeek", "Panel_week"};
    default:
        break;
    }
    return {"Shot", "Edit_Find_Shot", "ComboBox_KindFindShot", "Panel_Shot"};
}

QString named(const char* prefix, QChar kind)
{
    return QLatin1String(prefix) + QLatin1String(namesOf(kind).suffix);
}

} // namespace

TaskListTab::TaskListTab(store::Database& database, store::Settings& settings,
                         shared::Services& services, shared::AppState& state, QChar kind,
                         QWidget* parent)
    : GridPage(parent),
      m_settings(settings),
      m_services(services),
      m_state(state),
      m_kind(kind),
      m_section(std::make_unique<TaskSection>(database, kind, taskLocale()))
{
    setObjectName(named("TaskList", kind));
    m_model = new SectionModel(*m_section, this);
    m_delegate = new SectionDelegate(*m_model, this);

    m_frame = new QWidget(this);
    m_frame->setObjectName(named("Panel_Contorno_", kind));
    m_frame->setAutoFillBackground(true);

    m_grid = new QTableView(m_frame);
    m_grid->setObjectName(named("DBGrid_", kind));
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(m_delegate);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->setWordWrap(false);
    m_grid->horizontalHeader()->setHighlightSections(false);

    m_memo = new QPlainTextEdit(m_frame);
    m_memo->setObjectName(named("DBMemo_", kind));
    m_memo->setToolTip(QStringLiteral("Note"));
    m_memo->setReadOnly(true);
    m_memo->setMaximumHeight(80);

    auto* layout = new QVBoxLayout(m_frame);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    m_commands = buildCommands();
    layout->addWidget(m_commands);
    layout->addWidget(buildSearch());
    if (m_kind == QLatin1Char('O'))
        layout->addWidget(buildPeriod());
    layout->addWidget(buildHeader());
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_memo);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_frame);

    setRecordGrid({m_grid, SectionModel::Presenza, m_memo, m_modify});
    connect(&m_settings, &store::Settings::loaded, this, &TaskListTab::applySettings);
    applySettings();
    // The main window builds its tabs before the archive is open; it loads
    // the lists once start-up has read the archive.
    if (database.isOpen()) {
        refreshList();
        fitGridColumns();
    }
}

TaskListTab::~TaskListTab() = default;

void TaskListTab::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_commands->setVisible(!readOnly);
}

QWidget* TaskListTab::buildCommands()
{
    auto* bar = new QWidget(m_frame);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    m_insert = commandButton(bar, named("SpeedButtonAdd", m_kind), "Insert");
    m_modify = commandButton(bar, named("SpeedButtonMod", m_kind), "Modify ");
    m_delete = commandButton(bar, named("SpeedButtonDel", m_kind), "Delete ");
    m_clone = commandButton(bar, named("SpeedButtonClone", m_kind), "Clone ");
    m_print = commandButton(bar, named("SpeedButtonPrint", m_kind), "Print ");
    m_order = commandButton(bar, named("SpeedButtonOrder", m_kind), "Order");
    m_help = commandButton(bar, named("SpeedButtonHelp", m_kind), "Hint");
    m_help->setText(QStringLiteral("?"));
    for (QToolButton* b : {m_insert, m_modify, m_delete, m_clone, m_print, m_order})
        row->addWidget(b);
    row->addStretch(1);

    m_counter = new QLabel(bar);
    m_counter->setObjectName(QLatin1String(namesOf(m_kind).counter));
    m_counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(m_counter);
    row->addWidget(m_help);

    connect(m_insert, &QToolButton::clicked, this, [this] {
        if (!m_readOnly)
            emit insertRequested(m_kind);
    });
    connect(m_modify, &QToolButton::clicked, this, &TaskListTab::modifySelected);
    connect(m_delete, &QToolButton::clicked, this, &TaskListTab::deleteSelected);
    connect(m_clone, &QToolButton::clicked, this, &TaskListTab::cloneSelected);
    connect(m_order, &QToolButton::clicked, this, &TaskListTab::toggleOrder);
    shared::ui::attachPrintMenu(m_print,
                                [this](bool preview) { emit printRequested(m_kind, preview); });
    connect(m_help, &QToolButton::clicked, this, [this] {
        m_services.prompter.tell(sectionHelpMessage(m_kind), platform::Prompter::Kind::Information);
    });
    return bar;
}

QWidget* TaskListTab::buildSearch()
{
    auto* bar = new QWidget(m_frame);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    const TabNames names = namesOf(m_kind);
    m_clear = commandButton(bar, named("SpeedButtonClear", m_kind), "Clear ");
    m_find = new QLineEdit(bar);
    m_find->setObjectName(QLatin1String(names.find));
    m_find->setToolTip(QStringLiteral("Text for filtering"));
    m_findKind = new QComboBox(bar);
    m_findKind->setObjectName(QLatin1String(names.findKind));
    m_findKind->setToolTip(QStringLiteral("Field for filtering"));
    m_findKind->addItems({QStringLiteral("Description"), QStringLiteral("Note")});
    row->addWidget(m_clear);
    row->addWidget(m_find, 1);
    row->addWidget(m_findKind);

    if (m_kind == QLatin1Char('O')) {
        m_autoFind = new QCheckBox(QStringLiteral("Automatic search"), bar);
        m_autoFind->setObjectName(QStringLiteral("CheckBoxAutoFindShot"));
        m_autoFind->setChecked(true);
        row->addWidget(m_autoFind);
        connect(m_autoFind, &QCheckBox::toggled, this, [this](bool on) {
            if (!on)
                m_services.prompter.tell(AutoSearchOffMessage, platform::Prompter::Kind::Information);
        });
    } else if (m_kind == QLatin1Char('Y') || m_kind == QLatin1Char('W')) {
        const bool yearly = m_kind == QLatin1Char('Y');
        auto* label = new QLabel(yearly ? QStringLiteral("Filter by month ")
                                        : QStringLiteral("Filter by day"),
                                 bar);
        m_filterCombo = new QComboBox(bar);
        m_filterCombo->setObjectName(yearly ? QStringLiteral("ComboBox_Month")
                                            : QStringLiteral("ComboBox_dayofweek"));
        m_filterCombo->addItems(yearly ? monthFilterItems(taskLocale())
                                       : weekdayFilterItems(taskLocale()));
        m_filterCombo->setCurrentIndex(m_filterCombo->count() - 1);
        row->addWidget(label);
        row->addWidget(m_filterCombo);
        connect(m_filterCombo, &QComboBox::currentIndexChanged, this, &TaskListTab::refreshList);
    }

    connect(m_find, &QLineEdit::textChanged, this, &TaskListTab::searchTyped);
    connect(m_findKind, &QComboBox::currentIndexChanged, this, &TaskListTab::searchTyped);
    // Enter searches even while the automatic search is off.
    connect(m_find, &QLineEdit::returnPressed, this, &TaskListTab::refreshList);
    connect(m_clear, &QToolButton::clicked, this, &TaskListTab::clearSearch);
    m_clear->setEnabled(false);
    return bar;
}

QWidget* TaskListTab::buildPeriod()
{
    auto* bar = new QWidget(m_frame);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    m_period = new QCheckBox(QStringLiteral("Period"), bar);
    m_period->setObjectName(QStringLiteral("CheckBoxPeriodShot"));
    m_period->setToolTip(QStringLiteral("Enable filter from date to date"));
    const QDate today = m_services.clock.today();
    const auto picker = [&](const char* name) {
        auto* edit = new QDateEdit(today, bar);
        edit->setObjectName(QLatin1String(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(taskLocale().dateFormat(QLocale::ShortFormat));
        edit->setEnabled(false);
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            if (m_period->isChecked())
                refreshList();
        });
        return edit;
    };
    m_periodFromLabel = new QLabel(QStringLiteral("From"), bar);
    m_periodFrom = picker("DateTimePickerShot1");
    m_periodToLabel = new QLabel(QStringLiteral("To"), bar);
    m_periodTo = picker("DateTimePickerShot2");
    m_periodFromLabel->setEnabled(false);
    m_periodToLabel->setEnabled(false);
    row->addWidget(m_period);
    row->addWidget(m_periodFromLabel);
    row->addWidget(m_periodFrom);
    row->addWidget(m_periodToLabel);
    row->addWidget(m_periodTo);
    row->addStretch(1);
    connect(m_period, &QCheckBox::toggled, this, [this](bool on) {
        for (QWidget* w : {static_cast<QWidget*>(m_periodFrom), static_cast<QWidget*>(m_periodTo),
                           static_cast<QWidget*>(m_periodFromLabel),
                           static_cast<QWidget*>(m_periodToLabel)})
            w->setEnabled(on);
        refreshList();
    });
    return bar;
}

QWidget* TaskListTab::buildHeader()
{
    auto* bar = new QWidget(m_frame);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    m_attach = commandButton(bar, named("SpeedButtonAllegato", m_kind), "Attach");
    m_datePanel = new QLabel(bar);
    m_datePanel->setObjectName(named("Panel_Data", m_kind));
    row->addWidget(m_attach);
    row->addWidget(m_datePanel);
    if (m_kind == QLatin1Char('Y')) {
        m_yearsPanel = new QLabel(bar);
        m_yearsPanel->setObjectName(QStringLiteral("Panel_Conteggio"));
        row->addWidget(m_yearsPanel);
    }
    row->addStretch(1);
    QWidget* navigator = buildNavigator(bar);
    navigator->setObjectName(named("DBNavigator", m_kind));
    row->addWidget(navigator);
    connect(m_attach, &QToolButton::clicked, this, &TaskListTab::requestAttachment);
    return bar;
}

void TaskListTab::applySettings()
{
    m_model->setPatterns({m_settings.dataShot(), m_settings.dataYear(), taskLocale()});
    // The date panel shows the selected row's date in the same format.
    updateForSelection();
    m_help->setVisible(!m_settings.hideTips());
    applyColours();
}

unsigned TaskListTab::sectionColour() const
{
    return m_delegate->colours().kindColour(QString(m_kind));
}

void TaskListTab::applyColours()
{
    GridColours colours = m_delegate->colours();
    colours.takeSectionColours(m_settings);
    colours.currentSection = m_state.currentSectionColour;
    colours.buttonFace = palette().color(QPalette::Button).rgb() & 0xFFFFFF;
    colours.window = palette().color(QPalette::Base).rgb() & 0xFFFFFF;
    const unsigned own = colours.kindColour(QString(m_kind));
    m_delegate->setColours(colours, own);

    shared::ui::setSectionBackground(*m_frame, QColor::fromRgb(QRgb(0xFF000000u | own)));
    const QString title = cssColour(m_delegate->theme().titleText);
    const QString sheet = QStringLiteral("QHeaderView::section { background: %1; color: %2; "
                                         "border: 0; border-right: 1px solid #808080; "
                                         "padding: 2px; }")
                              .arg(cssColour(own), title);
    // A new style sheet restyles the whole widget: set it only when it changes.
    if (m_grid->horizontalHeader()->styleSheet() != sheet)
        m_grid->horizontalHeader()->setStyleSheet(sheet);
    m_grid->viewport()->update();
}

void TaskListTab::setGridTheme(const GridTheme& theme)
{
    m_delegate->setTheme(theme);
    applyColours();
    fitGridColumns();
}

GridTheme TaskListTab::gridTheme() const
{
    return m_delegate->theme();
}

void TaskListTab::fitGridColumns()
{
    const QFontMetrics metrics(m_grid->font());
    const std::vector<int> widths = fitColumnWidths(
        *m_model, [&metrics](const QString& text) { return metrics.horizontalAdvance(text); });
    m_grid->setUpdatesEnabled(false);
    for (int column = 0; column < int(widths.size()); ++column)
        m_grid->setColumnWidth(column, widths[size_t(column)]);
    m_grid->setUpdatesEnabled(true);
}

void TaskListTab::showEvent(QShowEvent* event)
{
    // The active tab's colour decides the row backgrounds; it may have
    // changed while the tab was hidden.
    applyColours();
    // Lists are filled while hidden, and the grid's font is only final once
    // the tab is polished for the screen: fit when the user first sees it.
    if (!m_shownOnce) {
        m_shownOnce = true;
        fitGridColumns();
    }
    QWidget::showEvent(event);
}

} // namespace calendar::ui
