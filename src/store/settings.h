#pragma once

#include "store/query.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QObject>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace platform {
class Prompter;
}

namespace store {

class Database;
class SqlError;

// The values SaveOptions writes. The Options tab fills the ones its controls
// show; the rest (editor buttons, side calendar, password) start from what the
// program holds, see Settings::currentOptions().
struct OptionValues
{
    bool autostart = false;
    bool minimized = false;
    bool soundAlarm = true;
    bool popup = false;
    QString waveSound;
    bool breakLine = true;
    bool formatBar = false;
    bool timeCheck = true;
    QString dataShot;
    int dataShotIndex = 0;
    QString dataYear;
    int dataYearIndex = 0;
    QString password;
    bool lockOnStartup = true;
    bool showCalendar = true;
    // Written as it stands: the entry number of the start-tab list in decimal,
    // or the stored code when the list shows no entry.
    QString startTab;
};

// The two alarm boxes held together in `soundon`.
struct AlarmBoxes
{
    bool sound = false;
    bool popup = false;
    friend bool operator==(const AlarmBoxes&, const AlarmBoxes&) = default;
};

// The single settings row of CRset63.
//
// Every option lives in that row and nowhere else: a change is written at
// once, and load() reads the row back. Accessors read the row as last read
// (a read that fails keeps it, so defaults never stand in for it);
// a column the archive does not have yet (while the schema is being upgraded)
// reads as its default. The password, the section colours and the window scale
// are also kept in memory, because other parts change them before they reach
// the row.
class Settings final : public QObject
{
    Q_OBJECT
public:
    enum class Section
    {
        OneShot,
        Yearly,
        Monthly,
        Weekly,
        Today,
        Contacts,
        Notes,
        ToDo,
        Options
    };
    static constexpr int SectionCount = 9;
    // The eight section tabs whose visibility is stored (Options is always shown).
    static constexpr int VisibleTabCount = 8;

    explicit Settings(Database& database, QObject* parent = nullptr);

    // The query holding "SELECT * FROM CRset63". The archive builder reads the
    // columns of the row through it.
    Query& query() { return m_query; }

    // Opens the row, takes the in-memory values from it and emits loaded().
    // Engine errors are thrown as SqlError.
    void load();
    // load() for the start of the program: an engine error is told with
    // errorText() and false is returned, after which the program ends.
    bool loadOrReport(platform::Prompter& prompter);
    static QString errorText(const SqlError& error);
    // Whether a row has been read. A later read that fails keeps that row.
    bool isRead() const { return m_row.rowCount() > 0; }
    // Opens the row again for the notes editor and emits editorLoaded().
    void loadEditor();

    // ---- Columns ---------------------------------------------------------------------
    bool autostart() const { return yes(QStringLiteral("autostart")); }
    bool minimized() const { return yes(QStringLiteral("minimized")); }
    QString soundCode() const { return text(QStringLiteral("soundon"), QStringLiteral("Y")); }
    QString waveSound() const;
    bool breakLine() const { return yes(QStringLiteral("breakline"), true); }
    bool formatBar() const { return yes(QStringLiteral("formatbar")); }
    QString fontName() const
    {
        return text(QStringLiteral("fontname"), QStringLiteral("Fixedsys"));
    }
    QString fontColour() const
    {
        return text(QStringLiteral("fontcolor"), QStringLiteral("clBlack"));
    }
    int fontSize() const { return int(integer(QStringLiteral("fontsize"), 8)); }
    QString backColour() const
    {
        return text(QStringLiteral("backcolor"), QStringLiteral("clWhite"));
    }
    int charset() const { return int(integer(QStringLiteral("charset"), 0)); }
    bool timeCheck() const { return yes(QStringLiteral("timecheck"), true); }
    QString dataShot() const;
    int dataShotIndex() const { return int(integer(QStringLiteral("DataShotIndex"), 3)); }
    QString dataYear() const;
    int dataYearIndex() const { return int(integer(QStringLiteral("DataYearIndex"), 0)); }
    int winWidth() const { return int(integer(QStringLiteral("WinWidth"), 670)); }
    int winHeight() const { return int(integer(QStringLiteral("WinHeight"), 592)); }
    QString winState() const
    {
        return text(QStringLiteral("WinStato"), QStringLiteral("wsNormal"));
    }
    QString storedPassword() const { return text(QStringLiteral("psw"), QString()); }
    bool lockOnStartup() const { return yes(QStringLiteral("blocco"), true); }
    bool showCalendar() const { return yes(QStringLiteral("showcale"), true); }
    QString startTab() const { return text(QStringLiteral("startab"), QStringLiteral("4")); }
    bool futureFlag() const { return logical(QStringLiteral("futuro_flag"), false); }
    int futureDays() const { return int(integer(QStringLiteral("futuro_days"), 5)); }
    int scaleIndex() const { return int(integer(QStringLiteral("scala_index"), 0)); }
    bool ampm() const { return logical(QStringLiteral("ampm"), false); }
    QString themeName() const
    {
        return text(QStringLiteral("theme_name"), QStringLiteral("default"));
    }
    bool tabVisible(Section section) const;
    bool centralino() const { return logical(QStringLiteral("centralino"), false); }
    bool gridMode() const { return logical(QStringLiteral("gridmode"), false); }
    bool hideTips() const { return logical(QStringLiteral("hidetips"), false); }
    bool migrationInfo() const { return logical(QStringLiteral("migrationinfo"), false); }
    bool readOnlyOffered() const { return logical(QStringLiteral("solalettura"), false); }
    // Remembered group filters; a null column reads as a null QString.
    QString memGroupContact() const { return nullableText(QStringLiteral("mem_group_contact")); }
    QString memGroupNote() const { return nullableText(QStringLiteral("mem_group_note")); }
    QString memGroupList() const { return nullableText(QStringLiteral("mem_group_list")); }

