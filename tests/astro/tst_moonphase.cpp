#include "astro/moonphase.h"
#include "store/daynumber.h"

#include <QtTest>
#include <cfenv>
#include <cmath>
#include <numbers>

namespace {

double dateTimeValue(const QString& isoText)
{
    return store::toDayNumber(QDateTime::fromString(isoText, Qt::ISODate));
}

// Distance from 180 either way: near new and full moon the side of the
// switch between waxing and waning is a matter of minutes.
double unsignedAngle(double phase)
{
    return phase <= 180.0 ? phase : 360.0 - phase;
}

} // namespace

class TestMoonPhase final : public QObject
{
    Q_OBJECT
private slots:
    // Worked examples of Meeus, Astronomical Algorithms (2nd ed.): the Sun
    // on 1992-10-13 0h (example 25.b: apparent longitude 199°54'21.82",
    // R = 0.99760775 au) and the Moon on 1992-04-12 0h (example 47.a:
    // λ = 133.162655° + Δψ 0.004610°, β = −3.229126°, Δ = 368409.7 km). The
    // book's figures come from truncated series, hence the tolerances of a
    // few seconds of arc and kilometres.
    void positionsMatchPublishedExamples()
    {
        const auto sun =
            astro::apparentPositions(astro::julianDay(dateTimeValue("1992-10-13T00:00")));
        QVERIFY2(std::abs(sun.sunLongitude - 199.906061) < 2.0 / 3600,
                 qPrintable(QString::number(sun.sunLongitude, 'f', 6)));
        QVERIFY(std::abs(sun.sunDistance - 0.99760775 * 149597869.0) < 500.0);

        const auto moon =
            astro::apparentPositions(astro::julianDay(dateTimeValue("1992-04-12T00:00")));
        QVERIFY2(std::abs(moon.moonLongitude - 133.167265) < 10.0 / 3600,
                 qPrintable(QString::number(moon.moonLongitude, 'f', 6)));
        QVERIFY2(std::abs(moon.moonLatitude - -3.229126) < 10.0 / 3600,
                 qPrintable(QString::number(moon.moonLatitude, 'f', 6)));
        QVERIFY(std::abs(moon.moonDistance - 368409.7) < 20.0);
    }

    // Phases of the Moon for 2019 as tabulated (UT1, with the Moon's angle
    // from the Sun) by the celestial-navigation almanac at celnav.nl
    // ("Moon phases 2019"). Sun, Earth and Moon make a triangle, so the
    // phase angle is 180° less the elongation less the angle at the Sun,
    // about 0.147° · sin ψ at the mean distances. Quarters also fix the
    // side: the Moon waxes (below 180) at first quarter and wanes at last.
    void phaseAngleAtAlmanacInstants_data()
    {
        QTest::addColumn<QString>("when");
        QTest::addColumn<double>("elongation");
        QTest::addColumn<int>("side"); // -1 waxing, +1 waning, 0 either
        const auto dms = [](int deg, double min) { return deg + min / 60.0; };
        QTest::newRow("new moon 6 Jan") << "2019-01-06T01:41" << dms(1, 2.0) << 0;
        QTest::newRow("first quarter 14 Jan") << "2019-01-14T06:45" << 90.0 << -1;
        QTest::newRow("full moon 21 Jan, eclipse") << "2019-01-21T05:12" << dms(179, 37.4) << 0;
        QTest::newRow("last quarter 27 Jan") << "2019-01-27T21:10" << 90.0 << +1;
        QTest::newRow("full moon 19 Feb") << "2019-02-19T15:29" << dms(177, 4.4) << 0;
        QTest::newRow("new moon 5 Apr") << "2019-04-05T08:42" << dms(4, 57.4) << 0;
        QTest::newRow("full moon 16 Jul") << "2019-07-16T21:30" << dms(179, 24.7) << 0;
        QTest::newRow("last quarter 22 Sep") << "2019-09-22T02:40" << 90.0 << +1;
        QTest::newRow("new moon 28 Sep") << "2019-09-28T18:19" << dms(4, 57.2) << 0;
        QTest::newRow("first quarter 5 Oct") << "2019-10-05T16:47" << 90.0 << -1;
    }
    void phaseAngleAtAlmanacInstants()
    {
        QFETCH(QString, when);
        QFETCH(double, elongation);
        QFETCH(int, side);
        const double phase = astro::phaseAngle(dateTimeValue(when));
        QVERIFY(phase >= 0.0 && phase < 360.0);
        const double expected =
            180.0 - elongation - 0.147 * std::sin(elongation * std::numbers::pi / 180.0);
        QVERIFY2(std::abs(unsignedAngle(phase) - expected) < 0.05,
                 qPrintable(QStringLiteral("%1 against %2").arg(phase).arg(expected)));
        if (side != 0)
            QCOMPARE(phase > 180.0, side > 0);
    }

    // The two instants the organizer has always been checked with (USNO
    // times): the new moon of 2000-01-06 18:14, when the Moon stood at most
    // its greatest latitude (5.3°) from the Sun, and the full moon of
    // 2000-01-21 04:40, a total eclipse, with the Moon inside the shadow.
    void newAndFullMoonOf2000()
    {
        const double newMoon = astro::phaseAngle(dateTimeValue("2000-01-06T18:14"));
        QVERIFY2(std::abs(newMoon - 180.0) < 5.3, qPrintable(QString::number(newMoon)));
        const double fullMoon = astro::phaseAngle(dateTimeValue("2000-01-21T04:40"));
        QVERIFY2(unsignedAngle(fullMoon) < 0.6, qPrintable(QString::number(fullMoon)));
        QVERIFY(astro::litFraction(newMoon) < 0.003);
        QVERIFY(astro::litFraction(fullMoon) > 0.9999);
    }

    // Where the Moon's distance equals the Sun's distance times cos ψ the
    // tangent of the phase angle is a division by zero; the angle there is
    // simply 90° and must come out without one.
    void noDivisionByZeroWhereTheTangentIsInfinite()
    {
        astro::SunAndMoon p;
        p.sunDistance = 149597869.0;
        p.sunLongitude = 0.0;
        p.moonLatitude = 0.0;
        p.moonLongitude = 89.85;
        p.moonDistance = p.sunDistance * std::cos(p.moonLongitude * (std::numbers::pi / 180.0));
        std::feclearexcept(FE_ALL_EXCEPT);
        const double phase = astro::phaseAngle(p);
        QVERIFY(!std::fetestexcept(FE_DIVBYZERO));
        QCOMPARE(phase, 90.0);
        p.moonLongitude = 360.0 - 89.85;
        p.moonDistance = p.sunDistance * std::cos(p.moonLongitude * (std::numbers::pi / 180.0));
        std::feclearexcept(FE_ALL_EXCEPT);
        QCOMPARE(astro::phaseAngle(p), 270.0);
        QVERIFY(!std::fetestexcept(FE_DIVBYZERO));
    }

    void normalizedDegrees_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("normalized");
        QTest::newRow("inside") << 123.5 << 123.5;
        QTest::newRow("full turn") << 360.0 << 0.0;
        QTest::newRow("negative") << -90.0 << 270.0;
        QTest::newRow("many turns") << 3600.0 + 45.0 << 45.0;
        QTest::newRow("tiny negative stays below 360") << -1e-14 << 0.0;
    }
    void normalizedDegrees()
    {
        QFETCH(double, angle);
        const double result = astro::normalizedDegrees(angle);
        QVERIFY(result >= 0.0 && result < 360.0);
        QTEST(result, "normalized");
    }
};

QTEST_GUILESS_MAIN(TestMoonPhase)
#include "tst_moonphase.moc"
