#include "astro/daysigns.h"

#include <QtTest>

// Each range is checked on both of its ends: a range that is one day short
// or long, or a table compared on the wrong key, fails on a row here.
class TestDaySigns final : public QObject
{
    Q_OBJECT
private slots:
    void labels_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("season");
        const auto row = [](const char* name, QDate date, const char* sign, const char* season) {
            QTest::newRow(name) << date << QString::fromUtf8(sign) << QString::fromUtf8(season);
        };
        row("1 Jan", QDate(2025, 1, 1), " Capricorn", " Winter");
        row("20 Jan", QDate(2025, 1, 20), " Capricorn", " Winter");
        row("21 Jan", QDate(2025, 1, 21), " Aquarius", " Winter");
        row("19 Feb", QDate(2025, 2, 19), " Aquarius", " Winter");
        row("20 Feb", QDate(2025, 2, 20), " Pisces", " Winter");
        row("29 Feb", QDate(2024, 2, 29), " Pisces", " Winter");
        row("20 Mar", QDate(2025, 3, 20), " Pisces", " Winter");
        row("21 Mar", QDate(2025, 3, 21), " Aries", " Spring");
        row("20 Apr", QDate(2025, 4, 20), " Aries", " Spring");
        row("21 Apr", QDate(2025, 4, 21), " Taurus", " Spring");
        row("20 May", QDate(2025, 5, 20), " Taurus", " Spring");
        row("21 May", QDate(2025, 5, 21), " Gemini", " Spring");
        row("20 Jun", QDate(2025, 6, 20), " Gemini", " Spring");
        row("21 Jun", QDate(2025, 6, 21), " Gemini", " Summer");
        row("22 Jun", QDate(2025, 6, 22), " Cancer", " Summer");
        row("22 Jul", QDate(2025, 7, 22), " Cancer", " Summer");
        row("23 Jul", QDate(2025, 7, 23), " Leo", " Summer");
        row("23 Aug", QDate(2025, 8, 23), " Leo", " Summer");
        row("24 Aug", QDate(2025, 8, 24), " Virgo", " Summer");
        row("22 Sep", QDate(2025, 9, 22), " Virgo", " Summer");
        row("23 Sep", QDate(2025, 9, 23), " Libra", " Autumn");
        row("22 Oct", QDate(2025, 10, 22), " Libra", " Autumn");
        row("23 Oct", QDate(2025, 10, 23), " Scorpio", " Autumn");
        row("22 Nov", QDate(2025, 11, 22), " Scorpio", " Autumn");
        row("23 Nov", QDate(2025, 11, 23), " Sagittarius", " Autumn");
        row("21 Dec", QDate(2025, 12, 21), " Sagittarius", " Autumn");
        row("22 Dec", QDate(2025, 12, 22), " Capricorn", " Winter");
        row("31 Dec", QDate(2025, 12, 31), " Capricorn", " Winter");
    }
    void labels()
    {
        QFETCH(QDate, date);
        QTEST(astro::zodiacSign(date).text, "sign");
        QTEST(astro::season(date).text, "season");
    }

    // The tooltip is the name and the range on two lines, broken where a
    // tooltip breaks (a carriage return alone would show as one line).
    void tooltips()
    {
        QCOMPARE(astro::zodiacSign(QDate(2025, 1, 5)).tooltip,
                 QStringLiteral("Capricorn\nfrom 22 December to 20 January"));
        QCOMPARE(astro::zodiacSign(QDate(2025, 9, 1)).tooltip,
                 QStringLiteral("Virgo\nfrom 24 August to 22 September"));
        QCOMPARE(astro::season(QDate(2025, 3, 1)).tooltip,
                 QStringLiteral("Winter\nfrom 22 December to 20 March"));
        QCOMPARE(astro::season(QDate(2025, 7, 1)).tooltip,
                 QStringLiteral("Summer\nfrom 21 June to 22 September"));
    }
};

QTEST_GUILESS_MAIN(TestDaySigns)
#include "tst_daysigns.moc"
