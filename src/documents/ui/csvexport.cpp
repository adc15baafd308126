#include "csvexport.h"

#include "documents/exports.h"
#include "platform/prompter.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace documents::ui {

bool exportCsv(platform::Prompter& prompter, const QString& title, const QString& fileName,
               const std::function<CsvTable()>& table)
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QString path =
        prompter.saveFileName(title, QDir(desktop).filePath(fileName), CsvFileFilter);
    if (path.isEmpty())
        return false;
    if (QFileInfo::exists(path) &&
        !prompter.ask(QStringLiteral("Overwrite \"") + QFileInfo(path).fileName() +
                      QStringLiteral("\"?")))
        return false;
    const QString failure = writeCsvFile(path, table());
    if (failure.isEmpty())
        return true;
    prompter.tell(QStringLiteral("I could not write the file \"") + QDir::toNativeSeparators(path) +
                      QStringLiteral("\":\r") + failure,
                  platform::Prompter::Kind::Warning);
    return false;
}

} // namespace documents::ui
