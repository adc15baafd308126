#include "themeapplier.h"

#include "themepicture.h"
#include "themes/colourtext.h"
#include "themes/glyphtable.h"
#include "themes/themepaths.h"
#include "themes/themetext.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QSaveFile>
#include <QTabWidget>

namespace themes::ui {
namespace {

// A hint picture this wide or wider holds a normal and a disabled image.
constexpr int TwoImageWidth = 39;
// Buttons that decide the layout by their own picture, not the hint's.
const QStringList& ownLayoutButtons()
{
    static const QStringList names{
        QStringLiteral("SpeedButton_Manual"), QStringLiteral("SpeedButtonHelpOnLine"),
        QStringLiteral("SpeedButtonHint"), QStringLiteral("SpeedButtonFB")};
    return names;
}

QColor drawn(unsigned colourValue, QColor fallback)
{
    const auto rgb = parseColourText(writeColour(colourValue));
    return rgb ? QColor::fromRgb(QRgb(*rgb)) : fallback;
}

void writeIfMissing(const QString& folder, const QString& name, const QByteArray& bytes)
{
    if (!findInFolder(folder, name).isEmpty())
        return;
    QSaveFile file(QDir(folder).filePath(name));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        file.commit();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

ThemeApplier::ThemeApplier(QWidget& window, QString themesFolder)
    : m_window(window), m_themesFolder(std::move(themesFolder))
{
}

AppliedTheme ThemeApplier::apply(const QString& name, const QString& currentName)
{
    AppliedTheme applied;
    if (auto* label = m_window.findChild<QLabel*>(QStringLiteral("Label_NomeTema")))
        label->setText(QStringLiteral("Theme [") + currentName + u']');
    const auto folder = themeFolder(m_themesFolder, name);
    if (!folder || !QDir(*folder).exists())
        return applied;

    completeTextFiles(*folder);
    applySteps(titleGlyphSteps(), *folder, applied.refused);
    applyTitlePictures(*folder, applied.refused);
    copyHint();
    applySteps(buttonGlyphSteps(), *folder, applied.refused);

    // The whole file is checked before anything is shown: bad lines take
    // their defaults and are named once.
    if (const QString fonts = findInFolder(*folder, QStringLiteral("Fonts.txt"));
        !fonts.isEmpty()) {
        FontSettings settings = readFontSettings(readTextLines(fileBytes(fonts)));
        if (!settings.badLines.isEmpty())
            applied.refused.append(badLinesText(QStringLiteral("Fonts.txt"), settings.badLines));
        applyFonts(settings);
        applied.fonts = settings;
    }
    if (const QString colours = findInFolder(*folder, QStringLiteral("Colors.clr"));
        !colours.isEmpty()) {
        const ColourListRead read = readColourList(readTextLines(fileBytes(colours)));
        if (!read.badLines.isEmpty())
            applied.refused.append(badLinesText(QStringLiteral("Colors.clr"), read.badLines));
        applied.colours = read.colours;
    }
    layoutGlyphs();
    return applied;
}

void ThemeApplier::completeTextFiles(const QString& folder)
{
    writeIfMissing(folder, QStringLiteral("Fonts.txt"), textFileBytes(defaultFontLines()));
    writeIfMissing(folder, QStringLiteral("Fonts.def"),
                   fileBytes(findInFolder(folder, QStringLiteral("Fonts.txt"))));
    writeIfMissing(folder, QStringLiteral("Colors.clr"),
                   textFileBytes(colourListLines(defaultSectionColours())));
    writeIfMissing(folder, QStringLiteral("Colors.def"),
                   fileBytes(findInFolder(folder, QStringLiteral("Colors.clr"))));
}

QImage ThemeApplier::readPicture(const QString& folder, const QString& file, QStringList& refused)
{
    const QString path = findInFolder(folder, file);
    if (path.isEmpty())
        return {};
    QString reason;
    const QImage image = readThemePicture(path, &reason);
    if (image.isNull())
        refused.append(file + QStringLiteral(" (") + reason + u')');
    return image;
}

void ThemeApplier::applySteps(const QList<GlyphStep>& steps, const QString& folder,
                              QStringList& refused)
{
    for (const GlyphStep& step : steps) {
        const QImage glyph = readPicture(folder, step.file, refused);
        if (glyph.isNull())
            continue;
        setGlyph(step.target, glyph);
        for (const QString& copy : step.copies)
            setGlyph(copy, glyph);
    }
}

void ThemeApplier::setGlyph(const QString& buttonName, const QImage& glyph)
{
    m_glyphs.insert(buttonName, glyph);
}

void ThemeApplier::copyHint()
{
    const QImage hint = m_glyphs.value(QStringLiteral("SpeedButton_Help"));
    if (hint.isNull())
        return;
    for (const QString& name : hintButtons())
        setGlyph(name, hint);
}

void ThemeApplier::applyTitlePictures(const QString& folder, QStringList& refused)
{
    auto* left = m_window.findChild<QLabel*>(QStringLiteral("Image_barra_sx"));
    auto* middle = m_window.findChild<QLabel*>(QStringLiteral("Image_barra_mid"));
    auto* right = m_window.findChild<QLabel*>(QStringLiteral("Image_barra_dx"));
    auto* bar = m_window.findChild<QWidget*>(QStringLiteral("piu"));
    auto* credit = m_window.findChild<QWidget*>(QStringLiteral("panel_credit"));
    if (!left || !middle || !right || !bar)
        return;
    for (QLabel* picture : {left, middle, right}) {
        picture->clear();
        picture->setScaledContents(false);
    }
    if (credit)
        credit->show();
    const auto load = [&](const char* file, QLabel* target, bool stretch) {
        const QImage image = readPicture(folder, QString::fromLatin1(file), refused);
        if (image.isNull())
            return false;
        target->setPixmap(QPixmap::fromImage(cappedTitlePicture(image)));
        if (stretch)
            target->setScaledContents(true);
        return true;
    };
    load("barra_mid.bmp", middle, false);
    load("barra_dx.bmp", right, false);
    load("barra_sx.bmp", left, false);
    load("barra_dx_s.bmp", right, true);
    load("barra_sx_s.bmp", left, true);
    load("barra_mid_s.bmp", middle, true);
    if (load("barra_mid_f.bmp", middle, false) && credit)
        credit->hide(); // the picture carries its own title
    const bool middleOnly = load("barra_mid_x.bmp", middle, false);
    left->setVisible(!middleOnly);
    right->setVisible(!middleOnly);
    const int height = middle->pixmap().isNull() ? 0 : middle->pixmap().height();
    bar->setFixedHeight(height < 31 ? 30 : height + 4);
}

void ThemeApplier::applyFonts(const FontSettings& fonts)
{
    if (auto* credit = m_window.findChild<QWidget*>(QStringLiteral("panel_credit"))) {
        QFont font(fonts.titleFont, fonts.titleSize);
        font.setBold(true);
        credit->setFont(font);
        QPalette palette = credit->palette();
        palette.setColor(QPalette::WindowText, drawn(fonts.titleColour, Qt::black));
        credit->setPalette(palette);
    }
    QWidget* tabs = m_window.findChild<QWidget*>(QStringLiteral("PageControlMenuTabs"));
    if (!tabs) {
        if (auto* pages = m_window.findChild<QTabWidget*>(QStringLiteral("PageControlMenu")))
            tabs = pages->tabBar();
    }
    if (tabs) {
        tabs->setFont(QFont(fonts.tabFont, fonts.tabSize));
        QPalette palette = tabs->palette();
        palette.setColor(QPalette::ButtonText, drawn(fonts.tabColour, Qt::black));
        palette.setColor(QPalette::WindowText, drawn(fonts.tabColour, Qt::black));
        tabs->setPalette(palette);
    }
    const QFont gridFont(fonts.gridFont, fonts.gridSize);
    const QList<QWidget*> widgets = m_window.findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const QString name = widget->objectName();
        if (name.startsWith(QLatin1String("DBGrid")) || name.startsWith(QLatin1String("DBMemo")))
            widget->setFont(gridFont);
    }
    if (fonts.gridStyle) {
        if (auto* style = m_window.findChild<QComboBox*>(QStringLiteral("ComboBox_Stile")))
            style->setCurrentIndex(int(*fonts.gridStyle));
    }
}

void ThemeApplier::layoutGlyphs()
{
    const auto twoImages = [](const QImage& glyph) { return glyph.width() >= TwoImageWidth; };
    const bool hintTwo = twoImages(m_glyphs.value(QStringLiteral("SpeedButton_Help")));
    for (auto it = m_glyphs.cbegin(); it != m_glyphs.cend(); ++it) {
        auto* button = m_window.findChild<QAbstractButton*>(it.key());
        if (!button)
            continue;
        const QImage& glyph = it.value();
        const bool split = ownLayoutButtons().contains(it.key()) ? twoImages(glyph) : hintTwo;
        QIcon icon;
        if (split && glyph.width() >= 2) {
            const int half = glyph.width() / 2;
            icon.addPixmap(
                QPixmap::fromImage(glyphWithTransparency(glyph.copy(0, 0, half, glyph.height()))));
            icon.addPixmap(QPixmap::fromImage(
                               glyphWithTransparency(glyph.copy(half, 0, half, glyph.height()))),
                           QIcon::Disabled);
        } else {
            icon.addPixmap(QPixmap::fromImage(glyphWithTransparency(glyph)));
        }
        button->setIcon(icon);
        button->setProperty("themeGlyphSplit", split);
    }
}

} // namespace themes::ui
