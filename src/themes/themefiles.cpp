#include "themefiles.h"

#include "colourtext.h"
#include "themetext.h"

namespace themes {
namespace {

constexpr int FontLineCount = 30;

std::optional<int> readSize(const QString& text)
{
    bool ok = false;
    const int size = text.trimmed().toInt(&ok);
    return ok && size > 0 && size <= 200 ? std::optional(size) : std::nullopt;
}

} // namespace

QStringList defaultFontLines()
{
    return {
        QStringLiteral("BARRA (1,2,3)"),
        QStringLiteral("Arial"),
        QStringLiteral("11"),
        QStringLiteral("clBlack"),
        QString(),
        QStringLiteral("TABS (6,7,8)"),
        QStringLiteral("Arial"),
        QStringLiteral("10"),
        QStringLiteral("clBlack"),
        QString(),
        QStringLiteral("GRIGLIE (11,12,13)"),
        QStringLiteral("MS Sans Serif"),
        QStringLiteral("10"),
        QStringLiteral("clBlack"),
        QString(),
        QStringLiteral("TORMENT (16)"),
        QStringLiteral("clBlue"),
        QString(),
        QStringLiteral("AUTODELETE (19)"),
        QStringLiteral("clRed"),
        QString(),
        QStringLiteral("COLORATE  (22)"),
        QStringLiteral("colorate"),
        QString(),
        QStringLiteral("SOSPESO (25)"),
        QStringLiteral("$004F4F4F"),
    };
}

QStringList upgradeFontLines(QStringList lines)
{
    // A missing line reads as empty, so a short file is first made long
    // enough for the lines the completion sets.
    const auto setLine = [&lines](int index, const QString& text) {
        while (lines.size() <= index)
            lines.append(QString());
        lines[index] = text;
    };
    if (lines.size() < 24) {
        setLine(23, QString());
        setLine(24, QStringLiteral("SOSPESO (25)"));
        setLine(25, QStringLiteral("clGray"));
    }
    if (lines.size() < 27) {
        setLine(26, QString());
        setLine(27, QStringLiteral("LED (28)"));
        setLine(28, QStringLiteral("yesborder"));
    }
    if (lines.size() < FontLineCount)
        setLine(29, QStringLiteral("yes-default-color"));
    return lines;
}

FontSettings readFontSettings(const QStringList& fileLines)
{
    const QStringList lines = upgradeFontLines(fileLines);
    FontSettings s;
    // Only lines the file holds can be wrong; the ones it lacks are old.
    const auto inFile = [&fileLines](int index) { return index < fileLines.size(); };
    const auto name = [&](int index, QString& target) {
        const QString text = lines.at(index).trimmed();
        if (!text.isEmpty())
            target = text;
    };
    const auto size = [&](int index, int& target) {
        if (const auto value = readSize(lines.at(index)))
            target = *value;
        else if (inFile(index))
            s.badLines.append(index);
    };
    const auto colour = [&](int index, unsigned& target) {
        if (const auto value = readColour(lines.at(index)))
            target = *value;
        else if (inFile(index))
            s.badLines.append(index);
    };
    name(1, s.titleFont);
    size(2, s.titleSize);
    colour(3, s.titleColour);
    name(6, s.tabFont);
    size(7, s.tabSize);
    colour(8, s.tabColour);
    name(11, s.gridFont);
    size(12, s.gridSize);
    colour(13, s.gridColour);
    colour(16, s.dailyRepeatColour);
    colour(19, s.autoDeleteColour);
    s.gridStyle = gridStyleOf(lines.at(22));
    if (!s.gridStyle && inFile(22))
        s.badLines.append(22);
    colour(25, s.suspendedColour);
    s.border = lines.at(28).trimmed() != QLatin1String("noborder");
    s.defaultColours = lines.at(29).trimmed() != QLatin1String("no-default-color");
    return s;
}

QStringList fontLinesOf(const FontSettings& s)
{
    return {
        QStringLiteral("BARRA (1,2,3)"),
        s.titleFont,
        QString::number(s.titleSize),
        writeColour(s.titleColour),
        QString(),
        QStringLiteral("TABS (6,7,8)"),
        s.tabFont,
        QString::number(s.tabSize),
        writeColour(s.tabColour),
        QString(),
        QStringLiteral("GRIGLIE (11,12,13)"),
        s.gridFont,
        QString::number(s.gridSize),
        writeColour(s.gridColour),
        QString(),
        QStringLiteral("TORMENT (16)"),
        writeColour(s.dailyRepeatColour),
        QString(),
        QStringLiteral("AUTODELETE (19)"),
        writeColour(s.autoDeleteColour),
        QString(),
        QStringLiteral("COLORATE (22)"),
        gridStyleWord(s.gridStyle.value_or(GridStyle::Colorate)),
        QString(),
        QStringLiteral("SOSPESO (25)"),
        writeColour(s.suspendedColour),
        QString(),
        QStringLiteral("LED (28)"),
        s.border ? QStringLiteral("yesborder") : QStringLiteral("noborder"),
        s.defaultColours ? QStringLiteral("yes-default-color") : QStringLiteral("no-default-color"),
    };
}

QString gridStyleWord(GridStyle style)
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

std::optional<GridStyle> gridStyleOf(const QString& word)
{
    for (const GridStyle style :
         {GridStyle::Colorate, GridStyle::Coloratissime, GridStyle::Indicatori}) {
        if (word.trimmed() == gridStyleWord(style))
            return style;
    }
    return std::nullopt;
}

const SectionColours& defaultSectionColours()
{
    static const SectionColours colours{0x00A6A6D2, 0x00A7E3F5, 0x0058A554, 0x00BC8F07, 0x00CE9D9D,
                                        0x009A9A4E, 0x00AEAEAE, 0x00BADCF8, 0x0053A9FF};
    return colours;
}

ColourListRead readColourList(const QStringList& fileLines, const SectionColours& fallback)
{
    ColourListRead read{fallback, {}};
    for (int i = 0; i < SectionCount; ++i) {
        if (const auto value = readColour(lineAt(fileLines, i)))
            read.colours[i] = *value;
        else
            read.badLines.append(i);
    }
    return read;
}

QStringList colourListLines(const SectionColours& colours)
{
    QStringList lines;
    for (const unsigned colour : colours)
        lines.append(writeColour(colour));
    return lines;
}

QString badLinesText(const QString& fileName, const QList<int>& badLines)
{
    QStringList numbers;
    for (const int line : badLines)
        numbers.append(QString::number(line + 1));
    return fileName +
           (badLines.size() == 1 ? QStringLiteral(", line ") : QStringLiteral(", lines ")) +
           numbers.join(QStringLiteral(", "));
}

} // namespace themes
