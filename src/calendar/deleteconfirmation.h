#pragma once

#include <QString>

class QRandomGenerator;

namespace platform {
class Prompter;
}

namespace calendar {

// Every list asks before it deletes, and the question ends with one of a few
// teasing endings picked at random. The generator is handed in so that the
// program can seed one once at start-up and tests can seed their own.
//
// Each ending begins with the double quote that closes the quoted
// description.
QString deleteConfirmationSuffix(QRandomGenerator& generator);

// " You are in order to eliminate \"" + description + an ending.
QString deleteConfirmationQuestion(const QString& description, QRandomGenerator& generator);

// Asks the question (Yes/No, question icon, the program's caption); true
// for "Yes".
bool confirmDelete(platform::Prompter& prompter, const QString& description,
                   QRandomGenerator& generator);

// The generator the program uses when nobody hands in another: seeded once,
// on first use.
QRandomGenerator& deleteConfirmationGenerator();

} // namespace calendar
