#include "contactcardlinks.h"

#include "shared/textutils.h"

#include <QRegularExpression>
#include <QUrl>
#include <algorithm>

namespace contacts {
namespace {

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

// One letter before the colon is a drive ("C:\..."), not a scheme.
bool hasScheme(const QString& text)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(text).hasMatch();
}

bool isMailList(const QString& text)
{
    const QStringList parts = text.split(u';');
    return std::all_of(parts.begin(), parts.end(),
                       [](const QString& part) { return !shared::isNotEmailAddress(part); });
}

QByteArray encoded(const QString& text)
{
    return QUrl::toPercentEncoding(text);
}

} // namespace

QStringList splitValues(const QString& field)
{
    QStringList values;
    const qsizetype n = field.size();
    qsizetype i = 0;
    while (i < n && isBlank(field.at(i)))
        ++i;
    if (i >= n)
        return values;
    while (true) {
        QString value;
        if (field.at(i) == u'"') {
            ++i;
            while (i < n) {
                if (field.at(i) == u'"') {
                    if (i + 1 < n && field.at(i + 1) == u'"') {
                        value += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += field.at(i++);
            }
        } else {
            while (i < n && field.at(i) != u',' && !isBlank(field.at(i)))
                value += field.at(i++);
        }
        values << value;
        while (i < n && isBlank(field.at(i)))
            ++i;
        if (i >= n)
            break;
        if (field.at(i) == u',') {
            ++i;
            while (i < n && isBlank(field.at(i)))
                ++i;
            if (i >= n) {
                values << QString(); // a comma at the very end
                break;
            }
        }
    }
    return values;
}

QString openTarget(const QString& text)
{
    if (text.isEmpty() || hasScheme(text))
        return text;
    if (isMailList(text))
        return QStringLiteral("mailto:") + text;
    if (text.startsWith(QStringLiteral("www"), Qt::CaseInsensitive))
        return QStringLiteral("http://") + text;
    return text;
}

QString mapSearchUrl(const QString& address)
{
    if (address.isEmpty())
        return {};
    QString joined;
    for (const QString& line : address.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
        joined += line + u' ';
    return QStringLiteral("https://www.google.com/maps?q=") + QString::fromLatin1(encoded(joined));
}

QString webSearchUrl(const QString& name)
{
    QStringList words;
    for (const QString& word : name.left(50).split(u' '))
        words << QString::fromLatin1(encoded(word));
    return QStringLiteral("https://www.google.com/#q=") + words.join(u'+');
}

QString cardTitle(const QString& name)
{
    const QString title = name + QStringLiteral("   ");
    return title.size() > 29 ? title.left(26) + QStringLiteral("...") : title;
}

} // namespace contacts
