#pragma once

#include <QString>
#include <QToolButton>

namespace calendar::ui {

// A flat command button of the task grids' bars: its caption is the hint
// without the trailing blanks the hints carry.
inline QToolButton* commandButton(QWidget* parent, const QString& name, const char* hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    const QString text = QString::fromLatin1(hint);
    button->setToolTip(text);
    button->setText(text.trimmed());
    button->setAutoRaise(true);
    return button;
}

inline QToolButton* commandButton(QWidget* parent, const char* name, const char* hint)
{
    return commandButton(parent, QString::fromLatin1(name), hint);
}

// A colour as style sheets write it.
inline QString cssColour(unsigned rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0'));
}

} // namespace calendar::ui
