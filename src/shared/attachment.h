#pragma once

#include <QString>

namespace platform {
class Desktop;
}

namespace shared {

// Opens a record's attachment: a file or folder path, a web address or a
// "mailto:" address. The attachment dialogs store a file chosen inside the
// program's "allegati" or "attaches" folder without that folder, so that the
// program folder can move; when the text does not open as it stands, those
// folders are tried with the whole text and then with its file name alone.
// Stops at the first that opens; true when one did. An empty text does
// nothing.
bool openAttachment(const QString& text, const QString& programFolder, platform::Desktop& desktop);

// An attachment as a menu entry names it: the part after the last "/", "\"
// or ":", so that a path of either kind, a web address and a "mailto:"
// address all show their last part. Trailing separators do not count; a
// text that is nothing but its last part comes back whole.
QString attachmentCaption(const QString& text);

} // namespace shared
