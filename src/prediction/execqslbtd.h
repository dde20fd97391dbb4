#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// First working step of a Q-list prediction: finds the Q-list that the control
// list names (Qlnr, Qtyp, Qyk, Qan), expands it with all sub-lists into "qpo"
// and completes every position with the sections of its component record:
//   - component not found:        ",Err=Btd" in F, the line's own sections stay
//   - malformed item number:      ",Err=FehlerYk" in F
//   - found:                      Q, Z and B from the record; "Typ=" of the record
//                                 put in front when the line names no type;
//                                 a record of class 69.. drops the position
// Sub-list references lose their "Aufl" mark; "Ende" lines and lines with a
// quantity of -1 or less are copied as they stand. MLahm drops every B section.
// With M_ARSoList_act the special failure-rate list (SonderArDatei) is read once
// before the pass: its highest version becomes SonderArVersion of the report,
// and a position whose own designation (Yk with kind S, else An with A, else
// Typ with T) is in the list gets the list's rate as "Arx" in its S section. A
// list that cannot be read ends the run with a message naming the file.
// Returns the head line of the Q-list (the first line of "qpo") and sets Lnr to
// its number, or returns "ABBRUCH" (not found, component file unreadable, cancel).
// cycles, when given, receives the paths of the sub-list circles the expansion
// found (their references stay in "qpo" as positions with ",Err=QslZyklus").
// expanded, when given, is told the number of positions of the expanded list
// before the (slow) completion starts; false from it ends the run there.
QString ExecQslBtd(bool& MLahm, QString& Lnr, bool& M_ARSoList_act, QStringList* cycles = nullptr,
                   const std::function<bool(qint64 positions)>& expanded = {});
