#pragma once
#include <QString>
#include <memory>

class QFile;

// The two listing files of the program state: "c.tmp" (file number 7, shown as
// text page source "#7") and "t.tmp" (file number 6, printed). The report writes
// them; the dialogue's text pages read them, so the reading lives down here.

inline constexpr int ListRecordLength = 120;

// The slot of listing file 6 or 7 in the program state.
std::unique_ptr<QFile>& listingFileSlot(int fileNumber);
// Listing file 6 or 7, open; throws "bad file name or number" when it is not.
QFile& openListingFile(int fileNumber);

// Whole records in listing file 6 or 7 (0 when it is not open).
int listingRecordCount(int fileNumber);
// Record number (from 1) of listing file 6 or 7; the write position is kept.
QString readListingRecord(int fileNumber, int record);
