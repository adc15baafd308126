#include "colourtext.h"

#include <array>
#include <utility>

namespace themes {
namespace {

// The standard colour names, with their values as 0xRRGGBB.
constexpr std::array<std::pair<const char*, unsigned>, 16> StandardColours{{
    {"clBlack", 0x000000},
    {"clMaroon", 0x800000},
    {"clGreen", 0x008000},
    {"clOlive", 0x808000},
    {"clNavy", 0x000080},
    {"clPurple", 0x800080},
    {"clTeal", 0x008080},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0xFF0000},
    {"clLime", 0x00FF00},
    {"clYellow", 0xFFFF00},
    {"clBlue", 0x0000FF},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0x00FFFF},
    {"clWhite", 0xFFFFFF},
}};

unsigned swapRedBlue(unsigned value)
{
    return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
}

} // namespace

std::optional<unsigned> parseColourText(const QString& text)
{
    const QString t = text.trimmed();
    if (t.startsWith(u'$')) {
        bool ok = false;
        const unsigned value = t.mid(1).toUInt(&ok, 16);
        if (!ok || t.size() > 9)
            return std::nullopt;
        return swapRedBlue(value & 0xFFFFFF);
    }
    for (const auto& [name, rgb] : StandardColours) {
        if (t.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return rgb;
    }
    return std::nullopt;
}

QString colourText(unsigned rgb)
{
    rgb &= 0xFFFFFF;
    for (const auto& [name, value] : StandardColours) {
        if (value == rgb)
            return QLatin1String(name);
    }
    return QStringLiteral("$00") + QStringLiteral("%1").arg(swapRedBlue(rgb), 6, 16, QLatin1Char('0')).toUpper();
}

} // namespace themes
