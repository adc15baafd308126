#include "lookaheadindicator.h"

#include "reminders/lookahead.h"

#include <QEvent>
#include <QStyle>

namespace reminders::ui {

LookAheadIndicator::LookAheadIndicator(LookAhead& lookAhead, QWidget* parent)
    : QToolButton(parent), m_lookAhead(lookAhead)
{
    setObjectName(QStringLiteral("SpeedButtonAnticipoHome"));
    setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setVisible(false);
    connect(this, &QToolButton::clicked, this, [this] { m_lookAhead.run(); });
}

void LookAheadIndicator::refresh()
{
    setVisible(m_lookAhead.indicatorVisible());
}

bool LookAheadIndicator::event(QEvent* event)
{
    // The day count may have changed since the hint was last set.
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove:
    case QEvent::ToolTip:
        setToolTip(lookAheadHint(m_lookAhead.days()));
        break;
    default:
        break;
    }
    return QToolButton::event(event);
}

} // namespace reminders::ui
