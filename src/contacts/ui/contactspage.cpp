#include "contactspage.h"

#include "calendar/ui/commandbutton.h"
#include "contacts/contactlist.h"
#include "contactspagemodel.h"
#include "contactstransfer.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "shared/ui/groupfilter.h"
#include "shared/ui/printmenu.h"
#include "shared/ui/sectionpalette.h"
#include "store/database.h"
#include "store/settings.h"
#include "themes/colourtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace contacts::ui {

using calendar::ui::commandButton;

namespace {

// The card is drawn once the selection has settled: walking the list with
// the keys draws it only for the row the walk stops at.
constexpr int CardDelayMs = 10;
constexpr int CardWidth = 330;

} // namespace

ContactsPage::ContactsPage(store::Database& database, store::Settings& settings,
                           shared::Services& services, shared::AppState& state, QWidget* parent)
    : GridPage(parent), m_settings(settings), m_services(services), m_state(state),
      m_database(database), m_list(std::make_unique<ContactList>(database))
{
    setObjectName(QStringLiteral("ContactsPage"));
    m_model = new ContactsModel(*m_list, this);
    m_delegate = new ContactsDelegate(*m_model, this);
    m_drawTimer.setObjectName(QStringLiteral("TimerDrawContact"));
    m_drawTimer.setSingleShot(true);
    m_drawTimer.setInterval(CardDelayMs);
    connect(&m_drawTimer, &QTimer::timeout, this, &ContactsPage::drawCard);

    m_frame = new QWidget(this);
    m_frame->setObjectName(QStringLiteral("Panel_Contorno_Contact"));
    m_frame->setAutoFillBackground(true);

    m_grid = new QTableView(m_frame);
    m_grid->setObjectName(QStringLiteral("DBGrid_Contact"));
    m_grid->setModel(m_model);
    m_grid->setItemDelegate(m_delegate);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->setWordWrap(false);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setSectionsMovable(true);
    m_grid->setColumnWidth(ContactsModel::Name, 200);
    m_grid->setColumnWidth(ContactsModel::Presenza, 42);
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);

    m_memo = new QPlainTextEdit(m_frame);
    m_memo->setObjectName(QStringLiteral("DBMemo_Contact"));
    m_memo->setToolTip(QStringLiteral("Note"));
    m_memo->setReadOnly(true);
    m_memo->setMaximumHeight(80);

    m_card = new ContactCard(m_frame);
    m_card->setFixedWidth(CardWidth);

    auto* listSide = new QWidget(m_frame);
    auto* listBox = new QVBoxLayout(listSide);
    listBox->setContentsMargins(0, 0, 0, 0);
    listBox->setSpacing(3);
    listBox->addWidget(m_grid, 1);
    listBox->addWidget(m_memo);

    auto* body = new QHBoxLayout;
    body->setSpacing(4);
    body->addWidget(listSide, 1);
    body->addWidget(m_card);

    auto* layout = new QVBoxLayout(m_frame);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    // The bars take the whole width: in the window's first size the list
    // beside the card is only wide enough for the names.
    layout->addWidget(buildCommands());
    layout->addWidget(buildSearch());
    layout->addWidget(buildGroupBar());
    layout->addLayout(body, 1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_frame);

    buildMenus();
    setRecordGrid({m_grid, ContactsModel::Presenza, m_memo, m_modify});

    connect(m_card, &ContactCard::hideRequested, this, [this] { setCardShown(false); });
    connect(m_card, &ContactCard::webSearchRequested, this, &ContactsPage::openWebSearch);
    connect(m_card, &ContactCard::quickTaskRequested, this, &ContactsPage::newTaskRequested);
    connect(m_card, &ContactCard::modifyRequested, this, [this] {
        if (m_modify->isEnabled())
            modifySelected();
    });
    connect(m_card, &ContactCard::openRequested, this, &ContactsPage::openTarget);
    connect(&m_settings, &store::Settings::loaded, this, &ContactsPage::applySettings);
    applySettings();
    // The main window builds its tabs before the archive is open; it loads
    // the lists once start-up has read the archive.
    if (database.isOpen())
        refreshList();
}

ContactsPage::~ContactsPage() = default;

