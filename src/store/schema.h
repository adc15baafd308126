#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace store {

class Database;
class Query;

// The seed names of the three group lists (contacts, notes, to-do). The first
// entry of each is the empty name.
const QStringList& contactSeedGroups();
const QStringList& noteSeedGroups();
const QStringList& todoSeedGroups();

// What building the archive needs from the program around it.
struct ArchiveEnvironment
{
    QString archiveFolder;
    QString programFolder;
    // Whether the notice about moving from the earlier storage is still to be
    // given in this run.
    bool migrationNoticePending = true;
    // Reads the settings row again; it must leave "SELECT * FROM CRset63" open
    // on the settings query. When empty, the builder opens that itself.
    std::function<void()> loadSettings;
    // A group list was seeded: the program empties that section's group filter
    // ('C' contacts, 'N' notes, 'L' to-do).
    std::function<void(QChar section)> groupsSeeded;
};

// Brings the open database to the current layout: creates the missing tables
// with their seed rows, upgrades the settings row, adds the group columns of
// notes and to-do items, and honours a "DROPSET" marker by putting the
// settings back to their defaults. Running it again changes nothing.
//
// Returns the report of the tables created in this run, each line followed by
// "\r". Engine errors are not caught.
class ArchiveBuilder final
{
public:
    ArchiveBuilder(Database& database, Query& general, Query& settings,
                   ArchiveEnvironment environment);

    QString build();

private:
    bool buildSteps(); // true when the settings were reset
    void loadSettings();
    bool settingsHasColumn(const QString& name);
    void createTable(const QStringList& lines, const char* reportLine);
    void seedGroups(const QStringList& names, QChar section);
    void insertDefaultSettings();
    void upgradeSettings();
    void addGroupColumn(const QString& table, const QStringList& seeds, QChar section);
    void exec(const QStringList& lines);
    bool migrationApplies() const;

    Database& m_db;
    Query& m_general;
    Query& m_settings;
    ArchiveEnvironment m_env;
    QString m_report;
};

namespace schema {
// The creation texts of the seven tables, line by line, in the old layout that
// every database starts from before the upgrades.
QStringList createGroups();
QStringList createNotes();
QStringList createToDo();
QStringList createTasks(const QString& table); // CRarc66 or CRshot80
QStringList createContacts();
QStringList createSettings();
} // namespace schema

} // namespace store
