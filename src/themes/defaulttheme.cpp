#include "defaulttheme.h"

#include "themefiles.h"
#include "themepaths.h"
#include "themetext.h"

#include <QDir>
#include <QSaveFile>

namespace themes {
namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

const QStringList& defaultThemePictureFiles()
{
    static const QStringList files = [] {
        QStringList names =
            QString::fromLatin1(
                "co_about co_fix co_refresh co_iconize co_minimize co_maximize co_kill date_cal "
                "date_back date_next date_today date_origin date_add date_del date_mod date_exp "
                "date_dup date_chk contact_add contact_del contact_mod contact_dup contact_imp "
                "contact_exp invert contact_phone contact_email contact_web contact_map note_add "
                "note_del note_mod note_hidelist note_save note_imp note_exp note_breakline "
                "note_format note_restore note_find todo_add todo_del todo_mod todo_dup todo_exp "
                "todo_chk print help_hint help_manual help_web fb key")
                .split(u' ');
        for (QString& name : names)
            name += QStringLiteral(".bmp");
        return names;
    }();
    return files;
}

DefaultThemeWriter::DefaultThemeWriter(QString themesFolder)
    : m_themesFolder(std::move(themesFolder))
{
}

bool DefaultThemeWriter::needed() const
{
    const QString folder = QDir(m_themesFolder).filePath(DefaultThemeName);
    return !QDir(folder).exists() || findInFolder(folder, QStringLiteral("key.bmp")).isEmpty();
}

QStringList DefaultThemeWriter::writeIfNeeded(const QList<ThemePicture>& pictures)
{
    if (m_written || !needed())
        return {};
    m_written = true;

    const QByteArray fonts = textFileBytes(defaultFontLines());
    const QByteArray colours = textFileBytes(colourListLines(defaultSectionColours()));
    QList<ThemePicture> files{{QStringLiteral("Fonts.txt"), fonts},
                              {QStringLiteral("Fonts.def"), fonts},
                              {QStringLiteral("Colors.clr"), colours},
                              {QStringLiteral("Colors.def"), colours}};
    files += pictures;

    const QString folder = QDir(m_themesFolder).filePath(DefaultThemeName);
    QStringList failed;
    const bool made = QDir().mkpath(folder);
    for (const auto& [name, bytes] : files) {
        if (!made || !writeFile(QDir(folder).filePath(name), bytes))
            failed.append(name);
    }
    return failed;
}

} // namespace themes
