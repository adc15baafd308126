#include "localinstance.h"

#include "platform/handover.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>

namespace platform {

namespace ho = platform::handover;

namespace {
constexpr int ProbeTimeoutMs = 500;
}

QString instanceName(const QString& archiveOverride)
{
    QByteArray key = QDir::homePath().toUtf8();
    if (!archiveOverride.isEmpty())
        key += '\n' + QDir(archiveOverride).absolutePath().toUtf8();
    const QByteArray digest = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("corvandine-organizer-") + QString::fromLatin1(digest.left(16));
}

HandOver handOverToRunningInstance(const QString& name, const QStringList& arguments,
                                   int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs))
        return HandOver::NoInstance;

    if (!arguments.isEmpty()) {
        socket.write(ho::copyDataMessage(arguments));
        if (!socket.waitForBytesWritten(timeoutMs))
            return HandOver::Refused;
        QByteArray reply;
        while (reply.size() < 4) {
            if (!socket.waitForReadyRead(timeoutMs))
                return HandOver::Refused;
            reply += socket.readAll();
        }
        if (qFromLittleEndian<quint32>(reply.constData()) != 1)
            return HandOver::Refused;
    }
    socket.write(ho::showRequestMessage());
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return HandOver::Done;
}

InstanceServer::InstanceServer(const QString& name, QObject* parent)
    : QObject(parent), m_name(name), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection())
            serve(socket);
    });
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listen()
{
    // A running program that refused our hand-over still answers on the name
    // and keeps it. Ask before listening: with access options set, listening
    // puts a new socket file in place of the old one, which would cut that
    // program off.
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(ProbeTimeoutMs)) {
        probe.disconnectFromServer();
        return false;
    }
    if (m_server->listen(m_name))
        return true;
    // What is left answers nobody: a killed program's socket file.
    QLocalServer::removeServer(m_name);
    return m_server->listen(m_name);
}

void InstanceServer::serve(QLocalSocket* socket)
{
    auto reader = std::make_shared<ho::MessageReader>();
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, reader] {
        reader->feed(socket->readAll());
        while (const auto message = reader->next()) {
            if (message->code == ho::CopyData) {
                if (message->magic != ho::Magic) {
                    socket->write(ho::answer(0));
                    emit invalidRecord();
                    continue;
                }
                socket->write(ho::answer(1));
                socket->flush();
                emit argumentsReceived(ho::decodeArguments(message->buffer));
            } else if (message->code == ho::ShowRequest) {
                emit showRequested();
            }
        }
    });
}

} // namespace platform
