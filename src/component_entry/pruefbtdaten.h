#pragma once
#include <QString>

// Check listing of the component data: what the program knows of the component
// in WorkStr 2 to 5 (identity, Q section, sub-components, description), written
// as listing records. The caller has rewound the listing and shows it after.
void PruefBtDaten();

// The lines of one data key of the listing ("BtName", "Tsab", "Are", "Vf", ...).
void BtDatenList(QString& Key);

// The housing description of Gec from table GECRTH with its hermeticity, in the
// Windows code page.
QString GehText(const QString& Gec, const QString& Tec);
