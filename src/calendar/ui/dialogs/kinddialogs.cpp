#include "kinddialogs.h"

#include "platform/clock.h"
#include "shared/ui/dialogframe.h"
#include "store/settings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace calendar::ui {

using shared::ui::paintPanel;

// ---- One-shot ------------------------------------------------------------------------

OneShotTaskDialog::OneShotTaskDialog(DialogMode mode, TaskDialogDeps& deps,
                                     const StoredTask* stored, bool enlargedNote, QWidget* parent)
    : TaskDialog(kind::OneShot, mode, deps, parent)
{
    // The kind's boxes exist only once the frame has called addKindOptions().
    setUp(stored, enlargedNote);
}

void OneShotTaskDialog::addKindOptions(QGridLayout* options, int& row)
{
    m_deleteAfter = addOption(options, row, 0, "CheckBox_DeleteAfter",
                              QStringLiteral("Delete after this date"));
    m_torment =
        addOption(options, row++, 1, "CheckBox_Torment", QStringLiteral("Torment me every day!"));
    dateLabel()->setObjectName(QStringLiteral("Label_datefull"));
}

QString OneShotTaskDialog::dateText() const
{
    return store::Settings::formatDate(taskDate(), deps().settings.dataShot(), locale());
}

QDate OneShotTaskDialog::chooserStart() const
{
    return mode() == DialogMode::New ? today() : taskDate();
}

void OneShotTaskDialog::fillKind(TaskDraft& draft) const
{
    draft.oneShotOption = m_deleteAfter->isChecked() ? OneShotOption::DeleteAfter
                          : m_torment->isChecked()   ? OneShotOption::Torment
                                                     : OneShotOption::Plain;
}

void OneShotTaskDialog::loadKind(const StoredTask& stored)
{
    m_deleteAfter->setChecked(stored.draft.oneShotOption == OneShotOption::DeleteAfter);
    m_torment->setChecked(stored.draft.oneShotOption == OneShotOption::Torment);
}

void OneShotTaskDialog::paintKind()
{
    const GridTheme& theme = deps().theme;
    // With the strongest grid style the boxes carry the section colour;
    // otherwise they stay on the button face around them.
    const QColor background = theme.style == GridStyle::Coloratissime ? sectionColour() : QColor();
    paintPanel(m_deleteAfter, background, QColor::fromRgb(theme.autoDelete));
    paintPanel(m_torment, background, QColor::fromRgb(theme.dailyRepeat));
}

OneShotOptionsEnabled OneShotTaskDialog::allowed() const
{
    return oneShotOptionsEnabled(m_deleteAfter->isChecked(), m_torment->isChecked(),
                                 expirationBox()->isChecked());
}

void OneShotTaskDialog::enableKindOptions()
{
    const OneShotOptionsEnabled enabled = allowed();
    m_deleteAfter->setEnabled(enabled.deleteAfter);
    m_torment->setEnabled(enabled.torment);
}

bool OneShotTaskDialog::expirationAllowed() const
{
    // Asked while the frame is still being built, before the kind's boxes.
    return !m_deleteAfter || allowed().expiration;
}

// ---- Weekly and monthly ----------------------------------------------------------------

PeriodicTaskDialog::PeriodicTaskDialog(const QString& kind, DialogMode mode, TaskDialogDeps& deps,
                                       const StoredTask* stored, bool enlargedNote, QWidget* parent)
    : TaskDialog(kind, mode, deps, parent)
{
    setUp(stored, enlargedNote);
}

void PeriodicTaskDialog::addKindOptions(QGridLayout* options, int& row)
{
    const TaskDialogTexts texts = taskDialogTexts(kind(), mode());
    m_everyOther =
        addOption(options, row++, 0,
                  kind() == kind::Weekly ? "CheckBox_Bisettimanale" : "CheckBox_Bimestrale",
                  texts.everyOtherCaption);
    dateLabel()->setObjectName(kind() == kind::Weekly ? QStringLiteral("Label_dayweek")
                                                      : QStringLiteral("Label_DayMonth"));
}

