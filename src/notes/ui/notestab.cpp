#include "notestab.h"

#include "noteeditor.h"
#include "notelistmodel.h"
#include "notes/noterecord.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "shared/sectioncounter.h"
#include "shared/ui/sectionpalette.h"
#include "store/database.h"
#include "store/query.h"
#include "store/settings.h"
#include "themes/colourtext.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace notes::ui {
namespace {

QToolButton* commandButton(QWidget* parent, const char* name, const char* hint, const char* caption)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(QLatin1String(hint));
    button->setText(QLatin1String(caption));
    button->setAutoRaise(true);
    return button;
}

} // namespace

NotesTab::NotesTab(store::Database& database, store::Settings& settings,
                   shared::Services& services, shared::AppState& state, QWidget* parent)
    : QWidget(parent), m_db(database), m_settings(settings), m_services(services), m_state(state),
      m_list(std::make_unique<store::Query>(database)),
      m_general(std::make_unique<store::Query>(database))
{
    setObjectName(QStringLiteral("NotesTab"));
    m_model = new NoteListModel(*m_list, this);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("Splitter_Note"));
    m_listSide = buildList();
    m_editor = new NoteEditor(settings, services, m_splitter);
    m_splitter->addWidget(m_listSide);
    m_splitter->addWidget(m_editor);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setSizes({200, 400});
    m_listWidth = 200;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_splitter);

    connect(m_editor, &NoteEditor::updateRequested, this, &NotesTab::updateNote);
    connect(m_editor, &NoteEditor::importRequested, this, &NotesTab::importNote);
    connect(m_editor, &NoteEditor::listHidden, this, &NotesTab::hideList);
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] {
        const int width = m_splitter->sizes().value(0);
        if (width > 0)
            m_listWidth = width;
    });
    connect(&m_settings, &store::Settings::loaded, this, &NotesTab::applyColours);
    m_model->beginReload();
    m_model->endReload();
    if (database.isOpen() && settings.isRead()) {
        applyColours();
        start();
    }
}

NotesTab::~NotesTab() = default;

QWidget* NotesTab::buildList()
{
    auto* side = new QWidget(m_splitter);
    side->setObjectName(QStringLiteral("Panel_ListaNote"));
    m_grid = new QTableView(side);
    m_grid->setObjectName(QStringLiteral("DBGrid_Note"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->setWordWrap(false);
    // The one column always fills the list's width.
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    m_commands = buildCommands(side);
    layout->addWidget(m_commands);
    layout->addWidget(buildSearch(side));
    layout->addWidget(m_grid, 1);

    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &NotesTab::currentMoved);
    connect(m_grid, &QTableView::clicked, this, [this] {
        confirmPendingNoteSave();
        loadCurrentNote();
    });
    connect(m_grid, &QTableView::doubleClicked, this, [this] {
        if (m_modify->isEnabled())
            modifyNote();
    });
    return side;
}

QWidget* NotesTab::buildCommands(QWidget* parent)
{
    auto* bar = new QWidget(parent);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    m_new = commandButton(bar, "SpeedButton_NuovaNota", "Insert", "Insert");
    m_delete = commandButton(bar, "SpeedButtonDelnote", "Delete ", "Delete");
    m_modify = commandButton(bar, "SpeedButtonmodNote", "Modify ", "Modify");
    m_duplicate = commandButton(bar, "SpeedButtonDupliNote", "Duplica nota", "Duplicate");
    m_order = commandButton(bar, "SpeedButtonOrderNote", "Order", "Order");
    for (QToolButton* b : {m_new, m_delete, m_modify, m_duplicate, m_order})
        row->addWidget(b);
    row->addStretch(1);
    m_counter = new QLabel(bar);
    m_counter->setObjectName(QStringLiteral("Panel_totnote"));
    row->addWidget(m_counter);
    buildOrderMenu();

    connect(m_new, &QToolButton::clicked, this, &NotesTab::newNote);
    connect(m_modify, &QToolButton::clicked, this, &NotesTab::modifyNote);
    connect(m_delete, &QToolButton::clicked, this, &NotesTab::deleteNote);
    connect(m_duplicate, &QToolButton::clicked, this, &NotesTab::duplicateNote);
    connect(m_order, &QToolButton::clicked, this, [this] {
        confirmPendingNoteSave();
        m_orderMenu->popup(m_order->mapToGlobal(QPoint(0, m_order->height())));
    });
    return bar;
}

QWidget* NotesTab::buildSearch(QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);

    auto* search = new QHBoxLayout;
    m_clear = commandButton(box, "SpeedButtonClearRicercaNote", "Clear ", "Clear");
    m_find = new QLineEdit(box);
    m_find->setObjectName(QStringLiteral("Edit_Filtrafile"));
    m_find->setToolTip(QStringLiteral("Text for filtering"));
    m_findKind = new QComboBox(box);
    m_findKind->setObjectName(QStringLiteral("ComboBox_KindFindNote"));
    m_findKind->addItems(searchFieldItems());
    search->addWidget(m_clear);
    search->addWidget(m_find, 1);
    search->addWidget(m_findKind);
    rows->addLayout(search);

    m_groupWidgets = shared::ui::GroupFilter::buildWidgets(u'N', box);
    auto* group = new QHBoxLayout;
    group->addWidget(new QLabel(QStringLiteral("Group"), box));
    group->addWidget(m_groupWidgets.combo, 1);
    m_groupWidgets.insert->setToolTip(QStringLiteral("Insert group"));
    m_groupWidgets.remove->setToolTip(QStringLiteral("Delete group"));
    m_groupWidgets.clear->setToolTip(QStringLiteral("Clear"));
    for (auto [button, caption] : {std::pair{m_groupWidgets.insert, "+"},
                                   std::pair{m_groupWidgets.remove, "-"},
                                   std::pair{m_groupWidgets.clear, "x"}}) {
        button->setText(QLatin1String(caption));
        group->addWidget(button);
    }
    rows->addLayout(group);
    // Until the archive is open the group controls have nothing to work on.
    m_groupWidgets.combo->setEnabled(false);
    for (QAbstractButton* b : {m_groupWidgets.insert, m_groupWidgets.remove, m_groupWidgets.clear})
        b->setEnabled(false);

    m_clear->setEnabled(false);
    connect(m_find, &QLineEdit::textEdited, this, [this] {
        confirmPendingNoteSave();
        m_clear->setEnabled(!m_find->text().isEmpty());
        refreshNoteList();
    });
    connect(m_clear, &QToolButton::clicked, this, [this] {
        confirmPendingNoteSave();
        {
            const QSignalBlocker quiet(m_find);
            m_find->clear();
        }
        m_clear->setEnabled(false);
        refreshNoteList();
    });
    connect(m_findKind, &QComboBox::currentIndexChanged, this, &NotesTab::searchFieldChosen);
    return box;
}

