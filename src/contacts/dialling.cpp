#include "dialling.h"

#include "contactcardlinks.h"

namespace contacts {

bool takesOutsideLineZero(const QString& value)
{
    if (value.isEmpty())
        return false;
    for (const QChar c : value) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QStringList dialEntries(const QString& phone, const QString& mobile, const QString& skype,
                        bool outsideLine)
{
    QStringList entries = splitValues(phone + u' ' + mobile + u' ' + skype);
    if (outsideLine) {
        for (QString& entry : entries) {
            if (takesOutsideLineZero(entry))
                entry.prepend(u'0');
        }
    }
    return entries;
}

QString callToAddress(const QString& number)
{
    return QStringLiteral("callto:") + number;
}

QString chatAddress(const QString& number)
{
    return QStringLiteral("skype:") + number + QStringLiteral("?chat");
}

} // namespace contacts
