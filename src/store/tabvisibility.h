#pragma once

#include <array>

namespace store {

class Database;

// Writes which of the eight section tabs the window shows from its next
// start, in tab order, in the one statement of the "Visible tabs" dialog.
void saveTabVisibility(Database& database, const std::array<bool, 8>& visible);

} // namespace store
