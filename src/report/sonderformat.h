#pragma once
#include <QString>
#include <cstdint>

// Appends the text of the current component position (sections in WorkStr 2 to
// 8) in the special result-file format SoFormStr to the row buffer WorkStr(21):
// with "Format=ASCII" one fixed-width column per column item of the format
// ("Typ", "Yk", "An", "Stck", "Sl" left-aligned in their width, "Ar" the mean
// rate times the quantity of the stored method SpNorm followed by CRLF, which
// ends the row). Positions without any designation append nothing. Errors go to
// the error handler (module "XERGFILE").
void AusSonderFilePos(const QString& Stc, int16_t SpNorm, QString SoFormStr, const QString& Modus);
