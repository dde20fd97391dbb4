#pragma once
#include <QString>

// The method dialog: fills the method list GlPar through its screens and menus,
// asking only what the list does not hold yet (methods, operating conditions,
// environments, factor, MIL-HDBK-217F quality classes or pi factors).
//   Ret    out: "ABBRUCH" after a cancel that ends the dialog, "Standard" when
//          the standard conditions were chosen and no later screen wrote a
//          result word, otherwise the result word of the last screen
//   MMenu  true: menus inside the open selection-menu window (single-component
//          run); false: each menu in a window of its own (Q-list run)
void ParamWahl(QString& Ret, bool MMenu);

// Environment of the norm and the user list (Env of the method list).
// "ABBRUCH" on cancel, otherwise "".
QString EnvWahl(bool MMenu);
