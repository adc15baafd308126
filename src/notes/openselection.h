#pragma once

#include <QString>
#include <functional>

namespace notes {

// What the editor's open-selection button does with selected text. Nothing
// here runs a command: a target is an address or an existing file or folder
// handed to the desktop's own open operation.

// Tells whether an absolute path names an existing file or folder.
using PathExists = std::function<bool(const QString&)>;

// Whether the button is offered for `selection`: it begins with "www",
// "http://", "https://", "skype:", "mailto:" or "callto:" (any letter case),
// is an e-mail address, or is the absolute path of an existing file or
// folder. A relative name is never looked up in the working folder, which
// is not the user's.
bool isOpenableSelection(const QString& selection, const PathExists& exists);

struct OpenTarget
{
    enum class Kind
    {
        None,
        Url,
        Path
    };
    Kind kind = Kind::None;
    QString text;
};

// What pressing the button opens. The old command words ("del", "format",
// ...) open nothing, even where a file carries that name; an "@" among the
// first 50 characters makes an e-mail address; "www..." a web address.
OpenTarget openTarget(const QString& selection, const PathExists& exists);

// The hint the button shows while nothing openable is selected.
QString openSelectionHint();

} // namespace notes
