#pragma once
#include <QString>
#include <QStringView>

// Small file and text functions that the whole program uses (token splitter,
// counts, searches, existence tests). Paths are design paths ("\" separators).

// Token of text that begins at position (from 1), ending before the next character
// that occurs in separators or at the end of text. position moves behind that
// separator and becomes 0 when the token was the last one.
QString ParseString(int& position, const QString& text, const QString& separators);

// text without its leading (trailing) blanks; tabs and line ends stay, unlike
// QString::trimmed.
QString withoutLeadingBlanks(const QString& text);
QString withoutTrailingBlanks(const QString& text);

// Number of occurrences of ch in text.
int InCount(const QString& text, QChar ch);

// Position (from 1) of the first character of text at or behind start that occurs
// in table; 0 when none. InstrTblB with start -1: position of the last occurrence.
int InstrTbl(int start, const QString& text, const QString& table);
int InstrTblB(int start, const QString& text, const QString& table);

inline int MaxInt(int a, int b) { return a > b ? a : b; }
inline int MinInt(int a, int b) { return a < b ? a : b; }
inline long MinLong(long a, long b) { return a < b ? a : b; }

// True when a file or folder of that design path exists.
bool Exist(const QString& path);
// Number of folders that path names (wildcards allowed in the last part).
int DCount(const QString& path);
// Number of files matching a pattern such as "tp1\*.*".
int FCount(const QString& pattern);