QString PeriodicTaskDialog::dateText() const
{
    if (kind() == kind::Weekly)
        return chooserDateText(ChooserMode::Weekday, taskDate(), locale());
    return m_storedDay.isEmpty() ? chooserDateText(ChooserMode::DayOfMonth, taskDate(), locale())
                                 : m_storedDay;
}

QDate PeriodicTaskDialog::chooserStart() const
{
    return kind() == kind::Weekly && mode() == DialogMode::New ? today() : taskDate();
}

void PeriodicTaskDialog::dateChosen()
{
    m_storedDay.clear();
    dateLabel()->setText(dateText());
}

void PeriodicTaskDialog::fillKind(TaskDraft& draft) const
{
    draft.everyOther = m_everyOther->isChecked();
    if (kind() == kind::Monthly)
        draft.dayOfMonth = dateLabel()->text();
}

void PeriodicTaskDialog::loadKind(const StoredTask& stored)
{
    m_everyOther->setChecked(stored.draft.everyOther);
    if (kind() == kind::Monthly)
        m_storedDay = stored.dayOfMonth;
}

// ---- Yearly -------------------------------------------------------------------------

YearlyTaskDialog::YearlyTaskDialog(DialogMode mode, TaskDialogDeps& deps, const StoredTask* stored,
                                   bool enlargedNote, QWidget* parent)
    : TaskDialog(kind::Yearly, mode, deps, parent)
{
    setUp(stored, enlargedNote);
}

bool YearlyTaskDialog::isBirthday() const
{
    return mode() == DialogMode::New && deps().dialogState.linkedContact().has_value();
}

void YearlyTaskDialog::addKindOptions(QGridLayout* options, int& row)
{
    auto* count = new QHBoxLayout;
    m_countYears = addOption(options, row, 0, "CheckBox_Conteggio", QString());
    count->addWidget(m_countYears);
    m_yearsCount = new QLabel(YearsCountCaption, options->parentWidget());
    m_yearsCount->setObjectName(QStringLiteral("Label_Conteggio"));
    count->addWidget(m_yearsCount, 1);
    options->addLayout(count, row++, 0, 1, 2);
    m_everyOther = addOption(options, row++, 0, "CheckBox_Biannuale", QStringLiteral("Bi-Yearly"));
    connect(m_countYears, &QCheckBox::clicked, this, &YearlyTaskDialog::showYearsCount);
    dateLabel()->setObjectName(QStringLiteral("Label_date"));
}

QString YearlyTaskDialog::dateText() const
{
    return store::Settings::formatDate(taskDate(), deps().settings.dataYear(), locale());
}

void YearlyTaskDialog::showYearsCount()
{
    m_yearsCount->setText(
        yearsCountLabel(m_countYears->isChecked(), taskDate(), today(), locale()));
}

void YearlyTaskDialog::dateChosen()
{
    showYearsCount();
}

void YearlyTaskDialog::fillKind(TaskDraft& draft) const
{
    draft.everyOther = m_everyOther->isChecked();
    draft.countYears = m_countYears->isChecked();
    if (isBirthday())
        draft.linkedContact = deps().dialogState.linkedContact();
}

void YearlyTaskDialog::loadKind(const StoredTask& stored)
{
    m_everyOther->setChecked(stored.draft.everyOther);
    m_countYears->setChecked(stored.draft.countYears);
    showYearsCount();
}

void YearlyTaskDialog::startKind()
{
    if (!isBirthday()) {
        showYearsCount();
        return;
    }
    const LinkedContactFields contact =
        deps().linkedContactFields ? deps().linkedContactFields() : LinkedContactFields{};
    descriptionField()->setText(QStringLiteral("Birthday of ") + contact.name);
    searchField()->setText(contact.name);
    // A birthday is entered once: only "Insert and close".
    insertButton()->hide();
    if (!contact.email.isEmpty())
        attachmentField()->setText(QStringLiteral("mailto:") + contact.email);
    m_countYears->setChecked(true);
    showYearsCount();
}

void YearlyTaskDialog::stepAside()
{
    // The contact's own dialog is open too; the message must not hide behind us.
    if (isBirthday())
        lower();
}

} // namespace calendar::ui
