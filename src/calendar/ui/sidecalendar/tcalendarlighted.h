#pragma once

#include "calendar/calendarmarking.h"
#include "calendar/dailylook.h"

#include <QColor>
#include <QDate>
#include <QWidget>

#include <bitset>

namespace calendar::ui {

// A month calendar: a header row of weekday names and one row per week, in
// which some days are "lighted" (filled with a colour of their own) and carry
// a strip showing which kinds of task fall on them. Which days those are is
// decided elsewhere and handed in whole with setMarks().
class TCalendarLighted final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QColor ColorLight READ colorLight WRITE setColorLight)
    Q_PROPERTY(QColor ColorLightSelect READ colorLightSelect WRITE setColorLightSelect)
    Q_PROPERTY(QColor ColorLightSunday READ colorLightSunday WRITE setColorLightSunday)
    Q_PROPERTY(QColor ColorSunday READ colorSunday WRITE setColorSunday)
    Q_PROPERTY(int StartOfWeek READ startOfWeek WRITE setStartOfWeek)
    Q_PROPERTY(int DefaultRowHeight READ defaultRowHeight WRITE setDefaultRowHeight)
public:
    explicit TCalendarLighted(QWidget* parent = nullptr);

    QDate date() const { return m_date; }

    // The lighted days and kind codes of one month; replaced whole, so a
    // half-marked month is never shown.
    void setMarks(const MonthMarks& marks);
    void clearMarks();
    const MonthMarks& marks() const { return m_marks; }
    bool isLighted(const QDate& day) const { return m_marks.lighted.contains(day); }

    QColor colorLight() const { return m_colorLight; }
    void setColorLight(const QColor& colour);
    QColor colorLightSelect() const { return m_colorLightSelect; }
    void setColorLightSelect(const QColor& colour);
    QColor colorLightSunday() const { return m_colorLightSunday; }
    void setColorLightSunday(const QColor& colour);
    QColor colorSunday() const { return m_colorSunday; }
    void setColorSunday(const QColor& colour);

    // Weekday indexes drawn as weekend, 0 = Sunday to 6 = Saturday.
    std::bitset<7> weekEnd() const { return m_weekEnd; }
    void setWeekEnd(std::bitset<7> days);
    // The weekday of the first column, 0 = Sunday to 6 = Saturday.
    int startOfWeek() const { return m_startOfWeek; }
    void setStartOfWeek(int weekday);
    int defaultRowHeight() const { return m_rowHeight; }
    void setDefaultRowHeight(int height);

    // How the kind strip is coloured: the theme's choices and the section
    // colours.
    void setStripLook(const GridTheme& theme, const GridColours& colours);

    // Where a day of the shown month is drawn; empty for another month.
    QRect cellRect(const QDate& day) const;
    // The day drawn at a point; invalid outside the day cells.
    QDate dateAt(const QPoint& pos) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void setDate(const QDate& day);

signals:
    // Any change of the selected day, by click, key or setDate().
    void dateChanged(const QDate& day);
    // A press on a day cell, with any button; the day is selected first.
    void dateClicked(Qt::MouseButton button, const QDate& day);
    void dateDoubleClicked(const QDate& day);
    // An arrow key was let go: the selected day is where the keys left it.
    void dateKeyed(const QDate& day);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    int columnWidth() const;
    QRect cellAt(int row, int column) const;
    void paintDay(QPainter& painter, const QRect& cell, const QDate& day);
    QColor fillColour(int fill) const;

    QDate m_date;
    MonthMarks m_marks;
    QColor m_colorLight{0xFF, 0xFF, 0x00};
    QColor m_colorLightSelect{0x00, 0xFF, 0x00};
    QColor m_colorLightSunday{0xFF, 0x00, 0x00};
    QColor m_colorSunday{0xFC, 0x88, 0xCE};
    std::bitset<7> m_weekEnd{0b1000001}; // Sunday and Saturday
    int m_startOfWeek = 1;
    int m_rowHeight = 22;
    GridTheme m_theme;
    GridColours m_colours;
    QPoint m_lastPress;
};

} // namespace calendar::ui
