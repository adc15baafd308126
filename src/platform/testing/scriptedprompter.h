#pragma once

#include "platform/prompter.h"

#include <QList>
#include <QQueue>

namespace platform {

// A prompter for tests: answers come from queues filled beforehand, and every
// text shown is recorded. A question with no queued answer is answered "No",
// a dialog with none is cancelled.
class ScriptedPrompter final : public Prompter
{
public:
    struct Shown
    {
        QString text;
        Kind kind;
        QString caption;
    };

    QQueue<bool> answers;
    QQueue<std::optional<QString>> texts;
    QQueue<QString> files;   // open, save and folder dialogs, in order
    QQueue<std::optional<unsigned>> colours;
    QList<Shown> shown;      // messages and questions, in order
    // The save dialogs opened, in order: their title, proposed path and filter.
    struct SaveDialog
    {
        QString title;
        QString proposedPath;
        QString filter;
    };
    QList<SaveDialog> saveDialogs;

    void tell(const QString& text, Kind kind, const QString& caption) override
    {
        shown.append({text, kind, caption});
    }
    bool ask(const QString& text, Kind kind, const QString& caption) override
    {
        shown.append({text, kind, caption});
        return answers.isEmpty() ? false : answers.dequeue();
    }
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString&, bool) override
    {
        shown.append({prompt, Kind::Question, title});
        return texts.isEmpty() ? std::nullopt : texts.dequeue();
    }
    QString openFileName(const QString&, const QString&, const QString&) override
    {
        return files.isEmpty() ? QString() : files.dequeue();
    }
    QString saveFileName(const QString& title, const QString& proposedPath,
                         const QString& filter) override
    {
        saveDialogs.append({title, proposedPath, filter});
        return files.isEmpty() ? QString() : files.dequeue();
    }
    QString folderName(const QString&, const QString&) override
    {
        return files.isEmpty() ? QString() : files.dequeue();
    }
    std::optional<unsigned> colour(unsigned) override
    {
        return colours.isEmpty() ? std::nullopt : colours.dequeue();
    }

    QStringList shownTexts() const
    {
        QStringList out;
        for (const Shown& s : shown)
            out.append(s.text);
        return out;
    }
};

} // namespace platform
