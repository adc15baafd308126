// What the card hands to the desktop: the values of a many-valued field, the
// mail and web targets, the map and name searches, the title.
#include "contacts/contactcardlinks.h"

#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

class TestContactCardLinks : public QObject
{
    Q_OBJECT

private slots:
    void splitValues_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("empty") << "" << QStringList();
        QTest::newRow("one") << "a@x.it" << QStringList{"a@x.it"};
        QTest::newRow("comma and blank") << "a@x.it, b@y.it" << QStringList{"a@x.it", "b@y.it"};
        QTest::newRow("blank separates") << "  0612 345, 333" << QStringList{"0612", "345", "333"};
        QTest::newRow("semicolon stays") << "a@x.it;b@y.it" << QStringList{"a@x.it;b@y.it"};
        QTest::newRow("quoted") << "\"06 12, \"\"x\"\"\",7" << QStringList{"06 12, \"x\"", "7"};
        QTest::newRow("empty between commas") << "a,,b" << QStringList{"a", "", "b"};
        QTest::newRow("comma at the end") << "a," << QStringList{"a", ""};
    }
    void splitValues()
    {
        QFETCH(QString, field);
        QFETCH(QStringList, values);
        QCOMPARE(contacts::splitValues(field), values);
    }

    void openTarget_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("target");
        QTest::newRow("address") << "a@x.it"
                                 << "mailto:a@x.it";
        QTest::newRow("two recipients") << "a@x.it;b@y.it"
                                        << "mailto:a@x.it;b@y.it";
        QTest::newRow("already mailto") << "mailto:a@x.it"
                                        << "mailto:a@x.it";
        QTest::newRow("no dot after the at") << "a@localhost"
                                             << "a@localhost";
        QTest::newRow("web with scheme") << "https://x.it/a@b"
                                         << "https://x.it/a@b";
        QTest::newRow("web without scheme") << "www.x.it"
                                            << "http://www.x.it";
        QTest::newRow("skype") << "skype:someone"
                               << "skype:someone";
        QTest::newRow("drive path") << "C:\\docs\\a@b.c"
                                    << "C:\\docs\\a@b.c";
        QTest::newRow("empty") << ""
                               << "";
    }
    void openTarget()
    {
        QFETCH(QString, text);
        QFETCH(QString, target);
        QCOMPARE(contacts::openTarget(text), target);
    }

    void mapSearchKeepsTheWholeAddress()
    {
        const QString url = contacts::mapSearchUrl("Via Roma 1 #4 & Co\r\n20100 Milano");
        const QUrl parsed(url, QUrl::TolerantMode);
        QVERIFY(parsed.isValid());
        QVERIFY(parsed.fragment().isEmpty());
        QCOMPARE(parsed.path(), "/maps");
        QCOMPARE(QUrlQuery(parsed).queryItemValue("q", QUrl::FullyDecoded),
                 "Via Roma 1 #4 & Co 20100 Milano ");
        QCOMPARE(contacts::mapSearchUrl(""), QString());
    }

    void webSearchForTheName()
    {
        const QString url = contacts::webSearchUrl("Anna & Co #1");
        QVERIFY(url.endsWith("#q=Anna+%26+Co+%231"));
        QCOMPARE(QUrl(url, QUrl::TolerantMode).fragment(QUrl::FullyDecoded), "q=Anna+&+Co+#1");
        const QString longName = QString(48, u'x') + " yz";
        QVERIFY(contacts::webSearchUrl(longName).endsWith(QString(48, u'x') + "+y"));
    }

    void cardTitle_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("short") << "Anna"
                               << "Anna   ";
        QTest::newRow("26 letters fit") << QString(26, u'a') << QString(26, u'a') + "   ";
        QTest::newRow("40 letters") << QString(40, u'b') << QString(26, u'b') + "...";
        QTest::newRow("empty") << ""
                               << "   ";
    }
    void cardTitle()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QCOMPARE(contacts::cardTitle(name), title);
    }
};

QTEST_GUILESS_MAIN(TestContactCardLinks)
#include "tst_contactcardlinks.moc"
