#pragma once

#include <QImage>
#include <QString>

namespace contacts {

// Where a contact's picture is found now. A stored path that names a file is
// kept; otherwise its file name (after the last "\" or "/", so paths written
// on either kind of system work) is looked for in "pics" inside the program
// folder, where a picture moves with a program carried on a removable drive.
// Empty when neither exists.
QString resolveContactPhoto(const QString& stored, const QString& programDir);

// Reads a picture the way a camera meant it to be seen: a phone photo whose
// sensor lay on its side carries its turn in the file and is shown upright.
// A null image when the file cannot be read (gone, damaged, or a format such
// as a metafile that no image reader knows); `error`, when given, then holds
// the message for the user.
QImage loadContactPhoto(const QString& path, QString* error = nullptr);

// The message for a picture that could not be read.
QString photoNotLoadedMessage(const QString& path);

} // namespace contacts
