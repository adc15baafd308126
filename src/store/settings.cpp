#include "store/settings.h"

#include "platform/prompter.h"
#include "store/database.h"
#include "store/sqlerror.h"
#include "store/sqltext.h"

namespace store {

namespace {

const QString selectRow = QStringLiteral("SELECT * FROM CRset63");

const std::array<QString, Settings::SectionCount>& colourColumns()
{
    static const std::array<QString, Settings::SectionCount> columns = {
        QStringLiteral("ShotColor"),  QStringLiteral("YearColor"),  QStringLiteral("MonthColor"),
        QStringLiteral("WeekColor"),  QStringLiteral("TodayColor"), QStringLiteral("ContactColor"),
        QStringLiteral("NotesColor"), QStringLiteral("TodoColor"),  QStringLiteral("UserColor")};
    return columns;
}

// The colours of a new archive, for a row read before its colours exist.
const std::array<QString, Settings::SectionCount>& defaultColours()
{
    static const std::array<QString, Settings::SectionCount> colours = {
        QStringLiteral("$00A6A6D2"), QStringLiteral("$00A7E3F5"), QStringLiteral("$0058A554"),
        QStringLiteral("$00BC8F07"), QStringLiteral("$00CE9D9D"), QStringLiteral("$009A9A4E"),
        QStringLiteral("$00AEAEAE"), QStringLiteral("$00BADCF8"), QStringLiteral("$0053A9FF")};
    return colours;
}

QString tabColumn(Settings::Section section)
{
    static const std::array<QString, Settings::VisibleTabCount> columns = {
        QStringLiteral("TabShotVisible"),  QStringLiteral("TabYearVisible"),
        QStringLiteral("TabMonthVisible"), QStringLiteral("TabWeekVisible"),
        QStringLiteral("TabTodayVisible"), QStringLiteral("TabContactsVisible"),
        QStringLiteral("TabNotesVisible"), QStringLiteral("TabToDoVisible")};
    const auto i = size_t(section);
    return i < columns.size() ? columns[i] : QString();
}

QString setLine(const QString& column)
{
    return QStringLiteral("SET ") + column + QStringLiteral(" = :") + column;
}

} // namespace

Settings::Settings(Database& database, QObject* parent)
    : QObject(parent), m_db(database), m_query(database), m_colours(defaultColours())
{
}

// ---- Loading ---------------------------------------------------------------------------

void Settings::open()
{
    m_query.setSql({selectRow});
    m_query.open();
    // A read that fails or finds no row leaves the row as last read: the
    // options shown and written next stay the ones the user chose.
    if (!m_query.isEmpty())
        m_row = m_query.rows();
}

void Settings::load()
{
    open();
    m_password = storedPassword();
    for (size_t i = 0; i < m_colours.size(); ++i)
        m_colours[i] = text(colourColumns()[i], defaultColours()[i]);
    const int index = scaleIndex();
    m_scalePercent =
        index >= 0 && index < scaleEntries().size() ? scaleEntries()[index].toInt() : 100;
    emit loaded();
}

bool Settings::loadOrReport(platform::Prompter& prompter)
{
    try {
        load();
        return true;
    } catch (const SqlError& error) {
        prompter.tell(errorText(error), platform::Prompter::Kind::Warning);
        return false;
    }
}

QString Settings::errorText(const SqlError& error)
{
    return QStringLiteral("Errore di tipo: ") + error.className() +
           QStringLiteral(", Messaggio: ") + error.message();
}

void Settings::loadEditor()
{
    open();
    emit editorLoaded();
}

// ---- Reading columns -------------------------------------------------------------------

int Settings::column(const QString& name) const
{
    return m_row.rowCount() > 0 ? m_row.columnIndex(name) : -1;
}

QString Settings::text(const QString& name, const QString& fallback) const
{
    const int c = column(name);
    return c >= 0 ? m_row.text(0, c) : fallback;
}

QString Settings::nullableText(const QString& name) const
{
    const int c = column(name);
    if (c < 0 || m_row.type(0, c) == ResultSet::CellType::Null)
        return QString();
    const QString value = m_row.text(0, c);
    return value.isNull() ? QStringLiteral("") : value;
}

qint64 Settings::integer(const QString& name, qint64 fallback) const
{
    const int c = column(name);
    return c >= 0 ? m_row.integer(0, c) : fallback;
}

bool Settings::yes(const QString& name, bool fallback) const
{
    const int c = column(name);
    return c >= 0 ? m_row.text(0, c) == u"Y" : fallback;
}

bool Settings::logical(const QString& name, bool fallback) const
{
    const int c = column(name);
    return c >= 0 ? m_row.boolean(0, c) : fallback;
}

QString Settings::waveSound() const
{
    return text(QStringLiteral("wavesound"), QStringLiteral("mailbeep"));
}

QString Settings::dataShot() const
{
    return text(QStringLiteral("DataShot"), oneShotDateFormats()[3]);
}

QString Settings::dataYear() const
{
    return text(QStringLiteral("DataYear"), yearlyDateFormats()[0]);
}

bool Settings::tabVisible(Section section) const
{
    const QString column = tabColumn(section);
    return column.isEmpty() || logical(column, true);
}

OptionValues Settings::currentOptions() const
{
    OptionValues v;
    v.autostart = autostart();
    v.minimized = minimized();
    if (const auto boxes = alarmBoxes(soundCode())) {
        v.soundAlarm = boxes->sound;
        v.popup = boxes->popup;
    }
    v.waveSound = waveSound();
    v.breakLine = breakLine();
    v.formatBar = formatBar();
    v.timeCheck = timeCheck();
    v.dataShot = dataShot();
    v.dataShotIndex = dataShotIndex();
    v.dataYear = dataYear();
    v.dataYearIndex = dataYearIndex();
    v.password = m_password;
    v.lockOnStartup = lockOnStartup();
    v.showCalendar = showCalendar();
    v.startTab = startTab();
    return v;
}

// ---- Writing ---------------------------------------------------------------------------

void Settings::exec(const QStringList& lines, const std::function<void(Query&)>& bind)
{
    Query q(m_db);
    q.setSql(lines);
    if (bind)
        bind(q);
    q.execSql();
    // Keep the accessors on the row as it now is; the controls are applied
    // again only by load().
    if (isRead())
        open();
}

void Settings::saveOptions(const OptionValues& v)
{
    const auto yn = [](bool on) { return yesNo(on); };
    const QStringList lines = {
        QStringLiteral("UPDATE CRset63"),
        QStringLiteral("SET autostart = \"") + yn(v.autostart) + QStringLiteral("\","),
        QStringLiteral("    minimized = \"") + yn(v.minimized) + QStringLiteral("\","),
        QStringLiteral("    soundon   = \"") + soundCode({v.soundAlarm, v.popup}) +
            QStringLiteral("\","),
        QStringLiteral("    wavesound = \"") + doubledQuotes(v.waveSound) + QStringLiteral("\","),
        QStringLiteral("    breakline = \"") + yn(v.breakLine) + QStringLiteral("\","),
        QStringLiteral("    formatbar = \"") + yn(v.formatBar) + QStringLiteral("\","),
        QStringLiteral("    timecheck = \"") + yn(v.timeCheck) + QStringLiteral("\","),
        QStringLiteral("    DataShot  = \"") + doubledQuotes(v.dataShot) + QStringLiteral("\","),
        QStringLiteral("    DataYear  = \"") + doubledQuotes(v.dataYear) + QStringLiteral("\","),
        QStringLiteral("    DataShotIndex  = :DataShotIndex,"),
        QStringLiteral("    DataYearIndex  = :DataYearIndex,"),
        QStringLiteral("    psw       = \"") + doubledQuotes(v.password) + QStringLiteral("\","),
        QStringLiteral("    blocco    = \"") + yn(v.lockOnStartup) + QStringLiteral("\","),
        QStringLiteral("    showcale    = \"") + yn(v.showCalendar) + QStringLiteral("\","),
        QStringLiteral("    startab     = \"") + doubledQuotes(v.startTab) + QStringLiteral("\""),
    };
    exec(lines, [&v](Query& q) {
        q.setFloat(QStringLiteral("DataShotIndex"), v.dataShotIndex);
        q.setFloat(QStringLiteral("DataYearIndex"), v.dataYearIndex);
    });
}

void Settings::saveSectionColours(const std::array<QString, SectionCount>& colours)
{
    m_colours = colours;
    const QStringList lines = {
        QStringLiteral("UPDATE CRset63"),
        QStringLiteral("SET ShotColor     = \"") + doubledQuotes(colours[0]) +
            QStringLiteral("\","),
        QStringLiteral("    YearColor     = \"") + doubledQuotes(colours[1]) +
            QStringLiteral("\","),
        QStringLiteral("    MonthColor    = \"") + doubledQuotes(colours[2]) +
            QStringLiteral("\","),
        QStringLiteral("    WeekColor     = \"") + doubledQuotes(colours[3]) +
            QStringLiteral("\","),
        QStringLiteral("    TodayColor    = \"") + doubledQuotes(colours[4]) +
            QStringLiteral("\","),
        QStringLiteral("    ContactColor  = \"") + doubledQuotes(colours[5]) +
            QStringLiteral("\","),
        QStringLiteral("    NotesColor    = \"") + doubledQuotes(colours[6]) +
            QStringLiteral("\","),
        QStringLiteral("    TodoColor     = \"") + doubledQuotes(colours[7]) +
            QStringLiteral("\","),
        QStringLiteral("    UserColor     = \"") + doubledQuotes(colours[8]) + QStringLiteral("\""),
    };
    exec(lines, {});
}

void Settings::saveEditorSettings(const QString& fontName, const QString& fontColour, int fontSize,
                                  int charset, const QString& backColour)
{
    const QStringList lines = {
        QStringLiteral("UPDATE CRset63"),
        QStringLiteral("SET fontname  = \"") + doubledQuotes(fontName) + QStringLiteral("\","),
        QStringLiteral("    fontcolor = \"") + doubledQuotes(fontColour) + QStringLiteral("\","),
        QStringLiteral("    fontsize  = ") + QString::number(fontSize) + QStringLiteral(","),
        QStringLiteral("    charset  = ") + QString::number(charset) + QStringLiteral(","),
        QStringLiteral("    backcolor = \"") + doubledQuotes(backColour) + QStringLiteral("\""),
    };
    exec(lines, {});
    loadEditor();
}

void Settings::writeBoolean(const QString& column, bool value)
{
    exec({QStringLiteral("UPDATE CRset63"), setLine(column)},
         [&](Query& q) { q.setBoolean(column, value); });
}

void Settings::writeInteger(const QString& column, qint64 value)
{
    exec({QStringLiteral("UPDATE CRset63"), setLine(column)},
         [&](Query& q) { q.setInteger(column, value); });
}

void Settings::writeText(const QString& column, const QString& value)
{
    exec({QStringLiteral("UPDATE CRset63"), setLine(column)}, [&](Query& q) {
        if (value.isNull())
            q.setNull(column);
        else
            q.setText(column, value);
    });
}

void Settings::writeFutureFlag(bool on)
{
    writeBoolean(QStringLiteral("futuro_flag"), on);
}
void Settings::writeFutureDays(int days)
{
    writeInteger(QStringLiteral("futuro_days"), qBound(1, days, 366));
}
void Settings::writeScaleIndex(int index)
{
    writeInteger(QStringLiteral("scala_index"), index);
    if (index >= 0 && index < scaleEntries().size())
        m_scalePercent = scaleEntries()[index].toInt();
}
void Settings::writeAmpm(bool on)
{
    writeBoolean(QStringLiteral("ampm"), on);
}
void Settings::writeHideTips(bool on)
{
    writeBoolean(QStringLiteral("hidetips"), on);
}
void Settings::writeReadOnlyOffered(bool on)
{
    writeBoolean(QStringLiteral("solalettura"), on);
}
void Settings::writeThemeName(const QString& name)
{
    writeText(QStringLiteral("theme_name"), name);
}
void Settings::writeCentralino(bool on)
{
    writeBoolean(QStringLiteral("centralino"), on);
}
void Settings::writeGridMode(bool on)
{
    writeBoolean(QStringLiteral("gridmode"), on);
}
void Settings::writeMigrationInfo(bool on)
{
    writeBoolean(QStringLiteral("migrationinfo"), on);
}
void Settings::writeMemGroupContact(const QString& group)
{
    writeText(QStringLiteral("mem_group_contact"), group);
}
void Settings::writeMemGroupNote(const QString& group)
{
    writeText(QStringLiteral("mem_group_note"), group);
}
void Settings::writeMemGroupList(const QString& group)
{
    writeText(QStringLiteral("mem_group_list"), group);
}
void Settings::writeTabVisible(Section section, bool visible)
{
    const QString column = tabColumn(section);
    if (!column.isEmpty())
        writeBoolean(column, visible);
}

// ---- Encodings -------------------------------------------------------------------------

QString Settings::soundCode(AlarmBoxes boxes)
{
    if (boxes.sound)
        return boxes.popup ? QStringLiteral("2") : QStringLiteral("Y");
    return boxes.popup ? QStringLiteral("V") : QStringLiteral("N");
}

std::optional<AlarmBoxes> Settings::alarmBoxes(const QString& code)
{
    if (code == u"Y")
        return AlarmBoxes{true, false};
    if (code == u"V")
        return AlarmBoxes{false, true};
    if (code == u"2")
        return AlarmBoxes{true, true};
    if (code == u"N")
        return AlarmBoxes{false, false};
    return std::nullopt;
}

const QStringList& Settings::oneShotDateFormats()
{
    static const QStringList formats = {
        QStringLiteral("d mmmm yyyy"),       QStringLiteral("dd mmmm yyyy"),
        QStringLiteral("dd/mm/yyyy"),        QStringLiteral("dddd d mmmm yyyy"),
        QStringLiteral("dddd dd mmmm yyyy"), QStringLiteral("mm/dd/yyyy"),
        QStringLiteral("mmmm dd, yyyy")};
    return formats;
}

const QStringList& Settings::yearlyDateFormats()
{
    static const QStringList formats = {QStringLiteral("d mmmm"), QStringLiteral("dd mmmm"),
                                        QStringLiteral("dd/mm"),  QStringLiteral("mm/dd"),
                                        QStringLiteral("mmmm d"), QStringLiteral("mmmm dd")};
    return formats;
}

const QStringList& Settings::scaleEntries()
{
    static const QStringList entries = {QStringLiteral("100"), QStringLiteral("110"),
                                        QStringLiteral("120"), QStringLiteral("130"),
                                        QStringLiteral("140"), QStringLiteral("150")};
    return entries;
}

QString Settings::clockFormat(bool ampm)
{
    return ampm ? QStringLiteral("dddd d mmmm yyyy - hh:mm:ss am/pm")
                : QStringLiteral("dddd d mmmm yyyy - hh:mm:ss");
}

namespace {

// The separator the locale writes between the parts of a short date or time:
// the first character of its short format that is neither a letter nor a blank.
QString separatorOf(const QString& format, QChar fallback)
{
    for (const QChar c : format)
        if (!c.isLetter() && !c.isSpace() && c != u'\'')
            return QString(c);
    return QString(fallback);
}

qsizetype runLength(const QString& pattern, qsizetype at, QChar letter)
{
    qsizetype n = 0;
    while (at + n < pattern.size() && pattern.at(at + n).toLower() == letter)
        ++n;
    return n;
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

QString Settings::formatDateTime(const QDateTime& when, const QString& pattern,
                                 const QLocale& locale)
{
    const QDate date = when.date();
    const QTime time = when.time();
    const QString dateSeparator = separatorOf(locale.dateFormat(QLocale::ShortFormat), u'/');
    const QString timeSeparator = separatorOf(locale.timeFormat(QLocale::ShortFormat), u':');
    const QString amPm = QStringLiteral("am/pm");
    const bool twelveHours = pattern.contains(amPm, Qt::CaseInsensitive);

    QString out;
    bool afterHour = false; // m and mm right after an hour are minutes
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern.at(i).toLower();
        if (pattern.mid(i, amPm.size()).compare(amPm, Qt::CaseInsensitive) == 0) {
            out += time.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm");
            i += amPm.size();
            afterHour = false;
            continue;
        }
        if (c == u'd') {
            const qsizetype n = std::min<qsizetype>(runLength(pattern, i, c), 4);
            if (n == 1)
                out += QString::number(date.day());
            else if (n == 2)
                out += twoDigits(date.day());
            else
                out += locale.dayName(date.dayOfWeek(),
                                      n == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            i += n;
            afterHour = false;
        } else if (c == u'm') {
            const qsizetype n = std::min<qsizetype>(runLength(pattern, i, c), 4);
            if (afterHour && n <= 2)
                out += n == 1 ? QString::number(time.minute()) : twoDigits(time.minute());
            else if (n == 1)
                out += QString::number(date.month());
            else if (n == 2)
                out += twoDigits(date.month());
            else
                out += locale.monthName(date.month(),
                                        n == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            i += n;
            afterHour = false;
        } else if (c == u'y') {
            const qsizetype n = std::min<qsizetype>(runLength(pattern, i, c), 4);
            out += n <= 2 ? twoDigits(date.year() % 100)
                          : QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
            i += n;
            afterHour = false;
        } else if (c == u'h' || c == u'n' || c == u's') {
            const qsizetype n = std::min<qsizetype>(runLength(pattern, i, c), 2);
            int value = c == u'n' ? time.minute() : c == u's' ? time.second() : time.hour();
            if (c == u'h' && twelveHours)
                value = value % 12 == 0 ? 12 : value % 12;
            out += n == 1 ? QString::number(value) : twoDigits(value);
            i += n;
            afterHour = c == u'h';
        } else {
            if (pattern.at(i) == u'/')
                out += dateSeparator;
            else if (pattern.at(i) == u':')
                out += timeSeparator;
            else
                out += pattern.at(i);
            ++i;
        }
    }
    return out;
}

} // namespace store
