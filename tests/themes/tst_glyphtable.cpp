// Which picture each button ends with for a given theme folder: section
// pictures are copied to their siblings, generic pictures come later and
// replace them, and a picture of a section prefix always wins for its button.
#include "themes/defaulttheme.h"
#include "themes/glyphtable.h"

#include <QSet>
#include <QtTest>

using namespace themes;

using Outcome = QHash<QString, QString>;

class TestGlyphTable final : public QObject
{
    Q_OBJECT
private slots:
    void outcome_data();
    void outcome();
    void everyDefaultPictureHasAButton();
};

void TestGlyphTable::outcome_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<Outcome>("expected"); // buttons checked, "" = untouched

    const QStringList allInsert{"SpeedButtonAddToday",   "SpeedButtonAddShot",
                                "SpeedButtonAddYear",    "SpeedButtonAddMonth",
                                "SpeedButtonAddWeek",    "SpeedButton_AddContact",
                                "SpeedButton_NuovaNota", "SpeedButtonAggToDo"};
    const auto insertButtons = [&](const QStringList& values) {
        Outcome o;
        for (int i = 0; i < allInsert.size(); ++i)
            o.insert(allInsert[i], values[i]);
        return o;
    };
    QTest::newRow("empty folder") << QStringList{}
                                  << insertButtons({"", "", "", "", "", "", "", ""});
    QTest::newRow("date_add only: the task sections")
        << QStringList{"date_add.bmp"}
        << insertButtons({"date_add.bmp", "date_add.bmp", "date_add.bmp", "date_add.bmp",
                          "date_add.bmp", "", "", ""});
    QTest::newRow("add: all eight") << QStringList{"add.bmp"}
                                    << insertButtons({"add.bmp", "add.bmp", "add.bmp", "add.bmp",
                                                      "add.bmp", "add.bmp", "add.bmp", "add.bmp"});
    QTest::newRow("week_add wins over add")
        << QStringList{"add.bmp", "week_add.bmp"}
        << insertButtons({"add.bmp", "add.bmp", "add.bmp", "add.bmp", "week_add.bmp", "add.bmp",
                          "add.bmp", "add.bmp"});
    QTest::newRow("add replaces contact_add")
        << QStringList{"contact_add.bmp", "add.bmp"}
        << insertButtons({"add.bmp", "add.bmp", "add.bmp", "add.bmp", "add.bmp", "add.bmp",
                          "add.bmp", "add.bmp"});
    QTest::newRow("contact_add alone")
        << QStringList{"contact_add.bmp", "today_add.bmp"}
        << insertButtons({"today_add.bmp", "", "", "", "", "contact_add.bmp", "", ""});
    QTest::newRow("exp replaces the section exports")
        << QStringList{"date_exp.bmp", "note_exp.bmp", "todo_exp.bmp", "exp.bmp"}
        << Outcome{{"SpeedButtonEportToday", "exp.bmp"},
                   {"SpeedButtonSaveAs", "exp.bmp"},
                   {"SpeedButtonExportTodo", "exp.bmp"},
                   {"SpeedButtonCSV", "exp.bmp"}};
    QTest::newRow("hint copied, own hint wins")
        << QStringList{"help_hint.bmp", "note_hint.bmp"}
        << Outcome{{"SpeedButton_Help", "help_hint.bmp"},
                   {"SpeedButtonHelpShot", "help_hint.bmp"},
                   {"SpeedButtonHelpWeek", "help_hint.bmp"},
                   {"SpeedButtonHintContact", "help_hint.bmp"},
                   {"SpeedButtonHelpNote", "note_hint.bmp"},
                   {"SpeedButtonHintLista", "help_hint.bmp"},
                   {"SpeedButtonHint", "help_hint.bmp"}};
    QTest::newRow("clone of one shot") << QStringList{"date_dup.bmp", "todo_dup.bmp"}
                                       << Outcome{{"SpeedButtonDateDupli", "date_dup.bmp"},
                                                  {"SpeedButtonCloneYear", "date_dup.bmp"},
                                                  {"SpeedButtonDupliNote", "date_dup.bmp"},
                                                  {"SpeedButtonDupliToDo", "todo_dup.bmp"},
                                                  {"SpeedButtonDupliContact", ""}};
    QTest::newRow("key closes the special panel too")
        << QStringList{"key.bmp"}
        << Outcome{{"SpeedButton_VaiSpeciale", "key.bmp"}, {"SpeedButtonCloseSpecial", "key.bmp"}};
}

void TestGlyphTable::outcome()
{
    QFETCH(QStringList, files);
    QFETCH(Outcome, expected);
    const Outcome outcome =
        glyphOutcome([&files](const QString& file) { return files.contains(file); });
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(outcome.value(it.key()), it.value());
    if (files.isEmpty())
        QVERIFY(outcome.isEmpty());
}

void TestGlyphTable::everyDefaultPictureHasAButton()
{
    // Each button picture the built-in theme writes is one a theme can replace.
    QSet<QString> files;
    for (const GlyphStep& step : titleGlyphSteps() + buttonGlyphSteps())
        files.insert(step.file);
    for (const QString& file : defaultThemePictureFiles())
        QVERIFY2(files.contains(file), qPrintable(file));
}

QTEST_GUILESS_MAIN(TestGlyphTable)
#include "tst_glyphtable.moc"
