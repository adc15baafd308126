#include "astro/moonphase.h"
#include "astro/moonpicture.h"
#include "store/daynumber.h"

#include <QtTest>

using astro::MoonPicture;
using astro::MoonSize;
using astro::MoonStyle;
using astro::Rotation;

namespace {

// Columns from..to of one row; from > to is an empty row.
using Span = QPair<int, int>;
using Spans = QList<Span>;

double dateTimeValue(const QString& isoText)
{
    return store::toDayNumber(QDateTime::fromString(isoText, Qt::ISODate));
}

// The first and last column of a row whose pixels satisfy `test`, with no
// gap between them (a gap makes the span (-2, -2), matching no row).
template <typename Test> Span spanOf(const MoonPicture& picture, int row, Test test)
{
    int from = -1;
    int to = -2;
    for (int column = 0; column < picture.width; ++column) {
        if (!test(picture.pixel(column, row)))
            continue;
        if (from < 0)
            from = column;
        else if (to != column - 1)
            return {-2, -2};
        to = column;
    }
    return from < 0 ? Span{0, -1} : Span{from, to};
}

// The rows of a 16-pixel picture from the spans of g = 0..7 rows off the
// centre row 7; row 15 lies outside the disc.
Spans bySymmetry(const Spans& fromCentre)
{
    Spans rows(16, Span{0, -1});
    for (int g = 0; g < fromCentre.size(); ++g)
        rows[7 + g] = rows[7 - g] = fromCentre.at(g);
    return rows;
}

MoonPicture plainPicture(int side)
{
    MoonPicture p;
    p.width = p.height = side;
    p.pixels.assign(size_t(side * side), 0xFF808080u);
    return p;
}

int shadowCount(const MoonPicture& picture)
{
    return int(std::count(picture.pixels.begin(), picture.pixels.end(), astro::ShadowPixel));
}

} // namespace

Q_DECLARE_METATYPE(Rotation)

class TestMoonPicture final : public QObject
{
    Q_OBJECT
private slots:
    // The artwork's disc, row by row, is the spans the shadow paints: worked
    // by hand for the 16-pixel picture (centre column and row 7, radius 7:
    // N(√(49 − g²)) = 7, 7, 7, 6, 6, 5, 4, 0), and its corners for the others.
    void artworkIsTheDiscOfTheSizeTable()
    {
        const auto opaque = [](std::uint32_t argb) { return (argb >> 24) == 0xFF; };
        const MoonPicture& tiny = astro::fullMoonPicture(MoonSize::ms16, MoonStyle::msClassic);
        QCOMPARE(tiny.width, 16);
        QCOMPARE(tiny.height, 16);
        const Spans expected =
            bySymmetry({{0, 14}, {0, 14}, {0, 14}, {1, 13}, {1, 13}, {2, 12}, {3, 11}, {7, 7}});
        for (int row = 0; row < 16; ++row)
            QCOMPARE(spanOf(tiny, row, opaque), expected.at(row));

        struct Extent
        {
            MoonSize size;
            int side, top, bottom, left, right;
        };
        for (const Extent& e :
             {Extent{MoonSize::ms32, 32, 0, 28, 1, 29}, Extent{MoonSize::ms64, 64, 0, 56, 3, 59}}) {
            for (const MoonStyle style : {MoonStyle::msClassic, MoonStyle::msColor}) {
                const MoonPicture& p = astro::fullMoonPicture(e.size, style);
                QCOMPARE(p.width, e.side);
                QCOMPARE(p.height, e.side);
                const int middle = (e.top + e.bottom) / 2;
                QCOMPARE(spanOf(p, middle, opaque), Span(e.left, e.right));
                QCOMPARE(spanOf(p, e.top, opaque), Span(e.side / 2 - 1, e.side / 2 - 1));
                QCOMPARE(spanOf(p, e.bottom, opaque), Span(e.side / 2 - 1, e.side / 2 - 1));
                for (int row = e.bottom + 1; row < e.side; ++row)
                    QCOMPARE(spanOf(p, row, opaque), Span(0, -1));
                // A moon, not a plain disc: the seas are darker than the highlands.
                int darkest = 255;
                int brightest = 0;
                for (const std::uint32_t argb : p.pixels) {
                    if ((argb >> 24) == 0)
                        continue;
                    const int green = int((argb >> 8) & 0xFF);
                    darkest = std::min(darkest, green);
                    brightest = std::max(brightest, green);
                }
                QVERIFY2(brightest - darkest > 60, qPrintable(QString::number(darkest)));
            }
        }
    }

