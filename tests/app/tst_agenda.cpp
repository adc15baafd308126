#include "../calendar/archivefixture.h"
#include "app/agenda.h"
#include "platform/testing/manualclock.h"
#include "todo/todorecord.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

using namespace calendar;

namespace {

struct Run
{
    std::optional<int> code;
    QString out;
    QString err;
};

// The rows of a CSV file as Python's csv module reads them.
QList<QStringList> csvRows(const QString& path)
{
    QProcess python;
    python.start("/usr/bin/python3", {"-c",
                                      "import csv, json, sys\n"
                                      "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                                      "    print(json.dumps(list(csv.reader(f))))\n",
                                      path});
    python.waitForFinished(20000);
    QList<QStringList> rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        QStringList fields;
        for (const QJsonValue& field : row.toArray())
            fields << field.toString();
        rows << fields;
    }
    return rows;
}

QByteArray fileHash(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

} // namespace

class TestAgenda final : public QObject
{
    Q_OBJECT
    std::unique_ptr<ArchiveFixture> m_archive;
    QTemporaryDir m_program;
    platform::ManualClock m_clock{QDateTime(QDate(2026, 3, 16), QTime(7, 0))};

    Run run(const QStringList& arguments, const QString& programFolder = QString())
    {
        Run r;
        QTextStream out(&r.out);
        QTextStream err(&r.err);
        app::CommandLineEnvironment env;
        env.clock = &m_clock;
        env.programFolder = programFolder.isEmpty() ? m_program.path() : programFolder;
        env.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        r.code = app::runCommandLine(arguments, out, err, env);
        return r;
    }

    QString archive() const { return m_archive->folder.path(); }

private slots:
    // A small archive: Monday 16 and Tuesday 17 March 2026.
    void initTestCase()
    {
        m_archive = std::make_unique<ArchiveFixture>();
        ArchiveFixture& a = *m_archive;
        const QDate monday(2026, 3, 16);
        TaskDraft gym = draftOn(QDate(2026, 1, 5), "gym\r\nwith\tAnna");
        gym.from = "18:00";
        gym.to = "19:30";
        a.add("W", gym);
        TaskDraft dentist = draftOn(monday, "dentist");
        dentist.from = "09:00";
        dentist.to = "10:00";
        a.add("O", dentist);
        TaskDraft hidden = draftOn(monday, "suspended call");
        hidden.suspended = true;
        a.add("O", hidden);
        a.add("M", draftOn(QDate(2026, 1, 17), "rent"));
        a.add("Y", draftOn(QDate(1980, 3, 17), "Birthday of \"Bob\""));
        TaskDraft lunch = draftOn(monday, "lunch, with Carla");
        lunch.from = "12:30";
        lunch.note = "table\r\nby the window";
        a.add("O", lunch);
        for (const auto& [id, priority] : {std::pair{"Tiles, blue", 3}, std::pair{"Taxes", 12}}) {
            todo::ToDoEntry e;
            e.id = QString::fromUtf8(id);
            e.priority = priority;
            todo::insertEntry(*a.general, e);
        }
        a.db.close();
    }

    void printsTheDailyViewOfEachDay()
    {
        const Run r = run({"--agenda", "2026-03-16", "--days", "2", "--archive", archive()});
        QCOMPARE(r.code, std::optional<int>(0));
        QCOMPARE(r.err, QString());
        QCOMPARE(r.out, QString("2026-03-16\t09:00\t10:00\tO\tDentist\n"
                                "2026-03-16\t12:30\t  :  \tO\tLunch, with Carla\n"
                                "2026-03-16\t18:00\t19:30\tW\tGym  with Anna\n"
                                "2026-03-17\t  :  \t  :  \tY\tBirthday of \"Bob\"\n"
                                "2026-03-17\t  :  \t  :  \tM\tRent\n"));
    }

    void defaultsToOneDayFromToday()
    {
        const Run r = run({"--archive", archive(), "--agenda"});
        QCOMPARE(r.code, std::optional<int>(0));
        QCOMPARE(r.out.count('\n'), 3);
        QVERIFY(r.out.startsWith("2026-03-16\t09:00"));
    }

