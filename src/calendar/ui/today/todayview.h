#pragma once

#include "calendar/dailylook.h"
#include "shared/ui/gridpage.h"

#include <QChar>
#include <QDate>
#include <QWidget>
#include <memory>

class QAction;
class QCheckBox;
class QDateEdit;
class QLabel;
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
class DailyModel;
class DailyView;
struct DailyTask;
} // namespace calendar

namespace calendar::ui {

class TodayDelegate;

// The content of the Today tab: the tasks of one day, of all four kinds, in
// a grid with the selected task's note below, the day navigation and the
// commands on the selected task. Opening dialogs, section lists and contacts
// belongs to other pieces: those requests leave as signals, and the window
// calls refreshDailyView() after any change it makes.
class TodayView final : public shared::ui::GridPage
{
    Q_OBJECT
public:
    TodayView(store::Database& database, store::Settings& settings, shared::Services& services,
              shared::AppState& state, QWidget* parent = nullptr);
    ~TodayView() override;

    QDate shownDate() const { return m_shown; }
    bool showSuspended() const;
    DailyView& dailyView() { return *m_view; }
    const DailyModel& model() const { return *m_model; }
    TodayDelegate& delegate() const { return *m_delegate; }

    void selectRow(int row) override;
    // Selects the row of task `codimp`, or the last row when it is not listed.
    void selectTask(qint64 codimp);

    // The theme's drawing choices; the built-in theme's until one is loaded.
    void setGridTheme(const GridTheme& theme);
    GridTheme gridTheme() const;
    // The generator of the delete question's endings; the program's own,
    // seeded once, unless another is handed in. Not owned.
    void setSuffixGenerator(QRandomGenerator* generator) { m_generator = generator; }
    // Read-only access: the commands go; nothing is inserted, modified,
    // ticked or deleted.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }
    // A section list was reopened; an insert then reloads the daily list.
    void markSectionListReloaded() { m_sectionListReloaded = true; }

    // Where the side calendar goes; hidden until shown.
    QWidget* leftPanel() const { return m_leftPanel; }
    // Places another section's widget in the day's navigation, after the date.
    void addToNavigation(QWidget* widget);
    void setLeftPanelShown(bool shown);

    // For a section list's "Attach": shows the task's day (suspended tasks
    // included when it is one), selects the task and opens the attachment
    // menu at `globalPos`.
    void showTaskAttachment(const QDate& day, qint64 codimp, bool suspended,
                            const QPoint& globalPos);

public slots:
    // Runs the day's selection again, keeping the selected row number (the
    // last row when the list got shorter).
    void refreshDailyView();
    void setShownDate(const QDate& day);
    void showToday();
    void previousDay();
    void nextDay();
    void setShowSuspended(bool show);
    // "Check": marks the selected task done for the shown day, or opens it
    // again when it is already marked for that day or a later one.
    void toggleDone();
    void modifySelected() override;
    void deleteSelected();
    void followSelected();

signals:
    void insertRequested(QChar kind);
    void modifyRequested(qint64 codimp, QChar kind);
    // Modify with the dialog's enlarged note area already open.
    void modifyNoteRequested(qint64 codimp, QChar kind);
    void originRequested(QChar kind, qint64 codimp);
    // A task of this kind was ticked or deleted: its section list (and for
    // "Y" the contact list) is to be reloaded.
    void sectionListReloadRequested(QChar kind);
    // After a delete while the time alarm is on.
    void alarmListRefreshRequested();
    // "Find": the linked contact, company or group of the selected task.
    void findContactRequested(const QString& searchKey);
    void printRequested(bool preview);
    void exportRequested();
    // After every refresh: the side calendar, the moon box and the advance
    // warning indicator follow the shown day.
    void dailyViewRefreshed(const QDate& shown);
    void showSuspendedChanged(bool show);
    void leftPanelToggled(bool shown);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildCommands();
    QWidget* buildNavigation();
    void buildMenus();
    void connectGrid();
    void applySettings();
    void applyColours();
    void updateForSelection() override;
    void openAttachmentMenu(const QPoint& globalPos);
    void prepareAttachmentMenu();
    void insertKind(QChar kind);
    void modifyNote() override;
    bool rowHasNote(int row) const override;
    DailyTask selectedTask() const;

    store::Settings& m_settings;
    shared::Services& m_services;
    shared::AppState& m_state;
    std::unique_ptr<DailyView> m_view;
    DailyModel* m_model = nullptr;
    TodayDelegate* m_delegate = nullptr;
    QRandomGenerator* m_generator = nullptr;
    QDate m_shown;
    bool m_readOnly = false;
    QWidget* m_commands = nullptr;
    bool m_sectionListReloaded = false;
    bool m_dayShown = false;

    QWidget* m_leftPanel = nullptr;
    QTableView* m_grid = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    QLabel* m_count = nullptr;
    QDateEdit* m_picker = nullptr;
    QCheckBox* m_suspended = nullptr;
    QToolButton* m_insert = nullptr;
    QToolButton* m_check = nullptr;
    QToolButton* m_origin = nullptr;
    QToolButton* m_modify = nullptr;
    QToolButton* m_delete = nullptr;
    QToolButton* m_today = nullptr;
    QToolButton* m_attach = nullptr;
    QToolButton* m_print = nullptr;
    QToolButton* m_export = nullptr;
    QToolButton* m_help = nullptr;
    QMenu* m_insertMenu = nullptr;
    QMenu* m_attachMenu = nullptr;
    QAction* m_attachItem = nullptr;
    QAction* m_findItem = nullptr;
};

} // namespace calendar::ui
