#pragma once
#include <QString>

// The report of a Q-list prediction, called once per run by the prediction run
// inside its open print job, after the calculation has rewritten qpo: the error
// list, the printed sections chosen by the control list (SyPar keys "Qpdr",
// "Qpsp", "Ld", "Qz", "Mmax", "Soform", "HwNw") and the result file ErgFile
// (SYLK, or the lines of a special format), then the clean-up of Tp1 and Tp2
// (files the print job and the listing records hold open stay).
// ErgFile is trimmed and ProgFehlFile may be emptied in place; MNurFehl is set
// when the error list stops the report.
void DruckQslProg(bool ADruck, QString& ErgFile, QString& ProgFehlFile, bool MArchPage, bool& MNurFehl,
                  bool M_ARSoList, bool M_ARBew);