    // The agenda only reads: times an earlier build stored with a one-digit
    // hour are printed and ordered as the clock runs all the same.
    void oneDigitHoursOfAnEarlierBuildComeInOrder()
    {
        ArchiveFixture a;
        for (const char* from : {"23:59", "9 :30", "10:00", " 8:15"}) {
            a.general->setSql({QString("INSERT INTO CRarc66 (id, flag, datefull, orario, orario2, "
                                       "sospeso, flagscad, flagfatto) values (\"at %1\", \"O\", "
                                       ":d, \"%1\", \"  :  \", \"N\", \"N\", \"N\")")
                                   .arg(QLatin1String(from))});
            a.general->setDate("d", QDate(2026, 3, 16));
            a.general->execSql();
        }
        a.db.close();
        const Run r = run({"--agenda", "2026-03-16", "--archive", a.folder.path()});
        QCOMPARE(r.out, QString("2026-03-16\t08:15\t  :  \tO\tat  8:15\n"
                                "2026-03-16\t09:30\t  :  \tO\tat 9 :30\n"
                                "2026-03-16\t10:00\t  :  \tO\tat 10:00\n"
                                "2026-03-16\t23:59\t  :  \tO\tat 23:59\n"));
    }

    void emptyDayPrintsNothing()
    {
        const Run r = run({"--agenda", "2026-03-18", "--archive", archive()});
        QCOMPARE(r.code, std::optional<int>(0));
        QCOMPARE(r.out, QString());
    }

    // Without --archive the archive is found as the program finds it: the
    // default folder beside the program, or where "Net.txt" points.
    void findsTheArchiveLikeTheProgram()
    {
        QTemporaryDir program;
        QDir(program.path()).mkpath("myarcs");
        QVERIFY(QFile::copy(m_archive->databasePath(), program.filePath("myarcs/coarc.abs")));
        QCOMPARE(run({"--agenda", "2026-03-16"}, program.path()).out.count('\n'), 3);

        QTemporaryDir elsewhere;
        QFile net(program.filePath("myarcs/Net.txt"));
        QVERIFY(net.open(QIODevice::WriteOnly));
        net.write(elsewhere.path().toUtf8() + "\r\n");
        net.close();
        const Run redirected = run({"--agenda", "2026-03-16"}, program.path());
        QCOMPARE(redirected.code, std::optional<int>(2));
        QVERIFY(redirected.err.contains(QDir::toNativeSeparators(elsewhere.path())));
    }

