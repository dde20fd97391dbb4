#pragma once
#include <QString>

// The run parameters of a prediction travel in two parameter strings of the
// work-string array and in the run-string slots:
//   SyPar  (WorkStr 0)  control list: what to do and what to output
//                       Pw, Qpdr, Qs%, Bt%, Qpbt, Qpsp, Ld, Re, Mmax, HwNw,
//                       ARSoList, ARBewert, File, Qz, Qlnr, Qtyp, Qyk, Qan, Soform
//   GlPar  (WorkStr 1)  method list: how to compute
//                       Norm, Tu, Vl, Env, Envm, Zf, Qk1m..Qk5m, pi q1em..q5em, Spnorm
//   RunStr 1            the method digits of the run (a copy of Norm)
// Every other RunStr slot is scratch of the procedure that sets it.
// GetParam reads the first occurrence of a key; a key appended twice stays
// invisible behind the first one.

QString& SyPar();
QString& GlPar();

// A flag key counts as set when the numeric value of its text is not 0
// (HwNw, ARSoList, ARBewert).
bool flagSet(const QString& list, const QString& key);
// Mmax counts as set exactly when its numeric value is -1.
bool maxOnly(const QString& list);

// Whether the method digits hold a digit ("1" norm, "2" MIL-HDBK-217F, "3" user list).
bool methodIn(const QString& digits, QChar digit);

// The stored form of a method list: every pi marker written as "{pi}", and back.
QString methodListToStored(QString methods);
QString methodListFromStored(QString stored);
