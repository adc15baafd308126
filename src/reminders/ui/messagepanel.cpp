#include "messagepanel.h"

#include "store/settings.h"
#include "themes/colourtext.h"

#include <QApplication>
#include <QMouseEvent>

namespace reminders::ui {

MessagePanel::MessagePanel(store::Settings& settings, QWidget* parent)
    : QLabel(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("Panel_MEssaggio"));
    setAutoFillBackground(true);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    showState({});
}

void MessagePanel::showState(const MessagePanelState& state)
{
    m_state = state;
    setText(state.text);
    QPalette p = palette();
    if (state.section) {
        const auto rgb = themes::parseColourText(m_settings.sectionColour(*state.section));
        p.setColor(QPalette::Window, rgb ? QColor::fromRgb(*rgb) : QApplication::palette().button().color());
        p.setColor(QPalette::WindowText, m_announcementText);
        setCursor(Qt::PointingHandCursor);
    } else {
        p.setColor(QPalette::Window, QApplication::palette().button().color());
        p.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80)); // navy
        setCursor(Qt::ArrowCursor);
    }
    setPalette(p);
}

void MessagePanel::setAnnouncementTextColour(const QColor& colour)
{
    m_announcementText = colour;
    showState(m_state);
}

void MessagePanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace reminders::ui
