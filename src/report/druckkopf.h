#pragma once
#include <QString>

// The head of a printed Q-list report or list: page head with the kind of
// document and the Q-list's designation, the identity line (number, technology,
// code, plant), the description and a rule; the same as result-file rows (the
// first row starts WorkStr(21) afresh) and, with out, as upper-case text lines.
// Kind: "" or "BS2" prediction report, "Fehl" error list, "QRM" feedback form,
// any other text a message id; it is replaced by the id of the title.
void DruckKopf(QString& Kind, bool MDruck, bool MFile, bool M_ARBew, QString* Out = nullptr);

// Method title of the head and the total: message 291 (with the weighting mark
// when weighted), 292 or 293 for method 1, 2, 3 in a language; empty otherwise.
QString methodTitle(int method, bool weighted, int language);