    // The shadow of a crescent, row by row, worked by hand for the 16-pixel
    // picture with f = cos(angle) = −0.7071: for g = 0..7, h = √(49 − g²) and
    // f·h round to (7, −5), (7, −5), (7, −5), (6, −4), (6, −4), (5, −3),
    // (4, −3), (0, 0). Waxing the shadow runs from 7 − N(h) to 7 − N(f·h),
    // waning from 7 + N(f·h) to 7 + N(h).
    void crescentShadowRows_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<Spans>("rows");
        QTest::newRow("waxing crescent, lit on the right")
            << 135.0
            << bySymmetry({{0, 12}, {0, 12}, {0, 12}, {1, 11}, {1, 11}, {2, 10}, {3, 10}, {7, 7}});
        QTest::newRow("waning crescent, lit on the left")
            << 225.0
            << bySymmetry({{2, 14}, {2, 14}, {2, 14}, {3, 13}, {3, 13}, {4, 12}, {4, 11}, {7, 7}});
        QTest::newRow("first quarter, left half dark")
            << 90.0 << bySymmetry({{0, 7}, {0, 7}, {0, 7}, {1, 7}, {1, 7}, {2, 7}, {3, 7}, {7, 7}});
        QTest::newRow("new moon, all dark")
            << 180.0
            << bySymmetry({{0, 14}, {0, 14}, {0, 14}, {1, 13}, {1, 13}, {2, 12}, {3, 11}, {7, 7}});
    }
    void crescentShadowRows()
    {
        QFETCH(double, angle);
        QFETCH(Spans, rows);
        MoonPicture p = plainPicture(16);
        astro::darken(p, astro::moonGeometry(MoonSize::ms16), angle);
        for (int row = 0; row < 16; ++row) {
            const Span shadow =
                spanOf(p, row, [](std::uint32_t argb) { return argb == astro::ShadowPixel; });
            QVERIFY2(shadow == rows.at(row), qPrintable(QStringLiteral("row %1: %2..%3")
                                                            .arg(row)
                                                            .arg(shadow.first)
                                                            .arg(shadow.second)));
        }
    }

    // The whole drawing at the new and the full moon of January 2000: the
    // new moon leaves no pixel of the disc lit, the full moon darkens one rim
    // pixel a row at most.
    void newAndFullMoonPictures()
    {
        const double newMoon = dateTimeValue("2000-01-06T18:14");
        const MoonPicture dark =
            astro::moonPicture(newMoon, astro::phaseAngle(newMoon), MoonSize::ms32,
                               MoonStyle::msClassic, Rotation::rot_none, true);
        for (const std::uint32_t argb : dark.pixels)
            QVERIFY(argb == astro::ShadowPixel || (argb >> 24) == 0);

        const double fullMoon = dateTimeValue("2000-01-21T04:40");
        const MoonPicture lit =
            astro::moonPicture(fullMoon, astro::phaseAngle(fullMoon), MoonSize::ms32,
                               MoonStyle::msClassic, Rotation::rot_none, false);
        QVERIFY(shadowCount(lit) <= 29);
        for (int row = 0; row < 32; ++row) {
            const auto first = lit.pixels.begin() + row * 32;
            QVERIFY(std::count(first, first + 32, astro::ShadowPixel) <= 1);
        }
    }

    // The landing site turns red only for moments after the landing, and
    // only when asked for; the phase of 21 July 1969 (waxing, before first
    // quarter) leaves the site on the lit right side.
    void apolloMark_data()
    {
        QTest::addColumn<QString>("when");
        QTest::addColumn<bool>("show");
        QTest::addColumn<bool>("red");
        QTest::newRow("a second before") << "1969-07-20T20:17:42" << true << false;
        QTest::newRow("at the moment") << "1969-07-20T20:17:43" << true << false;
        QTest::newRow("a second after") << "1969-07-20T20:17:44" << true << true;
        QTest::newRow("next day") << "1969-07-21T12:00:00" << true << true;
        QTest::newRow("not asked for") << "1969-07-21T12:00:00" << false << false;
        QTest::newRow("years later") << "2024-05-23T12:00:00" << true << true;
    }
    void apolloMark()
    {
        QFETCH(QString, when);
        QFETCH(bool, show);
        QFETCH(bool, red);
        const double t = dateTimeValue(when);
        // A full moon, so that no shadow hides the mark.
        const MoonPicture p = astro::moonPicture(t, 0.0, MoonSize::ms32, MoonStyle::msClassic,
                                                 Rotation::rot_none, show);
        QCOMPARE(p.pixel(20, 15) == astro::ApolloPixel, red);
        QCOMPARE(int(std::count(p.pixels.begin(), p.pixels.end(), astro::ApolloPixel)),
                 red ? 1 : 0);
        if (when.startsWith("1969-07-21")) {
            const MoonPicture real =
                astro::moonPicture(t, astro::phaseAngle(t), MoonSize::ms32, MoonStyle::msClassic,
                                   Rotation::rot_none, show);
            QCOMPARE(real.pixel(20, 15) == astro::ApolloPixel, red);
        }
    }

    // The turn moves the red mark (column 20, row 15 of 32) clockwise.
    void rotation_data()
    {
        QTest::addColumn<Rotation>("rotation");
        QTest::addColumn<QPoint>("mark");
        QTest::newRow("none") << Rotation::rot_none << QPoint(20, 15);
        QTest::newRow("90") << Rotation::rot_90 << QPoint(16, 20);
        QTest::newRow("180") << Rotation::rot_180 << QPoint(11, 16);
        QTest::newRow("270") << Rotation::rot_270 << QPoint(15, 11);
    }
    void rotation()
    {
        QFETCH(Rotation, rotation);
        QFETCH(QPoint, mark);
        const double after = dateTimeValue("2000-01-21T04:40");
        const MoonPicture p =
            astro::moonPicture(after, 90.0, MoonSize::ms32, MoonStyle::msClassic, rotation, true);
        QCOMPARE(p.width, 32);
        QCOMPARE(p.pixel(mark.x(), mark.y()), astro::ApolloPixel);
        QCOMPARE(shadowCount(p),
                 shadowCount(astro::moonPicture(after, 90.0, MoonSize::ms32, MoonStyle::msClassic,
                                                Rotation::rot_none, true)));
    }
};

QTEST_GUILESS_MAIN(TestMoonPicture)
#include "tst_moonpicture.moc"