QWidget* ContactsPage::buildCommands()
{
    m_commands = new QWidget(m_frame);
    m_commands->setObjectName(QStringLiteral("panel_contact"));
    auto* row = new QHBoxLayout(m_commands);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    m_insert = commandButton(m_commands, "SpeedButton_AddContact", "Insert");
    m_delete = commandButton(m_commands, "SpeedButtonDelContact", "Delete ");
    m_modify = commandButton(m_commands, "SpeedButtonModContact", "Modify ");
    m_mail = commandButton(m_commands, "SpeedButtonMailContact", "E-mail");
    m_clone = commandButton(m_commands, "SpeedButtonDupliContact", "Clone ");
    m_dial = commandButton(m_commands, "SpeedButtonTele", "Dial");
    m_web = commandButton(m_commands, "SpeedButtonWeb", "Web Site");
    m_order = commandButton(m_commands, "SpeedButtonOrderContact", "Order");
    m_export = commandButton(m_commands, "SpeedButtonCSV", "Export (visibles) ");
    m_import = commandButton(m_commands, "SpeedButtonUOC", "Import");
    m_map = commandButton(m_commands, "SpeedButtonGoMap", "Search using Google Maps");
    m_map->setText(QStringLiteral("Map"));
    m_export->setText(QStringLiteral("Export"));
    m_web->setText(QStringLiteral("Web"));
    m_print = commandButton(m_commands, "SpeedButtonPrintcontact", "Print ");
    m_help = commandButton(m_commands, "SpeedButtonHintContact", "Hint");
    m_help->setText(QStringLiteral("?"));
    for (QToolButton* b : {m_insert, m_delete, m_modify, m_mail, m_clone, m_dial, m_web, m_order,
                           m_export, m_import, m_map, m_print})
        row->addWidget(b);
    row->addStretch(1);
    m_counter = new QLabel(m_commands);
    m_counter->setObjectName(QStringLiteral("Panel_FullName"));
    m_counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(m_counter);
    row->addWidget(m_help);

    // Insert, Modify and Print wait for someone to open the contact dialogs
    // and print the list.
    for (QToolButton* b : {m_insert, m_modify, m_dial, m_export, m_print})
        b->setEnabled(false);
    new ContactsTransfer(*this, {m_dial, m_export, m_import}, m_database, m_settings, m_services);

    connect(m_insert, &QToolButton::clicked, this, [this] {
        if (!m_readOnly)
            emit insertRequested();
    });
    connect(m_modify, &QToolButton::clicked, this, &ContactsPage::modifySelected);
    shared::ui::attachPrintMenu(m_print, [this](bool preview) { emit printRequested(preview); });
    connect(m_delete, &QToolButton::clicked, this, &ContactsPage::deleteSelected);
    connect(m_clone, &QToolButton::clicked, this, &ContactsPage::cloneSelected);
    connect(m_mail, &QToolButton::clicked, this, &ContactsPage::openMail);
    connect(m_web, &QToolButton::clicked, this, &ContactsPage::openWeb);
    connect(m_map, &QToolButton::clicked, this, &ContactsPage::openMap);
    connect(m_order, &QToolButton::clicked, this,
            [this] { m_orderMenu->popup(m_order->mapToGlobal(QPoint(0, m_order->height()))); });
    connect(m_help, &QToolButton::clicked, this, [this] {
        m_services.prompter.tell(
            QStringLiteral("Use the Contacts Tab to keep track of your contacts."),
            platform::Prompter::Kind::Information);
    });
    return m_commands;
}

QWidget* ContactsPage::buildSearch()
{
    auto* bar = new QWidget(m_frame);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    m_clear = commandButton(bar, "SpeedButtonClearName", "Clear ");
    m_find = new QLineEdit(bar);
    m_find->setObjectName(QStringLiteral("Edit_ragsoc"));
    m_find->setToolTip(QStringLiteral("Text for filtering"));
    m_find->setMaxLength(50);
    m_findKind = new QComboBox(bar);
    m_findKind->setObjectName(QStringLiteral("ComboBox_KindFindContact"));
    m_findKind->setToolTip(QStringLiteral("Field for filtering"));
    m_findKind->addItems(searchFieldItems());
    m_isNull = commandButton(bar, "SpeedButtonCampoVuoto", "Find if field is null");
    m_isNull->setText(QStringLiteral("Empty"));
    m_autoFind = new QCheckBox(QStringLiteral("Automatic search"), bar);
    m_autoFind->setObjectName(QStringLiteral("CheckBoxAutoFindContact"));
    m_autoFind->setToolTip(QStringLiteral("Automatic search"));
    m_autoFind->setChecked(true);
    row->addWidget(m_clear);
    row->addWidget(m_find, 1);
    row->addWidget(m_findKind);
    row->addWidget(m_isNull);
    row->addWidget(m_autoFind);
    m_clear->setEnabled(false);

    connect(m_find, &QLineEdit::textChanged, this, &ContactsPage::searchTyped);
    connect(m_findKind, &QComboBox::currentIndexChanged, this, [this] {
        searchTyped();
        m_find->setFocus();
    });
    // Enter searches even while the automatic search is off.
    connect(m_find, &QLineEdit::returnPressed, this, &ContactsPage::refreshList);
    connect(m_clear, &QToolButton::clicked, this, &ContactsPage::clearSearch);
    connect(m_isNull, &QToolButton::clicked, this, [this] { m_find->setText(IsNullEntry); });
    connect(m_autoFind, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            return;
        m_services.prompter.tell(QStringLiteral("You have disabled the automatic search as you "
                                                "type. \rTo start the search, press the ENTER key "
                                                "in the search box."),
                                 platform::Prompter::Kind::Information);
        m_find->setFocus();
    });
    return bar;
}

