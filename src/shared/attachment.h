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

} // namespace shared
