#include "app/lock/passwordhash.h"

#include <QCryptographicHash>
#include <QList>
#include <QRandomGenerator>

namespace app::lock {

namespace {

const QString prefix = QStringLiteral("$pbkdf2-sha256$");
constexpr int saltLength = 16;
constexpr int keyLength = 32;
constexpr int blockSize = 64; // of SHA-256
// A stored count above this would let a tampered archive freeze the window.
constexpr int maxIterations = 1'000'000;

// HMAC with the key's pads computed once: PBKDF2 runs it thousands of times
// with the same key.
class Hmac
{
public:
    explicit Hmac(QByteArrayView key)
    {
        QByteArray k = key.size() > blockSize
                           ? QCryptographicHash::hash(key, QCryptographicHash::Sha256)
                           : key.toByteArray();
        k.append(QByteArray(blockSize - k.size(), '\0'));
        m_inner = k;
        m_outer = k;
        for (int i = 0; i < blockSize; ++i) {
            m_inner[i] = char(m_inner[i] ^ 0x36);
            m_outer[i] = char(m_outer[i] ^ 0x5c);
        }
    }

    QByteArray operator()(QByteArrayView message)
    {
        m_hash.reset();
        m_hash.addData(m_inner);
        m_hash.addData(message);
        const QByteArray inner = m_hash.result();
        m_hash.reset();
        m_hash.addData(m_outer);
        m_hash.addData(inner);
        return m_hash.result();
    }

private:
    QByteArray m_inner;
    QByteArray m_outer;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
};

struct ParsedHash
{
    int iterations = 0;
    QByteArray salt;
    QByteArray key;
};

bool parse(const QString& stored, ParsedHash& out)
{
    if (!stored.startsWith(prefix))
        return false;
    const QList<QStringView> parts = QStringView(stored).mid(prefix.size()).split(u'$');
    if (parts.size() != 3)
        return false;
    bool ok = false;
    out.iterations = parts[0].toInt(&ok);
    if (!ok || out.iterations < 1 || out.iterations > maxIterations)
        return false;
    const auto decode = [](QStringView text, QByteArray& into) {
        auto result = QByteArray::fromBase64Encoding(text.toLatin1(),
                                                     QByteArray::AbortOnBase64DecodingErrors);
        into = *result;
        return bool(result) && !into.isEmpty();
    };
    // Bounded so that a tampered row cannot make one check take long.
    return decode(parts[1], out.salt) && decode(parts[2], out.key) && out.salt.size() <= 64 &&
           out.key.size() <= 64;
}

} // namespace

QByteArray pbkdf2Sha256(QByteArrayView password, QByteArrayView salt, int iterations, int length)
{
    Hmac hmac(password);
    QByteArray derived;
    for (quint32 block = 1; derived.size() < length; ++block) {
        QByteArray first = salt.toByteArray();
        first.append(char(block >> 24)).append(char(block >> 16));
        first.append(char(block >> 8)).append(char(block));
        QByteArray u = hmac(first);
        QByteArray t = u;
        for (int i = 1; i < iterations; ++i) {
            u = hmac(u);
            for (qsizetype j = 0; j < t.size(); ++j)
                t[j] = char(t[j] ^ u[j]);
        }
        derived.append(t);
    }
    derived.truncate(length);
    return derived;
}

bool constantTimeEquals(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

QString hashPassword(const QString& password, const QByteArray& salt, int iterations)
{
    const QByteArray key = pbkdf2Sha256(password.toUtf8(), salt, iterations, keyLength);
    return prefix + QString::number(iterations) + u'$' + QString::fromLatin1(salt.toBase64()) +
           u'$' + QString::fromLatin1(key.toBase64());
}

QString hashPassword(const QString& password)
{
    QByteArray salt(saltLength, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()),
                                          saltLength / int(sizeof(quint32)));
    return hashPassword(password, salt, passwordIterations);
}

bool isPasswordHash(const QString& stored)
{
    return stored.startsWith(prefix);
}

bool isLegacyPassword(const QString& stored)
{
    return !stored.isEmpty() && stored.size() <= legacyPasswordLength && !isPasswordHash(stored);
}

PasswordMatch checkPassword(const QString& stored, const QString& typed)
{
    if (typed.isEmpty())
        return PasswordMatch::No;
    if (isLegacyPassword(stored))
        return constantTimeEquals(stored.toUtf8(), typed.toUtf8()) ? PasswordMatch::YesLegacy
                                                                   : PasswordMatch::No;
    ParsedHash parsed;
    if (!parse(stored, parsed))
        return PasswordMatch::No;
    const QByteArray key =
        pbkdf2Sha256(typed.toUtf8(), parsed.salt, parsed.iterations, int(parsed.key.size()));
    return constantTimeEquals(key, parsed.key) ? PasswordMatch::Yes : PasswordMatch::No;
}

} // namespace app::lock
