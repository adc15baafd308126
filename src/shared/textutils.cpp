#include "textutils.h"

namespace shared {

Rgb blendColour(const Rgb& first, const Rgb& second, int percent)
{
    // C++ division truncates toward zero, as the mix must.
    const auto mix = [percent](int a, int b) { return a + (b - a) * percent / 100; };
    return {mix(first.red, second.red), mix(first.green, second.green),
            mix(first.blue, second.blue)};
}

bool isNotEmailAddress(const QString& text)
{
    if (text.trimmed().isEmpty())
        return true;
    const QString lower = text.toLower();
    for (const QChar c : QStringView(u" äöüß[]():")) {
        if (lower.contains(c))
            return true;
    }
    const qsizetype at = text.indexOf(u'@');
    if (at <= 0 || at == text.size() - 1)
        return true;
    if (text.indexOf(u'@', at + 1) >= 0)
        return true;
    const QString domain = text.mid(at + 1);
    if (domain.size() < 2)
        return true;
    const qsizetype dot = domain.indexOf(u'.');
    return dot <= 0 || dot == domain.size() - 1;
}

int yearsBetween(const QDate& reference, const QDate& birth)
{
    if (reference == birth)
        return 0;
    int years = reference.year() - birth.year();
    if (reference.month() < birth.month()
        || (reference.month() == birth.month() && reference.day() < birth.day()))
        --years;
    return years;
}

QString flattenLineBreaks(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c == u'\r' || c == u'\n')
            c = u' ';
    }
    return out;
}

int countWords(const QString& text)
{
    int words = 0;
    bool inWord = false;
    for (const QChar c : text) {
        const bool blank = c == u' ';
        if (!blank && !inWord)
            ++words;
        inWord = !blank;
    }
    return words;
}

} // namespace shared
