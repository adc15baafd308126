#include "savefile.h"

#include <QSaveFile>

namespace documents {

QString writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // Writing in place would leave a cut file behind on a full disk.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace documents
