#pragma once
#include <QString>

class QtInteraction;

// A filter of the program's file questions ("Text|pattern|Text|pattern", the
// patterns of one filter joined by ";") in the form of Qt's file dialog:
// "Text (pattern pattern);;Text (pattern)".
QString qtFileFilter(const QString& filter);

// Answers the questions of the Q-list import: "input" (a one-line text, such as
// the letter of the target database; data "title" is the window title) and
// "open" (a file to read; data "dir", "file" and "filter" as for "save").
void registerQslImportWindows(QtInteraction& ui);
