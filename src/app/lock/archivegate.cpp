#include "app/lock/archivegate.h"

#include "app/lock/passwordhash.h"
#include "app/lock/passwordlock.h"
#include "platform/secretline.h"
#include "store/database.h"
#include "store/settings.h"

namespace app::lock {

PasswordLine standardInputPassword()
{
    return [] { return platform::readSecretLine(QStringLiteral("Password: ")); };
}

QString lockedArchiveRefusal(store::Database& database, const PasswordLine& password)
{
    // An archive without its settings yet opens unlocked in the window too.
    if (!database.tableExists(QStringLiteral("CRset63")))
        return QString();
    store::Settings settings(database);
    settings.load();
    if (!locksAtAppearance(settings))
        return QString();
    const std::optional<QString> typed = password ? password() : std::nullopt;
    if (!typed || typed->isEmpty())
        return QStringLiteral("the archive is locked: give its password as one line on standard "
                              "input");
    if (checkPassword(settings.password(), *typed) == PasswordMatch::No)
        return QStringLiteral("wrong password for the locked archive");
    return QString();
}

} // namespace app::lock
