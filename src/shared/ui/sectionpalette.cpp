#include "sectionpalette.h"

#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace shared::ui {
namespace {

double luminance(const QColor& colour)
{
    const auto linear = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

QColor mixed(const QColor& from, const QColor& to, double share)
{
    const auto mix = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor disabledTextOn(const QColor& background)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    // One of the two always reaches the readable ratio: the worst background
    // still gives about 4.58.
    const QColor ink =
        contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
    constexpr int Steps = 64;
    for (int step = 1; step < Steps; ++step) {
        const QColor candidate = mixed(background, ink, double(step) / Steps);
        if (contrastRatio(candidate, background) >= ReadableContrast)
            return candidate;
    }
    return ink;
}

void setSectionBackground(QWidget& area, const QColor& colour)
{
    QPalette p = area.palette();
    p.setColor(QPalette::Window, colour);
    const QColor disabled = disabledTextOn(colour);
    p.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, disabled);
    area.setPalette(p);
}

} // namespace shared::ui
