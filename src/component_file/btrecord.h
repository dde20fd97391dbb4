#pragma once
#include <QString>
#include <QStringList>
#include <array>

// A component record (Btd) is one line: identity items (Typ=, Yk=, An=), then
// ",Q," and the component data, optionally ",Z," with sub-components and ",B,"
// with the description. A component key is the designation padded to 18
// characters and the kind letter T (type), S (item number) or A (user number).

inline constexpr int KeyLength = 19;  // designation (18) and kind letter
inline constexpr int DesignationLength = 18;
inline constexpr int MaxKeysPerRecord = 20;

// Splits a record into WorkStr slots 2 (identity), 3 (Q section), 4 (Z section)
// and 5 (description, converted from OEM when it holds OEM umlauts).
void BtdTrenn(const QString& record);

// The lines of a block file's text as they stand, without their line ends (CR LF
// or LF); empty lines are skipped.
QStringList blockLines(const QString& text);

// Splits a block file's text into records (1-based; element 0 unused), each line
// trimmed; empty lines are skipped, a line of blanks gives an empty record. The
// text is consumed. Sets BtSatzNr to 1.
void ZerlegBtBlock(QString& text, QStringList& records, int& count);

// The key table of a record's old (column 1) and new (column 2) state: rows 1 to
// 20, each the 19-character key and a flag: "G" old key, "N" new key, "*" key in
// both states, "D" new key indexed already.
struct TsaTable {
    std::array<std::array<QString, MaxKeysPerRecord + 1>, 3> Tsa; // [column][row]
    std::array<int, 3> AnzTsa{};                                   // rows per column; -1 too many keys
};

// Fills column Sp with the keys of a record: every type, then every item number
// (in the normal form of SachNrForm), then every user number. Returns true when a
// designation is longer than 18 characters; Zulang then names the last one of
// each kind (",Typ=...,Yk=..."). With MZulangWeg such a designation gets no key,
// otherwise its key holds the first 18 characters. An item number that the
// normaliser rejects gets no key. A record with more than 20 designations goes to
// the error handler and leaves AnzTsa(Sp) at -1.
bool UmfoBtTsa(const QString& Btd, int Sp, TsaTable& table, bool MZulangWeg, QString* Zulang = nullptr);

// The key of one designation: padded or cut to 18 characters, then the letter.
QString componentKey(const QString& designation, QChar kind);
// True when every character of a key sorts below the free-entry marker, which
// the index needs to keep its order (character codes below 254).
bool keySortsBelowFree(const QString& key);
// The identity part of a record: the text before the first ",Q,".
QString identityPart(const QString& record);
// True when the record's own identity items give the key (exact comparison of
// parsed items, never a text search in the record).
bool recordHasKey(const QString& record, const QString& key);
