#pragma once

#include <QObject>

class QWidget;

namespace app {

// Esc anywhere in the window asks to end the program, except the Esc that
// closes a drop-down list, a calendar or a menu: that one only closes it.
//
// Under X a popup does not take the keyboard focus, so Esc reaches the
// window's shortcut as well; some popups (a combo box's list) even close
// themselves while the key is being matched, before the shortcut fires.
// The key is therefore judged when it arrives, not when the shortcut runs.
class EscapeKey final : public QObject
{
    Q_OBJECT
public:
    explicit EscapeKey(QWidget* window);

signals:
    void exitRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activated();

    // Set while the Esc being dispatched arrived over an open popup.
    bool m_closesPopup = false;
};

} // namespace app
