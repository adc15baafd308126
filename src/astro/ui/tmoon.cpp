#include "tmoon.h"

#include "astro/moonphase.h"

#include <QPainter>

namespace astro::ui {

TMoon::TMoon(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setDate(m_date);
}

void TMoon::setDate(double dateTime)
{
    m_date = dateTime;
    m_phaseAngle = astro::phaseAngle(dateTime);
    redraw();
}

void TMoon::setMoonSize(MoonSize size)
{
    m_size = size;
    updateGeometry();
    redraw();
}

void TMoon::setMoonStyle(MoonStyle style)
{
    m_style = style;
    redraw();
}

void TMoon::setRotation(Rotation rotation)
{
    m_rotation = rotation;
    redraw();
}

void TMoon::setShowApollo11(bool show)
{
    m_showApollo11 = show;
    redraw();
}

QSize TMoon::sizeHint() const
{
    const MoonGeometry g = moonGeometry(m_size);
    return {g.width, g.height};
}

void TMoon::redraw()
{
    const MoonPicture drawn =
        moonPicture(m_date, m_phaseAngle, m_size, m_style, m_rotation, m_showApollo11);
    QImage image(drawn.width, drawn.height, QImage::Format_ARGB32);
    for (int row = 0; row < drawn.height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < drawn.width; ++column)
            line[column] = drawn.pixel(column, row);
    }
    m_picture = image;
    update();
}

void TMoon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture);
}

} // namespace astro::ui
