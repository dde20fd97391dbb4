#pragma once
#include <QString>

// Comments to the results of a single component: the blocks of the comment file
// "btx\kbn.txt" of the language directory whose condition holds are appended to
// the listing, under a heading written before the first of them.
void KommErg();

// Whether the condition cond (key=value items: Norm, Arh, Art, Env, Bac, Tec,
// Gec, Zf, Qklm) holds for the methods, results and data of the current
// component. cond loses the keys it has tested.
void KommBedingung(QString& cond, bool& result);
