#include "taskdialogs.h"

#include "shared/appstate.h"
#include "shared/ui/dialogframe.h"

namespace calendar::ui {

using shared::ui::placeOverParent;

TAggShotForm::TAggShotForm(TaskDialogDeps& deps, QWidget* parent)
    : OneShotTaskDialog(DialogMode::New, deps, nullptr, false, parent)
{
    setObjectName(QStringLiteral("AggShotForm"));
}

TModShotForm::TModShotForm(TaskDialogDeps& deps, const StoredTask& task, bool enlargedNote,
                           QWidget* parent)
    : OneShotTaskDialog(DialogMode::Modify, deps, &task, enlargedNote, parent)
{
    setObjectName(QStringLiteral("ModShotForm"));
}

TAggWeekForm::TAggWeekForm(TaskDialogDeps& deps, QWidget* parent)
    : PeriodicTaskDialog(kind::Weekly, DialogMode::New, deps, nullptr, false, parent)
{
    setObjectName(QStringLiteral("AggWeekForm"));
}

TModWeekForm::TModWeekForm(TaskDialogDeps& deps, const StoredTask& task, bool enlargedNote,
                           QWidget* parent)
    : PeriodicTaskDialog(kind::Weekly, DialogMode::Modify, deps, &task, enlargedNote, parent)
{
    setObjectName(QStringLiteral("ModWeekForm"));
}

TAggMeseForm::TAggMeseForm(TaskDialogDeps& deps, QWidget* parent)
    : PeriodicTaskDialog(kind::Monthly, DialogMode::New, deps, nullptr, false, parent)
{
    setObjectName(QStringLiteral("AggMeseForm"));
}

TModMeseForm::TModMeseForm(TaskDialogDeps& deps, const StoredTask& task, bool enlargedNote,
                           QWidget* parent)
    : PeriodicTaskDialog(kind::Monthly, DialogMode::Modify, deps, &task, enlargedNote, parent)
{
    setObjectName(QStringLiteral("ModMeseForm"));
}

TAggYearForm::TAggYearForm(TaskDialogDeps& deps, QWidget* parent)
    : YearlyTaskDialog(DialogMode::New, deps, nullptr, false, parent)
{
    setObjectName(QStringLiteral("AggYearForm"));
}

TModYearForm::TModYearForm(TaskDialogDeps& deps, const StoredTask& task, bool enlargedNote,
                           QWidget* parent)
    : YearlyTaskDialog(DialogMode::Modify, deps, &task, enlargedNote, parent)
{
    setObjectName(QStringLiteral("ModYearForm"));
}

std::unique_ptr<TaskDialog> makeNewTaskDialog(const QString& kind, TaskDialogDeps& deps,
                                              QWidget* parent)
{
    if (kind == kind::Weekly)
        return std::make_unique<TAggWeekForm>(deps, parent);
    if (kind == kind::Monthly)
        return std::make_unique<TAggMeseForm>(deps, parent);
    if (kind == kind::Yearly)
        return std::make_unique<TAggYearForm>(deps, parent);
    return std::make_unique<TAggShotForm>(deps, parent);
}

std::unique_ptr<TaskDialog> makeModifyTaskDialog(qint64 codimp, TaskDialogDeps& deps,
                                                 bool enlargedNote, QWidget* parent)
{
    const std::optional<StoredTask> task = readStoredTask(deps.database, codimp);
    if (!task)
        return nullptr;
    if (task->kind == kind::Weekly)
        return std::make_unique<TModWeekForm>(deps, *task, enlargedNote, parent);
    if (task->kind == kind::Monthly)
        return std::make_unique<TModMeseForm>(deps, *task, enlargedNote, parent);
    if (task->kind == kind::Yearly)
        return std::make_unique<TModYearForm>(deps, *task, enlargedNote, parent);
    return std::make_unique<TModShotForm>(deps, *task, enlargedNote, parent);
}

namespace {

bool runDialog(TaskDialog& dialog, TaskDialogDeps& deps, const TaskSavedHandler& saved)
{
    deps.state.currentSectionColour = dialog.sectionColour().rgb() & 0xFFFFFF;
    if (saved)
        QObject::connect(&dialog, &TaskDialog::taskSaved, &dialog, saved);
    placeOverParent(&dialog);
    dialog.exec();
    return dialog.savedAny();
}

bool readOnly(const TaskDialogDeps& deps)
{
    return deps.readOnly && deps.readOnly();
}

} // namespace

bool openNewTaskDialog(const QString& kind, TaskDialogDeps& deps, QWidget* parent,
                       const TaskSavedHandler& saved)
{
    if (readOnly(deps))
        return false;
    const auto dialog = makeNewTaskDialog(kind, deps, parent);
    return runDialog(*dialog, deps, saved);
}

bool openModifyTaskDialog(qint64 codimp, TaskDialogDeps& deps, QWidget* parent,
                          const TaskSavedHandler& saved, bool enlargedNote)
{
    if (readOnly(deps))
        return false;
    const auto dialog = makeModifyTaskDialog(codimp, deps, enlargedNote, parent);
    return dialog && runDialog(*dialog, deps, saved);
}

} // namespace calendar::ui
