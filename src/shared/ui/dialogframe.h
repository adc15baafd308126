#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QSize>

class QWidget;

namespace shared::ui {

// Dialogs without a system frame move when their border or title panel is
// dragged. Made for a window, it drags by the window's bare border; watch()
// adds the panels that drag it as well.
class FrameDragger final : public QObject
{
    Q_OBJECT
public:
    explicit FrameDragger(QWidget* window);
    void watch(QWidget* panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    bool m_dragging = false;
    QPoint m_grab; // the press point relative to the window's corner
};

// Grows a dialog to `percent` of its designed size, its text with it.
void scaleDialog(QWidget* dialog, QSize designed, int percent);

// Sets a dialog's position before it is first shown: centred over the window
// that opens it, on that window's screen. Left to the window manager, an X11
// dialog may be mapped where Qt never learns of it, and every pop-up opened
// from its fields then appears as if the dialog stood at the screen's corner.
void placeOverParent(QWidget* dialog);

// Puts a pop-up window just below `field` (above it where the screen ends
// first), aligned with its left edge.
void placeBelow(QWidget* popup, const QWidget* field);

// Paints a panel's background and its text in fixed colours; an invalid
// colour leaves that part as it is (an unpainted background shows its parent).
void paintPanel(QWidget* panel, const QColor& background, const QColor& text = QColor());

} // namespace shared::ui
