#include "app/agenda.h"
#include "astro/almanac.h"
#include "platform/testing/manualclock.h"

#include <QProcess>
#include <QtTest>
#include <cmath>
#include <numbers>

namespace {

struct Run
{
    std::optional<int> code;
    QString out;
    QString err;
};

double unsignedAngle(double phase)
{
    return phase <= 180.0 ? phase : 360.0 - phase;
}

} // namespace

class TestAlmanac final : public QObject
{
    Q_OBJECT
    platform::ManualClock m_clock{QDateTime(QDate(2026, 3, 16), QTime(7, 0))};

    Run run(const QStringList& arguments)
    {
        Run r;
        QTextStream out(&r.out);
        QTextStream err(&r.err);
        app::CommandLineEnvironment env;
        env.clock = &m_clock;
        env.programFolder = QStringLiteral("/nonexistent-program-folder");
        r.code = app::runCommandLine(arguments, out, err, env);
        return r;
    }

private slots:
    // Quarters of January 2019 as the celestial-navigation almanac at
    // celnav.nl tabulates them (UT1, with the Moon's elongation): the phase
    // angle is 180° less the elongation less the angle at the Sun (about
    // 0.147° · sin ψ); waxing below 180, waning above.
    void almanacAtPublishedPhases_data()
    {
        QTest::addColumn<QString>("when");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("season");
        QTest::addColumn<double>("elongation");
        QTest::addColumn<int>("side"); // -1 waxing, +1 waning, 0 either
        QTest::newRow("new moon") << "2019-01-06T01:41"
                                  << "Capricorn"
                                  << "Winter" << (1 + 2.0 / 60) << 0;
        QTest::newRow("first quarter") << "2019-01-14T06:45"
                                       << "Capricorn"
                                       << "Winter" << 90.0 << -1;
        QTest::newRow("full moon") << "2019-01-21T05:12"
                                   << "Aquarius"
                                   << "Winter" << (179 + 37.4 / 60) << 0;
        QTest::newRow("last quarter") << "2019-01-27T21:10"
                                      << "Aquarius"
                                      << "Winter" << 90.0 << +1;
        QTest::newRow("full moon of July") << "2019-07-16T21:30"
                                           << "Cancer"
                                           << "Summer" << (179 + 24.7 / 60) << 0;
    }
    void almanacAtPublishedPhases()
    {
        QFETCH(QString, when);
        QFETCH(QString, sign);
        QFETCH(QString, season);
        QFETCH(double, elongation);
        QFETCH(int, side);
        const Run r = run({"--almanac", when});
        QCOMPARE(r.code, std::optional<int>(0));
        QVERIFY(r.err.isEmpty());
        QVERIFY(r.out.endsWith('\n'));
        const QStringList fields = r.out.chopped(1).split('\t');
        QCOMPARE(fields.size(), 5);
        QCOMPARE(fields.at(0), when.left(10));
        QCOMPARE(fields.at(1), sign);
        QCOMPARE(fields.at(2), season);
        const double expected =
            180.0 - elongation - 0.147 * std::sin(elongation * std::numbers::pi / 180.0);
        const double angle = fields.at(3).toDouble();
        QVERIFY2(std::abs(unsignedAngle(angle) - expected) < 0.1, qPrintable(fields.at(3)));
        if (side != 0)
            QCOMPARE(angle > 180.0, side > 0);
        const double lit = 50.0 * (1.0 + std::cos(expected * std::numbers::pi / 180.0));
        QVERIFY2(std::abs(fields.at(4).toDouble() - lit) < 0.1, qPrintable(fields.at(4)));
        // One decimal each.
        QCOMPARE(fields.at(3).section('.', 1).size(), 1);
        QCOMPARE(fields.at(4).section('.', 1).size(), 1);
    }

