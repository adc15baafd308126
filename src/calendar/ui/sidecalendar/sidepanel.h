#pragma once

#include "calendar/calendarmarking.h"
#include "calendar/dailylook.h"
#include "store/query.h"

#include <QChar>
#include <QDate>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QTimer;

namespace shared {
struct SectionCount;
struct Services;
} // namespace shared
namespace store {
class Database;
class Settings;
} // namespace store

namespace calendar::ui {

class TCalendarLighted;

// The left panel of the Today tab: month and day buttons, the marked month
// calendar, and two small pages, "Entries" (how many entries each section
// holds; a click opens a new one) and "Calendar" (what the marking shows).
//
// The panel marks the month by itself, a few days per turn of the event
// loop, whenever refresh() is called or the shown month changes. The window
// calls setDate() and refresh() after every refresh of the daily view and
// after any change of tasks.
class SidePanel final : public QWidget
{
    Q_OBJECT
public:
    SidePanel(store::Database& database, store::Settings& settings, shared::Services& services,
              QWidget* parent = nullptr);
    ~SidePanel() override;

    TCalendarLighted& calendar() const { return *m_calendar; }
    QDate date() const;
    MarkingChoice choice() const;
    bool showSuspended() const;
    // A marking is under way.
    bool isMarking() const;

    // The theme's drawing choices for the kind strip.
    void setGridTheme(const GridTheme& theme);
    // Read-only archive: no new tasks from the calendar, no context menu.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    // Puts another section's box at the bottom of the panel.
    void addInformationBox(QWidget* box);
    // Writes a section's total on the "Entries" page, as updateSectionCounter
    // reports it after every reload of a list (any section letter).
    void showSectionCount(const shared::SectionCount& count);

public slots:
    void setDate(const QDate& day);
    // Marks the shown month again with the current choices.
    void refresh();
    // Follows the daily view's "Show suspended" without echoing it back.
    void setShowSuspended(bool show);

signals:
    // The user moved to a day: the daily view is to show it.
    void dayChosen(const QDate& day);
    // A double click on a day asks for a new one-shot task on it.
    void newOneShotRequested(const QDate& day);
    // The calendar's menu: a new task of kind "O", "Y", "M" or "W".
    void newTaskRequested(QChar kind, const QDate& day);
    // A click on an "Entries" label: "O", "Y", "M", "W", "L" (to-do), "N"
    // (note) and "C" (contact) ask for a new entry, "D" for the repository.
    void entryClicked(QChar section);
    // The user ticked or cleared "Show suspended".
    void showSuspendedChanged(bool show);
    // The month's marks are on the calendar.
    void marked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildNavigation();
    QWidget* buildEntries();
    QWidget* buildChoices();
    void buildMenu();
    void chooseDay(const QDate& day);
    void followMonth(const QDate& day);
    void showMonthName(const QDate& day);
    void markSomeDays();

    store::Database& m_database;
    store::Settings& m_settings;
    shared::Services& m_services;
    store::Query m_query;
    MonthMarker m_marker;
    GridTheme m_theme;
    bool m_readOnly = false;

    TCalendarLighted* m_calendar = nullptr;
    QLabel* m_month = nullptr;
    QComboBox* m_highlight = nullptr;
    QComboBox* m_exclude = nullptr;
    QCheckBox* m_suspended = nullptr;
    QMenu* m_menu = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace calendar::ui
