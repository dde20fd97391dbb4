#pragma once
#include <QString>
#include <QStringList>

// The one writer of component records: adds a record to the internal component
// file, replaces or deletes a record of a block, and keeps the internal name
// index in step, all under the internal file's exclusive lock.
//   blockAddress empty, record given: add (blockAddress, recordIndex, source,
//     records and count receive the block the record went to)
//   blockAddress and record given: replace record recordIndex of records
//   blockAddress given, record empty: delete record recordIndex
// Returns "ok", "dop" (a new designation is indexed already; message 92 unless
// noMessage) or "no" (nothing changed, or the change stopped on a failure).
QString AddBt(QString& blockAddress, int& recordIndex, int& source, const QString& record, QStringList& records,
              int& count, bool noMessage);

// Replaces record recordIndex of blockAddress by record and moves it to the last
// block of the group of its class code (a group change), as one change under the
// lock: the record is never held by neither block nor by both. Designations that
// the old record had already are not duplicates. Results as AddBt; on "ok" the
// arguments receive the new block.
QString MoveBt(QString& blockAddress, int& recordIndex, int& source, const QString& record, QStringList& records,
               int& count, bool noMessage);
