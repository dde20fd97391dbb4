#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// Dialogue chapter files ("*.dia") and text files of the language directory. Both
// are OEM text with CR LF line ends; in memory each character carries its byte.
//
// A chapter starts after a head line that is exactly "?", the name and the end
// mark (254), and runs to the next line beginning with "?" or the end of the file.

// All lines of a text file (line ends removed); std::nullopt when it cannot be read.
std::optional<QStringList> readOemLines(const QString& designPath);

enum class ChapterStatus { Found, FileMissing, ChapterMissing };

struct Chapter {
    ChapterStatus status = ChapterStatus::FileMissing;
    QStringList lines; // the chapter's lines as they stand in the file
};

// The chapter kap of the dialogue file designPath (with extension). An empty kap
// takes the file from its first line. A head on the file's last line counts as
// missing: such a chapter has nothing to show and nothing that could end it.
Chapter readChapter(const QString& designPath, const QString& kap);

// One line of a chapter, taken apart: type letter, text, flag character.
struct DiaLine {
    QChar type;
    QString text;
    QChar flag;
};

// Removes trailing blanks and splits; std::nullopt for a line that is then empty
// or a single character (neither takes a screen row).
std::optional<DiaLine> splitDiaLine(const QString& raw);

// Applies the flag character (hyphenFlag appends "-") and the carets ("^" is a
// blank; a "^" at the end of the text is dropped).
QString finishDiaText(const QString& text, QChar flag, QChar hyphenFlag);

// Replaces the first "RET$" of a line.
QString replaceRet(const QString& raw, const QString& ret);

// Key list of an input screen line: ",13" plus ",9", ",27", ",59" for "<TAB>",
// "<ESC>", "<F1>" in the text, closed by ",".
QString keyListOf(const QString& text);

// A marker inside a screen line (character 175 and a letter).
struct DiaMarker {
    bool found = false;
    int pos = 0;          // position of character 175 in the text, from 1
    QChar key;            // the character behind the letter (action, toggle) or the field digit
    int end = 0;          // action: pos + 3; toggle and entry: position of character 174 (0 when none)
    QString rest;         // the text behind the marker
};
DiaMarker findActionMarker(const QString& text);
DiaMarker findClosedMarker(const QString& text, QChar letter); // "B" toggle, "E" entry

// A button of a button row ("S" line): segment caption and key name.
struct RowButton {
    QString caption;
    QString keyName;
};
// Segments separated by character 221 that hold a key name in angle brackets
// (all but "F1"), in row order.
QList<RowButton> parseButtonRow(const QString& text);

// The 120-character record that a text-file line becomes on a text page.
QString textPageRecord(const QString& line);
