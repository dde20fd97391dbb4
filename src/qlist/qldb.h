#pragma once
#include <QString>
#include <array>
#include <functional>

class Database;

// Q-list databases: one SQLite file "qldb.sqlite" per database letter in the folder
// "dbase_" + letter below the Q-list root (WorkStr 15 holds root + "\dbase_"). Table
// "qldb" indexes the heads of the Q-lists; their contents stay in the Q-list files.
//
// Stored values are padded with blanks to their column width; an empty field is
// NULL, so the unique columns (type, user number, item number with stand) admit
// any number of Q-lists without them. Deleting keeps the row (DELETED "1", all else
// NULL): the numbers are dense, row count = highest number + 1. Text comparisons
// are case-insensitive, as users expect of designations.

// Creates "qldb.sqlite" with its table and indexes in an existing folder that does
// not yet hold one. Throws on any error.
void Create_Db(const QString& folder);

// Opens the database of the folder in the lowest free slot and returns it (1..30),
// or 0 after a message: 150 all slots in use, 48 folder or file missing, 429 file in
// use, 473 any other database error. count receives the number of rows; check = 1
// warns with message 139 when the numbers are not dense. Exclusive keeps other
// programs out while it is open.
int Open_Db(const QString& folder, long& count, int check, bool exclusive = false);
int Open_Db(const QString& folder, int check = 0, bool exclusive = false);
// Closes the database of an open slot and frees the slot.
void Close_Db(int slot);
// The database of an open slot (throws for a free slot).
Database& dbOfSlot(int slot);

// Writes QslRec (fields 1..9; field 2 "*" stores the number as deleted) as the row
// of its number: the old row is replaced in one transaction, so a failed write keeps
// it. Returns 1 when stored with all fields, -1 when stored without its identity
// (type, item number or user number of another Q-list) or not stored after message
// 429 (row locked). Any other database error shows message 473 and ends the program.
// The padded values stay in QslRec. beforeCommit runs inside the transaction,
// after the row is written and before it counts; when it throws, the row stays
// as it was and the exception goes on to the caller. committed (when given) is
// set once the row counts.
int NewRec_Db(int slot, const std::function<void()>& beforeCommit = {}, bool* committed = nullptr);

// Reads the row of number position - 1 into record fields first..last; a deleted
// row gives field 1 = its number and field 2 = "*". Sets status to "T". Throws
// when the number does not exist.
void ReadRec_Db(int slot, long position, std::array<QString, 10>& record, QString& status, int first = 1,
                int last = 9);

// Opens the database of the folder, writes QslRec with NewRec_Db, closes it.
// Returns the result of NewRec_Db, or 0 when the database could not be opened.
int SaveRec_Db(const QString& letter, const QString& folder);

struct SuchLnResult {
    QString found;     // five digits, empty when none, "ERROR" for a malformed item number
    long position = 0; // number + 1 of an exact match
    QString shown;     // kind 7: designation found by the stand search
    QString stands;    // kind 7: the stored stands, ", " joined
    QString standNote; // kind 7, mode "0": "Stand" when the asked stand was not stored
};

// Finds the Q-list of key by kind 1 (number), 2 (type), 4 (user number) or 7 (item
// number with stand; mode "0" takes the highest stored stand when the asked one is
// missing, "1" only when no stand was asked, "2" exact match only). Other kinds
// find nothing. A malformed item number shows message 140. Only reads.
SuchLnResult SuchLn_Db(const QString& letter, int slot, int kind, const QString& key, const QString& mode);

// Allocates the next free number of the database and reserves its row, in one
// write transaction, so two users never get the same number: the lowest deleted
// number, else the highest + 1 (creating the folders of the Q-list files when it
// ends in "00"). The reserved row is present without any field; the caller fills it
// with NewRec_Db or gives it back by writing it as deleted. Returns the empty text
// after a message: 141 when the database is full (99999 is never handed out), 429
// when it is locked, 473 for any other database error.
QString allocateQslNumber(const QString& letter, int slot);

// Keeps in bestStand/bestNumber the stand of the higher rank (blank + digit: the
// digit; letter + digit: 10 x letter place + digit; digits: 10 x value).
void StandMax(QString& bestStand, const QString& stand, QString& bestNumber, const QString& number);
int standRank(const QString& stand);
