#pragma once

#include "calendar/dailylook.h"
#include "contactcard.h"
#include "contacts/contactlist.h"
#include "shared/ui/gridpage.h"
#include "shared/ui/groupfilter.h"

#include <QTimer>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QRandomGenerator;
class QTableView;
class QToolButton;

namespace shared {
struct AppState;
struct Services;
} // namespace shared
namespace store {
class Database;
class Settings;
} // namespace store

namespace contacts::ui {

class ContactsDelegate;
class ContactsModel;

// The Contacts tab: the contact list with its search bar, group filter,
// order and commands, and the card of the current contact beside it. The
// contact dialogs, the task dialogs and the Yearly list belong to other
// pieces: what they must do leaves as signals, and the window calls
// refreshList() after any change it makes.
class ContactsPage final : public shared::ui::GridPage
{
    Q_OBJECT
public:
    ContactsPage(store::Database& database, store::Settings& settings, shared::Services& services,
                 shared::AppState& state, QWidget* parent = nullptr);
    ~ContactsPage() override;

    ContactList& list() { return *m_list; }
    void selectRow(int row) override;
    void selectContact(qint64 codcon);
    // The selected contact; a zero code with an empty list.
    ListedContact selectedContact() const;

    // The Today tab's "Find" for a task's search key: the contacts whose name
    // or company holds it, else those of a group that holds it. Returns the
    // number of contacts listed.
    int findForTask(const QString& key);

    void setGridTheme(const calendar::GridTheme& theme);
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }
    void setSuffixGenerator(QRandomGenerator* generator) { m_generator = generator; }
    ContactCard* card() const { return m_card; }
    shared::ui::GroupFilter* groupFilter() const { return m_groupFilter; }
    bool cardShown() const;
    // Draws the card at once instead of when its short timer runs out.
    void drawCardNow();
    // Draws the card again once the selection has settled.
    void redrawCard() { m_drawTimer.start(); }

public slots:
    // Runs the list's statement again with the search, group and order as
    // they stand, keeping the selected row number (the last row when the list
    // got shorter), and updates the counter.
    void refreshList();
    void deleteSelected();
    void cloneSelected();
    // After a contact dialog saved `codcon`: the groups and the list are read
    // again; a contact the list did not hold yet becomes the selected one.
    void contactSaved(qint64 codcon);
    void clearSearch();
    void setCardShown(bool shown);

signals:
    void insertRequested();
    // The print menu's "Preview" or "Print" of the list as it shows.
    void printRequested(bool preview);
    void modifyRequested(qint64 codcon, bool enlargedNote);
    // A new task of `kind` for the selected contact.
    void newTaskRequested(QChar kind);
    // Yearly tasks were deleted with their contact.
    void yearlyChanged();
    // The counter's label on the daily view's "Entries" page.
    void sectionCounted(const QString& labelName, const QString& labelText);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildCommands();
    QWidget* buildSearch();
    QWidget* buildGroupBar();
    void buildMenus();
    void startGroups();
    void applySettings();
    void applyColours();
    void readFilter();
    void searchTyped();
    void setOrder(const QString& column, bool descending);
    void updateForSelection() override;
    void drawCard();
    void modifySelected() override;
    void modifyNote() override;
    bool rowHasNote(int row) const override;
    void openMail();
    void openWeb();
    void openMap();
    void openWebSearch();
    void popupValues(QToolButton* button, const QStringList& values, bool mail);
    void showAttachMenu();
    void openTarget(const QString& target);
    // Column layout of the list.
    void loadColumnLayout();
    void saveColumnLayout();
    void restoreDefaultLayout();
    void updateNarrow();
    QString layoutPath(bool designed) const;

    store::Settings& m_settings;
    shared::Services& m_services;
    shared::AppState& m_state;
    store::Database& m_database;
    std::unique_ptr<ContactList> m_list;
    ContactsModel* m_model = nullptr;
    ContactsDelegate* m_delegate = nullptr;
    QRandomGenerator* m_generator = nullptr;
    bool m_readOnly = false;
    bool m_started = false;
    bool m_narrow = false;
    QTimer m_drawTimer; // TimerDrawContact

    QWidget* m_frame = nullptr;
    QWidget* m_commands = nullptr;
    QTableView* m_grid = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    ContactCard* m_card = nullptr;
    QLabel* m_counter = nullptr;
    QLineEdit* m_find = nullptr;
    QComboBox* m_findKind = nullptr;
    QCheckBox* m_autoFind = nullptr;
    QToolButton* m_clear = nullptr;
    QToolButton* m_isNull = nullptr;
    QComboBox* m_group = nullptr;
    shared::ui::GroupFilter* m_groupFilter = nullptr; // once the archive is open
    shared::ui::GroupFilter::Widgets m_groupWidgets;
    QToolButton* m_groupEmpty = nullptr;
    QToolButton* m_insert = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_modify = nullptr;
    QToolButton* m_mail = nullptr;
    QToolButton* m_clone = nullptr;
    QToolButton* m_dial = nullptr;
    QToolButton* m_web = nullptr;
    QToolButton* m_order = nullptr;
    QToolButton* m_export = nullptr;
    QToolButton* m_import = nullptr;
    QToolButton* m_map = nullptr;
    QToolButton* m_print = nullptr;
    QToolButton* m_help = nullptr;
    QToolButton* m_attach = nullptr;
    QToolButton* m_showCard = nullptr;
    QToolButton* m_layout = nullptr;
    QMenu* m_orderMenu = nullptr;
    QMenu* m_attachMenu = nullptr;
    QMenu* m_layoutMenu = nullptr;
};

} // namespace contacts::ui
