// The lock's decisions without a window: which typed texts open it, what
// read-only access allows, how an old plain-text password is upgraded, and
// what the special panel's password field stores when it is changed,
// emptied, mistyped or left alone. A test fails if the lock compares with
// an unconfirmed password, if a plain-text password survives an unlock, or
// if the field ever hands the stored hash back.
#include "app/lock/passwordhash.h"
#include "app/lock/passwordlock.h"
#include "app/lock/passwordsetting.h"
#include "platform/testing/scriptedprompter.h"
#include "shared/appstate.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"
#include "store/settings.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace app::lock;

namespace {
// The table's way of naming a stored value: "hash:x" is a hash of x, any
// other text is stored as it stands (a password from before hashing).
QString storedForm(const QString& spec)
{
    return spec.startsWith(QLatin1String("hash:")) ? hashPassword(spec.mid(5)) : spec;
}
} // namespace

class TestPasswordLock final : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<store::Database> m_db;
    std::unique_ptr<store::Settings> m_settings;
    platform::ScriptedPrompter m_prompter;
    shared::AppState m_state;

    QString stored(const QString& column)
    {
        store::Query q(*m_db);
        q.setSql({"SELECT * FROM CRset63"});
        q.open();
        return q.fieldByName(column).asString();
    }

    void store(const QString& password, bool lockOnStartup = true, bool readOffered = false)
    {
        store::OptionValues values = m_settings->currentOptions();
        values.password = password;
        values.lockOnStartup = lockOnStartup;
        m_settings->saveOptions(values);
        m_settings->writeReadOnlyOffered(readOffered);
        m_settings->load();
    }

    // What the options tab does when the field asks for the options to be written.
    void saveOptions()
    {
        m_settings->saveOptions(m_settings->currentOptions());
        m_settings->load();
    }

