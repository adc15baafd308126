#include "colourtext.h"

#include <algorithm>
#include <utility>

namespace themes {
namespace {

// Direct and special colours with their stored values (0x00BBGGRR).
constexpr std::array<std::pair<const char*, unsigned>, 22> NamedColours{{
    {"clBlack", 0x00000000},   {"clMaroon", 0x00000080},     {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},   {"clNavy", 0x00800000},       {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},    {"clGray", 0x00808080},       {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},     {"clLime", 0x0000FF00},       {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},    {"clFuchsia", 0x00FF00FF},    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},   {"clMoneyGreen", 0x00C0DCC0}, {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},   {"clMedGray", 0x00A4A0A0},    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
}};

// System colours by scheme index; indices 25 and 26 have no name.
constexpr std::array<const char*, SystemColourCount> SystemNames{
    "clScrollBar",
    "clBackground",
    "clActiveCaption",
    "clInactiveCaption",
    "clMenu",
    "clWindow",
    "clWindowFrame",
    "clMenuText",
    "clWindowText",
    "clCaptionText",
    "clActiveBorder",
    "clInactiveBorder",
    "clAppWorkSpace",
    "clHighlight",
    "clHighlightText",
    "clBtnFace",
    "clBtnShadow",
    "clGrayText",
    "clBtnText",
    "clInactiveCaptionText",
    "clBtnHighlight",
    "cl3DDkShadow",
    "cl3DLight",
    "clInfoText",
    "clInfoBk",
    nullptr,
    nullptr,
    "clGradientActiveCaption",
    "clGradientInactiveCaption",
};

// The classic light desktop scheme, 0xRRGGBB, used until the window tells the
// real one.
constexpr DesktopScheme ClassicScheme{
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x3399FF, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x434E54, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x0066CC, 0xE6E6E6, 0xB9D1EA, 0xD7E4F2,
};

DesktopScheme& currentScheme()
{
    static DesktopScheme scheme = ClassicScheme;
    return scheme;
}

unsigned swapRedBlue(unsigned value)
{
    return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
}

std::optional<unsigned> readNumber(const QString& t)
{
    bool ok = false;
    if (t.startsWith(u'$')) {
        const QStringView digits = QStringView(t).mid(1);
        if (digits.isEmpty() || digits.size() > 8)
            return std::nullopt;
        for (const QChar c : digits) {
            if (!c.isDigit() && !QStringLiteral("abcdefABCDEF").contains(c))
                return std::nullopt;
        }
        const unsigned value = digits.toUInt(&ok, 16);
        return ok ? std::optional(value) : std::nullopt;
    }
    // Only digits with an optional sign: toInt also takes blanks and '+'.
    const QStringView body = t.startsWith(u'-') ? QStringView(t).mid(1) : QStringView(t);
    if (body.isEmpty() ||
        !std::all_of(body.begin(), body.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    const int value = t.toInt(&ok, 10);
    return ok ? std::optional(unsigned(value)) : std::nullopt;
}

} // namespace

std::optional<unsigned> readColour(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (const auto& [name, value] : NamedColours) {
        if (t.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return value;
    }
    for (int i = 0; i < SystemColourCount; ++i) {
        if (SystemNames[i] && t.compare(QLatin1String(SystemNames[i]), Qt::CaseInsensitive) == 0)
            return SystemColourFlag + unsigned(i);
    }
    return readNumber(t);
}

QString writeColour(unsigned value)
{
    for (const auto& [name, v] : NamedColours) {
        if (v == value)
            return QLatin1String(name);
    }
    if (const auto index = systemColourIndex(value); index && SystemNames[*index])
        return QLatin1String(SystemNames[*index]);
    return u'$' + QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<int> systemColourIndex(unsigned value)
{
    if ((value & 0xFF000000u) != SystemColourFlag || (value & 0x00FFFFFFu) >= SystemColourCount)
        return std::nullopt;
    return int(value & 0xFFu);
}

const DesktopScheme& classicDesktopScheme()
{
    return ClassicScheme;
}

void setDesktopScheme(const DesktopScheme& scheme)
{
    currentScheme() = scheme;
}

std::optional<unsigned> parseColourText(const QString& text)
{
    const auto value = readColour(text);
    if (!value)
        return std::nullopt;
    if (const auto index = systemColourIndex(*value))
        return currentScheme()[*index];
    if ((*value & 0xFF000000u) != 0)
        return std::nullopt;
    return swapRedBlue(*value);
}

QString colourText(unsigned rgb)
{
    return writeColour(swapRedBlue(rgb & 0xFFFFFF));
}

} // namespace themes
