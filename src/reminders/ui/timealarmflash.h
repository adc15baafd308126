#pragma once

class QWidget;

namespace reminders::ui {

// While the exit question warns that no alarm will ring once the program has
// ended, the "Time alarm" caption blinks: TimerFlashTempo calls
// flashTimeAlarm() every second, and restoreTimeAlarm() when the question
// closes.
void flashTimeAlarm(QWidget& caption);
void restoreTimeAlarm(QWidget& caption);

} // namespace reminders::ui
