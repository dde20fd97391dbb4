#pragma once
#include <QString>

// Asks the four-character technology code "Tec" of the class Bac through the
// menus of "btx\tec" (and, for class group 4 when the run computes
// MIL-HDBK-217F, the technology screen of "btx\tecm"). Side panel 1 shows the
// component data with the code built so far. Returns 0 go on (Tec set), 1 cancel
// and 2 back to the class menu (Tec empty); a class outside groups 1 to 7
// returns 0 at once with Tec as it was given.
int EingabeTec(const QString& Bac, QString& Tec);
