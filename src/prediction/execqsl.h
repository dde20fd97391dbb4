#pragma once
#include <QString>

class QslLineWriter;
class WorkFilePass;

// The calculation passes over the completed position file "qpo".
//
// Pass 1 follows the nesting of the sub-lists: a "Qsl" line opens a level whose
// temperature rise (Dtu) and percentage factor (Zf) add to and multiply those of
// the level above, and every position below it gets them as Dtr and Zfr before
// its operating conditions are evaluated (PosBelastung) and its norm and
// user-list rates computed (FitNorm). Each level counts the connections of its
// own positions (Nev times quantity); its "Ende" line, and the end of the file
// for the Q-list itself, is preceded by a summary position of class 5112 whose
// quantity is that count. Pass 2 (only when the methods hold "2") computes the
// MIL-HDBK-217F rates of every position, the summary positions included.
//
// MLahm drops intermediate factors from the results; MHwNw_act also counts the
// connections on the main path and is cleared (with HwNw of the control list)
// when tarn.ini section "Hauptweg" gives no class list. Returns "" or "ABBRUCH"
// (cancel in the message list, or a database error of the calculation).
QString ExecQsl(bool& MLahm, bool& MHwNw_act, bool& M_ARBewertung_act);

// Writes the summary position of a level to the output of the pass when its
// connection count, rounded to a whole number once, is above 0: "Stck=" count,
// ",Q,Bac=5112", computed by FitNorm when norm is set, ",Tb=" Tu when its Tref is
// below the run's Tu, and ",Stck_Hw=" the main-path count when above 0. Both
// sums are reset then; SumLine receives the line. Otherwise nothing changes.
void QslSumPos(double& sum, double& sumHw, bool norm, QString& SumLine, bool M_ARBewertung_act, WorkFilePass& out);
