#include "timefield.h"

#include "calendar/tasktexts.h"

#include <QKeyEvent>

namespace calendar::ui {
namespace {
constexpr int SeparatorPlace = 2;
constexpr int Places = 5;
} // namespace

TimeField::TimeField(const QLocale& locale, QWidget* parent)
    : QLineEdit(parent), m_separator(timeSeparator(locale))
{
    setMaxLength(Places);
    setAlignment(Qt::AlignCenter);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    clearTime();
    // Whatever else changes the text (pasting, cutting) is fitted again.
    connect(this, &QLineEdit::textEdited, this, [this] {
        const int at = cursorPosition();
        setTimeText(text());
        setCursorPosition(std::min(at, Places));
    });
}

QSize TimeField::sizeHint() const
{
    // Room for the five places and a little air, in whatever font is set.
    const QSize wide = QLineEdit::sizeHint();
    return {fontMetrics().horizontalAdvance(QStringLiteral("00:00")) * 2, wide.height()};
}

void TimeField::clearTime()
{
    setTimeText(QString());
}

void TimeField::setTimeText(const QString& text)
{
    QString fitted = text.left(Places).leftJustified(Places, u' ');
    fitted.replace(SeparatorPlace, 1, m_separator);
    for (int i = 0; i < Places; ++i)
        if (i != SeparatorPlace && !fitted.at(i).isDigit())
            fitted[i] = u' ';
    setText(fitted);
    setCursorPosition(0);
}

int TimeField::nextPlace(int position) const
{
    return position == SeparatorPlace ? position + 1 : position;
}

void TimeField::put(int position, QChar c)
{
    QString t = text();
    t[position] = c;
    setText(t);
}

void TimeField::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    int at = cursorPosition();
    if (hasSelectedText() && event->key() != Qt::Key_Left && event->key() != Qt::Key_Right) {
        at = selectionStart();
        deselect();
    }
    switch (event->key()) {
    case Qt::Key_Backspace:
        if (at > 0) {
            at = at - 1 == SeparatorPlace ? at - 2 : at - 1;
            put(at, u' ');
            setCursorPosition(at);
        }
        return;
    case Qt::Key_Delete:
        if (at < Places && at != SeparatorPlace)
            put(at, u' ');
        setCursorPosition(at);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Left to the dialog, which applies on Enter.
        event->ignore();
        return;
    default:
        break;
    }
    if (typed.size() == 1 && (typed.at(0).isDigit() || typed.at(0) == u' ')) {
        at = nextPlace(at);
        // Only the hour's first place may stay blank.
        if (at < Places && (typed.at(0) != u' ' || at == 0)) {
            put(at, typed.at(0));
            setCursorPosition(nextPlace(at + 1));
        }
        return;
    }
    if (typed.size() == 1 && typed == m_separator) {
        // Typing the separator jumps to the minutes, as on a clock; an hour
        // of one digit ("9" then ":") becomes "09".
        const QString t = text();
        if (t.at(0).isDigit() && t.at(1) == u' ')
            setText(u'0' + t.left(1) + t.mid(2));
        setCursorPosition(SeparatorPlace + 1);
        return;
    }
    if (!typed.isEmpty() && typed.at(0).isPrint())
        return;
    QLineEdit::keyPressEvent(event);
}

} // namespace calendar::ui
