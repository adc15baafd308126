#pragma once

#include "kinddialogs.h"

#include <functional>
#include <memory>

namespace calendar::ui {

// The eight task dialogs by the names the rest of the program knows them by:
// Agg for New, Mod for Modify. A Modify dialog is given the stored task.
class TAggShotForm final : public OneShotTaskDialog
{
    Q_OBJECT
public:
    TAggShotForm(TaskDialogDeps& deps, QWidget* parent = nullptr);
};
class TModShotForm final : public OneShotTaskDialog
{
    Q_OBJECT
public:
    TModShotForm(TaskDialogDeps& deps, const StoredTask& task, bool enlargedNote = false,
                 QWidget* parent = nullptr);
};
class TAggWeekForm final : public PeriodicTaskDialog
{
    Q_OBJECT
public:
    TAggWeekForm(TaskDialogDeps& deps, QWidget* parent = nullptr);
};
class TModWeekForm final : public PeriodicTaskDialog
{
    Q_OBJECT
public:
    TModWeekForm(TaskDialogDeps& deps, const StoredTask& task, bool enlargedNote = false,
                 QWidget* parent = nullptr);
};
class TAggMeseForm final : public PeriodicTaskDialog
{
    Q_OBJECT
public:
    TAggMeseForm(TaskDialogDeps& deps, QWidget* parent = nullptr);
};
class TModMeseForm final : public PeriodicTaskDialog
{
    Q_OBJECT
public:
    TModMeseForm(TaskDialogDeps& deps, const StoredTask& task, bool enlargedNote = false,
                 QWidget* parent = nullptr);
};
class TAggYearForm final : public YearlyTaskDialog
{
    Q_OBJECT
public:
    TAggYearForm(TaskDialogDeps& deps, QWidget* parent = nullptr);
};
class TModYearForm final : public YearlyTaskDialog
{
    Q_OBJECT
public:
    TModYearForm(TaskDialogDeps& deps, const StoredTask& task, bool enlargedNote = false,
                 QWidget* parent = nullptr);
};

// Makes the New dialog of a kind ("O", "W", "M", "Y").
std::unique_ptr<TaskDialog> makeNewTaskDialog(const QString& kind, TaskDialogDeps& deps,
                                              QWidget* parent = nullptr);
// Makes the Modify dialog of a stored task of any kind; nothing when the task
// is no longer there.
std::unique_ptr<TaskDialog> makeModifyTaskDialog(qint64 codimp, TaskDialogDeps& deps,
                                                 bool enlargedNote = false,
                                                 QWidget* parent = nullptr);

// What the section tabs, the daily view and the menus call. The dialog takes
// the kind's section colour as the current one and runs modally; `saved` is
// called after each task written (a New dialog may write several), so the
// lists can be reloaded at once. True when anything was written. In read-only
// mode nothing opens.
using TaskSavedHandler = std::function<void(const QString& kind, qint64 codimp)>;
bool openNewTaskDialog(const QString& kind, TaskDialogDeps& deps, QWidget* parent,
                       const TaskSavedHandler& saved = {});
bool openModifyTaskDialog(qint64 codimp, TaskDialogDeps& deps, QWidget* parent,
                          const TaskSavedHandler& saved = {}, bool enlargedNote = false);

} // namespace calendar::ui
