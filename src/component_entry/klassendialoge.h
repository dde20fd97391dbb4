#pragma once
#include <QString>

// The small class dialogues of the component entry. Each reads the class code
// "Bac" (and the housing "Gec") of the component data list in work string 3,
// asks through the selection-menu window or an entry screen, and hands its
// answer back without writing the list. Results: 0 done, 1 cancel, 2 back.

// Complexity of a microcircuit: a value or range with the unit letter "b", "g"
// or "t" ("10K/100Kg", "64Kb"); empty for classes other than 11 to 14 and 16.
int KomplexWahl(QString& K1);

// Typical power dissipation of the class Bac in mW: typed ("ntyp"), or 0.75 of
// a typed maximum ("nmax"), or none. Classes 11 and 16 ask nothing.
int NtypWahl(const QString& Bac, QString& Ntyp);

// Thermal resistance of the housing, asked for classes 1 and 21 in a real
// housing (not "CHIP", "???", "XXX").
int RthGeh(QString& Rte);

// Pin count, asked in the value-input dialog for the classes that need one; a
// count with anything but digits shows message 99 and asks again. Returns 0 or 1.
int BacKlasse(QString& Pin);

// Whether the class needs a pin count.
bool classNeedsPins(const QString& Bac);

// The typed complexity (upper-cased, left-trimmed) when it is a valid number
// with an optional final "K", "M" or "G"; empty otherwise.
QString validComplexity(const QString& typed);