QWidget* ContactsPage::buildGroupBar()
{
    auto* bar = new QWidget(m_frame);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    auto* label = new QLabel(QStringLiteral("Group"), bar);
    m_groupWidgets = shared::ui::GroupFilter::buildWidgets(QLatin1Char('C'), bar);
    const auto& groupWidgets = m_groupWidgets;
    m_group = groupWidgets.combo;
    m_group->setMinimumWidth(160);
    const std::pair<QAbstractButton*, const char*> groupButtons[] = {
        {groupWidgets.insert, "Insert group"},
        {groupWidgets.remove, "Delete group"},
        {groupWidgets.clear, "Clear "}};
    for (const auto& [button, hint] : groupButtons) {
        button->setToolTip(QLatin1String(hint));
        if (auto* tool = qobject_cast<QToolButton*>(button))
            tool->setAutoRaise(true);
    }
    groupWidgets.insert->setText(QStringLiteral("+"));
    groupWidgets.remove->setText(QStringLiteral("-"));
    groupWidgets.clear->setText(QStringLiteral("Clear"));
    m_groupEmpty = commandButton(bar, "SpeedButtonGruppoVuoto", "Find if field is null");
    m_groupEmpty->setText(QStringLiteral("Empty"));
    m_attach = commandButton(bar, "SpeedButton_ApriAllegato", "Attach");
    m_showCard = commandButton(bar, "SpeedButton_Scheda", "Show contact card");
    m_showCard->setText(QStringLiteral("Card"));
    m_layout = commandButton(bar, "SpeedButtonColumnsContact", "Save column width and position");
    m_layout->setText(QStringLiteral("Columns"));
    row->addWidget(label);
    row->addWidget(m_group);
    for (QAbstractButton* b : {groupWidgets.insert, groupWidgets.remove, groupWidgets.clear})
        row->addWidget(b);
    row->addWidget(m_groupEmpty);
    row->addWidget(m_attach);
    row->addStretch(1);
    row->addWidget(m_layout);
    row->addWidget(m_showCard);
    QWidget* navigator = buildNavigator(bar);
    navigator->setObjectName(QStringLiteral("DBNavigator_Contact"));
    row->addWidget(navigator);

    connect(m_groupEmpty, &QToolButton::clicked, this, [this] {
        if (m_groupFilter)
            m_groupFilter->setFilterText(IsNullEntry);
    });
    connect(m_attach, &QToolButton::clicked, this, &ContactsPage::showAttachMenu);
    connect(m_showCard, &QToolButton::clicked, this, [this] { setCardShown(true); });
    connect(m_layout, &QToolButton::clicked, this,
            [this] { m_layoutMenu->popup(m_layout->mapToGlobal(QPoint(0, m_layout->height()))); });
    return bar;
}

