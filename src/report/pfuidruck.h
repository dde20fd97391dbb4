#pragma once
#include "report/printroutines.h"

#include <QString>
#include <cstdint>

// Prints the ranking list of kind "qs" (sub-Q-lists) or "bt" (components) for
// every method of the run, from the sorted percent files in Tp2, largest share
// first; a method without error-free totals, an empty file and a file too long to
// sort print their message under the heading instead.
void DruckPfui(const QString& kind, bool MArchPage);

// The entry block of one sub-Q-list line (sections in WorkStr 2 to 8) under the
// method label Nname ("YK ", "AWS", "MIL"): the rate or range with its share, the
// description broken over the lines, then its error and warning lines. No lines
// for a quantity or rate of 0. Errors go to the error handler (module "XAQP").
void AusPfuiQslPos(const QString& Nname, const QString& Stc, ReportBlock& Poz, int16_t& Apz);

// The entry block of one merged component line: the rate, the component text
// and its warning lines. Takes "ARBew" (user list and MIL) and the percent key
// out of the R section (WorkStr 8).
void AusPfuiBtPos(const QString& Nname, const QString& Stc, ReportBlock& Poz, int16_t& Apz);
