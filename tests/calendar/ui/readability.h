#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <algorithm>
#include <cmath>

// How readable drawn text is, measured on the pixels the widget drew: the
// contrast ratio of relative luminances, 1 for no difference up to 21 for
// black on white. 4.5 is the least that normal-sized text needs to be read
// comfortably.
namespace readability {

inline double luminance(const QColor& colour)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

inline double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast against `background` among the pixels `widget`
// shows inside the window `top`, as `top` is drawn on the screen: the text's
// own colour, since the glyph stems cover whole pixels.
inline double strongestContrast(QWidget& top, const QWidget& widget, const QColor& background)
{
    const QImage image = top.grab().toImage();
    const qreal scale = image.devicePixelRatio();
    const QRect area(widget.mapTo(&top, QPoint(0, 0)), widget.size());
    double best = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = std::max(best,
                            contrast(image.pixelColor(int(x * scale), int(y * scale)), background));
    return best;
}

} // namespace readability