    // The moment: 12:00 of the day unless a time is given, today without a
    // date, the same clock time on each following day.
    void moments()
    {
        QCOMPARE(run({"--almanac", "2019-01-21"}).out, run({"--almanac", "2019-01-21T12:00"}).out);
        QVERIFY(run({"--almanac", "2019-01-21"}).out != run({"--almanac", "2019-01-21T00:00"}).out);
        QCOMPARE(run({"--almanac"}).out, run({"--almanac", "2026-03-16"}).out);

        const Run days = run({"--almanac", "2019-01-20T05:12", "--days", "3"});
        QCOMPARE(days.code, std::optional<int>(0));
        const QStringList lines = days.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines.at(0).startsWith("2019-01-20\t"));
        QCOMPARE(lines.at(1) + '\n', run({"--almanac", "2019-01-21T05:12"}).out);
        QVERIFY(lines.at(2).startsWith("2019-01-22\tAquarius\tWinter\t"));
        // Days run over the month and the year, 29 February included.
        const QStringList leap =
            run({"--almanac", "2024-02-28", "--days", "3"}).out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(leap.size(), 3);
        QVERIFY(leap.at(1).startsWith("2024-02-29\tPisces\tWinter\t"));
        QVERIFY(leap.at(2).startsWith("2024-03-01\t"));
    }

    // An angle just below 360 rounds to 0.0, the full disc to 100.0.
    void fieldsNearFullMoon()
    {
        const QDateTime noon(QDate(2024, 3, 21), QTime(12, 0), Qt::UTC);
        QCOMPARE(astro::almanacLine(astro::almanacDay(noon, 359.97)),
                 QStringLiteral("2024-03-21\tAries\tSpring\t0.0\t100.0"));
        QCOMPARE(astro::almanacLine(astro::almanacDay(noon, 180.0)),
                 QStringLiteral("2024-03-21\tAries\tSpring\t180.0\t0.0"));
        QCOMPARE(astro::almanacDay(noon, 90.04).phaseAngle, QStringLiteral("90.0"));
        QCOMPARE(astro::almanacDay(noon, 90.04).litPercent, QStringLiteral("50.0"));
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("word") << QStringList{"--almanac", "tomorrow"};
        QTest::newRow("no such day") << QStringList{"--almanac", "2019-02-29"};
        QTest::newRow("short month") << QStringList{"--almanac", "2019-1-21"};
        QTest::newRow("hour 24") << QStringList{"--almanac", "2019-01-21T24:00"};
        QTest::newRow("one-digit hour") << QStringList{"--almanac", "2019-01-21T5:12"};
        QTest::newRow("seconds") << QStringList{"--almanac", "2019-01-21T05:12:00"};
        QTest::newRow("blank for T") << QStringList{"--almanac", "2019-01-21 05:12"};
        QTest::newRow("time apart") << QStringList{"--almanac", "2019-01-21", "05:12"};
        QTest::newRow("no days") << QStringList{"--almanac", "--days", "0"};
        QTest::newRow("days not a number") << QStringList{"--almanac", "--days", "many"};
        QTest::newRow("days without value") << QStringList{"--almanac", "--days"};
        QTest::newRow("other option") << QStringList{"--almanac", "--archive", "/tmp"};
        QTest::newRow("with the agenda") << QStringList{"--agenda", "--almanac"};
    }
    void badInput()
    {
        QFETCH(QStringList, arguments);
        const Run r = run(arguments);
        QCOMPARE(r.code, std::optional<int>(2));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err.count('\n'), 1);
        QVERIFY(r.err.startsWith("corvandine: "));
    }

    // The program itself: exit codes, the streams, and no window library
    // loaded (the dynamic loader names every library it loads).
    void asTheProgram()
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LD_DEBUG", "libs");
        p.setProcessEnvironment(env);
        p.start(CORVANDINE_EXE, {"--almanac", "2019-01-14T06:45", "--days", "2"});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
        const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0) + '\n', run({"--almanac", "2019-01-14T06:45"}).out);
        QVERIFY(lines.at(2).isEmpty());
        const QByteArray loaded = p.readAllStandardError();
        QVERIFY2(loaded.contains("libQt6Core"), "the loader reported nothing");
        for (const char* library : {"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport",
                                    "libQt6Multimedia", "libQt6Network", "corvandine_window"})
            QVERIFY2(!loaded.contains(library), library);

        p.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        p.start(CORVANDINE_EXE, {"--almanac", "2019-13-01"});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardOutput().isEmpty());
        QCOMPARE(p.readAllStandardError().count('\n'), 1);
    }
};

QTEST_GUILESS_MAIN(TestAlmanac)
#include "tst_almanac.moc"
