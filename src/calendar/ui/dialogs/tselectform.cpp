#include "tselectform.h"

#include "calendar/taskrecord.h"
#include "platform/prompter.h"
#include "shared/ui/dialogframe.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace calendar::ui {

using shared::ui::FrameDragger;
using shared::ui::paintPanel;
using shared::ui::scaleDialog;
namespace {
constexpr QSize DesignedSize(320, 270);
constexpr int CalendarPointSize = 10;
} // namespace

TSelectForm::TSelectForm(TaskDialogState& state, platform::Prompter& prompter, QLocale locale,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_state(state), m_prompter(prompter), m_locale(std::move(locale)), m_baseFont(font())
{
    setObjectName(QStringLiteral("SelectForm"));
    setWindowTitle(QStringLiteral("-> Calendar"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);

    m_titlePanel = new QWidget(this);
    m_titlePanel->setObjectName(QStringLiteral("PanelTitolo"));
    auto* titleRow = new QHBoxLayout(m_titlePanel);
    titleRow->setContentsMargins(6, 2, 2, 2);
    m_title = new QLabel(m_titlePanel);
    m_title->setObjectName(QStringLiteral("LabelTitolo"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setAttribute(Qt::WA_TransparentForMouseEvents);
    titleRow->addWidget(m_title, 1);
    auto* hint = new QToolButton(m_titlePanel);
    hint->setObjectName(QStringLiteral("SpeedButtonHint"));
    hint->setText(QStringLiteral("Hint"));
    hint->setToolTip(QStringLiteral("Hint"));
    hint->setAutoRaise(true);
    hint->setFocusPolicy(Qt::NoFocus);
    connect(hint, &QToolButton::clicked, this, &TSelectForm::showHint);
    titleRow->addWidget(hint);
    layout->addWidget(m_titlePanel);

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("MonthCalendar"));
    m_calendar->setLocale(m_locale);
    m_calendar->setFirstDayOfWeek(m_locale.firstDayOfWeek());
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setGridVisible(true);
    layout->addWidget(m_calendar, 1);
    m_days = m_calendar->findChild<QAbstractItemView*>();
    if (m_days)
        m_days->viewport()->installEventFilter(this);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this, &TSelectForm::showChosenDate);
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, &TSelectForm::pageTurned);
    // A double click on a day and Enter in the calendar both choose.
    connect(m_calendar, &QCalendarWidget::activated, this, &TSelectForm::use);

    m_buttonBar = new QWidget(this);
    m_buttonBar->setObjectName(QStringLiteral("PanelBottoni"));
    auto* buttons = new QHBoxLayout(m_buttonBar);
    buttons->setContentsMargins(4, 4, 4, 4);
    m_use = new QPushButton(m_buttonBar);
    m_use->setObjectName(QStringLiteral("SpeedButtonUsa"));
    m_use->setDefault(true);
    connect(m_use, &QPushButton::clicked, this, &TSelectForm::use);
    buttons->addWidget(m_use, 1);
    m_close = new QPushButton(QStringLiteral("Close"), m_buttonBar);
    m_close->setObjectName(QStringLiteral("SpeedButtonClose"));
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(m_close);
    layout->addWidget(m_buttonBar);

    auto* dragger = new FrameDragger(this);
    dragger->watch(m_titlePanel);
    setScalePercent(100);
    showChosenDate();
}

QString TSelectForm::hintText()
{
    return QStringLiteral(
        "In this window you can select at the same time the day and the start date of the task.");
}

void TSelectForm::setTitle(const QString& title)
{
    m_title->setText(title);
}

void TSelectForm::setColours(const QColor& section, const QColor& tabText)
{
    paintPanel(this, section);
    paintPanel(m_titlePanel, section, tabText);
    paintPanel(m_buttonBar, section);
    m_calendar->setStyleSheet(
        QStringLiteral("QWidget#qt_calendar_navigationbar { background-color: %1; }"
                       "QWidget#qt_calendar_navigationbar QToolButton { color: %2; }")
            .arg(section.name(), tabText.name()));
}

void TSelectForm::setMode(ChooserMode mode)
{
    m_mode = mode;
    showChosenDate();
}

void TSelectForm::setStartDate(const QDate& date)
{
    m_calendar->setSelectedDate(date);
    m_calendar->setCurrentPage(date.year(), date.month());
    m_pageJustTurned = false;
    showChosenDate();
}

void TSelectForm::setScalePercent(int percent)
{
    setFont(m_baseFont);
    scaleDialog(this, DesignedSize, percent);
    QFont calendarFont = font();
    calendarFont.setPointSizeF(CalendarPointSize * percent / 100.0);
    m_calendar->setFont(calendarFont);
}

void TSelectForm::showChosenDate()
{
    m_use->setText(chooserDateText(m_mode, m_calendar->selectedDate(), m_locale));
}

void TSelectForm::pageTurned(int year, int month)
{
    m_pageJustTurned = true;
    // A month or year chosen in the header is a new date: the day goes along
    // (to the month's last day when the month is shorter), so that "Usa" and
    // Enter hand back what the header shows.
    const QDate chosen = m_calendar->selectedDate();
    if (chosen.year() == year && chosen.month() == month)
        return;
    const QDate first(year, month, 1);
    m_calendar->setSelectedDate(first.addDays(std::min(chosen.day(), first.daysInMonth()) - 1));
}

void TSelectForm::use()
{
    m_state.setTaskDialogDate(m_calendar->selectedDate(), m_locale);
    accept();
}

void TSelectForm::showHint()
{
    m_prompter.tell(hintText(), platform::Prompter::Kind::Information);
}

bool TSelectForm::eventFilter(QObject* watched, QEvent* event)
{
    if (m_days && watched == m_days->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_pageJustTurned = false;
        } else if (event->type() == QEvent::MouseButtonDblClick && m_pageJustTurned) {
            m_pageJustTurned = false;
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace calendar::ui