void ContactsPage::buildMenus()
{
    m_orderMenu = new QMenu(this);
    m_orderMenu->setObjectName(QStringLiteral("PopupMenuOrderContact"));
    m_orderMenu->addAction(QStringLiteral("Alphabetical ASC"), this,
                           [this] { setOrder(OrderByName, false); });
    m_orderMenu->addAction(QStringLiteral("Alphabetical DESC"), this,
                           [this] { setOrder(OrderByName, true); });
    m_orderMenu->addSeparator();
    m_orderMenu->addAction(QStringLiteral("Creation ASC"), this,
                           [this] { setOrder(OrderByCreation, false); });
    m_orderMenu->addAction(QStringLiteral("Creation DESC"), this,
                           [this] { setOrder(OrderByCreation, true); });

    m_attachMenu = new QMenu(this);
    m_attachMenu->setObjectName(QStringLiteral("PopupMenuAllegatoContact"));
    const auto attachment = [this](int which) {
        const ListedContact c = selectedContact();
        return which == 0 ? c.allegato : which == 1 ? c.allegato2 : c.allegato3;
    };
    for (int which = 0; which < 3; ++which) {
        QAction* entry = m_attachMenu->addAction(QStringLiteral("Attach %1").arg(which + 1));
        entry->setObjectName(QStringLiteral("Attach%1").arg(which + 1));
        connect(entry, &QAction::triggered, this,
                [this, attachment, which] { openTarget(attachment(which)); });
    }
    m_attachMenu->addSeparator();
    m_attachMenu->addAction(QStringLiteral("Cancel"));

    m_layoutMenu = new QMenu(this);
    m_layoutMenu->setObjectName(QStringLiteral("PopupMenuColumnsContact"));
    m_layoutMenu->addAction(QStringLiteral("Save width and position"), this,
                            &ContactsPage::saveColumnLayout);
    m_layoutMenu->addAction(QStringLiteral("Restore default"), this,
                            &ContactsPage::restoreDefaultLayout);
    m_layoutMenu->addAction(QStringLiteral("Autosize column"), this, [this] {
        m_grid->resizeColumnsToContents();
        m_grid->setColumnWidth(ContactsModel::Presenza, 42);
        updateNarrow();
    });
}

void ContactsPage::applySettings()
{
    m_help->setVisible(!m_settings.hideTips());
    setCardShown(!m_settings.gridMode());
    applyColours();
}

void ContactsPage::applyColours()
{
    ContactGridColours colours = m_delegate->colours();
    if (const auto rgb =
            themes::parseColourText(m_settings.sectionColour(store::Settings::Section::Contacts)))
        colours.contacts = *rgb;
    colours.currentSection = m_state.currentSectionColour;
    colours.buttonFace = palette().color(QPalette::Button).rgb() & 0xFFFFFF;
    colours.window = palette().color(QPalette::Base).rgb() & 0xFFFFFF;
    colours.windowText = palette().color(QPalette::Text).rgb() & 0xFFFFFF;
    m_delegate->setLook(m_delegate->theme(), colours);
    const QColor own = QColor::fromRgb(QRgb(0xFF000000u | colours.contacts));
    shared::ui::setSectionBackground(*m_frame, own);
    const QString title = calendar::ui::cssColour(m_delegate->theme().titleText);
    const QString sheet = QStringLiteral("QHeaderView::section { background: %1; color: %2; "
                                         "border: 0; border-right: 1px solid #808080; "
                                         "padding: 2px; }")
                              .arg(calendar::ui::cssColour(colours.contacts), title);
    if (m_grid->horizontalHeader()->styleSheet() != sheet)
        m_grid->horizontalHeader()->setStyleSheet(sheet);
    // Without the card the list takes the Today list's colour, with it white.
    const unsigned today = [this] {
        const auto rgb =
            themes::parseColourText(m_settings.sectionColour(store::Settings::Section::Today));
        return rgb ? *rgb : 0x9D9DCEu;
    }();
    QPalette gridPalette = m_grid->palette();
    gridPalette.setColor(QPalette::Base, cardShown() ? QColor(Qt::white)
                                                     : QColor::fromRgb(QRgb(0xFF000000u | today)));
    m_grid->setPalette(gridPalette);
    m_grid->viewport()->update();
}

void ContactsPage::setGridTheme(const calendar::GridTheme& theme)
{
    m_delegate->setLook(theme, m_delegate->colours());
    applyColours();
}

void ContactsPage::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_commands->setVisible(!readOnly);
    m_card->setReadOnly(readOnly);
    if (m_groupFilter)
        m_groupFilter->setReadOnly(readOnly);
}

void ContactsPage::startGroups()
{
    // The group list is read from the archive: it can only be built once
    // start-up has opened it.
    m_groupFilter = new shared::ui::GroupFilter(QLatin1Char('C'), m_groupWidgets, m_database,
                                                m_settings, m_services.prompter, this);
    m_groupFilter->setReadOnly(m_readOnly);
    connect(m_groupFilter, &shared::ui::GroupFilter::filterChanged, this, [this] {
        m_groupEmpty->setEnabled(!isEmptyEntry(m_groupFilter->text()));
        refreshList();
    });
    m_groupFilter->restore();
}

void ContactsPage::showEvent(QShowEvent* event)
{
    // The active tab's colour decides the row backgrounds.
    applyColours();
    m_find->setFocus();
    m_clear->setEnabled(!m_find->text().isEmpty());
    QWidget::showEvent(event);
}

} // namespace contacts::ui
