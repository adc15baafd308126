#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace calendar {

// The texts a task row stores are compared literally by the day selection:
// weekday names, "mm/dd" and times. Whatever writes them and whatever looks
// for them must therefore use one and the same locale. This is that locale;
// the program passes it on, tests pin an English one.
QLocale taskLocale();

// The separators the locale puts between day and month, and between hours
// and minutes. Qt does not expose them directly; they are read from the
// locale's short formats.
QString dateSeparator(const QLocale& locale);
QString timeSeparator(const QLocale& locale);

// "dd": the day of the month in two digits, "01" to "31".
QString dayOfMonthText(const QDate& date);
// "dddd": the locale's full weekday name.
QString weekdayName(const QLocale& locale, const QDate& date);
// "mm/dd" with the locale's date separator, cut to five characters.
QString monthDayText(const QLocale& locale, const QDate& date);

// A time as stored: two-digit hour, the time separator, two-digit minutes.
QString timeText(const QLocale& locale, const QTime& time);
// The empty time: two blanks, the separator, two blanks. It sorts before
// every entered time.
QString emptyTimeText(const QLocale& locale);
// An entered time as it is stored: the hour always in two digits, so that
// the texts sort as the day runs ("09:30" before "10:00", and after the empty
// time). A one-digit hour with its blank before or after the digit (" 9:30",
// or "9 :30" as earlier builds stored it) gains its leading zero; any other
// text comes back unchanged.
QString storedTimeText(const QString& text);
// A stored time as a dialog shows it again: its first two and last two
// characters joined by the current separator, so a time written under
// another separator is rewritten on the next save. A one-digit hour reads
// with its leading zero.
QString reloadedTimeText(const QLocale& locale, const QString& stored);

} // namespace calendar
