#pragma once

#include <QLineEdit>
#include <QLocale>

namespace calendar::ui {

// "From" and "To": five places, hour, the locale's time separator, minutes.
// Typing overwrites and steps over the separator; a blank may stand in the
// hour's first place only; letters are refused. The text is always five
// characters, so an untouched field holds the empty time text.
class TimeField final : public QLineEdit
{
    Q_OBJECT
public:
    explicit TimeField(const QLocale& locale, QWidget* parent = nullptr);

    // Sets a stored or typed text; it is fitted to the five places.
    void setTimeText(const QString& text);
    QString timeText() const { return text(); }
    void clearTime();
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void put(int position, QChar c);
    int nextPlace(int position) const;

    QString m_separator;
};

} // namespace calendar::ui
