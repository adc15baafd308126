#include "platform/handover.h"

#include <QtTest>

using namespace platform::handover;

class TestHandover final : public QObject
{
    Q_OBJECT
private slots:
    void bufferLayout()
    {
        const QByteArray buffer = encodeArguments({"a", "b c"});
        QCOMPARE(buffer, QByteArray("a\0b c\0\0", 7));
        QCOMPARE(decodeArguments(buffer), QStringList({"a", "b c"}));
        QCOMPARE(encodeArguments({}), QByteArray(1, '\0'));
    }

    void readerWaitsForWholeMessages()
    {
        const QByteArray wire = copyDataMessage({"x", "y"}) + showRequestMessage();
        MessageReader reader;
        reader.feed(wire.left(10));
        QVERIFY(!reader.next());
        reader.feed(wire.mid(10));
        const auto first = reader.next();
        QVERIFY(first);
        QCOMPARE(first->code, CopyData);
        QCOMPARE(first->magic, Magic);
        QCOMPARE(decodeArguments(first->buffer), QStringList({"x", "y"}));
        const auto second = reader.next();
        QVERIFY(second);
        QCOMPARE(second->code, ShowRequest);
        QVERIFY(!reader.next());
    }

    void oversizedRecordIsRefused()
    {
        QByteArray wire = copyDataMessage({"x"});
        wire[8] = '\xff';
        wire[9] = '\xff';
        wire[10] = '\xff';
        MessageReader reader;
        reader.feed(wire);
        const auto message = reader.next();
        QVERIFY(message);
        QVERIFY(message->magic != Magic);
    }
};

QTEST_GUILESS_MAIN(TestHandover)
#include "tst_handover.moc"
