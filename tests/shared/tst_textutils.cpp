#include "shared/textutils.h"

#include <QtTest>

using namespace shared;

class TestTextUtils final : public QObject
{
    Q_OBJECT
private slots:
    void isNotEmailAddress_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("notAnAddress");
        QTest::newRow("plain address") << "anna@example.com" << false;
        QTest::newRow("dots in name and domain") << "anna.rossi@mail.example.it" << false;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("only blanks") << "   " << true;
        QTest::newRow("holds a blank") << "anna @example.com" << true;
        QTest::newRow("umlaut, any case") << "J\u00dcRGEN@example.com" << true;
        QTest::newRow("colon") << "mailto:anna@example.com" << true;
        QTest::newRow("bracket") << "anna@[example].com" << true;
        QTest::newRow("no at-sign") << "anna.example.com" << true;
        QTest::newRow("at-sign first") << "@example.com" << true;
        QTest::newRow("at-sign last") << "anna@" << true;
        QTest::newRow("second at-sign") << "anna@ex@ample.com" << true;
        QTest::newRow("one-character domain") << "anna@e" << true;
        QTest::newRow("domain without dot") << "anna@example" << true;
        QTest::newRow("domain starts with its dot") << "anna@.example" << true;
        QTest::newRow("domain ends with its first dot") << "anna@example." << true;
        QTest::newRow("a later dot at the end is fine") << "anna@ex.ample." << false;
    }
    void isNotEmailAddress()
    {
        QFETCH(QString, text);
        QTEST(shared::isNotEmailAddress(text), "notAnAddress");
    }

    void yearsBetween_data()
    {
        QTest::addColumn<QDate>("reference");
        QTest::addColumn<QDate>("birth");
        QTest::addColumn<int>("years");
        QTest::newRow("leap birthday, 28 Feb") << QDate(2027, 2, 28) << QDate(2000, 2, 29) << 26;
        QTest::newRow("leap birthday, 1 Mar") << QDate(2027, 3, 1) << QDate(2000, 2, 29) << 27;
        QTest::newRow("leap birthday in a leap year") << QDate(2028, 2, 29) << QDate(2000, 2, 29) << 28;
        QTest::newRow("same day") << QDate(2026, 5, 5) << QDate(2026, 5, 5) << 0;
        QTest::newRow("day before the birthday") << QDate(2026, 5, 4) << QDate(1980, 5, 5) << 45;
        QTest::newRow("on the birthday") << QDate(2026, 5, 5) << QDate(1980, 5, 5) << 46;
        QTest::newRow("earlier month") << QDate(2026, 4, 30) << QDate(1980, 5, 5) << 45;
        QTest::newRow("birth in a later year") << QDate(2026, 1, 1) << QDate(2030, 6, 1) << -5;
    }
    void yearsBetween()
    {
        QFETCH(QDate, reference);
        QFETCH(QDate, birth);
        QTEST(shared::yearsBetween(reference, birth), "years");
    }

    void countWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("words");
        QTest::newRow("blanks around and between") << "  two  words " << 2;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("blanks only") << "    " << 0;
        QTest::newRow("one word to the end") << "word" << 1;
        QTest::newRow("only the blank separates") << "tab\tand\nnewline" << 1;
    }
    void countWords()
    {
        QFETCH(QString, text);
        QTEST(shared::countWords(text), "words");
    }

    void flattenLineBreaksKeepsTheLength()
    {
        const QString text = "one\r\ntwo\nthree\r";
        const QString flat = flattenLineBreaks(text);
        QCOMPARE(flat, QString("one  two three "));
        QCOMPARE(flat.size(), text.size());
    }

    void blendColour_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        // From (201, 10, 0) toward (0, 255, 33): red falls, green and blue rise.
        QTest::newRow("0 gives the first") << 0 << 201 << 10 << 0;
        QTest::newRow("100 gives the second") << 100 << 0 << 255 << 33;
        QTest::newRow("truncated toward zero both ways") << 33 << 135 << 90 << 10;
    }
    void blendColour()
    {
        QFETCH(int, percent);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QCOMPARE(shared::blendColour({201, 10, 0}, {0, 255, 33}, percent), (Rgb{red, green, blue}));
    }

    void blackToWhiteHalfway()
    {
        QCOMPARE(shared::blendColour({0, 0, 0}, {255, 255, 255}, 50), (Rgb{127, 127, 127}));
    }
};

QTEST_APPLESS_MAIN(TestTextUtils)
#include "tst_textutils.moc"
