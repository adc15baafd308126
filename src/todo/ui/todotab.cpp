#include "todotab.h"

#include "calendar/ui/commandbutton.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "shared/ui/groupfilter.h"
#include "shared/ui/printmenu.h"
#include "shared/ui/sectionpalette.h"
#include "store/database.h"
#include "store/query.h"
#include "store/settings.h"
#include "themes/colourtext.h"
#include "todo/todomodel.h"
#include "tododelegate.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace todo::ui {

using calendar::ui::commandButton;

namespace {

const QString HintText = QStringLiteral(
    "You can create an interactive To-do List in Corvandine that allows you prioritize and keep "
    "track of all the things you need to accomplish.");

} // namespace

ToDoTab::ToDoTab(store::Database& database, store::Settings& settings, shared::Services& services,
                 shared::AppState& state, QWidget* parent)
    : GridPage(parent), m_db(database), m_settings(settings), m_services(services), m_state(state),
      m_writes(std::make_unique<store::Query>(database)),
      m_general(std::make_unique<store::Query>(database))
{
    setObjectName(QStringLiteral("ToDoTab"));
    m_model = new ToDoModel(database, this);
    m_delegate = new ToDoDelegate(*m_model, this);

    m_frame = new QWidget(this);
    m_frame->setObjectName(QStringLiteral("Panel_Contorno_ToDo"));
    m_frame->setAutoFillBackground(true);

    m_grid = new QTableView(m_frame);
    m_grid->setObjectName(QStringLiteral("DBGrid_ToDo"));
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(m_delegate);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->setWordWrap(false);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setSectionResizeMode(ToDoModel::Description, QHeaderView::Stretch);
    m_grid->setColumnHidden(ToDoModel::Fatto, true);

    m_memo = new QPlainTextEdit(m_frame);
    m_memo->setObjectName(QStringLiteral("DBMemo_ToDo"));
    m_memo->setToolTip(QStringLiteral("Note"));
    m_memo->setReadOnly(true);
    m_memo->setMaximumHeight(80);

    auto* layout = new QVBoxLayout(m_frame);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    m_commands = buildCommands();
    layout->addWidget(m_commands);
    layout->addWidget(buildSearch());
    layout->addWidget(buildHeader());
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_memo);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_frame);

    buildMenus();
    setRecordGrid({m_grid, ToDoModel::Presenza, m_memo, m_modify});
    connect(&m_settings, &store::Settings::loaded, this, &ToDoTab::applySettings);
    applySettings();
    if (database.isOpen())
        start();
}

ToDoTab::~ToDoTab() = default;

QWidget* ToDoTab::buildCommands()
{
    auto* bar = new QWidget(m_frame);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    m_insert = commandButton(bar, "SpeedButtonAggToDo", "Insert");
    m_modify = commandButton(bar, "SpeedButtonModToDo", "Modify ");
    m_delete = commandButton(bar, "SpeedButtonDelToDo", "Delete ");
    m_clone = commandButton(bar, "SpeedButtonDupliToDo", "Clone ");
    m_check = commandButton(bar, "SpeedButtonCheckToDo", "Check");
    m_print = commandButton(bar, "SpeedButtonPrintToDo", "Print ");
    m_export = commandButton(bar, "SpeedButtonExportTodo", "Export");
    m_orderButton = commandButton(bar, "SpeedButtonOrderToDo", "Order");
    m_help = commandButton(bar, "SpeedButtonHintLista", "Hint");
    m_help->setText(QStringLiteral("?"));
    for (QToolButton* b :
         {m_insert, m_modify, m_delete, m_clone, m_check, m_print, m_export, m_orderButton})
        row->addWidget(b);
    row->addStretch(1);
    m_counter = new QLabel(bar);
    m_counter->setObjectName(QStringLiteral("Panel_ToDo"));
    m_counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(m_counter);
    row->addWidget(m_help);
    m_print->setEnabled(false);
    shared::ui::attachPrintMenu(m_print, [this](bool preview) { emit printRequested(preview); });

    connect(m_insert, &QToolButton::clicked, this, &ToDoTab::insertEntry);
    connect(m_modify, &QToolButton::clicked, this, &ToDoTab::modifySelected);
    connect(m_delete, &QToolButton::clicked, this, &ToDoTab::deleteSelected);
    connect(m_clone, &QToolButton::clicked, this, &ToDoTab::cloneSelected);
    connect(m_check, &QToolButton::clicked, this, &ToDoTab::checkSelected);
    connect(m_export, &QToolButton::clicked, this, &ToDoTab::exportList);
    connect(m_orderButton, &QToolButton::clicked, this, [this] {
        m_orderMenu->popup(m_orderButton->mapToGlobal(QPoint(0, m_orderButton->height())));
    });
    connect(m_help, &QToolButton::clicked, this,
            [this] { m_services.prompter.tell(HintText, platform::Prompter::Kind::Information); });
    return bar;
}

