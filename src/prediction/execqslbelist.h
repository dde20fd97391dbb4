#pragma once
#include <QString>

// Writes the component record of every position of a Q-list (its nested
// sub-lists included, in the order of the expanded list) into a text file that
// the user names in a Save dialog; one line per position whose component the
// component file holds. No component found: no dialog, no file.
//   Lnr  "Ln=" and the five-digit number of the Q-list of the current database
// The file is written whole or not at all: a cancel in the message-list window
// or a component file that cannot be read leaves no file and is reported.
void ExecQslBEList(QString& Lnr);
