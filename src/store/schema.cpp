#include "schema.h"

#include "database.h"
#include "query.h"
#include "sqlerror.h"
#include "transaction.h"

#include <QDir>
#include <QFile>

namespace store {

namespace {
QStringList lines(std::initializer_list<const char*> items)
{
    QStringList out;
    out.reserve(qsizetype(items.size()));
    for (const char* item : items)
        out.append(QString::fromUtf8(item));
    return out;
}
} // namespace

const QStringList& contactSeedGroups()
{
    static const QStringList names = lines(
        {"", "Business", "Client", "Cool", "Friend", "Gal", "Gump", "Guy", "Hot", "Lover",
         "NiceAss", "Parent", "Playmate", "PrettyTitties", "Private", "Schoolmate", "Society",
         "Supplying", "Teacher", "Tunahead"});
    return names;
}

const QStringList& noteSeedGroups()
{
    static const QStringList names =
        lines({"", "Dreams", "Favorite", "Health", "Home", "Ideas", "Important", "Personal",
               "Projects", "Recipes", "Shopping", "Sport", "Stories", "Study", "Work"});
    return names;
}

const QStringList& todoSeedGroups()
{
    static const QStringList names =
        lines({"", "Black", "Cocktails", "Excursion", "Expense", "Gifts", "Shopping", "Wedding"});
    return names;
}

namespace schema {

QStringList createGroups()
{
    return lines({"CREATE TABLE CRcat80", "(", "codcat      AUTOINC,", "id          CHAR(255),",
                  "sezione     CHAR(1)", ")"});
}

QStringList createNotes()
{
    return lines({"CREATE TABLE CRnot80", "(", "codnot      AUTOINC,", "id          CHAR(255),",
                  "note        MEMO", ")"});
}

QStringList createToDo()
{
    return lines({"CREATE TABLE CRtod63", "(", "codtod      AUTOINC,", "id          CHAR(255),",
                  "note        MEMO,", "priority    FLOAT,", "flag        CHAR(3),",
                  "percento    FLOAT,", "allegato    CHAR(255),", "ricerca     CHAR(50)", ")"});
}

QStringList createTasks(const QString& table)
{
    QStringList out{QStringLiteral("CREATE TABLE ") + table};
    out += lines({"(", "codimp      AUTOINC,", "id          CHAR(255),", "note        MEMO,",
                  "dayofweek   CHAR(15),", "dayindex    FLOAT,", "dayofmonth  CHAR(2),",
                  "datefull    DATE,", "data        CHAR(5),", "orario      CHAR(5),",
                  "orario2     CHAR(5),", "flag        CHAR(1),", "ricerca     CHAR(50),",
                  "allegato    CHAR(255),", "fatto       DATE,", "flagfatto   CHAR(1),",
                  "anticipa    CHAR(1),", "sospeso     CHAR(1),", "flagscad    CHAR(1),",
                  "scadenza    DATE", ")"});
    return out;
}

QStringList createContacts()
{
    return lines({"CREATE TABLE CRcon63", "(", "codcon      AUTOINC,", "ragsoc      CHAR(50),",
                  "indirizzo   MEMO,", "tel         CHAR(255),", "email       CHAR(255),",
                  "note        MEMO,", "fax         CHAR(255),", "gruppo      CHAR(50),",
                  "site        CHAR(255),", "company     CHAR(50),", "mobile      CHAR(255),",
                  "allegato    CHAR(255),", "allegato2   CHAR(255),", "allegato3   CHAR(255),",
                  "foto        CHAR(255),", "skype       CHAR(255)", ")"});
}

QStringList createSettings()
{
    return lines(
        {"CREATE TABLE CRset63", "(", "autostart      CHAR(1),", "minimized      CHAR(1),",
         "soundon        CHAR(1),", "wavesound      CHAR(255),", "breakline      CHAR(1),",
         "formatbar      CHAR(1),", "fontname       CHAR(100),", "fontcolor      CHAR(30),",
         "fontsize       INTEGER,", "backcolor      CHAR(30),", "timecheck      CHAR(1),",
         "shotcolor      CHAR(30),", "yearcolor      CHAR(30),", "monthcolor     CHAR(30),",
         "weekcolor      CHAR(30),", "todaycolor     CHAR(30),", "contactcolor   CHAR(30),",
         "notescolor     CHAR(30),", "todocolor      CHAR(30),", "usercolor      CHAR(30),",
         "DataShot       CHAR(30),", "DataYear       CHAR(30),", "DataShotIndex  INTEGER,",
         "DataYearIndex  INTEGER,", "WinWidth       INTEGER,", "WinHeight      INTEGER,",
         "WinStato       CHAR(20),", "psw            CHAR(30),", "blocco         CHAR(1),",
         "showcale       CHAR(1),", "startab        CHAR(1)", ")"});
}

} // namespace schema

ArchiveBuilder::ArchiveBuilder(Database& database, Query& general, Query& settings,
                               ArchiveEnvironment environment)
    : m_db(database), m_general(general), m_settings(settings), m_env(std::move(environment))
{
}

void ArchiveBuilder::exec(const QStringList& sql)
{
    m_general.setSql(sql);
    m_general.execSql();
}

void ArchiveBuilder::loadSettings()
{
    if (m_env.loadSettings) {
        m_env.loadSettings();
        return;
    }
    m_settings.setSql({QStringLiteral("SELECT * FROM CRset63")});
    m_settings.open();
}

bool ArchiveBuilder::settingsHasColumn(const QString& name)
{
    return m_settings.isActive() && m_settings.findField(name).has_value();
}

void ArchiveBuilder::createTable(const QStringList& sql, const char* reportLine)
{
    exec(sql);
    m_report += QString::fromUtf8(reportLine) + u'\r';
}

void ArchiveBuilder::seedGroups(const QStringList& names, QChar section)
{
    m_general.setSql({QStringLiteral("INSERT INTO CRcat80"), QStringLiteral("(id,sezione)"),
                      QStringLiteral("values (:id,:sezione)")});
    for (const QString& name : names) {
        m_general.setText(QStringLiteral("id"), name);
        m_general.setText(QStringLiteral("sezione"), QString(section));
        m_general.execSql();
    }
    if (m_env.groupsSeeded)
        m_env.groupsSeeded(section);
}

void ArchiveBuilder::insertDefaultSettings()
{
    m_general.setSql(lines(
        {"INSERT INTO CRset63",
         "       ( autostart, minimized, soundon, wavesound, breakline, formatbar, fontname, "
         "fontcolor, fontsize, backcolor, timecheck,",
         "         ShotColor, YearColor, MonthColor, WeekColor, TodayColor, ContactColor, "
         "NotesColor, TodoColor, UserColor, DataShot, DataYear, DataShotIndex, DataYearIndex, "
         "WinWidth, WinHeight, WinStato, psw, blocco, showcale, startab)",
         "values (:autostart,:minimized,:soundon, :wavesound, "
         ":breakline,:formatbar,:fontname,:fontcolor,:fontsize,:backcolor, :timecheck,",
         "        "
         ":ShotColor,:YearColor,:MonthColor,:WeekColor,:TodayColor,:ContactColor,:NotesColor,:"
         "TodoColor,:UserColor,:DataShot,:DataYear,:DataShotIndex,:DataYearIndex,:WinWidth,:"
         "WinHeight, :WinStato, :psw, :blocco, :showcale, :startab)"}));
    static const std::pair<const char*, const char*> texts[] = {
        {"autostart", "N"},          {"minimized", "N"},
        {"soundon", "Y"},            {"wavesound", "mailbeep"},
        {"breakline", "Y"},          {"formatbar", "N"},
        {"fontname", "Fixedsys"},    {"fontcolor", "clBlack"},
        {"backcolor", "clWhite"},    {"timecheck", "Y"},
        {"ShotColor", "$00A6A6D2"},  {"YearColor", "$00A7E3F5"},
        {"MonthColor", "$0058A554"}, {"WeekColor", "$00BC8F07"},
        {"TodayColor", "$00CE9D9D"}, {"ContactColor", "$009A9A4E"},
        {"NotesColor", "$00AEAEAE"}, {"TodoColor", "$00BADCF8"},
        {"UserColor", "$0053A9FF"},  {"DataShot", "dddd d mmmm yyyy"},
        {"DataYear", "d mmmm"},      {"WinStato", "wsNormal"},
        {"psw", ""},                 {"blocco", "Y"},
        {"showcale", "Y"},           {"startab", "4"},
    };
    for (const auto& [name, value] : texts)
        m_general.setText(QString::fromUtf8(name), QString::fromUtf8(value));
    static const std::pair<const char*, double> numbers[] = {
        {"fontsize", 8}, {"DataShotIndex", 3}, {"DataYearIndex", 0},
        {"WinWidth", 670}, {"WinHeight", 592}};
    for (const auto& [name, value] : numbers)
        m_general.setFloat(QString::fromUtf8(name), value);
    m_general.execSql();
}

bool ArchiveBuilder::migrationApplies() const
{
    static const char* oldFiles[] = {"CRarc66.DB", "CRcon63.DB", "CRtod63.DB", "CRset63.DB"};
    const QDir archive(m_env.archiveFolder);
    for (const char* file : oldFiles) {
        if (!archive.exists(QString::fromUtf8(file)))
            return false;
    }
    return m_env.migrationNoticePending
           && QDir(m_env.programFolder).exists(QStringLiteral("BDE"));
}

void ArchiveBuilder::upgradeSettings()
{
    struct Step
    {
        bool reloadFirst;
        const char* column;
        const char* alter;
        const char* after; // null: handled below
    };
    static const Step steps[] = {
        {true, "futuro_flag", "ALTER TABLE CRset63 ADD (futuro_flag LOGICAL)",
         "UPDATE CRset63 SET futuro_flag = false"},
        {false, "futuro_days", "ALTER TABLE CRset63 ADD (futuro_days INTEGER)",
         "UPDATE CRset63 SET futuro_days = 5"},
        {true, "scala_index", "ALTER TABLE CRset63 ADD (scala_index INTEGER)",
         "UPDATE CRset63 SET scala_index = 0"},
        {true, "ampm", "ALTER TABLE CRset63 ADD (ampm LOGICAL)", "UPDATE CRset63 SET ampm = false"},
        {true, "theme_name", "ALTER TABLE CRset63 ADD (theme_name Char(50))",
         "UPDATE CRset63 SET theme_name = \"default\""},
        {true, "TabShotVisible",
         "ALTER TABLE CRset63 ADD (TabShotVisible LOGICAL,TabYearVisible LOGICAL,TabMonthVisible "
         "LOGICAL,TabWeekVisible LOGICAL,TabTodayVisible LOGICAL,TabContactsVisible "
         "LOGICAL,TabNotesVisible LOGICAL,TabToDoVisible LOGICAL)",
         "UPDATE CRset63 SET TabShotVisible = true, TabYearVisible = true, TabMonthVisible = "
         "true, TabWeekVisible = true, TabTodayVisible = true, TabContactsVisible = true, "
         "TabNotesVisible = true, TabToDoVisible = true"},
        {true, "centralino", "ALTER TABLE CRset63 ADD (centralino LOGICAL)",
         "UPDATE CRset63 SET centralino = false"},
        {true, "charset", "ALTER TABLE CRset63 ADD (charset INTEGER)",
         "UPDATE CRset63 SET charset = 0"},
        {true, "gridmode", "ALTER TABLE CRset63 ADD (gridmode LOGICAL)",
         "UPDATE CRset63 SET gridmode = false"},
        {true, "hidetips", "ALTER TABLE CRset63 ADD (hidetips LOGICAL)",
         "UPDATE CRset63 SET hidetips = false"},
        {true, "migrationinfo", "ALTER TABLE CRset63 ADD (migrationinfo LOGICAL)", nullptr},
        {true, "solalettura", "ALTER TABLE CRset63 ADD (solalettura LOGICAL)",
         "UPDATE CRset63 SET solalettura = false"},
    };

    for (const Step& step : steps) {
        if (step.reloadFirst)
            loadSettings();
        const QString column = QString::fromUtf8(step.column);
        if (settingsHasColumn(column))
            continue;
        if (column == QLatin1String("futuro_flag")) {
            // Archives of this age still filed contacts under a group named
            // UNCATEGORIZED, which is now simply no group.
            m_general.setSql({QStringLiteral("UPDATE CRcon63"),
                              QStringLiteral("SET gruppo = :gruppo WHERE UPPER(gruppo) = "
                                             "\"UNCATEGORIZED\"")});
            m_general.setText(QStringLiteral("gruppo"), QString());
            m_general.execSql();
        }
        exec({QString::fromUtf8(step.alter)});
        if (step.after) {
            exec({QString::fromUtf8(step.after)});
        } else {
            exec({migrationApplies() ? QStringLiteral("UPDATE CRset63 SET migrationinfo = true")
                                     : QStringLiteral("UPDATE CRset63 SET migrationinfo = false")});
        }
    }
}

void ArchiveBuilder::addGroupColumn(const QString& table, const QStringList& seeds, QChar section)
{
    m_general.setSql({QStringLiteral("SELECT * FROM ") + table});
    m_general.open();
    const bool present = m_general.findField(QStringLiteral("gruppo")).has_value();
    m_general.close();
    if (present)
        return;
    exec({QStringLiteral("ALTER TABLE ") + table + QStringLiteral(" ADD (gruppo Char(50))")});
    seedGroups(seeds, section);
}

QString ArchiveBuilder::build()
{
    m_report.clear();
    // One transaction for the whole build: a new archive is written in one
    // go instead of a disk flush per statement, and an upgrade that fails
    // half-way leaves the archive as it was.
    bool dropped = false;
    {
        Transaction transaction(m_db);
        dropped = buildSteps();
        transaction.commit();
    }
    // The marker goes only once the reset is stored; one that stays (or
    // cannot be deleted) drops the settings again at the next start.
    if (dropped)
        QFile::remove(QDir(m_env.archiveFolder).filePath(QStringLiteral("DROPSET")));
    loadSettings();
    return m_report;
}

bool ArchiveBuilder::buildSteps()
{
    bool dropped = false;
    const QString marker = QDir(m_env.archiveFolder).filePath(QStringLiteral("DROPSET"));
    if (QFile::exists(marker) && m_db.tableExists(QStringLiteral("CRset63"))) {
        m_settings.close();
        exec({QStringLiteral("DROP TABLE CRset63")});
        dropped = true;
    }

    if (!m_db.tableExists(QStringLiteral("CRcat80"))) {
        createTable(schema::createGroups(), "-> Archive GROUPS <<created>>");
        seedGroups(contactSeedGroups(), u'C');
    }
    if (!m_db.tableExists(QStringLiteral("CRnot80")))
        createTable(schema::createNotes(), "-> Archive NOTE <<created>>");
    if (!m_db.tableExists(QStringLiteral("CRtod63")))
        createTable(schema::createToDo(), "-> Archive TO-DO <<created>>");
    if (!m_db.tableExists(QStringLiteral("CRarc66")))
        createTable(schema::createTasks(QStringLiteral("CRarc66")), "-> Archive TASKS <<created>>");
    if (!m_db.tableExists(QStringLiteral("CRshot80")))
        createTable(schema::createTasks(QStringLiteral("CRshot80")),
                    "-> Archive REPOSITORY <<created>>");
    if (!m_db.tableExists(QStringLiteral("CRcon63")))
        createTable(schema::createContacts(), "-> Archive CONTACTS <<created>>");
    if (!m_db.tableExists(QStringLiteral("CRset63"))) {
        exec(schema::createSettings());
        insertDefaultSettings();
        m_report += QStringLiteral("-> Archive OPTIONS <<created>>\r");
    }

    loadSettings();
    upgradeSettings();

    addGroupColumn(QStringLiteral("CRnot80"), noteSeedGroups(), u'N');
    addGroupColumn(QStringLiteral("CRtod63"), todoSeedGroups(), u'L');

    for (const char* column : {"mem_group_contact", "mem_group_note", "mem_group_list"}) {
        loadSettings();
        const QString name = QString::fromUtf8(column);
        if (!settingsHasColumn(name))
            exec({QStringLiteral("ALTER TABLE CRset63 ADD (") + name + QStringLiteral(" Char(50))")});
    }
    return dropped;
}

} // namespace store
