#include "contactphoto.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace contacts {

QString resolveContactPhoto(const QString& stored, const QString& programDir)
{
    if (stored.isEmpty())
        return QString();
    if (QFileInfo(stored).isFile())
        return stored;
    const qsizetype cut = std::max(stored.lastIndexOf(u'\\'), stored.lastIndexOf(u'/'));
    const QString name = stored.mid(cut + 1);
    if (name.isEmpty())
        return QString();
    const QString moved = QDir(programDir).filePath(QStringLiteral("pics/") + name);
    return QFileInfo(moved).isFile() ? moved : QString();
}

QImage loadContactPhoto(const QString& path, QString* error)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull() && error)
        *error = photoNotLoadedMessage(path);
    return image;
}

QString photoNotLoadedMessage(const QString& path)
{
    return QStringLiteral("The picture \"") + QDir::toNativeSeparators(path) +
           QStringLiteral("\" was not loaded: I cannot read its format or the file is damaged.");
}

} // namespace contacts
