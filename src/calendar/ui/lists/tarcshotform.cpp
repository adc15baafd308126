#include "tarcshotform.h"

#include "calendar/dailylook.h"
#include "calendar/tasktexts.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "shared/ui/dialogframe.h"
#include "store/query.h"
#include "store/settings.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace calendar::ui {

using shared::ui::placeOverParent;
namespace {

const QString Memo = QStringLiteral(
    "Improve my performance by reducing my workload! Select a time through the 2 calendars below "
    "and then click on \"Deposit\" to transfer the one shot tasks in the deposit "
    "or click on \"Take\" to turn back the one shot tasks of the period selected again between "
    "the commitments that I have to manage.");

const QString Hint =
    QStringLiteral("This module allows to speed up the program by storing some one shot commitments.");

QColor colourOf(unsigned rgb)
{
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

void paint(QWidget* widget, unsigned background, std::optional<unsigned> text = std::nullopt)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colourOf(background));
    if (text) {
        p.setColor(QPalette::WindowText, colourOf(*text));
        p.setColor(QPalette::ButtonText, colourOf(*text));
    }
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QLabel* valueLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(60);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

TArcShotForm::TArcShotForm(store::Database& database, store::Settings& settings,
                           shared::Services& services, shared::AppState& state,
                           std::optional<Period> filterPeriod, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_settings(settings),
      m_services(services),
      m_state(state),
      m_general(std::make_unique<store::Query>(database))
{
    setObjectName(QStringLiteral("TArcShotForm"));
    setWindowTitle(QStringLiteral("One Shot repository"));
    setModal(true);

    m_title = new QLabel(QStringLiteral("One Shot repository"), this);
    m_title->setObjectName(QStringLiteral("Panel_Title"));
    m_title->installEventFilter(this);
    m_title->setContentsMargins(6, 4, 6, 4);

    auto* memo = new QPlainTextEdit(Memo, this);
    memo->setObjectName(QStringLiteral("Memo_Info"));
    memo->setReadOnly(true);

    auto* body = new QWidget(this);
    auto* inner = new QVBoxLayout(body);
    inner->addWidget(buildCounters());
    inner->addWidget(buildPeriod(filterPeriod));
    inner->addWidget(memo, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(0);
    layout->addWidget(m_title);
    layout->addWidget(body, 1);
    layout->addWidget(buildButtons());

    // The frame, title and buttons wear the colour of the tab it was opened from.
    paint(this, m_state.currentSectionColour);
    paint(m_title, m_state.currentSectionColour);
    body->setAutoFillBackground(true);

    const int percent = m_settings.scalePercent();
    QFont scaled = font();
    scaled.setPointSizeF(scaled.pointSizeF() * percent / 100.0);
    setFont(scaled);
    resize(QSize(440, 340) * (percent / 100.0));

    // Until a theme is loaded the built-in one is in force, flag on.
    setDefaultColours(GridTheme{}.defaultColours);
    recount();
    placeOverParent(this);
}

TArcShotForm::~TArcShotForm() = default;

QWidget* TArcShotForm::buildCounters()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    m_inUseBox = new QWidget(box);
    auto* inUseRow = new QHBoxLayout(m_inUseBox);
    inUseRow->setContentsMargins(4, 2, 4, 2);
    inUseRow->addWidget(new QLabel(QStringLiteral("In use"), m_inUseBox));
    m_inUse = valueLabel(m_inUseBox, "Label_giornalieri");
    inUseRow->addWidget(m_inUse);
    row->addWidget(m_inUseBox);
    row->addWidget(new QLabel(QStringLiteral("Deposited"), box));
    m_deposited = valueLabel(box, "Label_Archiviati");
    row->addWidget(m_deposited);
    row->addStretch(1);
    m_total = valueLabel(box, "Label_Totale");
    row->addWidget(m_total);
    return box;
}

QWidget* TArcShotForm::buildPeriod(const std::optional<Period>& filterPeriod)
{
    auto* group = new QGroupBox(QStringLiteral("  Period to be moved  "), this);
    auto* row = new QHBoxLayout(group);
    const QDate today = m_services.clock.today();
    QDate from = today;
    QDate to = today;
    if (filterPeriod) {
        from = filterPeriod->first;
        to = filterPeriod->last;
    } else if (const QDate earliest = earliestOneShotDate(*m_general); earliest.isValid()) {
        from = earliest;
    }
    const auto picker = [&](const char* name, const QDate& date) {
        auto* edit = new QDateEdit(date, group);
        edit->setObjectName(QLatin1String(name));
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(taskLocale().dateFormat(QLocale::ShortFormat));
        return edit;
    };
    m_from = picker("DateTimePicker1", from);
    m_to = picker("DateTimePicker2", to);
    row->addWidget(new QLabel(QStringLiteral("From"), group));
    row->addWidget(m_from, 1);
    row->addWidget(new QLabel(QStringLiteral("To"), group));
    row->addWidget(m_to, 1);
    return group;
}

QWidget* TArcShotForm::buildButtons()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 6, 6, 6);
    const auto button = [bar, row](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, bar);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        row->addWidget(b);
        return b;
    };
    auto* hint = button("ButtonSuggerimento", QStringLiteral("Suggerimento"));
    row->addStretch(1);
    m_deposit = button("ButtonDeposit", QStringLiteral("Deposit"));
    m_take = button("ButtonTake", QStringLiteral("Take"));
    m_takeAll = button("ButtonTakeAll", QStringLiteral("Take all"));
    auto* close = button("ButtonClose", QStringLiteral("Close"));
    // Enter closes, as Escape does.
    close->setDefault(true);

    connect(m_deposit, &QPushButton::clicked, this, &TArcShotForm::depositPeriod);
    connect(m_take, &QPushButton::clicked, this, &TArcShotForm::takePeriod);
    connect(m_takeAll, &QPushButton::clicked, this, &TArcShotForm::takeEverything);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(hint, &QPushButton::clicked, this, [this] {
        m_services.prompter.tell(Hint, platform::Prompter::Kind::Information);
    });
    paint(bar, m_state.currentSectionColour);
    return bar;
}

