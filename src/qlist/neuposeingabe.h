#pragma once
#include <QString>

// New positions of the Q-list open in the editor (Program::QslEdit): each accepted
// position line is appended as a new last row of the editor's grid.
//
// Without an identity the screen "neupos" of "qsl\kopfpos" asks quantity,
// designation, kind letter (T Typ, S Yk, A An) and an optional sub-Q-list flag Q
// in one field ("2,BC847,T"), the reference designator Sl and a comment, again
// and again until the user cancels. With an identity ("Typ=BC847") the screen
// "neube" asks the quantity, Sl and comment of that one component.
// True when at least one line was appended; false after a cancel before any, and
// when no editor is open.
bool NeuPosEingabe();
bool NeuPosEingabe(const QString& identity);
