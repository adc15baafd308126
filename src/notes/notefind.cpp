#include "notefind.h"

namespace notes {

QString foldAsciiCase(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return out;
}

std::optional<qsizetype> findNext(const QString& text, const QString& searched,
                                  qsizetype selectionStart, qsizetype selectionLength)
{
    if (searched.isEmpty() || selectionStart < 0)
        return std::nullopt;
    const QString key = foldAsciiCase(searched);
    const bool onPreviousMatch = selectionLength == searched.size() &&
                                 foldAsciiCase(text.mid(selectionStart, selectionLength)) == key;
    const qsizetype from = selectionStart + (onPreviousMatch ? 1 : 0);
    if (from > text.size())
        return std::nullopt;
    const qsizetype at = foldAsciiCase(text).indexOf(key, from);
    if (at < 0)
        return std::nullopt;
    return at;
}

QString notFoundMessage(const QString& searched)
{
    return QStringLiteral("I ended up finding \"") + searched + u'"';
}

} // namespace notes
