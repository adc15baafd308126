#include "almanaccommand.h"

#include "agenda.h"
#include "astro/almanac.h"
#include "platform/clock.h"

#include <QTextStream>

namespace app {
namespace {

const QString AlmanacOption = QStringLiteral("--almanac");
const QString DaysOption = QStringLiteral("--days");

constexpr int MaxDays = 36600;
constexpr int DefaultHour = 12;

struct Almanac
{
    std::optional<QString> start;
    std::optional<QString> days;
    QString error;
};

Almanac parse(const QStringList& arguments)
{
    Almanac a;
    for (qsizetype i = 0; i < arguments.size() && a.error.isEmpty(); ++i) {
        const QString& argument = arguments.at(i);
        const bool valueFollows =
            i + 1 < arguments.size() && !arguments.at(i + 1).startsWith(QLatin1String("--"));
        if (argument == AlmanacOption) {
            if (valueFollows)
                a.start = arguments.at(++i);
        } else if (argument == DaysOption) {
            if (valueFollows)
                a.days = arguments.at(++i);
            else
                a.error = DaysOption + QStringLiteral(" needs a value");
        } else {
            a.error = QStringLiteral("unexpected argument '%1' with --almanac").arg(argument);
        }
    }
    return a;
}

bool digitsAt(const QString& text, std::initializer_list<int> positions)
{
    for (const int i : positions) {
        if (!(text.at(i) >= u'0' && text.at(i) <= u'9'))
            return false;
    }
    return true;
}

// yyyy-mm-dd (at 12:00) or yyyy-mm-ddThh:mm, nothing else. The moment is
// kept in UTC only so that no daylight-saving gap of the local zone can
// move it; the clock time is used as written.
std::optional<QDateTime> parseMoment(const QString& text)
{
    const bool withTime = text.size() == 16;
    if (text.size() != 10 && !withTime)
        return std::nullopt;
    if (!digitsAt(text, {0, 1, 2, 3, 5, 6, 8, 9}) || text.at(4) != u'-' || text.at(7) != u'-')
        return std::nullopt;
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    QTime time(DefaultHour, 0);
    if (withTime) {
        if (text.at(10) != u'T' || text.at(13) != u':' || !digitsAt(text, {11, 12, 14, 15}))
            return std::nullopt;
        time = QTime(text.mid(11, 2).toInt(), text.mid(14, 2).toInt());
        if (!time.isValid())
            return std::nullopt;
    }
    return QDateTime(date, time, Qt::UTC);
}

int fail(QTextStream& err, const QString& message)
{
    err << "corvandine: " << message << '\n';
    err.flush();
    return ExitUsage;
}

} // namespace

bool isAlmanacCommand(const QStringList& arguments)
{
    return arguments.contains(AlmanacOption);
}

std::optional<int> runAlmanacCommand(const QStringList& arguments, QTextStream& out,
                                     QTextStream& err, const CommandLineEnvironment& env)
{
    if (!isAlmanacCommand(arguments))
        return std::nullopt;
    const Almanac a = parse(arguments);
    if (!a.error.isEmpty())
        return fail(err, a.error + QStringLiteral(" (see --help)"));

    QDateTime first;
    if (a.start) {
        const auto moment = parseMoment(*a.start);
        if (!moment)
            return fail(err, QStringLiteral("bad date '%1': expected yyyy-mm-dd or "
                                            "yyyy-mm-ddThh:mm")
                                 .arg(*a.start));
        first = *moment;
    } else {
        const platform::SystemClock systemClock;
        const platform::Clock& clock = env.clock ? *env.clock : systemClock;
        first = QDateTime(clock.today(), QTime(DefaultHour, 0), Qt::UTC);
    }
    int days = 1;
    if (a.days) {
        bool ok = false;
        days = a.days->toInt(&ok);
        if (!ok || days < 1 || days > MaxDays)
            return fail(err, QStringLiteral("bad number of days '%1': expected 1 to %2")
                                 .arg(*a.days)
                                 .arg(MaxDays));
    }
    for (int i = 0; i < days; ++i)
        out << astro::almanacLine(astro::almanacDay(first.addDays(i))) << '\n';
    out.flush();
    return ExitOk;
}

} // namespace app
