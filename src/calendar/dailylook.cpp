#include "dailylook.h"

#include "taskrecord.h"

#include "store/settings.h"
#include "themes/colourtext.h"

#include <algorithm>

namespace calendar {

std::optional<GridStyle> gridStyleNamed(const QString& name)
{
    if (name == QLatin1String("colorate"))
        return GridStyle::Colorate;
    if (name == QLatin1String("coloratissime"))
        return GridStyle::Coloratissime;
    if (name == QLatin1String("indicatori"))
        return GridStyle::Indicatori;
    return std::nullopt;
}

QString gridStyleName(GridStyle style)
{
    switch (style) {
    case GridStyle::Coloratissime:
        return QStringLiteral("coloratissime");
    case GridStyle::Indicatori:
        return QStringLiteral("indicatori");
    case GridStyle::Colorate:
        break;
    }
    return QStringLiteral("colorate");
}

unsigned GridColours::kindColour(const QString& kind) const
{
    if (kind == kind::OneShot)
        return oneShot;
    if (kind == kind::Yearly)
        return yearly;
    if (kind == kind::Monthly)
        return monthly;
    if (kind == kind::Weekly)
        return weekly;
    return today;
}

void GridColours::takeSectionColours(const store::Settings& settings)
{
    using Section = store::Settings::Section;
    const auto take = [&settings](Section section, unsigned& target) {
        if (const auto rgb = themes::parseColourText(settings.sectionColour(section)))
            target = *rgb;
    };
    take(Section::OneShot, oneShot);
    take(Section::Yearly, yearly);
    take(Section::Monthly, monthly);
    take(Section::Weekly, weekly);
    take(Section::Today, today);
}

unsigned defaultIndicatorColour(const QString& kind)
{
    return GridColours{}.kindColour(kind);
}

unsigned blendTowardWhite(unsigned rgb, int percent)
{
    unsigned out = 0;
    for (int shift : {16, 8, 0}) {
        const int c = int((rgb >> shift) & 0xFF);
        out |= unsigned(c + percent * (255 - c) / 100) << shift;
    }
    return out;
}

RowLook rowLook(const GridTheme& theme, const GridColours& colours, const RowFacts& row,
                const QDate& shown, int recordNumber, bool selected)
{
    const bool odd = recordNumber % 2 != 0;
    RowLook look;
    look.background = colours.currentSection != colours.buttonFace
                          ? (odd ? OddRowGrey : 0xFFFFFF)
                          : colours.window;
    look.text = theme.gridText;

    const unsigned kindColour = colours.kindColour(row.kind);
    switch (theme.style) {
    case GridStyle::Indicatori:
        if (selected) {
            look.text = theme.titleText;
            look.background = colours.today;
        }
        look.indicator = true;
        look.indicatorFill = theme.defaultColours ? defaultIndicatorColour(row.kind) : kindColour;
        look.indicatorOutline = theme.border ? 0x000000 : look.indicatorFill;
        break;
    case GridStyle::Colorate:
        if (selected) {
            look.text = theme.titleText;
            look.background = kindColour;
        }
        break;
    case GridStyle::Coloratissime:
        look.background = selected ? kindColour : blendTowardWhite(kindColour, odd ? 80 : 70);
        if (selected)
            look.text = theme.titleText;
        break;
    }

    if (row.dayofweek == DeleteAfterCode)
        look.text = theme.autoDelete;
    if (row.dayofweek == TormentCode)
        look.text = theme.dailyRepeat;
    look.struckOut = row.fatto.isValid() && shown <= row.fatto;
    if (row.suspended)
        look.text = theme.suspended;
    return look;
}

int indicatorWidth(int cellHeight)
{
    return std::max(cellHeight - 20, 6);
}

} // namespace calendar
