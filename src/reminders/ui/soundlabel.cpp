#include "soundlabel.h"

#include <QApplication>
#include <QLabel>

namespace reminders::ui {

void showSoundLabel(QLabel& label, const SoundLabel& sound)
{
    label.setText(sound.text);
    label.setToolTip(sound.hint);
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText,
               sound.warning ? QColor(Qt::red) : QApplication::palette().windowText().color());
    label.setPalette(p);
}

} // namespace reminders::ui
