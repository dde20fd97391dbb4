#pragma once
#include <QString>
#include <QStringList>

// Look-up of component records.
// Kind of search: 0 the internal, then the external file; 1 internal only;
// 2 external only. Source: 1 internal, 2 external.

// Looks up the component named by the identity part in WorkStr slot 2: every item
// number, then every user number, then every type; the first record found wins.
// Returns 1 (search done; record empty when nothing is indexed), 0 (an index page
// or a block could not be read, or is missing or damaged), -2 (the index names a
// block without the record: the block is damaged), -3 (no searchable
// designation). 0 and -2 mean that the component file cannot be trusted: the
// user was told which file, and the caller must not take the record as missing. record is "FehlerYk" when an item number was rejected
// and nothing later was looked up.
int SuchBtTsa(int kind, QString& blockFile, QString& blockText, QString& record);

// The component keys SuchBtTsa searches for an identity, in its order; an empty
// entry stands where an item number was rejected (the later item numbers are
// not searched). Everything else in the identity (quantities, designators "Sl=",
// comments) does not change what is found: two identities with the same keys
// find the same record.
QStringList componentSearchKeys(const QString& identity);

// Looks up one 19-character component key. Returns the source (1, 2) when found,
// -1 when the key is not indexed, -2 when the indexed block does not hold a record
// with that designation, 0 when an index page or a block could not be read. With recordIndex the
// block is split into BtSatz (blockText is consumed) and the record's position
// there is returned (0 when none).
int HolBtInh(int kind, const QString& key, QString& blockFile, QString& blockText, QString& record,
             int* recordIndex = nullptr);

// Reads a whole block (the last five characters of blockAddress) into BtSatz.
// Returns the source (1, 2), -1 when the block file exists in neither file, 0 when
// it exists but cannot be read, -2 when it holds no record.
int LiesBtBlock(const QString& blockAddress, int kind);
