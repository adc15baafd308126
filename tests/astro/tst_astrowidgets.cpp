#include "astro/moonphase.h"
#include "astro/moonpicture.h"
#include "astro/ui/signseasonpanel.h"
#include "astro/ui/tmoon.h"
#include "store/daynumber.h"

#include <QLabel>
#include <QtTest>

using astro::MoonSize;
using astro::MoonStyle;
using astro::Rotation;

namespace {

double dateTimeValue(const QString& isoText)
{
    return store::toDayNumber(QDateTime::fromString(isoText, Qt::ISODate));
}

} // namespace

class TestAstroWidgets final : public QObject
{
    Q_OBJECT
private slots:
    // The control shows the drawing of its date and properties, pixel for
    // pixel, at the size of its size table entry, and draws again on every
    // change.
    void moonShowsTheDrawingOfItsProperties()
    {
        astro::ui::TMoon moon;
        QCOMPARE(moon.sizeHint(), QSize(32, 32));
        const double firstQuarter = dateTimeValue("2019-01-14T06:45");
        moon.setDate(firstQuarter);
        QCOMPARE(moon.date(), firstQuarter);
        QCOMPARE(moon.phaseAngle(), astro::phaseAngle(firstQuarter));

        const auto samePixels = [&moon](MoonSize size, MoonStyle style, Rotation rotation,
                                        bool apollo) {
            const astro::MoonPicture p =
                astro::moonPicture(moon.date(), moon.phaseAngle(), size, style, rotation, apollo);
            const QImage& image = moon.picture();
            if (image.width() != p.width || image.height() != p.height)
                return false;
            for (int row = 0; row < p.height; ++row)
                for (int column = 0; column < p.width; ++column)
                    if (image.pixel(column, row) != p.pixel(column, row))
                        return false;
            return true;
        };
        QVERIFY(samePixels(MoonSize::ms32, MoonStyle::msClassic, Rotation::rot_none, true));
        // First quarter: the left half dark, the right lit, the landing site red.
        QCOMPARE(moon.picture().pixel(8, 14), astro::ShadowPixel);
        QVERIFY(moon.picture().pixel(24, 14) != astro::ShadowPixel);
        QCOMPARE(moon.picture().pixel(20, 15), astro::ApolloPixel);

        moon.setMoonSize(MoonSize::ms64);
        moon.setMoonStyle(MoonStyle::msColor);
        moon.setRotation(Rotation::rot_180);
        moon.setShowApollo11(false);
        QCOMPARE(moon.sizeHint(), QSize(64, 64));
        QVERIFY(samePixels(MoonSize::ms64, MoonStyle::msColor, Rotation::rot_180, false));

        const double fullMoon = dateTimeValue("2019-01-21T05:12");
        moon.setDate(fullMoon);
        QVERIFY(astro::litFraction(moon.phaseAngle()) > 0.999);
        QVERIFY(samePixels(MoonSize::ms64, MoonStyle::msColor, Rotation::rot_180, false));
    }

    void stripShowsSignAndSeasonWithTheirRanges()
    {
        astro::ui::SignSeasonPanel strip;
        QCOMPARE(strip.objectName(), QStringLiteral("Panel_SegnoStagione"));
        QLabel* sign = strip.findChild<QLabel*>("Label_Segno");
        QLabel* season = strip.findChild<QLabel*>("Label_Stagione");
        QVERIFY(sign && season);
        QCOMPARE(sign->text(), QStringLiteral(" Zodiaco"));
        QCOMPARE(season->text(), QStringLiteral(" Stagione"));
        QVERIFY(strip.findChild<astro::ui::TMoon*>("Moon"));

        strip.refreshSignAndSeason(QDate(2024, 2, 29));
        QCOMPARE(sign->text(), QStringLiteral(" Pisces"));
        QCOMPARE(sign->toolTip(), QStringLiteral("Pisces\nfrom 20 February to 20 March"));
        QCOMPARE(season->text(), QStringLiteral(" Winter"));
        QCOMPARE(season->toolTip(), QStringLiteral("Winter\nfrom 22 December to 20 March"));
        // The line break is a real one: the tooltip is shown as plain text.
        QVERIFY(!Qt::mightBeRichText(sign->toolTip()));

        strip.setMoonMoment(QDate(2000, 1, 6), QTime(18, 14));
        QCOMPARE(strip.moon()->date(), dateTimeValue("2000-01-06T18:14"));
        // A clock time that a daylight-saving change skips in the local zone
        // still names its moment.
        qputenv("TZ", "Europe/Rome");
        strip.setMoonMoment(QDate(2024, 3, 31), QTime(2, 30));
        QCOMPARE(strip.moon()->date(), store::toDayNumber(QDate(2024, 3, 31)) + 2.5 / 24);
    }
};

QTEST_MAIN(TestAstroWidgets)
#include "tst_astrowidgets.moc"
