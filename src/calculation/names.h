#pragma once
#include <QString>

// Component names by class code (table SINNAME), completed by the pin or contact
// count or the complexity class, for listings, reports and editors.

// Name of the component of slot 3 with its sub-components of slot 4 ("Qsl" for a
// sub-Q-list); Language 1 German, 2 English.
QString PosBtName(int Language);

// Name of one component record; NameColumn "N1" or "N2". Fills RunStr 17 to 20
// and 22; a class without name appends ",Warn=BtName" to slot 7.
QString BtName(const QString& ComponentData, const QString& NameColumn);

// Complexity class (SSI .. SLSI) or count (Kompl) and complexity text (Text) of an
// integrated circuit; an output that no rule sets keeps the caller's value.
void KomplexText(const QString& ComponentData, QString& Kompl, QString& Text);
