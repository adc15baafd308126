#include "timealarmflash.h"

#include <QApplication>
#include <QWidget>

namespace reminders::ui {
namespace {

void setTextColour(QWidget& caption, const QColor& colour)
{
    QPalette p = caption.palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour); // a check box draws its caption in this role
    caption.setPalette(p);
}

} // namespace

void flashTimeAlarm(QWidget& caption)
{
    const bool red = caption.palette().color(QPalette::WindowText) == QColor(Qt::red);
    setTextColour(caption, red ? QApplication::palette().windowText().color() : QColor(Qt::red));
}

void restoreTimeAlarm(QWidget& caption)
{
    setTextColour(caption, QApplication::palette().windowText().color());
}

} // namespace reminders::ui