void NotesTab::buildOrderMenu()
{
    m_orderMenu = new QMenu(this);
    m_orderMenu->setObjectName(QStringLiteral("PopupMenu_OrderNote"));
    m_orderMenu->addAction(QStringLiteral("Alphabetical ASC"), this,
                           [this] { setOrder(OrderByTitle, false); });
    m_orderMenu->addAction(QStringLiteral("Alphabetical DESC"), this,
                           [this] { setOrder(OrderByTitle, true); });
    m_orderMenu->addSeparator();
    m_orderMenu->addAction(QStringLiteral("Creation ASC"), this,
                           [this] { setOrder(OrderByCreation, false); });
    m_orderMenu->addAction(QStringLiteral("Creation DESC"), this,
                           [this] { setOrder(OrderByCreation, true); });
}

void NotesTab::start()
{
    if (m_groups)
        return;
    m_groups = std::make_unique<shared::ui::GroupFilter>(u'N', m_groupWidgets, m_db, m_settings,
                                                         m_services.prompter);
    m_groupWidgets.combo->setEnabled(true);
    m_groupWidgets.insert->setEnabled(true);
    m_groups->setBeforeAction([this] { confirmPendingNoteSave(); });
    connect(m_groups.get(), &shared::ui::GroupFilter::filterChanged, this,
            &NotesTab::refreshNoteList);
    // Opens the section filtered by the group chosen last, which runs the
    // list statement.
    m_groups->restore();
}

void NotesTab::applyColours()
{
    const unsigned colour =
        themes::parseColourText(m_settings.sectionColour(store::Settings::Section::Notes))
            .value_or(0xFFFFE0);
    shared::ui::setSectionBackground(*this, QColor::fromRgb(QRgb(0xFF000000u | colour)));
}

NoteFilter NotesTab::filter() const
{
    NoteFilter f;
    f.text = m_find->text();
    f.field = SearchField(std::max(0, m_findKind->currentIndex()));
    f.group = m_groups ? m_groups->text() : QString();
    f.orderColumn = m_orderColumn;
    f.descending = m_descending;
    return f;
}

void NotesTab::setOrder(const char* column, bool descending)
{
    m_orderColumn = QLatin1String(column);
    m_descending = descending;
    refreshNoteList();
}

