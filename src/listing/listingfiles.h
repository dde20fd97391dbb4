#pragma once
#include <QString>
#include <cstdint>
#include <memory>

class QFile;

// The two listing files of the program state: "c.tmp" (file number 7, shown as
// text page source "#7") and "t.tmp" (file number 6, printed). The report and
// the component entry write them, the dialogue's text pages read them, so both
// the writing and the reading live down here.

inline constexpr int ListRecordLength = 120;

// The slot of listing file 6 or 7 in the program state.
std::unique_ptr<QFile>& listingFileSlot(int fileNumber);
// Listing file 6 or 7, open; throws "bad file name or number" when it is not.
QFile& openListingFile(int fileNumber);

// Whole records in listing file 6 or 7 (0 when it is not open).
int listingRecordCount(int fileNumber);
// Record number (from 1) of listing file 6 or 7; the write position is kept.
QString readListingRecord(int fileNumber, int record);

// Listing records: every line of a single-component listing is written as a
// record of 120 one-byte characters (OEM code page 850). A record is a display
// type letter, the text and the end mark (254), padded with blanks; the record
// being built lives in WorkStr[Slot::Record]. The files stay open between
// recreations; a rewind sets the position back to record 1 without truncating,
// and the counters ErgZeilenC / ErgZeilenT tell the readers how many records
// belong to the current listing.

// "*", the end mark and 118 blanks.
QString emptyListRecord();

// nC > 0: writes WorkStr[Slot::Record] to "c.tmp" followed by nC - 1 empty
// records (the same for nT and "t.tmp"); a negative count rewinds that file and
// zeroes its counter. Positive counts are consumed (0 afterwards);
// WorkStr[Slot::Record] holds the empty record afterwards. A write to a file
// that is not open, or a counter beyond 32767, throws.
void ErgLf(int16_t& nC, int16_t& nT);
void ErgLf(int nC, int nT);

// Closes, deletes and opens anew "c.tmp" (file 7) and "t.tmp" (file 6) in the
// first scratch directory WorkStr[Slot::Tp1]; throws when it cannot be created.
void recreateListingFiles();
