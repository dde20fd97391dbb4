#pragma once
#include <QString>

// The position table of the SYLK result file: the rows show the failure rate of
// the stored method (1 norm, 2 user list, 3 MIL-HDBK-217F) with the factors that
// produced it. The writers append their records to WorkStr(21); the sections of
// the current position are in WorkStr(2..8) (PosTrenn) and Stc is its quantity
// part. Both leave the designation of the row in WorkStr(20).

// The title row and the two column-title rows of the table for the stored
// method SpNorm (only the title for any other value), appended to WorkStr(21).
void writePositionTableHead(int16_t SpNorm, bool MHwNw, bool M_ARBew);

// The row of a condensed sub-Q-list line of "pol".
void AusFileQslPos(const QString& Stc, int16_t SpNorm, bool MHwNw, bool M_ARBew);

// The row of a component position.
void AusFileBtDetail(const QString& Stc, int16_t SpNorm, bool MHwNw, bool M_ARBew);
