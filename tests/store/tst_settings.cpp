#include "platform/testing/scriptedprompter.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"
#include "store/settings.h"
#include "store/sqlerror.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace store;

class TestSettings final : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<Settings> m_settings;

    // The row as stored, read apart from the Settings object under test.
    QString stored(const QString& column)
    {
        Query q(*m_db);
        q.setSql({"SELECT * FROM CRset63"});
        q.open();
        const Field f = q.fieldByName(column);
        return f.isNull() ? QStringLiteral("<null>") : f.asString();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_db = std::make_unique<Database>();
        m_db->create(m_dir->filePath("coarc.abs"));
        m_settings = std::make_unique<Settings>(*m_db);
        Query general(*m_db);
        ArchiveEnvironment env;
        env.archiveFolder = m_dir->path();
        env.programFolder = m_dir->path();
        env.loadSettings = [this] { m_settings->load(); };
        ArchiveBuilder(*m_db, general, m_settings->query(), env).build();
    }
    void cleanup()
    {
        m_settings.reset();
        m_db.reset();
        m_dir.reset();
    }

    void soundCode_data()
    {
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("popup");
        QTest::addColumn<QString>("code");
        QTest::newRow("sound only") << true << false << "Y";
        QTest::newRow("pop-up only") << false << true << "V";
        QTest::newRow("both") << true << true << "2";
        QTest::newRow("neither") << false << false << "N";
    }
    void soundCode()
    {
        QFETCH(bool, sound);
        QFETCH(bool, popup);
        QFETCH(QString, code);
        QCOMPARE(Settings::soundCode(AlarmBoxes{sound, popup}), code);
        QCOMPARE(Settings::alarmBoxes(code), (AlarmBoxes{sound, popup}));

        OptionValues values = m_settings->currentOptions();
        values.soundAlarm = sound;
        values.popup = popup;
        m_settings->saveOptions(values);
        QCOMPARE(stored("soundon"), code);
        m_settings->load();
        const OptionValues back = m_settings->currentOptions();
        QCOMPARE(back.soundAlarm, sound);
        QCOMPARE(back.popup, popup);
    }

    void unknownSoundCodeLeavesBoxes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("empty") << "";
        QTest::newRow("lower case") << "y";
        QTest::newRow("other digit") << "1";
    }
    void unknownSoundCodeLeavesBoxes()
    {
        QFETCH(QString, code);
        QCOMPARE(Settings::alarmBoxes(code), std::nullopt);
    }

    void saveOptionsWritesEveryColumn()
    {
        OptionValues v;
        v.autostart = true;
        v.minimized = true;
        v.soundAlarm = false;
        v.popup = true;
        v.waveSound = "C:/alarms/bell.wav";
        v.breakLine = false;
        v.formatBar = true;
        v.timeCheck = false;
        v.dataShot = "mm/dd/yyyy";
        v.dataShotIndex = 5;
        v.dataYear = "mmmm dd";
        v.dataYearIndex = 5;
        v.password = "secret";
        v.lockOnStartup = false;
        v.showCalendar = false;
        v.startTab = "6";
        m_settings->saveOptions(v);

        const QList<std::pair<QString, QString>> expected = {
            {"autostart", "Y"},      {"minimized", "Y"},
            {"soundon", "V"},        {"wavesound", "C:/alarms/bell.wav"},
            {"breakline", "N"},      {"formatbar", "Y"},
            {"timecheck", "N"},      {"DataShot", "mm/dd/yyyy"},
            {"DataYear", "mmmm dd"}, {"DataShotIndex", "5"},
            {"DataYearIndex", "5"},  {"psw", "secret"},
            {"blocco", "N"},         {"showcale", "N"},
            {"startab", "6"}};
        for (const auto& [column, value] : expected)
            QVERIFY2(stored(column) == value, qPrintable(column + " = " + stored(column)));
        // Columns outside the statement keep their values.
        QCOMPARE(stored("fontname"), "Fixedsys");
        QCOMPARE(stored("WinWidth"), "670");
    }

    void currentOptionsRoundTrip()
    {
        // What the program holds, saved unchanged, leaves the row unchanged.
        m_settings->setPassword("pw");
        OptionValues v = m_settings->currentOptions();
        QCOMPARE(v.startTab, "4");
        QCOMPARE(v.dataShot, "dddd d mmmm yyyy");
        QCOMPARE(v.dataShotIndex, 3);
        m_settings->saveOptions(v);
        QCOMPARE(stored("startab"), "4");
        QCOMPARE(stored("psw"), "pw");
        QCOMPARE(stored("soundon"), "Y");
        QCOMPARE(stored("blocco"), "Y");
    }

    void quotesRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("one quote") << "pa\"ss";
        QTest::newRow("only quotes") << "\"\"";
        QTest::newRow("trailing quote") << "C:/My \"Sounds\"/x.wav\"";
        QTest::newRow("statement text") << "x\", psw = \"y\"; DROP TABLE CRset63; --";
        QTest::newRow("parameter look-alike") << ":psw ; :DataShotIndex";
        QTest::newRow("single quote") << "it's";
    }
    void quotesRoundTrip()
    {
        QFETCH(QString, value);
        OptionValues v = m_settings->currentOptions();
        v.password = value;
        v.waveSound = value;
        m_settings->saveOptions(v);
        m_settings->load();
        QCOMPARE(m_settings->password(), value);
        QCOMPARE(m_settings->storedPassword(), value);
        QCOMPARE(m_settings->waveSound(), value);
        QCOMPARE(m_settings->startTab(), "4");
        QVERIFY(m_db->tableExists("CRset63"));

        m_settings->saveEditorSettings(value, "clRed", 10, 0, value);
        QCOMPARE(m_settings->fontName(), value);
        QCOMPARE(m_settings->backColour(), value);

        std::array<QString, Settings::SectionCount> colours;
        colours.fill("clBlack");
        colours[8] = value;
        m_settings->saveSectionColours(colours);
        QCOMPARE(stored("UserColor"), value);
        QCOMPARE(stored("ShotColor"), "clBlack");
    }

    void formatDate_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        const QDateTime march(QDate(2027, 3, 1), QTime(0, 0));
        const QDateTime december(QDate(2031, 12, 25), QTime(0, 0));
        QTest::newRow("full weekday") << march << "dddd d mmmm yyyy"
                                      << "Monday 1 March 2027";
        QTest::newRow("d mmmm yyyy") << march << "d mmmm yyyy"
                                     << "1 March 2027";
        QTest::newRow("dd mmmm yyyy") << march << "dd mmmm yyyy"
                                      << "01 March 2027";
        QTest::newRow("dd/mm/yyyy") << march << "dd/mm/yyyy"
                                    << "01/03/2027";
        QTest::newRow("dddd dd") << march << "dddd dd mmmm yyyy"
                                 << "Monday 01 March 2027";
        QTest::newRow("mm/dd/yyyy") << december << "mm/dd/yyyy"
                                    << "12/25/2031";
        QTest::newRow("mmmm dd, yyyy") << march << "mmmm dd, yyyy"
                                       << "March 01, 2027";
        QTest::newRow("short names") << december << "ddd d mmm yy"
                                     << "Thu 25 Dec 31";
        QTest::newRow("yearly mmmm d") << december << "mmmm d"
                                       << "December 25";
        QTest::newRow("upper case") << march << "DD/MM"
                                    << "01/03";
        QTest::newRow("clock 24h")
            << QDateTime(QDate(2027, 3, 1), QTime(14, 5, 9)) << Settings::clockFormat(false)
            << "Monday 1 March 2027 - 14:05:09";
        QTest::newRow("clock pm") << QDateTime(QDate(2027, 3, 1), QTime(14, 5, 9))
                                  << Settings::clockFormat(true)
                                  << "Monday 1 March 2027 - 02:05:09 pm";
        QTest::newRow("clock midnight")
            << QDateTime(QDate(2027, 3, 1), QTime(0, 30, 0)) << Settings::clockFormat(true)
            << "Monday 1 March 2027 - 12:30:00 am";
    }
    void formatDate()
    {
        QFETCH(QDateTime, when);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        const QLocale english(QLocale::English, QLocale::UnitedKingdom);
        QCOMPARE(Settings::formatDateTime(when, pattern, english), expected);
    }

    void dateSeparatorFollowsLocale()
    {
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(Settings::formatDate(QDate(2027, 3, 1), "dd/mm/yyyy", german), "01.03.2027");
        QCOMPARE(Settings::formatDate(QDate(2027, 3, 1), "d mmmm", german), "1 März");
    }

    void singleColumnWriters_data()
    {
        QTest::addColumn<int>("writer");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("expected");
        QTest::newRow("futuro_flag") << 0 << "futuro_flag"
                                     << "True";
        QTest::newRow("futuro_days") << 1 << "futuro_days"
                                     << "40";
        QTest::newRow("futuro_days above 366") << 2 << "futuro_days"
                                               << "366";
        QTest::newRow("scala_index") << 3 << "scala_index"
                                     << "4";
        QTest::newRow("ampm") << 4 << "ampm"
                              << "True";
        QTest::newRow("hidetips") << 5 << "hidetips"
                                  << "True";
        QTest::newRow("solalettura") << 6 << "solalettura"
                                     << "True";
        QTest::newRow("theme_name") << 7 << "theme_name"
                                    << "Dark \"night\"";
        QTest::newRow("centralino") << 8 << "centralino"
                                    << "True";
        QTest::newRow("gridmode") << 9 << "gridmode"
                                  << "True";
        QTest::newRow("mem_group_note") << 10 << "mem_group_note"
                                        << "Ideas";
        QTest::newRow("mem_group_list back to null") << 11 << "mem_group_list"
                                                     << "<null>";
        QTest::newRow("TabNotesVisible") << 12 << "TabNotesVisible"
                                         << "False";
        QTest::newRow("migrationinfo") << 13 << "migrationinfo"
                                       << "True";
    }
    void singleColumnWriters()
    {
        QFETCH(int, writer);
        QFETCH(QString, column);
        QFETCH(QString, expected);
        Settings& s = *m_settings;
        const QString before = stored("psw") + stored("soundon") + stored("fontname");
        switch (writer) {
        case 0:
            s.writeFutureFlag(true);
            QVERIFY(s.futureFlag());
            break;
        case 1:
            s.writeFutureDays(40);
            QCOMPARE(s.futureDays(), 40);
            break;
        case 2:
            s.writeFutureDays(999);
            QCOMPARE(s.futureDays(), 366);
            break;
        case 3:
            s.writeScaleIndex(4);
            QCOMPARE(s.scalePercent(), 140);
            break;
        case 4:
            s.writeAmpm(true);
            QCOMPARE(s.clockFormat(), "dddd d mmmm yyyy - hh:mm:ss am/pm");
            break;
        case 5:
            s.writeHideTips(true);
            QVERIFY(s.hideTips());
            break;
        case 6:
            s.writeReadOnlyOffered(true);
            QVERIFY(s.readOnlyOffered());
            break;
        case 7:
            s.writeThemeName("Dark \"night\"");
            break;
        case 8:
            s.writeCentralino(true);
            QVERIFY(s.centralino());
            break;
        case 9:
            s.writeGridMode(true);
            QVERIFY(s.gridMode());
            break;
        case 10:
            s.writeMemGroupNote("Ideas");
            QCOMPARE(s.memGroupNote(), "Ideas");
            break;
        case 11:
            s.writeMemGroupList("Gifts");
            s.writeMemGroupList(QString());
            QVERIFY(s.memGroupList().isNull());
            break;
        case 12:
            s.writeTabVisible(Settings::Section::Notes, false);
            QVERIFY(!s.tabVisible(Settings::Section::Notes));
            QVERIFY(s.tabVisible(Settings::Section::ToDo));
            break;
        case 13:
            s.writeMigrationInfo(true);
            QVERIFY(s.migrationInfo());
            break;
        }
        QCOMPARE(stored(column), expected);
        QCOMPARE(stored("psw") + stored("soundon") + stored("fontname"), before);
    }

    void editorWriter()
    {
        QSignalSpy editor(m_settings.get(), &Settings::editorLoaded);
        QSignalSpy whole(m_settings.get(), &Settings::loaded);
        m_settings->saveEditorSettings("DejaVu Sans", "$00FF0000", 12, 161, "clYellow");
        QCOMPARE(editor.count(), 1);
        QCOMPARE(whole.count(), 0);
        QCOMPARE(stored("fontname"), "DejaVu Sans");
        QCOMPARE(stored("fontcolor"), "$00FF0000");
        QCOMPARE(stored("fontsize"), "12");
        QCOMPARE(stored("charset"), "161");
        QCOMPARE(stored("backcolor"), "clYellow");
        QCOMPARE(m_settings->fontSize(), 12);
        QCOMPARE(m_settings->charset(), 161);
        QCOMPARE(m_settings->fontColour(), "$00FF0000");
    }

    void loadKeepsRunTimeValues()
    {
        Query q(*m_db);
        q.setSql({"UPDATE CRset63 SET psw = \"abc\", scala_index = 2, UserColor = \"clRed\""});
        q.execSql();
        QSignalSpy spy(m_settings.get(), &Settings::loaded);
        m_settings->load();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(m_settings->password(), "abc");
        QCOMPARE(m_settings->scalePercent(), 120);
        QCOMPARE(m_settings->sectionColour(Settings::Section::Options), "clRed");
        QCOMPARE(m_settings->sectionColour(Settings::Section::OneShot), "$00A6A6D2");
        // The password in memory goes to the row only through saveOptions.
        m_settings->setPassword("new");
        QCOMPARE(stored("psw"), "abc");
        m_settings->saveOptions(m_settings->currentOptions());
        QCOMPARE(stored("psw"), "new");
    }

    // On a shared archive another program may hold the file while the row is
    // read again. The options the user chose must survive that: the next
    // click writes them back, not the defaults of an unread row.
    void failedReadKeepsTheLastRow()
    {
        OptionValues chosen = m_settings->currentOptions();
        chosen.minimized = true;
        chosen.soundAlarm = false;
        chosen.popup = true;
        chosen.dataShot = QStringLiteral("dd/mm/yyyy");
        chosen.dataShotIndex = 2;
        chosen.startTab = QStringLiteral("1");
        m_settings->saveOptions(chosen);
        m_settings->writeFutureDays(30);
        m_settings->load();

        Database other;
        other.open(m_db->path());
        Query lock(other);
        lock.setSql({"BEGIN EXCLUSIVE"});
        lock.execSql();
        m_db->setBusyTimeout(20);
        QSignalSpy spy(m_settings.get(), &Settings::loaded);
        QVERIFY_THROWS_EXCEPTION(SqlError, m_settings->load());
        QCOMPARE(spy.count(), 0);
        lock.setSql({"ROLLBACK"});
        lock.execSql();

        QVERIFY(m_settings->isRead());
        QCOMPARE(m_settings->futureDays(), 30);
        QCOMPARE(m_settings->startTab(), "1");
        OptionValues click = m_settings->currentOptions();
        click.breakLine = false;
        m_settings->saveOptions(click);
        QCOMPARE(stored("breakline"), "N");
        QCOMPARE(stored("minimized"), "Y");
        QCOMPARE(stored("soundon"), "V");
        QCOMPARE(stored("DataShot"), "dd/mm/yyyy");
        QCOMPARE(stored("DataShotIndex").toDouble(), 2.0);
        QCOMPARE(stored("startab"), "1");
        QCOMPARE(stored("futuro_days"), "30");
    }

    void unreadableRowIsReported()
    {
        Query q(*m_db);
        q.setSql({"DROP TABLE CRset63"});
        q.execSql();
        platform::ScriptedPrompter prompter;
        QSignalSpy spy(m_settings.get(), &Settings::loaded);
        QVERIFY(!m_settings->loadOrReport(prompter));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(prompter.shown.size(), 1);
        const QString text = prompter.shown.first().text;
        QVERIFY2(text.startsWith("Errore di tipo: E") && text.contains(", Messaggio: "),
                 qPrintable(text));
        QVERIFY_THROWS_EXCEPTION(SqlError, m_settings->load());
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