void TArcShotForm::setDefaultColours(bool on)
{
    GridColours colours;
    colours.takeSectionColours(m_settings);
    if (on)
        paint(m_inUseBox, defaultIndicatorColour(QStringLiteral("O")), 0x000000);
    else
        paint(m_inUseBox, colours.oneShot);
}

Period TArcShotForm::period() const
{
    return Period::between(m_from->date(), m_to->date());
}

void TArcShotForm::recount()
{
    m_counts = countRepository(*m_general);
    m_inUse->setText(QString::number(m_counts.inUse));
    m_deposited->setText(QString::number(m_counts.deposited));
    m_total->setText(QStringLiteral("Totale: ") + QString::number(m_counts.inUse + m_counts.deposited));
    m_take->setEnabled(m_counts.deposited > 0);
    m_takeAll->setEnabled(m_counts.deposited > 0);
    m_deposit->setEnabled(m_counts.inUse > 0);
}

void TArcShotForm::moved()
{
    recount();
    emit tasksChanged();
}

void TArcShotForm::depositPeriod()
{
    deposit(*m_general, period());
    moved();
}

void TArcShotForm::takePeriod()
{
    take(*m_general, period());
    moved();
}

void TArcShotForm::takeEverything()
{
    takeAll(*m_general);
    moved();
}

bool TArcShotForm::eventFilter(QObject* watched, QEvent* event)
{
    // Without a system frame the window moves by its title.
    if (watched == m_title) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_dragging = mouse->button() == Qt::LeftButton;
            m_grab = mouse->globalPosition().toPoint() - frameGeometry().topLeft();
            return true;
        case QEvent::MouseMove:
            if (m_dragging)
                move(mouse->globalPosition().toPoint() - m_grab);
            return true;
        case QEvent::MouseButtonRelease:
            m_dragging = false;
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace calendar::ui
