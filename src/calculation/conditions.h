#pragma once
#include <QStringList>

// Operating conditions of the position in the work strings: ambient temperature
// Tur, passed-down rise Dtr and operating share Zfr, the limits of voltage,
// current and temperature, the connection count Nev and the body (Tb) or
// junction (Tj) temperature; written to slot 8, codes to slot 7, working values
// to RunStr/RunVal. Runs before the failure-rate models.
// With SecondaryPathFlag non-zero, a class code that begins with one of
// SecondaryPrefixes marks the position ",Nbw=true".
void PosBelastung(int SecondaryPathFlag, const QStringList& SecondaryPrefixes = {});
