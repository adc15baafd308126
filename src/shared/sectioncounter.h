#pragma once

#include <QChar>
#include <QString>

#include <optional>

namespace store {
class Query;
}

namespace shared {

// What a section list shows about its size after every reload: its tool
// panel caption and its label on the daily view's "Entries" page. Section
// letters: "O" one-shot, "Y" yearly, "M" monthly, "W" weekly, "C" contacts,
// "N" notes, "L" to-do list, "D" repository (a label only).
struct SectionCount
{
    QString panelName;    // object name of the panel; empty for "D"
    QString panelCaption;
    QString labelName;    // object name of the "Entries" label
    QString labelText;
};

// "12   " when the list shows all of its section, "3 / 12   " when a search
// or filter hides some.
QString counterCaption(int listCount, int total);

// Counts the section's rows with its total statement on the general-purpose
// query and compares them with the rows its list shows. Nullopt for a letter
// that names no section.
std::optional<SectionCount> updateSectionCounter(store::Query& general, QChar section,
                                                 int listCount);

} // namespace shared
