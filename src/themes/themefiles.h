#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace themes {

// Fonts.txt: captions in upper case name the value lines that follow them.
// The list the program writes has 26 lines; older files are shorter and are
// completed in memory when read (the file itself is left as it is).
QStringList defaultFontLines();
// Completes a list to 30 lines: a list without the suspended colour gets it
// (grey), one without the indicator lines gets them (border and default
// colours on). Lines the file lacks read as empty.
QStringList upgradeFontLines(QStringList lines);

enum class GridStyle
{
    Colorate,
    Coloratissime,
    Indicatori
};

// What Fonts.txt says, every value already checked: a line that does not hold
// what it should takes its default, and its number (from 0) is in badLines.
struct FontSettings
{
    QString titleFont = QStringLiteral("Arial");
    int titleSize = 11;
    unsigned titleColour = 0x00000000;
    QString tabFont = QStringLiteral("Arial");
    int tabSize = 10;
    unsigned tabColour = 0x00000000;
    QString gridFont = QStringLiteral("MS Sans Serif");
    int gridSize = 9;
    unsigned gridColour = 0x80000008; // the window-text colour
    unsigned dailyRepeatColour = 0x00FF0000;
    unsigned autoDeleteColour = 0x000000FF;
    unsigned suspendedColour = 0x00000000;
    // Nothing when the line names no style: the selection stays as it was.
    std::optional<GridStyle> gridStyle;
    bool border = true;
    bool defaultColours = true;
    QList<int> badLines;
};

// Reads lines as the file holds them (before completion).
FontSettings readFontSettings(const QStringList& fileLines);
// The 30 lines the theme editor writes.
QStringList fontLinesOf(const FontSettings& settings);

QString gridStyleWord(GridStyle style);
std::optional<GridStyle> gridStyleOf(const QString& word);

// Colors.clr and the colour lists: nine colour texts, one per section.
constexpr int SectionCount = 9;
using SectionColours = std::array<unsigned, SectionCount>;
const SectionColours& defaultSectionColours();

struct ColourListRead
{
    SectionColours colours;
    // Numbers (from 0) of the lines that are missing or hold no colour.
    QList<int> badLines;
};
// Each bad line takes the colour of the given fallback.
ColourListRead readColourList(const QStringList& fileLines,
                              const SectionColours& fallback = defaultSectionColours());
QStringList colourListLines(const SectionColours& colours);

// "file, line 3" or "file, lines 3, 7" (lines counted from 1, as an editor
// shows them) for a warning.
QString badLinesText(const QString& fileName, const QList<int>& badLines);

} // namespace themes
