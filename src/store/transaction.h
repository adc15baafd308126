#pragma once

namespace store {

class Database;

// Writes that belong together: begun on construction, kept by commit(),
// undone when the object goes away without it (an exception on the way out
// included). Besides keeping the archive whole, it spares the disk a flush per
// statement: a thousand inserts cost one commit.
//
// The first one on a connection takes the write lock at once, so two programs
// sharing the archive wait for each other instead of failing half-way. One
// begun while another is open on the same connection is a part of it: its
// commit keeps its writes until the outer one decides, its roll-back undoes
// only its own. Nested ones must end before the one around them.
class Transaction final
{
public:
    explicit Transaction(Database& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Throws SqlError when the engine cannot commit; the writes are then
    // undone when the object goes away.
    void commit();
    bool isOpen() const { return m_open; }

private:
    Database& m_db;
    bool m_nested = false;
    bool m_open = false;
};

} // namespace store
