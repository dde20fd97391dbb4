#pragma once
#include <QString>

// Turns a parts list kept in a workbook (.xlsx or .xls, first worksheet) into
// the Q-list text file "importtemp" in Tp2, ready to be stored by QslInDb.
// Layout: row 1 the head (column 3 kind T/S/A, 4 designation, 6 Tec, 7 Code,
// 8 Anlage), row 2 column 4 the description, from row 3 on one row per line:
// column 1 "X" a text row (cells 2 to 9), empty a position (2 quantity, 3 kind,
// 4 designation, 5 Sl, 6 "Q" sub-list mark, 7 to 9 comment), anything else the
// end of the list; without such a row the list ends after the last used row.
// Designations and Sl values that had to change are listed in "importfehl.txt".
//
// Qadrq: on entry the workbook's path; on success the path of "importtemp".
// Returns true only when the whole list was read and written: a head that fails
// its checks (messages 543, 544, 545, 120), a workbook that cannot be read, or
// a file that cannot be written leave "importtemp" as it was and give false.
bool LesenSLExcel(QString& Qadrq);
