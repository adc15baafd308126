#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

namespace platform {

// A second start of the program hands its command line to the running one
// and asks it to show itself. On the wire, a record is a 32-bit message code,
// then for the command line the 32-bit magic number, the 32-bit buffer length
// and the buffer: every argument followed by a zero byte, and one more zero
// byte at the end. The receiver answers with a 32-bit 1 when it accepted it.
namespace handover {

inline constexpr quint32 CopyData = 0x004A;    // the command-line record
inline constexpr quint32 ShowRequest = 0x0401; // bring the window forward
inline constexpr quint32 Magic = 0xDE1F1DAB;

// The buffer for a list of arguments ("a", "b c" gives 7 bytes).
QByteArray encodeArguments(const QStringList& arguments);
// The arguments of a buffer, up to its first empty string.
QStringList decodeArguments(const QByteArray& buffer);

// Whole messages as sent on the channel.
QByteArray copyDataMessage(const QStringList& arguments, quint32 magic = Magic);
QByteArray showRequestMessage();
QByteArray answer(quint32 value);

// Incremental reader for the receiving side.
class MessageReader final
{
public:
    struct Message
    {
        quint32 code = 0;
        quint32 magic = 0;
        QByteArray buffer;
    };
    void feed(const QByteArray& bytes) { m_pending += bytes; }
    // The next complete message, if one has arrived.
    std::optional<Message> next();

private:
    QByteArray m_pending;
};

inline QString invalidRecordMessage()
{
    return QStringLiteral("Invalid data structure passed in WM_COPYDATA");
}

} // namespace handover
} // namespace platform
