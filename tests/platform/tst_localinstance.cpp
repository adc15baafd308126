#include "platform/qt/localinstance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QUuid>
#include <QtTest>

using platform::HandOver;
using platform::InstanceServer;

class TestLocalInstance final : public QObject
{
    Q_OBJECT
private:
    QString m_name;

private slots:
    void init()
    {
        m_name = QStringLiteral("corvandine-test-") + QUuid::createUuid().toString(QUuid::Id128);
    }

    void cleanup() { QLocalServer::removeServer(m_name); }

    // A start that runs on its own (its hand-over was refused) must leave
    // the running program reachable: its channel is not taken away.
    void secondServerLeavesTheRunningOneReachable()
    {
        InstanceServer first(m_name);
        QVERIFY(first.listen());
        QSignalSpy shown(&first, &InstanceServer::showRequested);

        InstanceServer second(m_name);
        QVERIFY(!second.listen());

        QCOMPARE(platform::handOverToRunningInstance(m_name, {}, 1000), HandOver::Done);
        QTRY_COMPARE(shown.size(), 1);
    }

    // What a killed program left behind answers nobody and is cleared.
    void leftoverChannelIsCleared()
    {
        {
            QLocalServer probe;
            QVERIFY(probe.listen(m_name));
            const QString path = probe.fullServerName();
            probe.close();
            QFile leftover(path);
            QVERIFY(leftover.open(QIODevice::WriteOnly));
        }
        InstanceServer server(m_name);
        QVERIFY(server.listen());
        QSignalSpy shown(&server, &InstanceServer::showRequested);
        QCOMPARE(platform::handOverToRunningInstance(m_name, {}, 1000), HandOver::Done);
        QTRY_COMPARE(shown.size(), 1);
    }
};

QTEST_MAIN(TestLocalInstance)
#include "tst_localinstance.moc"
