#include "glyphtable.h"

namespace themes {
namespace {

QString s(const char* text)
{
    return QString::fromLatin1(text);
}

// The four task sections' buttons share a pattern: role + section.
QStringList sectionButtons(const char* role, bool withShot = true)
{
    QStringList names;
    for (const char* section : {"Shot", "Year", "Month", "Week"}) {
        if (withShot || QLatin1String(section) != QLatin1String("Shot"))
            names.append(s(role) + s(section));
    }
    return names;
}

QList<GlyphStep> makeButtonSteps()
{
    const QStringList taskInsert = sectionButtons("SpeedButtonAdd");
    const QStringList taskDelete = sectionButtons("SpeedButtonDel");
    const QStringList taskModify = sectionButtons("SpeedButtonMod");
    const QStringList taskPrint = sectionButtons("SpeedButtonPrint");
    const QStringList taskClone = sectionButtons("SpeedButtonClone", false);
    const QStringList taskOrder = sectionButtons("SpeedButtonOrder", false);

    QList<GlyphStep> steps{
        {s("date_add.bmp"), s("SpeedButtonAddToday"), taskInsert},
        {s("date_del.bmp"), s("SpeedButtonDelToday"), taskDelete},
        {s("date_mod.bmp"), s("SpeedButtonModToday"), taskModify},
        {s("date_exp.bmp"), s("SpeedButtonEportToday"), {}},
        {s("date_chk.bmp"), s("SpeedButtonSvoltoToday"), {}},
        {s("date_origin.bmp"), s("SpeedButtonFollowToday"), {}},
        {s("date_back.bmp"), s("SpeedButton_DateBack"), {}},
        {s("date_next.bmp"), s("SpeedButtonNextDay"), {}},
        {s("date_today.bmp"), s("SpeedButtonToday"), {}},
        {s("date_cal.bmp"), s("SpeedButtonClendarioLato"), {}},
        {s("print.bmp"), s("SpeedButtonPrintToday"),
         taskPrint + QStringList{s("SpeedButtonPrintcontact"), s("SpeedButtonPrintNote"),
                                 s("SpeedButtonPrintToDo")}},
        {s("invert.bmp"), s("SpeedButtonOrderShot"),
         taskOrder + QStringList{s("SpeedButtonOrderContact"), s("SpeedButtonOrderNote"),
                                 s("SpeedButtonOrderToDo")}},
        {s("date_dup.bmp"), s("SpeedButtonDateDupli"),
         taskClone + QStringList{s("SpeedButtonDupliNote")}},
        {s("contact_add.bmp"), s("SpeedButton_AddContact"), {}},
        {s("contact_del.bmp"), s("SpeedButtonDelContact"), {}},
        {s("contact_mod.bmp"), s("SpeedButtonModContact"), {}},
        {s("contact_imp.bmp"), s("SpeedButtonUOC"), {}},
        {s("contact_exp.bmp"), s("SpeedButtonCSV"), {}},
        {s("contact_dup.bmp"), s("SpeedButtonDupliContact"), {}},
        {s("contact_email.bmp"), s("SpeedButtonMailContact"), {}},
        {s("contact_phone.bmp"), s("SpeedButtonTele"), {}},
        {s("contact_web.bmp"), s("SpeedButtonWeb"), {}},
        {s("contact_map.bmp"), s("SpeedButtonGoMap"), {}},
        {s("note_add.bmp"), s("SpeedButton_NuovaNota"), {}},
        {s("note_del.bmp"), s("SpeedButtonDelnote"), {}},
        {s("note_mod.bmp"), s("SpeedButtonmodNote"), {}},
        {s("note_hidelist.bmp"), s("SpeedButtonOpen"), {}},
        {s("note_save.bmp"), s("SpeedButtonUpdate"), {}},
        {s("note_imp.bmp"), s("SpeedButtonImportText"), {}},
        {s("note_exp.bmp"), s("SpeedButtonSaveAs"), {}},
        {s("note_breakline.bmp"), s("SpeedButton_Breakline"), {}},
        {s("note_format.bmp"), s("SpeedButton_Formatbar"), {}},
        {s("note_restore.bmp"), s("SpeedButtonRestoreNote"), {}},
        {s("note_find.bmp"), s("SpeedButtonFind"), {}},
        {s("todo_add.bmp"), s("SpeedButtonAggToDo"), {}},
        {s("todo_del.bmp"), s("SpeedButtonDelToDo"), {}},
        {s("todo_mod.bmp"), s("SpeedButtonModToDo"), {}},
        {s("todo_dup.bmp"), s("SpeedButtonDupliToDo"), {}},
        {s("todo_exp.bmp"), s("SpeedButtonExportTodo"), {}},
        {s("todo_chk.bmp"), s("SpeedButtonCheckToDo"), {}},
        {s("help_manual.bmp"), s("SpeedButton_Manual"), {}},
        {s("help_web.bmp"), s("SpeedButtonHelpOnLine"), {}},
        // Generic pictures after the sections' own, so they replace them.
        {s("add.bmp"), s("SpeedButtonAddToday"),
         sectionButtons("SpeedButtonAdd") + QStringList{s("SpeedButton_AddContact"),
                                                        s("SpeedButton_NuovaNota"),
                                                        s("SpeedButtonAggToDo")}},
        {s("del.bmp"), s("SpeedButtonDelToday"),
         sectionButtons("SpeedButtonDel") + QStringList{s("SpeedButtonDelContact"),
                                                        s("SpeedButtonDelnote"),
                                                        s("SpeedButtonDelToDo")}},
        {s("mod.bmp"), s("SpeedButtonModToday"),
         sectionButtons("SpeedButtonMod") + QStringList{s("SpeedButtonModContact"),
                                                        s("SpeedButtonmodNote"),
                                                        s("SpeedButtonModToDo")}},
        {s("dup.bmp"), s("SpeedButtonDateDupli"),
         taskClone + QStringList{s("SpeedButtonDupliContact"), s("SpeedButtonDupliToDo"),
                                 s("SpeedButtonDupliNote")}},
        {s("imp.bmp"), s("SpeedButtonUOC"), {s("SpeedButtonImportText")}},
        {s("exp.bmp"),
         s("SpeedButtonCSV"),
         {s("SpeedButtonEportToday"), s("SpeedButtonSaveAs"), s("SpeedButtonExportTodo")}},
        {s("chk.bmp"), s("SpeedButtonSvoltoToday"), {s("SpeedButtonCheckToDo")}},
        {s("fb.bmp"), s("SpeedButtonFB"), {}},
        {s("key.bmp"), s("SpeedButton_VaiSpeciale"), {s("SpeedButtonCloseSpecial")}},
        // A section's own picture wins over everything above.
        {s("contact_invert.bmp"), s("SpeedButtonOrderContact"), {}},
        {s("contact_print.bmp"), s("SpeedButtonPrintcontact"), {}},
        {s("contact_hint.bmp"), s("SpeedButtonHintContact"), {}},
        {s("note_print.bmp"), s("SpeedButtonPrintNote"), {}},
        {s("note_hint.bmp"), s("SpeedButtonHelpNote"), {}},
        {s("note_dup.bmp"), s("SpeedButtonDupliNote"), {}},
        {s("note_invert.bmp"), s("SpeedButtonOrderNote"), {}},
        {s("todo_invert.bmp"), s("SpeedButtonOrderToDo"), {}},
        {s("todo_print.bmp"), s("SpeedButtonPrintToDo"), {}},
        {s("todo_hint.bmp"), s("SpeedButtonHintLista"), {}},
        {s("today_add.bmp"), s("SpeedButtonAddToday"), {}},
        {s("today_mod.bmp"), s("SpeedButtonModToday"), {}},
        {s("today_del.bmp"), s("SpeedButtonDelToday"), {}},
        {s("today_exp.bmp"), s("SpeedButtonEportToday"), {}},
        {s("today_print.bmp"), s("SpeedButtonPrintToday"), {}},
        {s("today_hint.bmp"), s("SpeedButton_Help"), {}},
        {s("option_hint.bmp"), s("SpeedButtonHint"), {}},
    };
    const std::pair<const char*, const char*> sections[]{
        {"day", "Shot"}, {"year", "Year"}, {"month", "Month"}, {"week", "Week"}};
    for (const auto& [prefix, section] : sections) {
        const QString p = s(prefix);
        const QString clone = p == QLatin1String("day") ? s("SpeedButtonDateDupli")
                                                        : s("SpeedButtonClone") + s(section);
        steps += QList<GlyphStep>{
            {p + s("_add.bmp"), s("SpeedButtonAdd") + s(section), {}},
            {p + s("_del.bmp"), s("SpeedButtonDel") + s(section), {}},
            {p + s("_mod.bmp"), s("SpeedButtonMod") + s(section), {}},
            {p + s("_dup.bmp"), clone, {}},
            {p + s("_invert.bmp"), s("SpeedButtonOrder") + s(section), {}},
            {p + s("_print.bmp"), s("SpeedButtonPrint") + s(section), {}},
            {p + s("_hint.bmp"), s("SpeedButtonHelp") + s(section), {}},
        };
    }
    return steps;
}

void runSteps(const QList<GlyphStep>& steps, const std::function<bool(const QString&)>& has,
              QHash<QString, QString>& outcome)
{
    for (const GlyphStep& step : steps) {
        if (!has(step.file))
            continue;
        outcome.insert(step.target, step.file);
        for (const QString& copy : step.copies)
            outcome.insert(copy, step.file);
    }
}

} // namespace

const QList<GlyphStep>& titleGlyphSteps()
{
    static const QList<GlyphStep> steps{
        {s("co_about.bmp"), s("SpeedButtonAbout"), {}},
        {s("co_fix.bmp"), s("SpeedButtonTOP"), {}},
        {s("co_refresh.bmp"), s("SpeedButtonAggiornaTutto"), {}},
        {s("co_iconize.bmp"), s("SpeedButton_MINIMIZE"), {}},
        {s("co_minimize.bmp"), s("SpeedButton_minimize_bar"), {}},
        {s("co_maximize.bmp"), s("SpeedButtonWinSize"), {}},
        {s("co_kill.bmp"), s("SpeedButtonEXIT"), {}},
        {s("help_hint.bmp"), s("SpeedButton_Help"), {}},
    };
    return steps;
}

const QStringList& hintButtons()
{
    static const QStringList names =
        sectionButtons("SpeedButtonHelp") +
        QStringList{s("SpeedButtonHintContact"), s("SpeedButtonHelpNote"),
                    s("SpeedButtonHintLista"), s("SpeedButtonHint")};
    return names;
}

const QList<GlyphStep>& buttonGlyphSteps()
{
    static const QList<GlyphStep> steps = makeButtonSteps();
    return steps;
}

QHash<QString, QString> glyphOutcome(const std::function<bool(const QString&)>& has)
{
    QHash<QString, QString> outcome;
    runSteps(titleGlyphSteps(), has, outcome);
    if (outcome.contains(s("SpeedButton_Help"))) {
        for (const QString& hint : hintButtons())
            outcome.insert(hint, outcome.value(s("SpeedButton_Help")));
    }
    runSteps(buttonGlyphSteps(), has, outcome);
    return outcome;
}

} // namespace themes
