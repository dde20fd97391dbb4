#pragma once
#include <QString>

// The output options of a new Q-list profile, asked in the screens of
// "qsl\para" and appended to the control list SyPar: printed sections (Qpdr),
// the ranking limits (Qs%, Bt%), the parts of a component line (Qpbt), the
// result-file sections (Qpsp, only with MErgDat), the printout language (Ld),
// reference or operating conditions (Re), maximum values only (Mmax).
// Ret out: "ABBRUCH" when the last screen was cancelled, "SPEICH" when the
// parameters are to be stored as a profile, otherwise the last screen's word.
// Only the last screen decides about a cancel: the earlier ones keep their
// toggles as they stood and the sequence goes on.
void AusgabeWahl(QString& Ret, bool MErgDat);
