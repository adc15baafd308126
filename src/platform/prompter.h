#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

// Every question, message and file, folder or colour choice the program puts
// to the user goes through here, so that tests can answer them.
class Prompter
{
public:
    // The four kinds of message box the program shows. All carry the caption
    // "Corvandine Organizer" unless a caption is given.
    enum class Kind {
        Warning,         // OK, exclamation icon
        Information,     // OK, information icon
        Question,        // Yes/No, question icon
        WarningQuestion, // Yes/No, exclamation icon
    };

    virtual ~Prompter() = default;

    // Shows a message with an OK button.
    virtual void tell(const QString& text, Kind kind = Kind::Information,
                      const QString& caption = QString()) = 0;
    // Asks a Yes/No question; true for "Yes".
    virtual bool ask(const QString& text, Kind kind = Kind::Question,
                     const QString& caption = QString()) = 0;
    // A line of text; nullopt when cancelled.
    virtual std::optional<QString> inputText(const QString& title, const QString& prompt,
                                             const QString& initial, bool hidden = false) = 0;
    // File choices; an empty text when cancelled. `filter` is in Qt's form,
    // e.g. "Corvandine Organizer Archive Backup (*.abs)".
    virtual QString openFileName(const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& proposedPath,
                                 const QString& filter) = 0;
    virtual QString folderName(const QString& title, const QString& folder) = 0;
    // A colour as 0xRRGGBB; nullopt when cancelled.
    virtual std::optional<unsigned> colour(unsigned initial) = 0;
};

inline QString applicationTitle() { return QStringLiteral("Corvandine Organizer"); }

} // namespace platform
