#include "notestats.h"

#include "shared/textutils.h"

namespace notes {

QStringList logicalLines(const QString& text)
{
    if (text.isEmpty())
        return {};
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = plain.split(u'\n');
    if (plain.endsWith(u'\n'))
        lines.removeLast();
    return lines;
}

FastStats fastStats(const QString& text)
{
    FastStats stats;
    const QStringList lines = logicalLines(text);
    stats.lines = int(lines.size());
    for (const QString& line : lines)
        stats.characters += line.size() + 2;
    return stats;
}

QString fastStatsMessage(const FastStats& stats)
{
    return QStringLiteral("Lines: ") + QString::number(stats.lines) + QStringLiteral("\r\n") +
           QStringLiteral("Characters (including spaces): ") + QString::number(stats.characters);
}

AdvancedStats advancedStats(const QString& text)
{
    AdvancedStats stats;
    const QStringList lines = logicalLines(text);
    stats.lines = int(lines.size());
    for (const QString& line : lines)
        stats.characters += line.size();
    stats.words = shared::countWords(lines.join(u' '));
    return stats;
}

QString advancedStatsMessage(const AdvancedStats& stats)
{
    return QStringLiteral("== Statistics of the document ==\r\n\r\nRighe: ") +
           QString::number(stats.lines) + QStringLiteral("\r\n\r\n") +
           QStringLiteral("Caratteri (spazi inclusi): ") + QString::number(stats.characters) +
           QStringLiteral("\r\n\r\n") + QStringLiteral("Parole: ") + QString::number(stats.words) +
           u'\n';
}

QString advancedStatsQuestion()
{
    return QStringLiteral("Apply advanced statistical counting in this document, may require \r a "
                          "long waiting time. Perform advanced still count?");
}

} // namespace notes
