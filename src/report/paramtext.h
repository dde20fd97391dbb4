#pragma once
#include <QString>

// The conditions under which the failure rates of a prediction hold (methods,
// environments, temperature and fan air, operating time, global MIL-HDBK-217F
// quality classes and factors), from the method list GlPar (WorkStr(1)).
// Mode "E" and "QC": listing records with a head (QC adds the operating-time
// line); "QD": printed lines (MDruck) and/or result-file rows appended to
// WorkStr(21) (MFile) plus listing records; "ZC": lines of the message list.
void ParamText(const QString& Mode, bool MDruck, bool MFile);
