#pragma once
#include <QString>
#include <QStringList>

// Small building blocks shared by the component entry: the entry screens and
// selection menus asked while the selection-menu window is shown, with the
// results 0 done, 1 cancel, 2 back and 4 help.
namespace entry {

// The language directory + a file name such as "btx\\tec".
QString langFile(const QString& name);

// A selection menu of file (without language directory) through the menu
// interpreter, with AnzTxt empty and ComTop 0. kz receives the chosen code.
int menu(const QString& file, const QString& chapter, QString& kz, const QString& Bez, int PopNr, int AddButt);

// An input screen of file (without language directory) on the entry array
// EingabeFelder, whose elements listed in clear (entry-field digits) are emptied
// first. Ret receives the result word.
int screen(const QString& file, const QString& chapter, const QString& clear, QString& Ret, int AddButt = 3);

// The entry array EingabeFelder of the selection-menu window.
QStringList& felder();

// Entry field d of the last screen (empty when the array is shorter).
QString field(int d);

// Side panel 1.
void panel(const QString& text);

// Text without trailing / leading blanks (a blank is " " only, as the screens
// fill their fields).
QString rtrim(const QString& text);
QString ltrim(const QString& text);

} // namespace entry
