#pragma once

#include "notes/notelist.h"
#include "shared/ui/groupfilter.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRandomGenerator;
class QSplitter;
class QTableView;
class QToolButton;

namespace platform {
class Printer;
}
namespace shared {
struct AppState;
struct Services;
} // namespace shared
namespace store {
class Database;
class Query;
class Settings;
} // namespace store

namespace notes::ui {

class NoteEditor;
class NoteListModel;

// The Notes tab: the list of titles with its search, group filter and
// commands on the left, the editor of the current note on the right.
//
// The editor's text belongs to its note until it is saved: whatever moves
// away from the note (a click or a key in the list, the search, the order,
// the group controls, a new note, "Refresh all", the exit, a change of
// archive) first settles pending changes with confirmPendingNoteSave().
class NotesTab final : public QWidget
{
    Q_OBJECT
public:
    NotesTab(store::Database& database, store::Settings& settings, shared::Services& services,
             shared::AppState& state, QWidget* parent = nullptr);
    ~NotesTab() override;

    // Once the archive is open and the settings read: the group list, the
    // remembered group and the list.
    void start();

    // Asks whether pending changes of the editor are to be saved; "Yes"
    // saves them, "No" lets them go when the editor is next loaded.
    void confirmPendingNoteSave();
    bool hasPendingChanges() const;
    QString editedTitle() const;
    // "Update file": saves the editor's text into its note.
    void updateNote();
    // Runs the list statement again, keeping the row number (the last row
    // when the list got shorter), and loads the current note.
    void refreshNoteList();

    int selectedRow() const;
    void selectRow(int row);
    NoteEditor* editor() const { return m_editor; }
    shared::ui::GroupFilter* groups() const { return m_groups.get(); }
    const store::Query& list() const { return *m_list; }
    // The generator of the delete question's endings. Not owned.
    void setSuffixGenerator(QRandomGenerator* generator) { m_generator = generator; }
    // Read-only access: the commands, the group buttons and the editor's
    // changing tools go; every change is refused.
    void setReadOnly(bool readOnly);
    // Prints the Modify dialog's image. Not owned; none disables its "Print".
    // Prints the note dialogs' pictures and the editor's text.
    void setPrinter(platform::Printer* printer);

public slots:
    void newNote();
    void modifyNote();
    void deleteNote();
    void duplicateNote();
    void importNote();

signals:
    // The counter's label on the daily view's "Entries" page.
    void sectionCounted(const QString& labelName, const QString& labelText);
    // After a save: the window runs its section change handler.
    void sectionChangeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildList();
    QWidget* buildCommands(QWidget* parent);
    QWidget* buildSearch(QWidget* parent);
    void buildOrderMenu();
    void currentMoved();
    void loadCurrentNote();
    void setOrder(const char* column, bool descending);
    NoteFilter filter() const;
    void hideList(bool hidden);
    void applyColours();
    void searchFieldChosen();
    void openDialog(bool isNew, bool enlarged);

    store::Database& m_db;
    store::Settings& m_settings;
    shared::Services& m_services;
    shared::AppState& m_state;
    std::unique_ptr<store::Query> m_list;
    std::unique_ptr<store::Query> m_general;
    shared::ui::GroupFilter::Widgets m_groupWidgets;
    std::unique_ptr<shared::ui::GroupFilter> m_groups;
    NoteListModel* m_model = nullptr;
    QRandomGenerator* m_generator = nullptr;
    platform::Printer* m_printer = nullptr;
    QString m_orderColumn = QLatin1String(OrderByTitle);
    bool m_descending = false;
    bool m_reloading = false;
    bool m_readOnly = false;
    int m_listWidth = 0;

    QWidget* m_commands = nullptr;
    QSplitter* m_splitter = nullptr;
    QWidget* m_listSide = nullptr;
    NoteEditor* m_editor = nullptr;
    QTableView* m_grid = nullptr;
    QLabel* m_counter = nullptr;
    QLineEdit* m_find = nullptr;
    QComboBox* m_findKind = nullptr;
    QComboBox* m_groupCombo = nullptr;
    QToolButton* m_clear = nullptr;
    QToolButton* m_new = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_modify = nullptr;
    QToolButton* m_duplicate = nullptr;
    QToolButton* m_order = nullptr;
    QMenu* m_orderMenu = nullptr;
};

} // namespace notes::ui
