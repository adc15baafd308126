// The password kept in the settings row: the derivation against published
// vectors, the stored format, which texts match, the upgrade of a password
// stored before hashing, and the cost of one check.
#include "app/lock/passwordhash.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace app::lock;

Q_DECLARE_METATYPE(app::lock::PasswordMatch)

class TestPasswordHash : public QObject
{
    Q_OBJECT
private slots:
    void derivesPublishedVectors_data();
    void derivesPublishedVectors();
    void storedFormat();
    void check_data();
    void check();
    void comparesInConstantTimeShape_data();
    void comparesInConstantTimeShape();
    void oneCheckKeepsTypingFluid();
};

void TestPasswordHash::derivesPublishedVectors_data()
{
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("salt");
    QTest::addColumn<int>("iterations");
    QTest::addColumn<QByteArray>("hex");
    // RFC 7914, section 11: two blocks of output, so the block counter counts.
    QTest::newRow("one iteration") << QByteArray("passwd") << QByteArray("salt") << 1
                                   << QByteArray("55ac046e56e3089fec1691c22544b605f94185216dde04"
                                                 "65e68b9d57c20dacbc49ca9cccf179b645991664b39d77"
                                                 "ef317c71b845b1e30bd509112041d3a19783");
    QTest::newRow("80000 iterations") << QByteArray("Password") << QByteArray("NaCl") << 80000
                                      << QByteArray("4ddcd8f60b98be21830cee5ef22701f9641a4418d04c"
                                                    "0414aeff08876b34ab56a1d425a1225833549adb841b"
                                                    "51c9b3176a272bdebba1d078478f62b397f33c8d");
    // A key longer than the hash block is hashed first.
    QTest::newRow("long key") << QByteArray(100, 'k') << QByteArray("salt") << 2
                              << QByteArray("2c1357648009149f57e4d5544c3435bbca87a6b231300fa3abb2"
                                            "a89b50f56ec3");
}

void TestPasswordHash::derivesPublishedVectors()
{
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, salt);
    QFETCH(int, iterations);
    QFETCH(QByteArray, hex);
    const QByteArray expected = QByteArray::fromHex(hex);
    QCOMPARE(pbkdf2Sha256(password, salt, iterations, int(expected.size())).toHex(),
             expected.toHex());
}

void TestPasswordHash::storedFormat()
{
    const QString first = hashPassword(QStringLiteral("Secret9"));
    const QString second = hashPassword(QStringLiteral("Secret9"));
    const QStringList parts = first.split(u'$');
    QCOMPARE(parts.size(), 5);
    QCOMPARE(parts[1], QStringLiteral("pbkdf2-sha256"));
    QCOMPARE(parts[2].toInt(), passwordIterations);
    QCOMPARE(QByteArray::fromBase64(parts[3].toLatin1()).size(), 16);
    QCOMPARE(QByteArray::fromBase64(parts[4].toLatin1()).size(), 32);
    QVERIFY(!first.contains(QStringLiteral("Secret9")));
    // A fresh salt each time: equal passwords do not show as equal rows.
    QVERIFY(first != second);
    QVERIFY(isPasswordHash(first));
    QVERIFY(!isLegacyPassword(first));
    QCOMPARE(hashPassword(QStringLiteral("x"), "0123456789abcdef", 3),
             hashPassword(QStringLiteral("x"), "0123456789abcdef", 3));
}

