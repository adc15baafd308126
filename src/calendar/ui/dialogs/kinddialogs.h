#pragma once

#include "taskdialog.h"

namespace calendar::ui {

// One-shot tasks: "Delete after this date" and "Torment me every day!" besides
// the frame's options, each excluding the other two and "Expiration".
class OneShotTaskDialog : public TaskDialog
{
    Q_OBJECT
public:
    OneShotTaskDialog(DialogMode mode, TaskDialogDeps& deps, const StoredTask* stored,
                      bool enlargedNote, QWidget* parent);

protected:
    void addKindOptions(QGridLayout* options, int& row) override;
    QString dateText() const override;
    QDate chooserStart() const override;
    void fillKind(TaskDraft& draft) const override;
    void loadKind(const StoredTask& stored) override;
    void paintKind() override;
    void enableKindOptions() override;
    bool expirationAllowed() const override;

private:
    OneShotOptionsEnabled allowed() const;
    QCheckBox* m_deleteAfter = nullptr;
    QCheckBox* m_torment = nullptr;
};

// Weekly and monthly tasks: the date reads as a weekday or a day of the
// month, and the task may keep every other week or month.
class PeriodicTaskDialog : public TaskDialog
{
    Q_OBJECT
public:
    PeriodicTaskDialog(const QString& kind, DialogMode mode, TaskDialogDeps& deps,
                       const StoredTask* stored, bool enlargedNote, QWidget* parent);

protected:
    void addKindOptions(QGridLayout* options, int& row) override;
    QString dateText() const override;
    QDate chooserStart() const override;
    void dateChosen() override;
    void fillKind(TaskDraft& draft) const override;
    void loadKind(const StoredTask& stored) override;

private:
    QCheckBox* m_everyOther = nullptr;
    // A monthly task shows the day it has stored until another is chosen.
    QString m_storedDay;
};

// Yearly tasks: anniversaries with an optional count of the years since the
// date's year, every other year, and the birthday of a contact.
class YearlyTaskDialog : public TaskDialog
{
    Q_OBJECT
public:
    YearlyTaskDialog(DialogMode mode, TaskDialogDeps& deps, const StoredTask* stored,
                     bool enlargedNote, QWidget* parent);

    bool isBirthday() const;

protected:
    void addKindOptions(QGridLayout* options, int& row) override;
    QString dateText() const override;
    void dateChosen() override;
    void fillKind(TaskDraft& draft) const override;
    void loadKind(const StoredTask& stored) override;
    void startKind() override;
    void stepAside() override;

private:
    void showYearsCount();
    QCheckBox* m_everyOther = nullptr;
    QCheckBox* m_countYears = nullptr;
    QLabel* m_yearsCount = nullptr;
};

} // namespace calendar::ui
