#pragma once
#include "frame/listingfiles.h"

#include <QString>
#include <cstdint>

// Listing records: every line of a single-component listing is written as a
// record of 120 one-byte characters (OEM code page 850) into "c.tmp" (file number
// 7, shown page by page as text page source "#7") and "t.tmp" (file number 6,
// printed). A record is a display type letter, the text and the end mark (254),
// padded with blanks; the record being built lives in WorkStr[22].
// The files stay open between recreations; a rewind sets the position back to
// record 1 without truncating, and the counters ErgZeilenC / ErgZeilenT tell the
// readers how many records belong to the current listing.

// "*", the end mark and 118 blanks.
QString emptyListRecord();

// nC > 0: writes WorkStr[22] to "c.tmp" followed by nC - 1 empty records (the
// same for nT and "t.tmp"); a negative count rewinds that file and zeroes its
// counter. Positive counts are consumed (0 afterwards); WorkStr[22] holds the
// empty record afterwards. A write to a file that is not open, or a counter
// beyond 32767, throws.
void ErgLf(int16_t& nC, int16_t& nT);
void ErgLf(int nC, int nT);

// Start of a Q-list report: language, scratch directories and the group table
// (GrpSum) from the configuration string, then both listing files recreated empty.
void InitDruck();

// Closes, deletes and opens anew "c.tmp" (file 7) and "t.tmp" (file 6) in the
// first scratch directory WorkStr[10]; throws when it cannot be created.
void recreateListingFiles();

