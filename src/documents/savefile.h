#pragma once

#include <QByteArray>
#include <QString>

namespace documents {

// Writes `bytes` as the whole file through a temporary file that replaces
// the target only once it is complete: when writing fails (a full disk, a
// folder that is not there), an earlier file of that name stays as it was.
// Returns an empty text on success, otherwise the reason for the user.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace documents
