#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace store {
class Settings;
}

namespace calendar {

// How the task grids are painted; the theme chooses one.
enum class GridStyle
{
    Colorate,      // rows alternate light grey and white
    Coloratissime, // rows tinted with the colour of the task's kind
    Indicatori,    // as Colorate, with a bar in the kind's colour before the description
};
std::optional<GridStyle> gridStyleNamed(const QString& name);
QString gridStyleName(GridStyle style);

// What the theme decides about the grids. Colours are 0xRRGGBB. The values
// below are those of the built-in theme, in force until a theme is loaded.
struct GridTheme
{
    unsigned gridText = 0x000000;    // clBlack
    unsigned titleText = 0x000000;   // tab text colour: title rows and selected rows
    unsigned dailyRepeat = 0x0000FF; // clBlue, tasks repeated every day ("T")
    unsigned autoDelete = 0xFF0000;  // clRed, tasks deleted once past ("X")
    unsigned suspended = 0x4F4F4F;   // $004F4F4F
    bool border = true;              // outline the kind bar in black
    bool defaultColours = true;      // kind bars in the built-in colours, not the user's
    GridStyle style = GridStyle::Colorate;
};

// The colours around the grid: the sections' own and the window's.
struct GridColours
{
    unsigned oneShot = 0xD2A6A6;
    unsigned yearly = 0xF5E3A7;
    unsigned monthly = 0x54A558;
    unsigned weekly = 0x078FBC;
    unsigned today = 0x9D9DCE;
    unsigned currentSection = 0x9D9DCE; // the active tab's colour
    unsigned buttonFace = 0xF0F0F0;     // the system's
    unsigned window = 0xFFFFFF;         // the grid's own background

    // The section colour of a task kind ("O", "Y", "M", "W"); the today
    // colour for anything else.
    unsigned kindColour(const QString& kind) const;
    // Takes the five task section colours of the settings; a colour text that
    // does not read keeps the default.
    void takeSectionColours(const store::Settings& settings);
};

// The kind bars' colours when the theme asks for the built-in ones. They
// match the default section colours, so that a user who recoloured the
// sections still finds the familiar marks.
unsigned defaultIndicatorColour(const QString& kind);

// Each of red, green and blue moved `percent` of the way toward white, in
// integer arithmetic.
unsigned blendTowardWhite(unsigned rgb, int percent);

// The light grey of odd rows.
inline constexpr unsigned OddRowGrey = 0xF4F4F4;

// The facts of one listed task that its drawing depends on.
struct RowFacts
{
    QString kind;      // flag
    QString dayofweek; // "X", "T" or anything else
    QDate fatto;
    bool suspended = false;
};

// How one row is drawn.
struct RowLook
{
    unsigned background = 0xFFFFFF;
    unsigned text = 0x000000;
    bool struckOut = false;
    bool indicator = false; // a kind bar before the description
    unsigned indicatorFill = 0;
    unsigned indicatorOutline = 0;
};

// The look of the row with 1-based `recordNumber` while `shown` is the
// viewed day. Text colours are decided in order, a later rule winning:
// auto-delete, daily repeat, suspended. A task done for the viewed day or a
// later one is struck through.
RowLook rowLook(const GridTheme& theme, const GridColours& colours, const RowFacts& row,
                const QDate& shown, int recordNumber, bool selected);

// The kind bar takes the row's height less 20 pixels, as it always has, but
// never less than a few pixels: on rows under 20 pixels high it would
// otherwise vanish and the style would show nothing.
int indicatorWidth(int cellHeight);

} // namespace calendar
