#pragma once

#include "calendar/dailylook.h"
#include "calendar/repository.h"
#include "shared/ui/gridpage.h"

#include <QChar>
#include <QDate>
#include <QWidget>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
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

namespace calendar {
class SectionModel;
class TaskSection;
struct SectionTask;
} // namespace calendar

namespace calendar::ui {

class SectionDelegate;

// The content of one task section tab, "O" One Shot, "Y" Yearly, "M"
// Monthly or "W" Weekly: every task of that kind in a grid, with the search,
// the kind's filters, the sort direction, the counters and the commands on
// the selected task. The dialogs, the daily view and the reports belong to
// other pieces: what they must do leaves as signals, and the window calls
// refreshList() after any change it makes.
class TaskListTab final : public shared::ui::GridPage
{
    Q_OBJECT
public:
    TaskListTab(store::Database& database, store::Settings& settings, shared::Services& services,
                shared::AppState& state, QChar kind, QWidget* parent = nullptr);
    ~TaskListTab() override;

    QChar kind() const { return m_kind; }
    TaskSection& section() { return *m_section; }
    const SectionModel& model() const { return *m_model; }

    void selectRow(int row) override;
    // Selects the row of task `codimp`, or the last row when it is not listed.
    void selectTask(qint64 codimp);
    // For the daily view's "Modify" and "Origin": searches the description,
    // drops the filters and clears the search as "Clear " does, so that every
    // task of the kind is listed, then selects `codimp`.
    void showTask(qint64 codimp);

    // One Shot: the period of the period filter while it is checked.
    std::optional<Period> periodFilter() const;

    void setGridTheme(const GridTheme& theme);
    GridTheme gridTheme() const;
    // The generator of the delete question's endings; the program's own
    // unless another is handed in. Not owned.
    void setSuffixGenerator(QRandomGenerator* generator) { m_generator = generator; }
    // Read-only access: the commands go; nothing is inserted, modified,
    // deleted or cloned.
    void setReadOnly(bool readOnly);

public slots:
    // Runs the list's statement again with the search and filters as they
    // stand, keeping the selected row number (the last row when the list got
    // shorter), and updates the counters.
    void refreshList();
    // Widens every column to its widest cell; at start-up, when the tab is
    // first shown, after an insert from a New dialog and when a theme is
    // applied.
    void fitGridColumns();
    void modifySelected() override;
    void deleteSelected();
    void cloneSelected();
    void toggleOrder();
    void clearSearch();

signals:
    void insertRequested(QChar kind);
    void modifyRequested(qint64 codimp, QChar kind);
    // Modify with the dialog's enlarged note area already open.
    void modifyNoteRequested(qint64 codimp, QChar kind);
    // A task was deleted or cloned: the daily view, the alarm list and the
    // side calendar follow; after the Yearly tab also the contact list.
    void tasksChanged();
    // Every reload: the daily view's section-list-reloaded flag.
    void listReloaded(QChar kind);
    // After a reload while the time alarm is on and start-up is complete.
    void alarmListRefreshRequested();
    // A counter's label on the daily view's "Entries" page.
    void sectionCounted(const QString& labelName, const QString& labelText);
    // "Attach": the daily view shows the task's day and opens its attachment
    // menu at `globalPos`; connect to TodayView::showTaskAttachment.
    void attachmentRequested(const QDate& day, qint64 codimp, bool suspended,
                             const QPoint& globalPos);
    // "Print" menu: the section's document, previewed or printed.
    void printRequested(QChar kind, bool preview);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildCommands();
    QWidget* buildSearch();
    QWidget* buildPeriod();
    QWidget* buildHeader();
    void applySettings();
    void applyColours();
    void readFilter();
    void searchTyped();
    void updateForSelection() override;
    void requestAttachment();
    void modifyNote() override;
    bool rowHasNote(int row) const override;
    SectionTask selectedTask() const;
    unsigned sectionColour() const;

    store::Settings& m_settings;
    shared::Services& m_services;
    shared::AppState& m_state;
    const QChar m_kind;
    std::unique_ptr<TaskSection> m_section;
    SectionModel* m_model = nullptr;
    SectionDelegate* m_delegate = nullptr;
    QRandomGenerator* m_generator = nullptr;
    bool m_readOnly = false;
    QWidget* m_commands = nullptr;
    bool m_shownOnce = false;

    QWidget* m_frame = nullptr;
    QTableView* m_grid = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QLabel* m_counter = nullptr;
    QLabel* m_datePanel = nullptr;
    QLabel* m_yearsPanel = nullptr;
    QLineEdit* m_find = nullptr;
    QComboBox* m_findKind = nullptr;
    QComboBox* m_filterCombo = nullptr; // month or weekday
    QCheckBox* m_autoFind = nullptr;
    QCheckBox* m_period = nullptr;
    QDateEdit* m_periodFrom = nullptr;
    QDateEdit* m_periodTo = nullptr;
    QLabel* m_periodFromLabel = nullptr;
    QLabel* m_periodToLabel = nullptr;
    QToolButton* m_insert = nullptr;
    QToolButton* m_modify = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_clone = nullptr;
    QToolButton* m_print = nullptr;
    QToolButton* m_order = nullptr;
    QToolButton* m_help = nullptr;
    QToolButton* m_clear = nullptr;
    QToolButton* m_attach = nullptr;
};

} // namespace calendar::ui
