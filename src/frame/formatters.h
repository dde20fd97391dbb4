#pragma once
#include <QString>

// Number with an optional unit, converted through the units list EinhListe into
// twips (a number without unit is taken in the Cf key DefUnit). False (value 0)
// when no number stands at the start or the unit is not in the list.
bool ValUnit(const QString& text, double& value);
