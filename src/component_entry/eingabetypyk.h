#pragma once
#include <QString>

// Asks the identity of one component in the screen "tsa" of "btx\tsabrth":
// type designation (field 1), YK item number (field 2), user number (field 3).
// Ident becomes "Typ=", "Yk=" or "An=" with the designation (the last filled
// field of the three wins), Key the designation padded or cut to 18 characters
// and the letter "T", "S" or "A". A wrong item number shows message 67 and asks
// again with only that number. Ret is "ABBRUCH" after a cancel; Ident and Key
// then keep what the screens gave so far.
void EingabeTypYk(QString& Ident, QString& Key, QString& Ret);
