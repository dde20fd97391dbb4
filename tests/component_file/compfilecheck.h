#pragma once
#include <QString>
#include <QStringList>

// Reads a component file straight from disk (no lock, no cache) and lists what
// is inconsistent in it:
//   - every index page sorted, free entries only at its end, every child page's
//     keys inside the range its parent entry gives, no page reached twice;
//   - every designation of every record of every block in the index exactly
//     once, pointing at its block; every index entry pointing at a block that
//     holds a record with that designation;
//   - the header's counters (Ss, Ib, the last block of each group) not below
//     the pages and blocks in use;
//   - no change left half done (journal, new contents beside their targets).
// An empty list: consistent.
QStringList checkComponentFile(const QString& nativeDir);

// The records of all blocks of a component file, trimmed, in no set order.
QStringList allRecords(const QString& nativeDir);