void TestPasswordHash::check_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<PasswordMatch>("expected");
    const QString hash = hashPassword(QStringLiteral("Secret9"), "0123456789abcdef", 50);
    const QString accented = hashPassword(QStringLiteral("città€"), "fedcba9876543210", 50);
    QTest::newRow("hash, right") << hash << "Secret9" << PasswordMatch::Yes;
    QTest::newRow("hash, wrong") << hash << "Secret8" << PasswordMatch::No;
    QTest::newRow("hash, other case") << hash << "secret9" << PasswordMatch::No;
    QTest::newRow("hash, prefix typed") << hash << "Secret" << PasswordMatch::No;
    QTest::newRow("hash, empty typed") << hash << "" << PasswordMatch::No;
    QTest::newRow("hash typed as password") << hash << hash << PasswordMatch::No;
    QTest::newRow("non-Latin letters") << accented << "città€" << PasswordMatch::Yes;
    QTest::newRow("no password") << ""
                                 << "" << PasswordMatch::No;
    QTest::newRow("no password, typed") << ""
                                        << "x" << PasswordMatch::No;
    QTest::newRow("legacy, right") << "Secret9"
                                   << "Secret9" << PasswordMatch::YesLegacy;
    QTest::newRow("legacy, wrong") << "Secret9"
                                   << "Secret" << PasswordMatch::No;
    QTest::newRow("legacy, other case") << "Secret9"
                                        << "SECRET9" << PasswordMatch::No;
    QTest::newRow("legacy, 30 characters")
        << QString(30, u'a') << QString(30, u'a') << PasswordMatch::YesLegacy;
    QTest::newRow("31 characters, no prefix")
        << QString(31, u'a') << QString(31, u'a') << PasswordMatch::No;
    QTest::newRow("bad base64") << "$pbkdf2-sha256$50$@@@$AAAA"
                                << "x" << PasswordMatch::No;
    const auto withIterations = [&hash](const char* count) {
        return QString(hash).replace(QStringLiteral("$50$"), u'$' + QLatin1String(count) + u'$');
    };
    QTest::newRow("same hash, 51 iterations")
        << withIterations("51") << "Secret9" << PasswordMatch::No;
    QTest::newRow("zero iterations") << withIterations("0") << "Secret9" << PasswordMatch::No;
    QTest::newRow("huge iterations")
        << withIterations("2000000000") << "Secret9" << PasswordMatch::No;
    QTest::newRow("missing key") << "$pbkdf2-sha256$50$MDEyMw=="
                                 << "x" << PasswordMatch::No;
    QTest::newRow("prefix alone") << "$pbkdf2-sha256$"
                                  << "$pbkdf2-sha256$" << PasswordMatch::No;
}

void TestPasswordHash::check()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(PasswordMatch, expected);
    QCOMPARE(checkPassword(stored, typed), expected);
}

void TestPasswordHash::comparesInConstantTimeShape_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<bool>("equal");
    QTest::newRow("same") << QByteArray("abc") << QByteArray("abc") << true;
    QTest::newRow("both empty") << QByteArray() << QByteArray() << true;
    QTest::newRow("first byte") << QByteArray("xbc") << QByteArray("abc") << false;
    QTest::newRow("last byte") << QByteArray("abx") << QByteArray("abc") << false;
    QTest::newRow("longer") << QByteArray("abcd") << QByteArray("abc") << false;
}

void TestPasswordHash::comparesInConstantTimeShape()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(bool, equal);
    QCOMPARE(constantTimeEquals(a, b), equal);
}

// The lock checks after every key. The best of a few runs is taken, as other
// work on the machine only ever adds time.
void TestPasswordHash::oneCheckKeepsTypingFluid()
{
    const QString stored = hashPassword(QStringLiteral("Secret9"));
    qint64 best = std::numeric_limits<qint64>::max();
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(checkPassword(stored, QStringLiteral("Secret9")), PasswordMatch::Yes);
        best = std::min(best, timer.nsecsElapsed());
    }
    qInfo("one check: %.1f ms", double(best) / 1e6);
    QVERIFY2(best < 100'000'000, "a check must cost well under 100 ms");
    // Still slow enough to make guessing a copied archive's password costly.
    QVERIFY(passwordIterations >= 10000);
}

QTEST_GUILESS_MAIN(TestPasswordHash)
#include "tst_passwordhash.moc"
