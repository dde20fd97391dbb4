#pragma once
#include <QString>
#include <cstdint>

// Parameter strings: comma-separated key=value items, case-sensitive keys, an
// optional final end mark (254). Section markers such as ",Q," are plain items.
//
// A key matches only where it stands at the start of the list or directly after a
// ",": "XTyp=1,Typ=2" reads Typ as 2, and setting A in "XA=1,A=2" changes the
// second item. Brace keys ("{Bez") match anywhere and take their value up to "}".

QString GetParam(const QString& list, const QString& key);

// For each key of the comma list keys: replace its value, remove the item when
// value is empty, or append ",key=value" when absent. An empty key ends the list.
void SetParam(QString& list, const QString& keys, const QString& value);

struct ParamPair {
    QString textMin;
    QString textMax;
    double valueMin = 0; // single precision
    double valueMax = 0;
};
// The pair "min/max" under key; a single value stands for both.
ParamPair GetParamPair(const QString& list, const QString& key);
// Same, each converted to the nearest 16-bit integer (half to even); overflow throws.
void GetParamPairInt(const QString& list, const QString& key, int16_t& valueMin, int16_t& valueMax);

// n-th item (from 1) of a comma list; empty when absent.
QString ListItem(const QString& list, int n);

// Whether item is one whole token of list (tokens split at any of separators).
bool InListe(const QString& list, const QString& item, const QString& separators);

// Identity key for an item-number column letter: "T" Typ=, "S" Yk=, else An=.
// The letter is cut to its first character in the caller's variable.
QString NrKeyOfCol(QString& letter);

// Position (0-based) of the first occurrence of key+"=" at the start or after ","
// (anywhere for brace keys); -1 when none.
qsizetype findParamKey(const QString& list, const QString& key);
