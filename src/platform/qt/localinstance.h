#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

namespace platform {

// One running program per user (and per archive folder given on the command
// line). A second start hands its arguments to the running one over a local
// socket and asks it to show itself.

// The channel name: per user, and per archive when one is named explicitly.
QString instanceName(const QString& archiveOverride = QString());

enum class HandOver {
    NoInstance, // nobody is listening: this start is the first
    Done,       // the running program took the arguments and was asked to show itself
    Refused,    // it did not answer 1: this start runs on its own
};

// The second start's side. Waits at most `timeoutMs` for each answer.
HandOver handOverToRunningInstance(const QString& name, const QStringList& arguments,
                                   int timeoutMs = 5000);

// The running program's side.
class InstanceServer final : public QObject
{
    Q_OBJECT
public:
    explicit InstanceServer(const QString& name, QObject* parent = nullptr);
    ~InstanceServer() override;

    // Starts listening. A channel left behind by a program that was killed is
    // cleared first, so it never blocks the next start; one that a running
    // program still answers on is left to it (false: this start listens on
    // nothing).
    bool listen();

signals:
    void argumentsReceived(const QStringList& arguments);
    void showRequested();
    // A record without the magic number was refused (and answered 0).
    void invalidRecord();

private:
    void serve(QLocalSocket* socket);

    QString m_name;
    QLocalServer* m_server;
};

} // namespace platform
