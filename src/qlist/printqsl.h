#pragma once
#include <QString>

// Printout of one Q-list file: every line of the file on one or more printed
// lines (broken at the print width), under a page head that names the Q-list.
// Position lines are shown compactly: the quantity right-aligned in 7 characters,
// the kind of the position (",Bt ", ",Qsl", ",Mod"), the columns the setting
// QslDruck selects (1 designations, 2 Sl, 3 both, 0 neither), then the S section
// with everything behind it and the comment.

// Finds the Q-list that desc names (keys tried in the order Ln, Typ, Yk, An, the
// first that finds one wins) in the current database and prints it; message 162
// when none is found. ADruck prints at once, otherwise the preview shows the job.
// Returns the empty text, or "ABBRUCH" when no Q-list was found or a run-time
// error ended the printout.
QString PrintQSL(const QString& desc, bool ADruck);

// Prints Q-list Ln (5 digits) of the current database (WorkStr 16). An empty
// file gives message 112 and a job without pages.
void DruckQsl(const QString& Ln, bool ADruck);

// The printed form of a position line (with a quantity) for a QslDruck setting.
QString printedPositionLine(const QString& line, int qslDruck);
