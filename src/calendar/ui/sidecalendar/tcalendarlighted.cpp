#include "tcalendarlighted.h"

#include "calendar/calendarcells.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace calendar::ui {
namespace {

QColor rgb(unsigned value)
{
    return QColor::fromRgb(QRgb(0xFF000000u | value));
}

bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up
           || key == Qt::Key_Down;
}

} // namespace

TCalendarLighted::TCalendarLighted(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_date = QDate(2000, 1, 1);
}

void TCalendarLighted::setDate(const QDate& day)
{
    if (!day.isValid() || day == m_date)
        return;
    m_date = day;
    update();
    emit dateChanged(day);
}

void TCalendarLighted::setMarks(const MonthMarks& marks)
{
    m_marks = marks;
    update();
}

void TCalendarLighted::clearMarks()
{
    m_marks = MonthMarks();
    update();
}

void TCalendarLighted::setColorLight(const QColor& colour)
{
    m_colorLight = colour;
    update();
}

void TCalendarLighted::setColorLightSelect(const QColor& colour)
{
    m_colorLightSelect = colour;
    update();
}

void TCalendarLighted::setColorLightSunday(const QColor& colour)
{
    m_colorLightSunday = colour;
    update();
}

void TCalendarLighted::setColorSunday(const QColor& colour)
{
    m_colorSunday = colour;
    update();
}

void TCalendarLighted::setWeekEnd(std::bitset<7> days)
{
    m_weekEnd = days;
    update();
}

void TCalendarLighted::setStartOfWeek(int weekday)
{
    m_startOfWeek = ((weekday % 7) + 7) % 7;
    update();
}

void TCalendarLighted::setDefaultRowHeight(int height)
{
    m_rowHeight = qMax(12, height);
    updateGeometry();
    update();
}

void TCalendarLighted::setStripLook(const GridTheme& theme, const GridColours& colours)
{
    m_theme = theme;
    m_colours = colours;
    update();
}

QSize TCalendarLighted::sizeHint() const
{
    return {MonthGrid::Columns * 30, MonthGrid::Rows * m_rowHeight};
}

QSize TCalendarLighted::minimumSizeHint() const
{
    return {MonthGrid::Columns * 20, MonthGrid::Rows * m_rowHeight};
}

int TCalendarLighted::columnWidth() const
{
    return qMax(1, width() / MonthGrid::Columns);
}

QRect TCalendarLighted::cellAt(int row, int column) const
{
    return QRect(column * columnWidth(), row * m_rowHeight, columnWidth(), m_rowHeight);
}

QRect TCalendarLighted::cellRect(const QDate& day) const
{
    const auto cell = MonthGrid(m_date, m_startOfWeek).cellOf(day);
    return cell ? cellAt(cell->first, cell->second) : QRect();
}

QDate TCalendarLighted::dateAt(const QPoint& pos) const
{
    if (pos.x() < 0 || pos.y() < 0)
        return {};
    return MonthGrid(m_date, m_startOfWeek).dateAt(pos.y() / m_rowHeight, pos.x() / columnWidth());
}

QColor TCalendarLighted::fillColour(int fill) const
{
    switch (CellFill(fill)) {
    case CellFill::Plain:
        return palette().color(QPalette::Base);
    case CellFill::Selection:
        return palette().color(QPalette::Highlight);
    case CellFill::Light:
        return m_colorLight;
    case CellFill::LightSelect:
        return m_colorLightSelect;
    case CellFill::LightSunday:
        return m_colorLightSunday;
    case CellFill::Sunday:
        return m_colorSunday;
    }
    return palette().color(QPalette::Base);
}

void TCalendarLighted::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const MonthGrid grid(m_date, m_startOfWeek);
    for (int column = 0; column < MonthGrid::Columns; ++column) {
        const QRect cell = cellAt(0, column);
        painter.fillRect(cell, palette().color(QPalette::Button));
        // Qt counts weekdays from Monday = 1 to Sunday = 7.
        const int weekday = grid.weekdayOfColumn(column);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(cell, Qt::AlignCenter,
                         locale().dayName(weekday == 0 ? 7 : weekday, QLocale::ShortFormat));
    }
    for (int row = 1; row < MonthGrid::Rows; ++row) {
        for (int column = 0; column < MonthGrid::Columns; ++column) {
            const QDate day = grid.dateAt(row, column);
            if (day.isValid())
                paintDay(painter, cellAt(row, column), day);
        }
    }
    painter.setPen(palette().color(QPalette::Mid));
    for (int column = 1; column < MonthGrid::Columns; ++column)
        painter.drawLine(column * columnWidth(), 0, column * columnWidth(), height());
    for (int row = 1; row < MonthGrid::Rows; ++row)
        painter.drawLine(0, row * m_rowHeight, MonthGrid::Columns * columnWidth(), row * m_rowHeight);
}

void TCalendarLighted::paintDay(QPainter& painter, const QRect& cell, const QDate& day)
{
    const bool selected = day == m_date;
    const CellFill fill =
        cellFill(isLighted(day), m_weekEnd.test(size_t(weekdayIndex(day))), selected);
    const QColor background = fillColour(int(fill));
    painter.fillRect(cell, background);
    if (carriesKindStrip(fill)) {
        for (const auto& segment : kindStrip(cell, m_marks.kindCodeOf(day), m_theme, m_colours)) {
            if (!segment)
                continue;
            painter.fillRect(segment->outer, rgb(segment->edge));
            painter.fillRect(segment->inner, rgb(segment->fill));
        }
    }
    // Dark fills (the selection, a blue "lighted and selected") need light digits.
    painter.setPen(qGray(background.rgb()) < 128 ? Qt::white : Qt::black);
    QRect text = cell;
    if (carriesKindStrip(fill))
        text.setBottom(kindSegmentRect(cell, 0).top() - 1);
    painter.drawText(text, Qt::AlignCenter, QString::number(day.day()));
}

void TCalendarLighted::mousePressEvent(QMouseEvent* event)
{
    m_lastPress = event->position().toPoint();
    const QDate day = dateAt(m_lastPress);
    if (!day.isValid())
        return;
    setDate(day);
    emit dateClicked(event->button(), day);
}

void TCalendarLighted::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The press before it has normally selected the day already; selecting
    // it here too keeps the day meant even when that press went elsewhere.
    m_lastPress = event->position().toPoint();
    const QDate day = dateAt(m_lastPress);
    if (!day.isValid() || event->button() != Qt::LeftButton)
        return;
    setDate(day);
    emit dateDoubleClicked(day);
}

void TCalendarLighted::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        setDate(m_date.addDays(-1));
        break;
    case Qt::Key_Right:
        setDate(m_date.addDays(1));
        break;
    case Qt::Key_Up:
        setDate(m_date.addDays(-7));
        break;
    case Qt::Key_Down:
        setDate(m_date.addDays(7));
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TCalendarLighted::keyReleaseEvent(QKeyEvent* event)
{
    if (isArrow(event->key()) && !event->isAutoRepeat()) {
        emit dateKeyed(m_date);
        return;
    }
    QWidget::keyReleaseEvent(event);
}

} // namespace calendar::ui
