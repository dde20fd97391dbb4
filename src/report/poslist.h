#pragma once

// Condenses qpo (Tp2) into the position list "pol" of the same folder: every
// top-level line once, an expanded sub-list replaced by its opening line whose R
// section holds the per-unit totals of the sub-list ("Pos=", "Fein=", the method
// sums and, with MHwNw, the main-path sums) and whose F section gains the warnings
// "FepQsl", "FepAll", "FepSin", "FepMil". Re-uses FitSum and FitSumHw of
// reportState() as block sums and leaves them zero. Errors go to the error
// handler (module "XAQP"); false after one.
bool PosList(bool MHwNw);
