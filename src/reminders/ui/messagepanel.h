#pragma once

#include "reminders/alarmclock.h"

#include <QColor>
#include <QLabel>

namespace store {
class Settings;
}

namespace reminders::ui {

// The announcement line of the daily view (Panel_MEssaggio). It shows what
// the alarm clock hands to it and reports clicks, which stop the blinking.
class MessagePanel final : public QLabel
{
    Q_OBJECT
public:
    explicit MessagePanel(store::Settings& settings, QWidget* parent = nullptr);

    void showState(const MessagePanelState& state);
    // The daily grid's title font colour, which the theme sets.
    void setAnnouncementTextColour(const QColor& colour);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    store::Settings& m_settings;
    QColor m_announcementText = Qt::black;
    MessagePanelState m_state;
};

} // namespace reminders::ui
