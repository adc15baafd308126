#include "ttempoform.h"

#include "astro/elapsedtime.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "shared/ui/dialogframe.h"
#include "store/settings.h"

#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace astro::ui {
namespace {

constexpr QSize DesignedSize(390, 340);

QLabel* resultLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(QLatin1String(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton* calculateButton(QWidget* parent, const char* name)
{
    auto* button = new QPushButton(QStringLiteral("Calculate!"), parent);
    button->setObjectName(QLatin1String(name));
    // Enter closes the dialog, whatever has the focus.
    button->setAutoDefault(false);
    return button;
}

void setBase(QWidget* field, const QColor& colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

} // namespace

TTempoForm::TTempoForm(store::Settings& settings, shared::Services& services,
                       const QColor& sectionColour, const QColor& titleText, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_services(services),
      m_sectionColour(sectionColour)
{
    setObjectName(QStringLiteral("TTempoForm"));
    setWindowTitle(QStringLiteral("Time Duration Calculator"));
    setModal(true);

    auto* body = new QWidget(this);
    body->setAutoFillBackground(true);
    auto* groups = new QVBoxLayout(body);
    groups->addWidget(buildDates());
    groups->addWidget(buildTimes());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    layout->addWidget(buildTitle());
    layout->addWidget(body, 1);
    layout->addWidget(buildButtons());

    auto* dragger = new shared::ui::FrameDragger(this);
    dragger->watch(m_titlePanel);
    dragger->watch(m_buttonBar);
    shared::ui::paintPanel(this, sectionColour);
    shared::ui::paintPanel(m_titlePanel, sectionColour, titleText);
    shared::ui::paintPanel(m_buttonBar, sectionColour);
    shared::ui::scaleDialog(this, DesignedSize, settings.scalePercent());

    // Both pairs start alike: today, and the present time on today's date.
    const QDateTime now = services.clock.now();
    for (QDateEdit* picker : {m_date1, m_date2})
        picker->setDate(now.date());
    const QTime time = now.time();
    for (QTimeEdit* picker : {m_time3, m_time4})
        picker->setTime(QTime(time.hour(), time.minute(), time.second()));
    shared::ui::placeOverParent(this);
}

QWidget* TTempoForm::buildTitle()
{
    m_titlePanel = new QWidget(this);
    m_titlePanel->setObjectName(QStringLiteral("PanelTitolo"));
    auto* row = new QHBoxLayout(m_titlePanel);
    row->setContentsMargins(6, 2, 2, 2);
    auto* title = new QLabel(QStringLiteral("Time Duration Calculator"), m_titlePanel);
    title->setObjectName(QStringLiteral("LabelTitolo"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->addWidget(title, 1);
    auto* hint = new QToolButton(m_titlePanel);
    hint->setObjectName(QStringLiteral("SpeedButtonHint"));
    hint->setText(QStringLiteral("Hint"));
    hint->setToolTip(QStringLiteral("Hint"));
    hint->setAutoRaise(true);
    hint->setFocusPolicy(Qt::NoFocus);
    connect(hint, &QToolButton::clicked, this, &TTempoForm::showHint);
    row->addWidget(hint);
    return m_titlePanel;
}

QWidget* TTempoForm::buildDates()
{
    auto* box = new QGroupBox(QStringLiteral("  Duration between 2 dates  "), this);
    box->setObjectName(QStringLiteral("GroupBoxDate"));
    m_date1 = new QDateEdit(box);
    m_date1->setObjectName(QStringLiteral("DateTimePicker1"));
    m_date2 = new QDateEdit(box);
    m_date2->setObjectName(QStringLiteral("DateTimePicker2"));
    for (QDateEdit* picker : {m_date1, m_date2}) {
        picker->setCalendarPopup(true);
        picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        picker->installEventFilter(this);
    }
    m_days = resultLabel(box, "lblDays");
    m_years = resultLabel(box, "Label_AnniTrascorsi");
    auto* calculate = calculateButton(box, "ButtonCalcolaDate");
    connect(calculate, &QPushButton::clicked, this, &TTempoForm::calculateDates);

    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("First date"), box), 0, 0);
    grid->addWidget(m_date1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Second date"), box), 1, 0);
    grid->addWidget(m_date2, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Day count:"), box), 0, 2);
    grid->addWidget(m_days, 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Year count:"), box), 1, 2);
    grid->addWidget(m_years, 1, 3);
    grid->addWidget(calculate, 2, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* TTempoForm::buildTimes()
{
    auto* box = new QGroupBox(QStringLiteral("  Duration between 2 times  "), this);
    box->setObjectName(QStringLiteral("GroupBoxTime"));
    m_time3 = new QTimeEdit(box);
    m_time3->setObjectName(QStringLiteral("DateTimePicker3"));
    m_time4 = new QTimeEdit(box);
    m_time4->setObjectName(QStringLiteral("DateTimePicker4"));
    for (QTimeEdit* picker : {m_time3, m_time4}) {
        picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
        picker->installEventFilter(this);
    }
    m_hours = resultLabel(box, "lblHours");
    m_minutes = resultLabel(box, "lblMinutes");
    m_seconds = resultLabel(box, "lblSeconds");
    m_milliseconds = resultLabel(box, "lblMilliseconds");
    auto* calculate = calculateButton(box, "ButtonCalcolaOre");
    connect(calculate, &QPushButton::clicked, this, &TTempoForm::calculateTimes);

    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("First time"), box), 0, 0);
    grid->addWidget(m_time3, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Second time"), box), 1, 0);
    grid->addWidget(m_time4, 1, 1);
    grid->addWidget(calculate, 2, 1);
    const std::pair<const char*, QLabel*> results[] = {{"Hour count:", m_hours},
                                                       {"Minute count:", m_minutes},
                                                       {"Second count:", m_seconds},
                                                       {"Millisecond count:", m_milliseconds}};
    int row = 0;
    for (const auto& [caption, label] : results) {
        grid->addWidget(new QLabel(QLatin1String(caption), box), row, 2);
        grid->addWidget(label, row, 3);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* TTempoForm::buildButtons()
{
    m_buttonBar = new QWidget(this);
    m_buttonBar->setObjectName(QStringLiteral("PanelBottoni"));
    auto* row = new QHBoxLayout(m_buttonBar);
    row->setContentsMargins(4, 4, 4, 4);
    row->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("Close"), m_buttonBar);
    close->setObjectName(QStringLiteral("ButtonChiudi"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    row->addWidget(close);
    return m_buttonBar;
}

void TTempoForm::calculateDates()
{
    const QDate first = m_date1->date();
    const QDate second = m_date2->date();
    m_days->setText(QString::number(dayCount(first, second)));
    m_years->setText(QString::number(yearCount(first, second)));
}

void TTempoForm::calculateTimes()
{
    const TimeCounts counts = timeCounts(m_time3->time(), m_time4->time());
    m_hours->setText(QString::number(counts.hours));
    m_minutes->setText(QString::number(counts.minutes));
    m_seconds->setText(QString::number(counts.seconds));
    m_milliseconds->setText(QString::number(counts.milliseconds));
}

void TTempoForm::showHint()
{
    m_services.prompter.tell(QStringLiteral("In this module you can get the calculation of the "
                                            "time elapsed between 2 dates or times."),
                             platform::Prompter::Kind::Information);
}

void TTempoForm::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return;
    case Qt::Key_Escape:
        reject();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool TTempoForm::eventFilter(QObject* watched, QEvent* event)
{
    // The picker being edited wears the section colour.
    if (event->type() == QEvent::FocusIn)
        setBase(static_cast<QWidget*>(watched), m_sectionColour);
    else if (event->type() == QEvent::FocusOut)
        setBase(static_cast<QWidget*>(watched), Qt::white);
    return QDialog::eventFilter(watched, event);
}

} // namespace astro::ui
