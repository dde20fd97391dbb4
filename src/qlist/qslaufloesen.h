#pragma once
#include <QString>
#include <QStringList>
#include <array>

// Expansion of a Q-list with all its nested sub-lists into the work file "qpo" of
// the folder WorkStr 11 (Tp2), which every prediction pass reads:
//   head line       Lnr=<Qz><n>,<identity>,B,<head rest>
//   position lines  as stored, without "!" comments, Rw/Chpfg of their own head
//   sub-list        Lnr=<Qz><n>,<referring line>,Aufl=ja,B,<head rest of the sub-list>
//                   ... its lines, framed the same way ...
//                   Lnr=<Qz><n>,Qm=Ende
//   not expandable  <referring line>,F,Err=QslFehlt   (not found, no designation,
//                                                      file missing/empty/deleted)
//                   <referring line>,F,Err=QslZyklus,Zyklus=<path>
//                                   (refers to a list that already contains it;
//                                    the path names the lists of the circle,
//                                    "IO (A3) > CHANNEL (A6) > IO (A3)")
// Each level pass expands one more level through "qpoh", which then replaces "qpo".

// Expands Q-list Ln (5 digits) of the current letter (WorkStr 16) whose file is
// path. "ABBRUCH" when the user cancelled in the message-list window or the file
// is missing, empty or deleted (message 134); otherwise empty. When sub-lists
// form a circle, a message "QslZyklus" names each path, and cycles (when
// given) receives them.
QString QslAufloesen(const QString& Ln, const QString& path, QStringList* cycles = nullptr);

// A sub-list reference that the expansion left unexpanded (not found, or a
// circle): it opens no frame of lines and has no end line.
bool isUnexpandedSubList(const QString& line);

// "FEHL" no file at path, "LEER" empty file, "FREI" a deleted Q-list, else empty.
QString QslDateiStatus(const QString& path);

// Mode "Del" empties the fields 1..9 of rec; any other mode does nothing.
void RecLeeren(const QString& mode, std::array<QString, 10>& rec);
