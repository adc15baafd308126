#pragma once

#include "shared/appstate.h"

#include <functional>

namespace store {
class Database;
}

namespace app {

// Decides the archive folder at start, opens the archive in it, and carries
// out the four archive buttons: backup, restore, change folder and back to the
// default folder. Every change of folder or archive takes effect at the next
// start; the program ends itself after each.
class ArchiveFolder final
{
public:
    ArchiveFolder(shared::AppState& state, shared::Services services);

    // Asked before any archive button acts: an edited note may want saving.
    std::function<void()> confirmPendingNoteSave;

    // True while a redirect file exists ("Refresh all" and "Auto" apply then).
    bool isRedirected() const;

    // Follows the redirect file, if any. A redirect to a folder that is gone
    // asks whether to look for it again next time; on any answer but "Yes"
    // the redirect file is deleted.
    void readNetFolder();

    // Creates the folder, swaps in a pending restore, and opens the archive,
    // creating an empty one when there is none. A file that is not an archive
    // is never replaced: the engine's error is thrown and the file left as is.
    void openArchive(store::Database& database);

    // "Backup": a compacted copy under a name the user chooses. True when a
    // copy was written (the caller then refreshes everything).
    bool backup(store::Database& database);

    enum class Outcome { Stay, EndProgram };
    // "Restore": the chosen copy becomes the archive at the next start.
    Outcome restore(store::Database& database, bool autostartTicked);
    // "Change": redirect to another folder from the next start on.
    Outcome change();
    // "Auto": back to the default folder from the next start on.
    Outcome backToDefault();

private:
    void askPendingNote();
    QString desktopFolder() const;

    shared::AppState& m_state;
    shared::Services m_services;
};

} // namespace app
