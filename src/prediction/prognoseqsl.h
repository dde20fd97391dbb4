#pragma once
#include <QString>

// Runs the complete prediction of one Q-list with all its sub-lists.
//   desc       empty: the Q-list is asked in screen "suchqz" of "qsl\kopfpos";
//              otherwise a parameter string whose first of Ln, Typ, Yk, An with
//              a value names the Q-list
//   progmodus  "standardprof.ql" (profile "Standard"), "selectprof.ql" (the user
//              picks a profile), "newprof.ql", "newprofspstd.ql",
//              "newprofspwahl.ql" (new profiles, asked in dialogs), or the name
//              of a stored profile
//   ADruck     unattended: printed at once, a result file named automatically
// Effects: the printout (or its PDF), the result file, the archive entries.
// True when the run went through to its output; false when it stopped (the user
// was told why) or was cancelled, and when the Q-list contains itself through
// its sub-lists (message "QslZyklus"; the output is made, without the positions
// of the circle, which the error list names).
bool PrognoseQsl(const QString& desc, const QString& progmodus, bool ADruck);
