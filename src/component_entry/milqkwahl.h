#pragma once
#include <QString>

// The MIL-HDBK-217F quality class of one device family, chosen in a key-choice
// screen of "btx\milq" ("qkl1" family 1, "qkl2" families 2 and 3, "qkl4" family 4,
// "qkl5" family 5). Ret becomes the class code of the key chosen ("" when the
// choice ended without one); for any other family Ret keeps its value. The key
// list is left in RunStr slot 0.
void MilQkWahl(const QString& Family, QString& Ret);
