#include "deleteconfirmation.h"

#include "platform/prompter.h"

#include <QRandomGenerator>

#include <array>

namespace calendar {
namespace {

// Fourteen equally likely draws: five endings are listed twice, one three
// times and the Italian one once, so that it stays a rare surprise.
constexpr std::array<const char*, 14> Endings{
    "\", can you assures to me that after you will not cry?",
    "\", sure that's a good idea?",
    "\", are you sure?",
    "\", can you live after this?",
    "\", you know the consequences?",
    "\", can you give him another chance?",
    "\", can you give him another chance?",
    "\", sei a conoscenza delle conseguenze?",
    "\", can you assures to me that after you will not cry?",
    "\", sure that's a good idea?",
    "\", are you sure?",
    "\", can you live after this?",
    "\", you know the consequences?",
    "\", can you give him another chance?",
};

} // namespace

QString deleteConfirmationSuffix(QRandomGenerator& generator)
{
    return QString::fromUtf8(Endings[generator.bounded(quint32(Endings.size()))]);
}

QString deleteConfirmationQuestion(const QString& description, QRandomGenerator& generator)
{
    return QStringLiteral(" You are in order to eliminate \"") + description
           + deleteConfirmationSuffix(generator);
}

bool confirmDelete(platform::Prompter& prompter, const QString& description,
                   QRandomGenerator& generator)
{
    return prompter.ask(deleteConfirmationQuestion(description, generator),
                        platform::Prompter::Kind::Question, platform::applicationTitle());
}

QRandomGenerator& deleteConfirmationGenerator()
{
    static QRandomGenerator generator(QRandomGenerator::global()->generate());
    return generator;
}

} // namespace calendar
