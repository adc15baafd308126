#pragma once

#include <QString>

#include <exception>

namespace store {

// An error raised by the storage engine. It carries a class name (the kind of
// failure, shown to the user as such) and the engine's own message.
class SqlError final : public std::exception
{
public:
    SqlError(QString className, QString message)
        : m_className(std::move(className)), m_message(std::move(message)),
          m_what((m_className + QStringLiteral(": ") + m_message).toUtf8())
    {
    }

    const QString& className() const noexcept { return m_className; }
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_what.constData(); }

private:
    QString m_className;
    QString m_message;
    QByteArray m_what;
};

// Class names used for the kinds of failure the engine reports.
namespace errorclass {
inline const QString Database = QStringLiteral("EDatabaseError");     // general engine failure
inline const QString Syntax = QStringLiteral("ESqlSyntaxError");      // statement could not be read
inline const QString NotADatabase = QStringLiteral("EDatabaseFileError"); // file is no database
inline const QString FileNotFound = QStringLiteral("EFileNotFound");
inline const QString Busy = QStringLiteral("EDatabaseBusy");           // another process holds the file
inline const QString Constraint = QStringLiteral("EConstraintError");
inline const QString Parameter = QStringLiteral("EParameterError");
inline const QString Field = QStringLiteral("EFieldNotFound");
inline const QString Cursor = QStringLiteral("EDatasetError");        // no open result set
} // namespace errorclass

} // namespace store
