#pragma once
#include "report/reporttext.h"
#include "report/sylk.h"

#include <QString>
#include <array>

// Print and file flags of the report sections, index 1..8 (0 unused).
using SectionFlags = std::array<bool, 9>;

// The total result of the run: a summary in the message list (always) and, when
// dr[1] is set, the printed total block; then the notes on weighting and on the
// special failure-rate list, the run parameters, the count lines, the definition
// of fit and a closing rule. Reads the run totals of reportState().
void DruckGesamt(const QString& res, const ErrCounts& Errg, const SectionFlags& dr, bool MitAnzahl, bool M_ARBew,
                 bool M_ARSoList);

// The total result of the stored method (GlPar "Spnorm") as SYLK rows appended to
// WorkStr(21), when sp[1] is set; the notes, the run parameters, the definition of
// fit and the count row in any case. May set the widths of columns 1 to 5.
void AusFileSumme(const QString& res, const ErrCounts& Errg, const SectionFlags& sp, bool MitAnzahl,
                  SlkWidths& SlkBreite, bool MHwNw, bool M_ARBew, bool M_ARSoList);
