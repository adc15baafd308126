#pragma once

#include <functional>

class QMenu;
class QToolButton;

namespace shared::ui {

// The print menu of the list tabs, `PopupMenu_STAMPA`: "Preview", "Print", a
// separator and "Cancel", opened under `button` when it is clicked.
// `print(preview)` builds the tab's report and shows or prints it.
QMenu* attachPrintMenu(QToolButton* button, std::function<void(bool preview)> print);

} // namespace shared::ui