    // ---- Values kept in memory -------------------------------------------------------
    // The password the lock compares with and SaveOptions writes.
    QString password() const { return m_password; }
    void setPassword(const QString& password) { m_password = password; }
    // Colour texts ("clBlack" or "$00BBGGRR") of the nine sections.
    QString sectionColour(Section section) const { return m_colours[size_t(section)]; }
    // The number of the chosen "Stretch windows" entry, by which dialogs grow.
    int scalePercent() const { return m_scalePercent; }
    // The pattern of the clock line, with or without the 12-hour suffix.
    QString clockFormat() const { return clockFormat(ampm()); }

    // The options as the program holds them now, ready for saveOptions().
    OptionValues currentOptions() const;

    // ---- Writers ---------------------------------------------------------------------
    // Writes the options of the check boxes, formats, password, lock, side
    // calendar and start tab in one statement.
    void saveOptions(const OptionValues& values);
    // Takes the nine colour texts as the section colours and writes them.
    void saveSectionColours(const std::array<QString, SectionCount>& colours);
    // Writes the notes editor's font, colours, size and character set, then
    // reads them back (loadEditor()).
    void saveEditorSettings(const QString& fontName, const QString& fontColour, int fontSize,
                            int charset, const QString& backColour);

    void writeFutureFlag(bool on);
    // The look-ahead covers 1 to 366 days; a value outside is brought inside.
    void writeFutureDays(int days);
    // Also makes the entry's number the window scale.
    void writeScaleIndex(int index);
    void writeAmpm(bool on);
    void writeHideTips(bool on);
    void writeReadOnlyOffered(bool on);
    void writeThemeName(const QString& name);
    void writeCentralino(bool on);
    void writeGridMode(bool on);
    void writeMigrationInfo(bool on);
    // A null QString stores a null column.
    void writeMemGroupContact(const QString& group);
    void writeMemGroupNote(const QString& group);
    void writeMemGroupList(const QString& group);
    void writeTabVisible(Section section, bool visible);

    // ---- Encodings -------------------------------------------------------------------
    static QString yesNo(bool on) { return on ? QStringLiteral("Y") : QStringLiteral("N"); }
    static QString soundCode(AlarmBoxes boxes);
    // nullopt for a code other than "Y", "V", "2", "N": the boxes stay as they are.
    static std::optional<AlarmBoxes> alarmBoxes(const QString& code);

    // The entries of "One Shot tasks date format" and "Yearly tasks date format".
    static const QStringList& oneShotDateFormats();
    static const QStringList& yearlyDateFormats();
    // The entries of "Stretch windows".
    static const QStringList& scaleEntries();
    static QString clockFormat(bool ampm);

    // Formats a date-time by the program's pattern notation: d dd ddd dddd,
    // m mm mmm mmmm, yy yyyy, h hh, n nn, s ss, am/pm; "/" and ":" are the
    // locale's separators; m or mm right after an hour means minutes; any other
    // character stands for itself. Names come from `locale`.
    static QString formatDateTime(const QDateTime& when, const QString& pattern,
                                  const QLocale& locale = QLocale());
    static QString formatDate(const QDate& date, const QString& pattern,
                              const QLocale& locale = QLocale())
    {
        return formatDateTime(QDateTime(date, QTime(0, 0)), pattern, locale);
    }

signals:
    // The row was read again: every part showing an option applies it anew.
    void loaded();
    void editorLoaded();

private:
    int column(const QString& name) const; // -1 when no row was read or it lacks the column
    QString text(const QString& name, const QString& fallback) const;
    QString nullableText(const QString& name) const;
    qint64 integer(const QString& name, qint64 fallback) const;
    bool yes(const QString& name, bool fallback = false) const;
    bool logical(const QString& name, bool fallback) const;
    void open();
    void exec(const QStringList& lines, const std::function<void(Query&)>& bind);
    void writeBoolean(const QString& column, bool value);
    void writeInteger(const QString& column, qint64 value);
    void writeText(const QString& column, const QString& value);

    Database& m_db;
    Query m_query;
    ResultSet m_row; // the row as last read
    QString m_password;
    std::array<QString, SectionCount> m_colours;
    int m_scalePercent = 100;
};

} // namespace store
