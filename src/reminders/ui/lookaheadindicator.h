#pragma once

#include <QToolButton>

namespace reminders {
class LookAhead;
}

namespace reminders::ui {

// The daily view's sign that a task to be warned of falls on one of the
// next days (SpeedButtonAnticipoHome). Hidden when there is none or the
// feature is off; a click runs the look-ahead, which lists them.
class LookAheadIndicator final : public QToolButton
{
    Q_OBJECT
public:
    explicit LookAheadIndicator(LookAhead& lookAhead, QWidget* parent = nullptr);

public slots:
    // After every refresh of the daily view and every change of the option.
    void refresh();

protected:
    bool event(QEvent* event) override;

private:
    LookAhead& m_lookAhead;
};

} // namespace reminders::ui
