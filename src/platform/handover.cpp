#include "handover.h"

#include <QtEndian>

namespace platform::handover {
namespace {

constexpr quint32 MaxBuffer = 1 << 20;

void appendU32(QByteArray& out, quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

quint32 readU32(const QByteArray& in, qsizetype at)
{
    return qFromLittleEndian<quint32>(in.constData() + at);
}

} // namespace

QByteArray encodeArguments(const QStringList& arguments)
{
    QByteArray buffer;
    for (const QString& argument : arguments) {
        buffer += argument.toLocal8Bit();
        buffer += '\0';
    }
    buffer += '\0';
    return buffer;
}

QStringList decodeArguments(const QByteArray& buffer)
{
    QStringList arguments;
    qsizetype at = 0;
    while (at < buffer.size()) {
        const qsizetype end = buffer.indexOf('\0', at);
        const qsizetype stop = end < 0 ? buffer.size() : end;
        if (stop == at)
            break; // the empty string closes the list
        arguments.append(QString::fromLocal8Bit(buffer.mid(at, stop - at)));
        at = stop + 1;
    }
    return arguments;
}

QByteArray copyDataMessage(const QStringList& arguments, quint32 magic)
{
    const QByteArray buffer = encodeArguments(arguments);
    QByteArray out;
    appendU32(out, CopyData);
    appendU32(out, magic);
    appendU32(out, quint32(buffer.size()));
    out += buffer;
    return out;
}

QByteArray showRequestMessage()
{
    QByteArray out;
    appendU32(out, ShowRequest);
    return out;
}

QByteArray answer(quint32 value)
{
    QByteArray out;
    appendU32(out, value);
    return out;
}

std::optional<MessageReader::Message> MessageReader::next()
{
    if (m_pending.size() < 4)
        return std::nullopt;
    Message message;
    message.code = readU32(m_pending, 0);
    if (message.code != CopyData) {
        m_pending.remove(0, 4);
        return message;
    }
    if (m_pending.size() < 12)
        return std::nullopt;
    message.magic = readU32(m_pending, 4);
    const quint32 length = readU32(m_pending, 8);
    if (length > MaxBuffer) {
        // No command line is this long: refuse the record rather than wait for it.
        m_pending.clear();
        message.magic = 0;
        return message;
    }
    if (quint64(m_pending.size()) < 12 + quint64(length))
        return std::nullopt;
    message.buffer = m_pending.mid(12, length);
    m_pending.remove(0, 12 + length);
    return message;
}

} // namespace platform::handover
