#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QSize>

class QWidget;

namespace calendar::ui {

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

// Paints a panel's background and its text in fixed colours; an invalid
// colour leaves that part as it is (an unpainted background shows its parent).
void paintPanel(QWidget* panel, const QColor& background, const QColor& text = QColor());

} // namespace calendar::ui
