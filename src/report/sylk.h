#pragma once
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// The result file of a Q-list report in the symbolic link format (SYLK). The
// sections turn their rows into cell records with SylkZeile at the running cursor
// of reportState(); the driver gathers the records in Tp1 "ergfile" and frames
// them at the end with the head file "slk-kopf.txt", the bounds record, the
// column widths and the end record. Files are Windows-1252 with CRLF.

// Column widths 1..30 of the result file (index 0 unused).
using SlkWidths = std::array<int16_t, 31>;

// Cell records of the tab-separated cells of line at the cursor, each ending in
// CRLF; empty for a blank line. Format codes: -1 bare value, 0..2 numbers with
// 0..2 decimals (pictures 1..3), 3..5 the same in pictures 4..6, 9 text in
// picture 10 with alignment align ("G" when empty). rowPre and colPre move the
// cursor before the first cell (a negative colPre goes back to column 1);
// rowAdd and colAdd move it after the line (a negative colAdd goes back to
// column 1), also for a blank line.
QString SylkZeile(const QString& line, int rowAdd, int colAdd, int fmt, const QString& align = QString(),
                  std::optional<int> rowPre = std::nullopt, std::optional<int> colPre = std::nullopt);

// Raises the widths by a comma list ("4,16,13,10,8"): the k-th value raises
// column k when it is larger; empty or non-numeric values leave their column.
void mergeSlkWidths(SlkWidths& widths, const QString& list);

// Writes the framed result file: the lines of headFile, the bounds record from
// the cursor, the widths, the lines of cellsFile, "E". The file is replaced
// atomically; on failure the previous file (or none) stays and this throws.
void writeSylkFrame(const QString& resultFile, const QString& headFile, const QString& cellsFile,
                    const SlkWidths& widths);

// Copies the lines of cellsFile into resultFile (a special format: no frame),
// atomically like writeSylkFrame.
void copyResultLines(const QString& resultFile, const QString& cellsFile);
