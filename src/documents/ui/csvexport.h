#pragma once

#include "documents/csvwriter.h"

#include <QString>
#include <functional>

namespace platform {
class Prompter;
}

namespace documents::ui {

// The steps both export buttons take: propose `fileName` in the user's
// desktop folder under `title`, offering only CSV files (the name is taken as
// the user leaves it, and an existing file is replaced only when the user
// agrees); then build the table and write it. A write that fails is told as
// a warning. `table` runs only once a file was chosen. True when a file was
// written.
bool exportCsv(platform::Prompter& prompter, const QString& title, const QString& fileName,
               const std::function<CsvTable()>& table);

} // namespace documents::ui
