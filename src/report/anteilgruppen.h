#pragma once
#include <QString>

// How the total failure rate divides among the component groups of the
// configuration (Cf keys "Ag", "Gnd<g>", "Gne<g>"): one table per method whose
// total is free of errors, the groups by falling share and a sum row. MDruck
// prints the tables; MFile appends the table of the stored method (GlPar
// "Spnorm") as SYLK rows to WorkStr(21). Reads GrpSum, FitSum and FitSumOk of
// reportState() and "Sumstc" of the totals list res; MArchPage goes with a page
// break into the archive copy.
void AnteilGruppen(const QString& res, bool MDruck, bool MFile, bool MArchPage);