    void errors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString folder = "<archive>";
        QTest::newRow("impossible date")
            << QStringList{"--agenda", "2026-02-30", "--archive", folder} << "bad date";
        QTest::newRow("not ISO") << QStringList{"--agenda", "16/03/2026", "--archive", folder}
                                 << "bad date";
        QTest::newRow("zero days")
            << QStringList{"--agenda", "--days", "0", "--archive", folder} << "bad number of days";
        QTest::newRow("days not a number")
            << QStringList{"--agenda", "--days", "x", "--archive", folder} << "bad number of days";
        QTest::newRow("days without value")
            << QStringList{"--agenda", "--days"} << "--days needs a value";
        QTest::newRow("days without agenda")
            << QStringList{"--days", "3"} << "--days goes with --agenda";
        QTest::newRow("archive without value")
            << QStringList{"--agenda", "--archive"} << "--archive needs a value";
        QTest::newRow("stray argument")
            << QStringList{"--agenda", "2026-03-16", "tomorrow", "--archive", folder}
            << "unexpected argument";
        QTest::newRow("no archive there")
            << QStringList{"--agenda", "--archive", "<empty>"} << "no archive at";
        QTest::newRow("not an archive")
            << QStringList{"--agenda", "--archive", "<garbage>"} << "cannot read";
        QTest::newRow("export without file")
            << QStringList{"--export", "plan"} << "--export needs what";
        QTest::newRow("export of what")
            << QStringList{"--export", "notes", "<out>"} << "bad export 'notes'";
        QTest::newRow("export plan, bad date")
            << QStringList{"--export", "plan", "<out>", "--date", "2026-13-01", "--archive", folder}
            << "bad date";
        QTest::newRow("date without a plan")
            << QStringList{"--export", "todo", "<out>", "--date", "2026-03-16"}
            << "--date goes with --export plan";
        QTest::newRow("date alone")
            << QStringList{"--date", "2026-03-16"} << "--date goes with --export plan";
        QTest::newRow("export and agenda")
            << QStringList{"--agenda", "--export", "todo", "<out>"} << "one at a time";
        QTest::newRow("export, no archive")
            << QStringList{"--export", "todo", "<out>", "--archive", "<empty>"} << "no archive at";
        QTest::newRow("export, not an archive")
            << QStringList{"--export", "plan", "<out>", "--archive", "<garbage>"} << "cannot read";
        QTest::newRow("export, file not writable")
            << QStringList{"--export", "todo", "<empty>/missing/list.csv", "--archive", folder}
            << "cannot write";
    }
    void errors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir empty;
        QTemporaryDir garbage;
        QFile junk(garbage.filePath("coarc.abs"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        arguments.replaceInStrings("<archive>", archive());
        arguments.replaceInStrings("<empty>", empty.path());
        arguments.replaceInStrings("<garbage>", garbage.path());
        arguments.replaceInStrings("<out>", empty.filePath("out.csv"));

        const Run r = run(arguments);
        QCOMPARE(r.code, std::optional<int>(2));
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith("corvandine: ") && r.err.contains(message), qPrintable(r.err));
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.endsWith('\n'));
        QCOMPARE(junk.size(), 4096);
        QCOMPARE(QDir(empty.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }

    // The plan file holds exactly the tasks the agenda lists for the day
    // (suspended ones left out), in the same order, with the same times.
    void exportedPlanIsTheAgendaOfTheDay_data()
    {
        QTest::addColumn<QString>("date");
        QTest::newRow("monday") << "2026-03-16";
        QTest::newRow("tuesday") << "2026-03-17";
        QTest::newRow("empty day") << "2026-03-18";
    }
    void exportedPlanIsTheAgendaOfTheDay()
    {
        QFETCH(QString, date);
        QTemporaryDir out;
        const QString file = out.filePath("plan.csv");
        const Run exported =
            run({"--export", "plan", file, "--date", date, "--archive", archive()});
        QCOMPARE(exported.code, std::optional<int>(0));
        QCOMPARE(exported.out + exported.err, QString());
        QList<QStringList> rows = csvRows(file);
        QVERIFY(!rows.isEmpty());
        QCOMPARE(rows.takeFirst(), (QStringList{"FROM", "TO", "DESCRIPTION", "NOTE"}));

        // Each agenda line without its kind letter, which the plan does not have.
        QStringList fromAgenda;
        for (const QString& line :
             run({"--agenda", date, "--archive", archive()}).out.split('\n', Qt::SkipEmptyParts)) {
            QStringList fields = line.split('\t');
            fields.removeAt(3);
            fromAgenda << fields.join('\t');
        }
        QStringList fromPlan;
        for (const QStringList& row : rows) {
            QCOMPARE(row.size(), 4);
            // The agenda turns a tab in a description into a blank.
            fromPlan << QStringList{date, row.at(0), row.at(1),
                                    QString(row.at(2)).replace('\t', ' ')}
                            .join('\t');
        }
        QCOMPARE(fromPlan, fromAgenda);
        if (date == "2026-03-16") {
            QCOMPARE(rows.at(1),
                     (QStringList{"12:30", "  :  ", "Lunch, with Carla", "table  by the window"}));
        }
    }

    void exportedToDoListIsEveryEntryByPriority()
    {
        QTemporaryDir out;
        const QString file = out.filePath("todo.csv");
        const QByteArray before = fileHash(m_archive->databasePath());
        QCOMPARE(run({"--export", "todo", file, "--archive", archive()}).code,
                 std::optional<int>(0));
        QCOMPARE(csvRows(file), (QList<QStringList>{{"DESCRIPTION", "PRIOR", "DONE", "NOTE"},
                                                    {"Taxes", "12", "0", ""},
                                                    {"Tiles, blue", "3", "0", ""}}));
        QCOMPARE(fileHash(m_archive->databasePath()), before);
    }

    void leavesTheArchiveUntouched()
    {
        const QString path = m_archive->databasePath();
        const QByteArray before = fileHash(path);
        const QDateTime modified = QFileInfo(path).lastModified();
        QCOMPARE(run({"--agenda", "2026-03-01", "--days", "31", "--archive", archive()}).code,
                 std::optional<int>(0));
        QCOMPARE(fileHash(path), before);
        QCOMPARE(QFileInfo(path).lastModified(), modified);
        QVERIFY(!QFile::exists(path + "-journal"));
    }

    void helpAndVersion()
    {
        const Run help = run({"--help"});
        QCOMPARE(help.code, std::optional<int>(0));
        QVERIFY(help.out.contains("--agenda [DATE] [--days N] [--archive DIR]"));
        const Run version = run({"--version"});
        QCOMPARE(version.code, std::optional<int>(0));
        QCOMPARE(version.out, QString("Corvandine Organizer " CORVANDINE_VERSION "\n"));
    }

    void windowStartsOtherwise_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("archive");
        QTest::newRow("nothing") << QStringList{} << "";
        QTest::newRow("control") << QStringList{"control"} << "";
        QTest::newRow("archive for the window")
            << QStringList{"--archive", "/tmp/second"} << "/tmp/second";
    }
    void windowStartsOtherwise()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, archive);
        const Run r = run(arguments);
        QVERIFY(!r.code);
        QVERIFY(r.out.isEmpty() && r.err.isEmpty());
        QCOMPARE(app::archiveOverride(arguments).value_or(QString()), archive);
    }

    // The same through a real process: exit codes and standard streams.
    void asAProcess()
    {
        QProcess p;
        p.start(AGENDA_RUNNER, {"--agenda", "2026-03-16", "--archive", archive()});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardOutput(),
                 QByteArray("2026-03-16\t09:00\t10:00\tO\tDentist\n"
                            "2026-03-16\t12:30\t  :  \tO\tLunch, with Carla\n"
                            "2026-03-16\t18:00\t19:30\tW\tGym  with Anna\n"));

        p.start(AGENDA_RUNNER, {"--agenda", "tomorrow"});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardOutput().isEmpty());
        QCOMPARE(p.readAllStandardError().count('\n'), 1);

        p.start(AGENDA_RUNNER, {"--archive", archive()});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 99);
    }

    // The program itself answers its command line without loading the
    // window's libraries; the dynamic loader's own report names every
    // library it loads.
    void programLoadsNoWindowLibrary_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::newRow("version") << QStringList{"--version"} << 0;
        QTest::newRow("help") << QStringList{"--help"} << 0;
        QTest::newRow("agenda") << QStringList{"--agenda", "2026-03-16", "--archive", "<archive>"}
                                << 0;
        QTest::newRow("bad date") << QStringList{"--agenda", "tomorrow"} << 2;
        QTest::newRow("export") << QStringList{"--export", "todo", "<out>", "--archive",
                                               "<archive>"}
                                << 0;
    }
    void programLoadsNoWindowLibrary()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        arguments.replaceInStrings("<archive>", archive());
        QTemporaryDir out;
        arguments.replaceInStrings("<out>", out.filePath("out.csv"));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LD_DEBUG", "libs");
        p.setProcessEnvironment(env);
        p.start(CORVANDINE_EXE, arguments);
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), code);
        const QByteArray loaded = p.readAllStandardError();
        QVERIFY2(loaded.contains("libQt6Core"), "the loader reported nothing");
        for (const char* library : {"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport",
                                    "libQt6Multimedia", "libQt6Network", "corvandine_window"})
            QVERIFY2(!loaded.contains(library), library);
    }
};

QTEST_GUILESS_MAIN(TestAgenda)
#include "tst_agenda.moc"