void NotesTab::searchFieldChosen()
{
    if (hasPendingChanges()) {
        // Searching reloads the editor: this is the last moment to keep the edit.
        if (m_services.prompter.ask(
                QStringLiteral("If you search before saving the changes will be lost. Save "
                               "changes to \"") +
                editedTitle() + QStringLiteral("\"?")))
            updateNote();
        else
            m_editor->discardPendingChanges();
    }
    refreshNoteList();
    m_find->setFocus();
}

// ---- The list and the current note ------------------------------------------------

int NotesTab::selectedRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void NotesTab::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row, 0);
    m_grid->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_grid->scrollTo(index);
}

void NotesTab::refreshNoteList()
{
    const int remembered = selectedRow();
    const bool wasReloading = m_reloading;
    m_reloading = true;
    m_model->beginReload();
    openNoteList(*m_list, filter());
    m_model->endReload();
    const int rows = m_model->rowCount();
    if (const auto count = shared::updateSectionCounter(*m_general, u'N', rows)) {
        m_counter->setText(count->panelCaption);
        emit sectionCounted(count->labelName, count->labelText);
    }
    const bool any = rows > 0;
    for (QToolButton* b : {m_delete, m_modify, m_duplicate, m_order})
        b->setEnabled(any);
    m_editor->setToolsEnabled(any);
    if (any)
        selectRow(std::clamp(remembered, 0, rows - 1));
    m_reloading = wasReloading;
    loadCurrentNote();
}

void NotesTab::currentMoved()
{
    if (m_reloading)
        return;
    // However the row moved (a click, a key, the scroll bar), the edit of the
    // note left behind is settled before the editor shows the new one.
    confirmPendingNoteSave();
    loadCurrentNote();
}

void NotesTab::loadCurrentNote()
{
    const int row = selectedRow();
    if (row < 0) {
        m_editor->clearNote();
        return;
    }
    m_editor->loadNote(m_model->codnot(row), m_model->title(row), m_model->text(row));
}

bool NotesTab::hasPendingChanges() const
{
    return m_editor->hasPendingChanges();
}

QString NotesTab::editedTitle() const
{
    return m_editor->editedNote().title;
}

void NotesTab::confirmPendingNoteSave()
{
    if (!hasPendingChanges())
        return;
    if (m_services.prompter.ask(QStringLiteral("Not so fast! Update the file \"") + editedTitle() +
                                QStringLiteral("\"?")))
        updateNote();
    else
        m_editor->discardPendingChanges();
}

void NotesTab::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_commands->setVisible(!readOnly);
    m_editor->setReadOnly(readOnly);
    if (m_groups)
        m_groups->setReadOnly(readOnly);
}

void NotesTab::updateNote()
{
    if (m_readOnly)
        return;
    const NoteEditor::EditedNote edited = m_editor->editedNote();
    if (edited.codnot <= 0)
        return;
    const int cursor = m_editor->editor()->textCursor().position();
    notes::updateNoteText(*m_general, edited.codnot, edited.text);
    refreshNoteList();
    emit sectionChangeRequested();
    m_editor->discardPendingChanges();
    const int row = selectedRow();
    if (isVisible() && row >= 0 && m_model->codnot(row) == edited.codnot) {
        QPlainTextEdit* editor = m_editor->editor();
        QTextCursor back = editor->textCursor();
        back.setPosition(std::min(cursor, editor->document()->characterCount() - 1));
        editor->setTextCursor(back);
        editor->ensureCursorVisible();
        editor->setFocus();
    }
}

void NotesTab::hideList(bool hidden)
{
    const int total = m_splitter->width();
    if (hidden) {
        const int width = m_splitter->sizes().value(0);
        if (width > 0)
            m_listWidth = width;
        m_listSide->setMinimumWidth(0);
        m_splitter->setChildrenCollapsible(true);
        m_splitter->setSizes({0, total});
    } else {
        m_splitter->setSizes({m_listWidth, std::max(0, total - m_listWidth)});
        m_splitter->setChildrenCollapsible(false);
    }
}

bool NotesTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid && event->type() == QEvent::FocusIn) {
        // The user entering the list is about to leave the note; focus that
        // the window moves by itself (a tab shown, a window activated) is not.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
            reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
            confirmPendingNoteSave();
    } else if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonRelease) {
        m_editor->listSelectionReleased();
    }
    return QWidget::eventFilter(watched, event);
}

void NotesTab::setPrinter(platform::Printer* printer)
{
    m_printer = printer;
    m_editor->setPrinter(printer);
}

} // namespace notes::ui
