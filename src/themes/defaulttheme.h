#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace themes {

// The pictures the built-in theme is made of, each under the file name the
// theme folder gives it; the window supplies their bytes from the images its
// buttons carry.
const QStringList& defaultThemePictureFiles();

using ThemePicture = std::pair<QString, QByteArray>;

// The folder "default" of the themes folder is written when it or its key
// picture is missing, and at most once per run: a themes folder that cannot
// be written is not tried again at every refresh.
class DefaultThemeWriter final
{
public:
    explicit DefaultThemeWriter(QString themesFolder);

    bool needed() const;
    // Writes the font list, the colour list, their ".def" copies and the
    // given pictures, overwriting. Returns the file names it could not write
    // (all of them when the folder cannot be made); nothing when it was
    // already written this run or is not needed.
    QStringList writeIfNeeded(const QList<ThemePicture>& pictures);

private:
    QString m_themesFolder;
    bool m_written = false;
};

} // namespace themes
