#pragma once

class QtInteraction;

// Answers the questions of the Q-list import: "input" (a one-line text, such as
// the letter of the target database; data "title" is the window title) and
// "open" (a file to read; data "dir", "file" and "filter" as for "save").
void registerQslImportWindows(QtInteraction& ui);
