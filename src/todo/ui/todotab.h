#pragma once

#include "calendar/dailylook.h"
#include "shared/ui/gridpage.h"
#include "todo/todolist.h"

#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QRandomGenerator;
class QTableView;
class QToolButton;

namespace platform {
class Printer;
}
namespace shared {
struct AppState;
struct Services;
namespace ui {
class GroupFilter;
}
} // namespace shared
namespace store {
class Database;
class Query;
class Settings;
} // namespace store

namespace todo {
class ToDoModel;
struct ToDoEntry;
} // namespace todo

namespace todo::ui {

class ToDoDelegate;

// The To Do tab: the to-do entries in a grid filtered by a search text, a
// search field, a state and a group, in the order chosen from the Order
// menu, with the selected entry's note and completion gauge, and the
// commands on it (New, Modify, Delete, Clone, Check, Attach, Export).
// Opening a linked contact belongs to the Contacts tab: it leaves as a
// signal, and its menu entry is offered only while someone listens.
class ToDoTab final : public shared::ui::GridPage
{
    Q_OBJECT
public:
    ToDoTab(store::Database& database, store::Settings& settings, shared::Services& services,
            shared::AppState& state, QWidget* parent = nullptr);
    ~ToDoTab() override;

    const ToDoModel& model() const { return *m_model; }
    ToDoFilter filter() const;
    // Null until start(): it reads the group list from the archive.
    shared::ui::GroupFilter* groupFilter() const { return m_groups; }

    void selectRow(int row) override;
    void setGridTheme(const calendar::GridTheme& theme);
    // The generator of the delete question's endings; the program's own
    // unless another is handed in. Not owned.
    void setSuffixGenerator(QRandomGenerator* generator) { m_generator = generator; }
    // Read-only archive: nothing is inserted, modified, checked, cloned or deleted.
    void setReadOnly(bool readOnly);
    // For the Modify dialog's "Print"; not owned.
    void setPrinter(platform::Printer* printer) { m_printer = printer; }

public slots:
    // Once the archive is open: the remembered group (the first time), the
    // group list and the list.
    void start();
    // RefreshToDoList: runs the list statement again with the search,
    // filters and order as they stand, keeps the selected row number (the
    // last row when the list got shorter) and updates the counter.
    void refreshToDoList();
    void insertEntry();
    void modifySelected() override;
    void deleteSelected();
    void cloneSelected();
    void checkSelected();
    void chooseOrder(Order order);
    void clearSearch();
    // "Export": the list as it stands to a comma-separated file.
    void exportList();

signals:
    // The print menu's "Preview" or "Print" of the list as it shows.
    void printRequested(bool preview);
    // A counter's label on the daily view's "Entries" page.
    void sectionCounted(const QString& labelName, const QString& labelText);
    // The attachment menu's link entry: look the text up in the Contacts tab.
    void linkedContactRequested(const QString& link);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildCommands();
    QWidget* buildSearch();
    QWidget* buildHeader();
    void buildMenus();
    void applySettings();
    void applyColours();
    void updateForSelection() override;
    void modifyNote() override;
    bool rowHasNote(int row) const override;
    void openModify(bool enlargedNote);
    void openAttachmentMenu();
    void fitColumns();
    bool canChange() const;
    QString groupText() const;

    store::Database& m_db;
    store::Settings& m_settings;
    shared::Services& m_services;
    shared::AppState& m_state;
    std::unique_ptr<store::Query> m_writes;
    std::unique_ptr<store::Query> m_general;
    ToDoModel* m_model = nullptr;
    ToDoDelegate* m_delegate = nullptr;
    shared::ui::GroupFilter* m_groups = nullptr;
    QWidget* m_groupWidgets[4] = {};
    QRandomGenerator* m_generator = nullptr;
    platform::Printer* m_printer = nullptr;
    Order m_order = InitialOrder;
    bool m_readOnly = false;
    QWidget* m_commands = nullptr;
    bool m_started = false;

    QWidget* m_frame = nullptr;
    QTableView* m_grid = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QLabel* m_counter = nullptr;
    QLineEdit* m_find = nullptr;
    QComboBox* m_findKind = nullptr;
    QComboBox* m_stateFilter = nullptr;
    QProgressBar* m_gauge = nullptr;
    QToolButton* m_insert = nullptr;
    QToolButton* m_modify = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_clone = nullptr;
    QToolButton* m_print = nullptr;
    QToolButton* m_check = nullptr;
    QToolButton* m_export = nullptr;
    QToolButton* m_orderButton = nullptr;
    QToolButton* m_help = nullptr;
    QToolButton* m_clear = nullptr;
    QToolButton* m_attach = nullptr;
    QMenu* m_orderMenu = nullptr;
    QMenu* m_attachMenu = nullptr;
    QAction* m_attachItem = nullptr;
    QAction* m_linkItem = nullptr;
};

} // namespace todo::ui
