#pragma once
#include <QString>

// The guided entry of the data of one component, asked in the selection-menu
// window: class (menu "hg" of "btx\bac"), technology, a check against the
// norm's failure-rate table, complexity, an individual failure rate where the
// table has none, and the class-specific data (housing, pins, thermal
// resistance, limits). The answers are left as the component data list
// "Bac=...,Tec=...,..." in work string 3, which side panel 1 shows as it grows.
// Ret is "ABBRUCH" when the user cancelled a step (the list keeps what was
// answered up to then), otherwise never "ABBRUCH".
void EingabeBauteil(QString& Ret);
