#pragma once
#include "report/reporttext.h"

#include <QString>
#include <array>

// Adds up the computed work file qpo (Tp2) into the run totals of
// reportState(): FitSum, FitSumHw (with mainPath), FitSumOk and, with
// groupTotals, the group table GrpSum. Errg is incremented; res receives
// ",Anzposq=", ",Anzposb=", ",Nfein=" and ",Sumstc=". Errors go to the error
// handler (module "XAQP"); after one the keys are not appended and false is
// returned.
bool TotalSum(QString& res, ErrCounts& Errg, bool MHwNw, bool M_Stat);

// Up to three lines (index 1..3, one per method with a positive result, in method
// order) of the results of the current position (R section in WorkStr(8)): the
// label, the rate or range and the position's contribution in fit. Entries above
// the number written keep what the caller put there.
void FitText(const QString& Stc, std::array<QString, 4>& lines);
