#pragma once

#include "themes/themefiles.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace themes {
struct GlyphStep;
}

namespace themes::ui {

// What a theme folder gave besides the pictures: the window stores the
// section colours and hands the grid values to the sections.
struct AppliedTheme
{
    // Nothing when the folder has no Fonts.txt; bad lines took their
    // defaults.
    std::optional<FontSettings> fonts;
    // Nothing when the folder has no Colors.clr; bad lines took the defaults.
    std::optional<SectionColours> colours;
    // What was not taken, one entry per file: "add.bmp (not a picture)",
    // "Fonts.txt, line 3".
    QStringList refused;
};

// Dresses the window from theme folders. Widgets are found by object name
// under the window, so a theme folder addresses them the way the files are
// named; a widget the window does not have is skipped. The applier keeps each
// button's picture as the theme gave it, because whether a picture is one
// image or a normal and a disabled one side by side is decided after all of
// them are in.
class ThemeApplier final
{
public:
    ThemeApplier(QWidget& window, QString themesFolder);

    // Applies the folder of `name` over what the window shows; `currentName`
    // is the theme in use, shown on the theme label (also while "default"
    // goes first). A name that is not a theme folder applies nothing.
    AppliedTheme apply(const QString& name, const QString& currentName);

    // The picture a button took from a theme, null when none.
    QImage glyphOf(const QString& buttonName) const { return m_glyphs.value(buttonName); }

private:
    void completeTextFiles(const QString& folder);
    void applySteps(const QList<GlyphStep>& steps, const QString& folder, QStringList& refused);
    void setGlyph(const QString& buttonName, const QImage& glyph);
    void copyHint();
    void applyTitlePictures(const QString& folder, QStringList& refused);
    void applyFonts(const FontSettings& fonts);
    void layoutGlyphs();
    QImage readPicture(const QString& folder, const QString& file, QStringList& refused);

    QWidget& m_window;
    QString m_themesFolder;
    QHash<QString, QImage> m_glyphs;
};

} // namespace themes::ui