QWidget* ToDoTab::buildSearch()
{
    auto* bar = new QWidget(m_frame);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    m_clear = commandButton(bar, "SpeedButtonClearTodo", "Clear ");
    m_find = new QLineEdit(bar);
    m_find->setObjectName(QStringLiteral("Edit_Find_ToDo"));
    m_find->setToolTip(QStringLiteral("Text for filtering"));
    m_findKind = new QComboBox(bar);
    m_findKind->setObjectName(QStringLiteral("ComboBox_KindFindToDo"));
    m_findKind->addItems(searchFieldItems());
    m_stateFilter = new QComboBox(bar);
    m_stateFilter->setObjectName(QStringLiteral("ComboBoxToDo"));
    m_stateFilter->setToolTip(QStringLiteral("Filter by state"));
    m_stateFilter->addItems(stateFilterItems());

    // The controller comes with the archive (start()); the fields are laid out now.
    const shared::ui::GroupFilter::Widgets groupWidgets =
        shared::ui::GroupFilter::buildWidgets(u'L', bar);
    m_groupWidgets[0] = groupWidgets.combo;
    m_groupWidgets[1] = groupWidgets.insert;
    m_groupWidgets[2] = groupWidgets.remove;
    m_groupWidgets[3] = groupWidgets.clear;
    row->addWidget(m_clear);
    row->addWidget(m_find, 2);
    row->addWidget(m_findKind);
    row->addWidget(m_stateFilter);

    connect(m_find, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_clear->setEnabled(!text.isEmpty());
        refreshToDoList();
    });
    connect(m_findKind, &QComboBox::currentIndexChanged, this, [this] {
        m_clear->setEnabled(!m_find->text().isEmpty());
        refreshToDoList();
        m_find->setFocus();
    });
    connect(m_stateFilter, &QComboBox::currentIndexChanged, this, &ToDoTab::refreshToDoList);
    connect(m_clear, &QToolButton::clicked, this, &ToDoTab::clearSearch);
    m_clear->setEnabled(false);
    return bar;
}

QWidget* ToDoTab::buildHeader()
{
    auto* bar = new QWidget(m_frame);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    m_attach = commandButton(bar, "SpeedButtonAllegatoToDo", "Attach");
    m_gauge = new QProgressBar(bar);
    m_gauge->setObjectName(QStringLiteral("GaugePercento"));
    m_gauge->setToolTip(QStringLiteral("Percentage of completion"));
    m_gauge->setRange(0, 100);
    m_gauge->setMaximumWidth(200);
    row->addWidget(m_attach);
    row->addWidget(m_gauge, 1);
    row->addSpacing(8);
    // The group filter: its fields are made with the search bar, its
    // controller with the archive.
    auto* combo = static_cast<QComboBox*>(m_groupWidgets[0]);
    combo->setParent(bar);
    combo->setMinimumWidth(140);
    row->addWidget(new QLabel(QStringLiteral("Group"), bar));
    row->addWidget(combo);
    const char* const hints[] = {"Insert group", "Delete group", "Clear "};
    const char* const captions[] = {"+", "-", "Clear"};
    for (int i = 1; i < 4; ++i) {
        auto* button = static_cast<QToolButton*>(m_groupWidgets[i]);
        button->setParent(bar);
        button->setToolTip(QLatin1String(hints[i - 1]));
        button->setText(QLatin1String(captions[i - 1]));
        button->setAutoRaise(true);
        row->addWidget(button);
    }
    row->addStretch(1);
    QWidget* navigator = buildNavigator(bar);
    navigator->setObjectName(QStringLiteral("DBNavigatorToDo"));
    row->addWidget(navigator);
    connect(m_attach, &QToolButton::clicked, this, &ToDoTab::openAttachmentMenu);
    return bar;
}

