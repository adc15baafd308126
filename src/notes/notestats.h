#pragma once

#include <QString>
#include <QStringList>

namespace notes {

// The text's logical lines as the editor's line list holds them: a break
// ends a line, so a text ending with a break has no empty line after it and
// an empty text has none at all. Wrapping on screen makes no lines.
QStringList logicalLines(const QString& text);

struct FastStats
{
    int lines = 0;
    qsizetype characters = 0; // two for the break after every line
};
FastStats fastStats(const QString& text);
QString fastStatsMessage(const FastStats& stats);

struct AdvancedStats
{
    int lines = 0;
    qsizetype characters = 0; // without line breaks
    int words = 0;
};
AdvancedStats advancedStats(const QString& text);
QString advancedStatsMessage(const AdvancedStats& stats);

// Above this many lines the advanced count asks first.
inline constexpr int AdvancedStatsQuietLines = 300;
QString advancedStatsQuestion();

} // namespace notes
