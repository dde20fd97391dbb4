#pragma once
#include <QString>

// Lets the user pick a directory and, where wanted, a file. Returns "ABBRUCH" when
// cancelled; otherwise in mode 2 the chosen file name (without its directory, empty
// when none was chosen), in mode 3 the chosen directory, in other modes the empty
// text. On this system there are no drive letters: path is a directory path.
// Asks the Interaction service (kind "dirfile", key = title); the window answers
// with the directory in Answer::text and the file name in Answer::values[0].
QString GetDirFile(const QString& path, const QString& title, bool showFiles, bool followDirectory, int mode);
