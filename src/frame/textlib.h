#pragma once
#include <QString>
#include <QStringView>

// Small file and text functions that the whole program uses (token splitter,
// blank trimming, existence tests, folder counts). Paths are design paths ("\" separators).

// Token of text that begins at position (from 1), ending before the next character
// that occurs in separators or at the end of text. position moves behind that
// separator and becomes 0 when the token was the last one.
QString ParseString(int& position, const QString& text, const QString& separators);

// text without its leading (trailing) blanks; tabs and line ends stay, unlike
// QString::trimmed.
QString withoutLeadingBlanks(const QString& text);
QString withoutTrailingBlanks(const QString& text);

// True when a file or folder of that design path exists.
bool Exist(const QString& path);
// Number of folders that path names (wildcards allowed in the last part).
int DCount(const QString& path);
