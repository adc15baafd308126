#pragma once

#include "app/lock/archivegate.h"

#include <QDate>
#include <QString>
#include <QStringList>

class QTextStream;

namespace app {

// corvandine --report KIND --pdf FILE [--date DATE] [--days N] [--archive DIR]
//
// Prints the banded report of KIND (plan, oneshot, weekly, monthly, yearly,
// contacts, todo) to the PDF file FILE with the code the Print menus use,
// without a window or a printer, for example from a scheduled job each
// morning. The lists are those a freshly started program shows (no search,
// no filter); "plan" is the Today list of DATE (default today) with
// suspended tasks left out, and with "--days N" the N days from DATE each
// on pages of their own. Reads the archive only; FILE is written whole or
// not at all.
bool isReportCommand(const QStringList& arguments);

// Runs it; the exit code is 0, or 2 with one line on `err` for bad input,
// a missing or unreadable archive or a file that could not be written.
// Needs a QGuiApplication (fonts).
// An archive the window would open locked is read only with its password,
// from `password` or, when none is given, one line of standard input.
int runReportCommand(const QStringList& arguments, QTextStream& err, const QDate& today,
                     const QString& programFolder, const lock::PasswordLine& password = {});

} // namespace app