void ToDoTab::buildMenus()
{
    m_orderMenu = new QMenu(this);
    m_orderMenu->setObjectName(QStringLiteral("PopupMenuOrderToDo"));
    for (int i = 0; i < OrderCount; ++i) {
        if (i > 0 && i % 2 == 0)
            m_orderMenu->addSeparator();
        const auto order = Order(i);
        m_orderMenu->addAction(orderCaption(order), this, [this, order] { chooseOrder(order); });
    }

    m_attachMenu = new QMenu(this);
    m_attachMenu->setObjectName(QStringLiteral("PopupMenuAllegatoToDo"));
    m_attachItem = m_attachMenu->addAction(QString());
    m_linkItem = m_attachMenu->addAction(QString());
    m_attachMenu->addSeparator();
    m_attachMenu->addAction(QStringLiteral("Cancel"));
}

void ToDoTab::applySettings()
{
    m_help->setVisible(!m_settings.hideTips());
    applyColours();
}

void ToDoTab::applyColours()
{
    calendar::GridColours colours;
    colours.currentSection = m_state.currentSectionColour;
    colours.buttonFace = palette().color(QPalette::Button).rgb() & 0xFFFFFF;
    colours.window = palette().color(QPalette::Base).rgb() & 0xFFFFFF;
    const unsigned own =
        themes::parseColourText(m_settings.sectionColour(store::Settings::Section::ToDo))
            .value_or(0xF8DCBA);
    m_delegate->setColours(colours, own);
    shared::ui::setSectionBackground(*m_frame, QColor::fromRgb(QRgb(0xFF000000u | own)));
    const QString sheet = QStringLiteral("QHeaderView::section { background: %1; color: %2; "
                                         "border: 0; border-right: 1px solid #808080; "
                                         "padding: 2px; }")
                              .arg(calendar::ui::cssColour(own),
                                   calendar::ui::cssColour(m_delegate->theme().titleText));
    if (m_grid->horizontalHeader()->styleSheet() != sheet)
        m_grid->horizontalHeader()->setStyleSheet(sheet);
    m_grid->viewport()->update();
}

void ToDoTab::setGridTheme(const calendar::GridTheme& theme)
{
    m_delegate->setTheme(theme);
    applyColours();
}

void ToDoTab::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_commands->setVisible(!readOnly);
    if (m_groups)
        m_groups->setReadOnly(readOnly);
}

void ToDoTab::fitColumns()
{
    const QFontMetrics metrics(m_grid->font());
    for (const int column :
         {int(ToDoModel::Priority), int(ToDoModel::Percent), int(ToDoModel::Presenza)})
        m_grid->setColumnWidth(column, metrics.horizontalAdvance(QStringLiteral("Note")) + 24);
}

void ToDoTab::showEvent(QShowEvent* event)
{
    applyColours();
    fitColumns();
    GridPage::showEvent(event);
}

QString ToDoTab::groupText() const
{
    return m_groups ? m_groups->text() : QString();
}

ToDoFilter ToDoTab::filter() const
{
    ToDoFilter f;
    f.text = m_find->text();
    f.field = SearchField(std::max(0, m_findKind->currentIndex()));
    f.state = StateFilter(std::max(0, m_stateFilter->currentIndex()));
    f.group = groupText();
    f.order = m_order;
    return f;
}

} // namespace todo::ui
