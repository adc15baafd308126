#pragma once

#include "calendar/dailylook.h"
#include "calendar/tasktexts.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <functional>

namespace shared {
struct AppState;
struct Services;
} // namespace shared
namespace calendar {
class TaskDialogState;
}
namespace platform {
class Printer;
}
namespace store {
class Database;
class Settings;
} // namespace store

namespace calendar::ui {

// The contact whose birthday is being created, as its own dialog shows it now
// (its name and e-mail may not be saved yet).
struct LinkedContactFields
{
    QString name;
    QString email;
};

// What every task dialog needs from the rest of the program. The main window
// fills it once and keeps it; the functions are asked each time a dialog
// needs the answer.
struct TaskDialogDeps
{
    TaskDialogDeps(store::Database& database, store::Settings& settings, shared::Services& services,
                   shared::AppState& state, calendar::TaskDialogState& dialogState,
                   platform::Printer& printer)
        : database(database), settings(settings), services(services), state(state),
          dialogState(dialogState), printer(printer)
    {
    }

    store::Database& database;
    store::Settings& settings;
    shared::Services& services;
    shared::AppState& state; // program folder; current section colour
    calendar::TaskDialogState& dialogState;
    platform::Printer& printer;
    QLocale locale = calendar::taskLocale();
    // The day the daily view shows: new tasks start on it, and a task's
    // never-done date counts back from it.
    std::function<QDate()> shownDate;
    // While the Contacts tab is the active page, its selected contact's name;
    // else empty. New tasks then start with that name.
    std::function<QString()> activeContactName;
    // Asked when a yearly task is created while a contact's code is linked.
    std::function<LinkedContactFields()> linkedContactFields;
    // True in read-only mode: no dialog opens.
    std::function<bool()> readOnly;
    // The theme's colours: title text, the one-shot options' and "Suspend"'s
    // text, and the grid style ("coloratissime" also colours the option boxes).
    calendar::GridTheme theme;
};

} // namespace calendar::ui
