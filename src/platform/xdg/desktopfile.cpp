#include "platform/xdg/desktopfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform::xdg {

namespace {

// Inside a quoted argument the launcher reads these four after a backslash.
QString quotedArgument(const QString& argument)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            out += u'\\';
        if (c == u'%')
            out += u'%'; // a literal percent sign is doubled, quoted or not
        out += c;
    }
    return out + u'"';
}

} // namespace

QString stringValue(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else
            out += c;
    }
    return out;
}

QString execValue(const QString& program, const QStringList& arguments)
{
    QStringList quoted{quotedArgument(program)};
    for (const QString& argument : arguments)
        quoted.append(quotedArgument(argument));
    return stringValue(quoted.join(u' '));
}

QMap<QString, QString> readDesktopEntry(const QString& path)
{
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inEntry && equals > 0)
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return keys;
}

QString writeDesktopFile(const QString& path, const QStringList& lines, bool executable)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        return QStringLiteral("cannot create the folder %1")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    file.write((lines.join(u'\n') + u'\n').toUtf8());
    if (!file.commit())
        return file.errorString();
    // A launcher in the desktop folder runs only when it is executable.
    if (executable &&
        !QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner |
                                         QFileDevice::ExeUser | QFileDevice::ExeGroup |
                                         QFileDevice::ExeOther))
        return QStringLiteral("cannot make %1 executable").arg(QDir::toNativeSeparators(path));
    return QString();
}

} // namespace platform::xdg
