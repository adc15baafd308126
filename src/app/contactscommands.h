#pragma once

#include <QStringList>
#include <optional>

class QTextStream;

namespace app {

struct CommandLineEnvironment;

// The address book on the command line:
//
//   corvandine --export contacts FILE [--layout complete|chopped] [--archive DIR]
//   corvandine --import contacts FILE [--mode skip|update|new|integrate]
//              [--delete-all] [--group NAME] [--delimiter C] [--archive DIR]
//
// The export writes every contact in the Contacts tab's order. The import
// takes the file's first line as the names of its columns, mapped to the
// fields of the same names as the complete export writes them. Both run the
// code of the Contacts tab's buttons. Bad input writes nothing and ends with
// one line on the error stream and exit code 2.

// Whether the arguments ask for one of these.
bool isContactsCommand(const QStringList& arguments);

// Runs it when the arguments ask for it; nullopt otherwise.
std::optional<int> runContactsCommand(const QStringList& arguments, QTextStream& out,
                                      QTextStream& err, const CommandLineEnvironment& env);

} // namespace app
