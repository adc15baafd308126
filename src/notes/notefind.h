#pragma once

#include <QString>
#include <optional>

namespace notes {

// Letters a to z upper-cased, every other character as it is: the find
// command matches "città" with "CITTà" but not with "CITTÀ".
QString foldAsciiCase(const QString& text);

// Find-next in the editor's text, from the selection (or the cursor, a
// selection of length 0). The search starts at the selection, so a match at
// the very start of the text is found; only when the selection is itself a
// match of the searched text does it start one character further, so that
// the same match is not found again. It never wraps to the beginning.
// Returns the start of the match (its length is the searched text's).
std::optional<qsizetype> findNext(const QString& text, const QString& searched,
                                  qsizetype selectionStart, qsizetype selectionLength);

// Told when there is no further match.
QString notFoundMessage(const QString& searched);

} // namespace notes