private slots:
    void init()
    {
        m_prompter = {};
        m_state = {};
        m_dir = std::make_unique<QTemporaryDir>();
        m_db = std::make_unique<store::Database>();
        m_db->create(m_dir->filePath("coarc.abs"));
        m_settings = std::make_unique<store::Settings>(*m_db);
        store::Query general(*m_db);
        store::ArchiveEnvironment env;
        env.archiveFolder = m_dir->path();
        env.programFolder = m_dir->path();
        store::ArchiveBuilder(*m_db, general, m_settings->query(), env).build();
        m_settings->load();
    }
    void cleanup()
    {
        m_settings.reset();
        m_db.reset();
        m_dir.reset();
    }

    void unlock_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("opens");
        QTest::newRow("right") << "hash:Secret9"
                               << "Secret9" << true;
        QTest::newRow("wrong") << "hash:Secret9"
                               << "Secret8" << false;
        QTest::newRow("other letter case") << "hash:Secret9"
                                           << "SECRET9" << false;
        QTest::newRow("a character before it") << "hash:Secret9"
                                               << "xSecret9" << false;
        QTest::newRow("empty") << "hash:Secret9"
                               << "" << false;
        QTest::newRow("the hash itself") << "hash:Secret9"
                                         << "$pbkdf2-sha256$" << false;
        QTest::newRow("plain text, right") << "Secret9"
                                           << "Secret9" << true;
        QTest::newRow("plain text, wrong") << "Secret9"
                                           << "secret9" << false;
    }
    void unlock()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        store(storedForm(stored));
        const QString before = this->stored("psw");
        PasswordLock lock(*m_settings, m_state);
        QVERIFY(locksAtAppearance(*m_settings));
        QVERIFY(lock.lock());
        QVERIFY(m_state.programLocked);
        // The field is checked after every key: no shorter text opens it.
        for (int length = 1; length < typed.size(); ++length)
            QVERIFY2(!lock.tryUnlock(typed.left(length)), qPrintable(typed.left(length)));
        QCOMPARE(lock.tryUnlock(typed), opens);
        QCOMPARE(lock.isLocked(), !opens);
        QCOMPARE(m_state.programLocked, !opens);
        QVERIFY(!lock.isReadOnly());

        const QString after = this->stored("psw");
        if (!opens) {
            QCOMPARE(after, before);
            return;
        }
        // Whatever was stored, the row now holds a hash of the password.
        QVERIFY(isPasswordHash(after));
        QVERIFY(!after.contains(typed));
        QCOMPARE(checkPassword(after, typed), PasswordMatch::Yes);
        QCOMPARE(m_settings->password(), after);
        if (isPasswordHash(before))
            QCOMPARE(after, before); // an up-to-date hash is not rewritten
        // And the lock keeps working with it.
        QVERIFY(lock.lock());
        QVERIFY(lock.tryUnlock(typed));
    }

    void noPasswordNeverLocks_data()
    {
        QTest::addColumn<bool>("lockOnStartup");
        QTest::newRow("lock on startup") << true;
        QTest::newRow("no lock on startup") << false;
    }
    void noPasswordNeverLocks()
    {
        QFETCH(bool, lockOnStartup);
        store(QString(), lockOnStartup);
        PasswordLock lock(*m_settings, m_state);
        QVERIFY(!locksAtAppearance(*m_settings));
        QVERIFY(!lock.lock());
        QVERIFY(!m_state.programLocked);
        QVERIFY(!lock.tryUnlock(""));
        QVERIFY(!lock.enterReadOnly());
    }

    void lockAtAppearanceNeedsTheOption()
    {
        store(hashPassword("pw"), false);
        QVERIFY(!locksAtAppearance(*m_settings));
        // "Lock" itself still locks.
        PasswordLock lock(*m_settings, m_state);
        QVERIFY(lock.lock());
    }

    void readOnly_data()
    {
        QTest::addColumn<bool>("offered");
        QTest::newRow("offered") << true;
        QTest::newRow("not offered") << false;
    }
    void readOnly()
    {
        QFETCH(bool, offered);
        store(hashPassword("pw"), true, offered);
        PasswordLock lock(*m_settings, m_state);
        QCOMPARE(lock.readOnlyOffered(), offered);
        QVERIFY(!lock.enterReadOnly()); // not locked yet
        QVERIFY(lock.lock());
        QCOMPARE(lock.enterReadOnly(), offered);
        QCOMPARE(lock.isReadOnly(), offered);
        QCOMPARE(lock.isLocked(), !offered);
        if (!offered)
            return;
        // Read-only lasts through a new lock until the password is typed.
        QVERIFY(lock.lock());
        QVERIFY(lock.isReadOnly());
        QVERIFY(!lock.tryUnlock("px"));
        QVERIFY(lock.isReadOnly());
        QVERIFY(lock.tryUnlock("pw"));
        QVERIFY(!lock.isReadOnly());
        QVERIFY(!lock.isLocked());
    }

    void unconfirmedPasswordNeverOpens()
    {
        store(hashPassword("old"));
        PasswordSetting field(*m_settings, m_prompter);
        field.reset();
        QVERIFY(!field.edit("new"));
        QVERIFY(field.pending());
        PasswordLock lock(*m_settings, m_state);
        QVERIFY(lock.lock());
        QVERIFY(!lock.tryUnlock("new"));
        QVERIFY(lock.tryUnlock("old"));
    }

    void passwordField_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<std::optional<QString>>("retyped");
        QTest::addColumn<QString>("opensWith"); // empty: no password afterwards
        QTest::addColumn<QStringList>("told");
        const QString confirmed = "New password CONFIRMED!";
        const QString restored = "New password NOT confirmed!\rThe old password was restored!";
        const QString none = "New password NOT confirmed!\rNO password set!";
        const QString retype = "Retype new password";
        QTest::newRow("untouched")
            << "hash:old" << QStringList{} << std::optional<QString>() << "old" << QStringList{};
        QTest::newRow("untouched, no password")
            << "" << QStringList{} << std::optional<QString>() << "" << QStringList{};
        QTest::newRow("untouched, plain text kept for the lock")
            << "old" << QStringList{} << std::optional<QString>() << "old" << QStringList{};
        QTest::newRow("changed") << "hash:old" << QStringList{"n", "ne", "new"}
                                 << std::optional<QString>("new") << "new"
                                 << QStringList{retype, confirmed};
        QTest::newRow("set, none before")
            << "" << QStringList{"pa\"ss"} << std::optional<QString>("pa\"ss") << "pa\"ss"
            << QStringList{retype, confirmed};
        QTest::newRow("mistyped, old restored")
            << "hash:old" << QStringList{"new"} << std::optional<QString>("nex") << "old"
            << QStringList{retype, restored};
        QTest::newRow("retype cancelled, old restored")
            << "hash:old" << QStringList{"new"} << std::optional<QString>() << "old"
            << QStringList{retype, restored};
        QTest::newRow("mistyped, none before")
            << "" << QStringList{"abc"} << std::optional<QString>("abd") << ""
            << QStringList{retype, none};
        QTest::newRow("emptied") << "hash:old" << QStringList{""} << std::optional<QString>() << ""
                                 << QStringList{};
        QTest::newRow("typed, then emptied") << "hash:old" << QStringList{"n", ""}
                                             << std::optional<QString>() << "" << QStringList{};
        QTest::newRow("emptied, then a new one")
            << "hash:old" << QStringList{"", "new"} << std::optional<QString>("new") << "new"
            << QStringList{retype, confirmed};
        QTest::newRow("emptied, then one mistyped")
            << "hash:old" << QStringList{"", "new"} << std::optional<QString>("old") << ""
            << QStringList{retype, none};
    }
    void passwordField()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, edits);
        QFETCH(std::optional<QString>, retyped);
        QFETCH(QString, opensWith);
        QFETCH(QStringList, told);
        store(storedForm(stored));
        PasswordSetting field(*m_settings, m_prompter);
        field.reset();
        QCOMPARE(field.placeholderShown(), !stored.isEmpty());
        QCOMPARE(field.fieldText(), stored.isEmpty() ? QString() : PasswordSetting::placeholder());
        for (const QString& text : edits) {
            if (field.edit(text)) {
                QVERIFY(text.isEmpty());
                saveOptions(); // removed at once, without a question
                QCOMPARE(this->stored("psw"), QString());
            }
            QCOMPARE(field.fieldText(), text);
            QCOMPARE(field.pending(), !text.isEmpty());
        }
        m_prompter.texts.enqueue(retyped);
        if (field.close())
            saveOptions();
        QCOMPARE(m_prompter.shownTexts(), told);

        const QString after = this->stored("psw");
        QCOMPARE(m_settings->password(), after);
        QVERIFY(!field.pending());
        if (opensWith.isEmpty()) {
            QCOMPARE(after, QString());
            QCOMPARE(field.fieldText(), QString());
        } else {
            QVERIFY(checkPassword(after, opensWith) != PasswordMatch::No);
            // Only the placeholder shows, never the stored text.
            QCOMPARE(field.fieldText(), PasswordSetting::placeholder());
        }
        if (!edits.isEmpty() && !opensWith.isEmpty() && edits.last() == opensWith)
            QVERIFY(isPasswordHash(after));
    }
};

QTEST_GUILESS_MAIN(TestPasswordLock)
#include "tst_passwordlock.moc"
