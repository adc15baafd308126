#pragma once

#include "reminders/alarmsound.h"

class QLabel;

namespace reminders::ui {

// Shows the sound name on the Options tab's label (Label_SoundName): the
// name in the window-text colour, or red when the chosen file is gone, with
// the hint saying which.
void showSoundLabel(QLabel& label, const SoundLabel& sound);

} // namespace reminders::ui
