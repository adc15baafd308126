#include "sectioncounter.h"

#include "store/query.h"

namespace shared {
namespace {

struct Section
{
    char letter;
    const char* total;
    const char* panel;
    const char* label;
    const char* labelPrefix;
};

constexpr Section sections[] = {
    {'O', R"(SELECT * FROM CRarc66 WHERE flag ="O")", "Panel_Shot", "Label_Conteggio_Giornalieri", "One Shot: "},
    {'Y', R"(SELECT * FROM CRarc66 WHERE flag ="Y")", "Panel_year", "Label_Conteggio_Annuali", "Yearly: "},
    {'M', R"(SELECT * FROM CRarc66 WHERE flag ="M")", "Panel_Month", "Label_Conteggio_Mensili", "Monthly: "},
    {'W', R"(SELECT * FROM CRarc66 WHERE flag ="W")", "Panel_week", "Label_Conteggio_Settimanali", "Weekly: "},
    {'C', "SELECT * FROM CRcon63", "Panel_FullName", "Label_Conteggio_Contatti", "Contacts: "},
    {'N', "SELECT * FROM CRnot80", "Panel_totnote", "Label_Conteggio_Note", "Note: "},
    {'L', "SELECT * FROM CRtod63", "Panel_ToDo", "Label_Conteggio_Lista", "To-Do: "},
    {'D', "SELECT * FROM CRshot80", "", "Label_Conteggio_Deposito", "Repository: "},
};

} // namespace

QString counterCaption(int listCount, int total)
{
    const QString blanks = QStringLiteral("   ");
    if (listCount == total)
        return QString::number(listCount) + blanks;
    return QString::number(listCount) + QStringLiteral(" / ") + QString::number(total) + blanks;
}

std::optional<SectionCount> updateSectionCounter(store::Query& general, QChar section,
                                                 int listCount)
{
    for (const Section& s : sections) {
        if (section != QLatin1Char(s.letter))
            continue;
        general.setSql({QString::fromLatin1(s.total)});
        general.open();
        const int total = general.recordCount();
        general.close();
        SectionCount count;
        count.panelName = QString::fromLatin1(s.panel);
        if (!count.panelName.isEmpty())
            count.panelCaption = counterCaption(listCount, total);
        count.labelName = QString::fromLatin1(s.label);
        count.labelText = QString::fromLatin1(s.labelPrefix) + QString::number(total);
        return count;
    }
    return std::nullopt;
}

} // namespace shared
