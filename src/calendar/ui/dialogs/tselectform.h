#pragma once

#include "calendar/taskdialoglogic.h"

#include <QDialog>
#include <QLocale>

class QAbstractItemView;
class QCalendarWidget;
class QLabel;
class QPushButton;

namespace platform {
class Prompter;
}

namespace calendar::ui {

// The date chooser every task dialog opens: a month calendar whose "Usa"
// button shows the chosen date in the caller's mode and hands it back as the
// task dialog's date (and its month and day). "Close" and Escape change
// nothing.
class TSelectForm final : public QDialog
{
    Q_OBJECT
public:
    TSelectForm(TaskDialogState& state, platform::Prompter& prompter, QLocale locale,
                QWidget* parent = nullptr);

    void setTitle(const QString& title);
    // Border, title and button bar in `section`; the calendar's title bar too,
    // with its text in `tabText`.
    void setColours(const QColor& section, const QColor& tabText);
    void setMode(ChooserMode mode);
    ChooserMode mode() const { return m_mode; }
    void setStartDate(const QDate& date);
    void setScalePercent(int percent);

    QCalendarWidget* calendar() const { return m_calendar; }
    QPushButton* useButton() const { return m_use; }

    // "Usa": the chosen date becomes the task dialog's date.
    void use();
    void showHint();

    static QString hintText();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showChosenDate();
    void pageTurned(int year, int month);

    TaskDialogState& m_state;
    platform::Prompter& m_prompter;
    QLocale m_locale;
    ChooserMode m_mode = ChooserMode::Date;
    QWidget* m_titlePanel = nullptr;
    QLabel* m_title = nullptr;
    QCalendarWidget* m_calendar = nullptr;
    QAbstractItemView* m_days = nullptr;
    QWidget* m_buttonBar = nullptr;
    QPushButton* m_use = nullptr;
    QPushButton* m_close = nullptr;
    QFont m_baseFont;
    // A double click right after the calendar turned to another month is the
    // end of the click that turned it, not a choice.
    bool m_pageJustTurned = false;
};

} // namespace calendar::ui
