#pragma once
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <utility>

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

// One slot of the table of open Q-list databases.
struct QlDbSlot {
    std::unique_ptr<Database> db;
    int inUse = 0; // 1 in use, 0 free
};

// The open Q-list databases, slots 1..30 (slot 0 is never handed out), the name
// of the running database operation (shown in its error message) and the flag
// that every record write sets for the browser.
struct QlDbState {
    std::array<QlDbSlot, 31> DbTab;
    QString DbOperation;
    bool DbAenderung = false;
};
// The state of the running program (made on first use).
QlDbState& qlDbState();

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

// An open Q-list database slot that is closed however the scope is left. slot()
// is 0 when the database could not be opened (Open_Db has said why then).
class OpenQlDb {
public:
    explicit OpenQlDb(const QString& folder, int check = 0, bool exclusive = false);
    OpenQlDb(const QString& folder, long& count, int check, bool exclusive = false);
    ~OpenQlDb();
    OpenQlDb(OpenQlDb&& other) noexcept;
    OpenQlDb& operator=(OpenQlDb&&) = delete;
    OpenQlDb(const OpenQlDb&) = delete;
    OpenQlDb& operator=(const OpenQlDb&) = delete;

    int slot() const { return mSlot; }
    explicit operator bool() const { return mSlot != 0; }
    // Closes the database now (a slot that was never opened is left alone).
    void close();

private:
    int mSlot = 0;
};

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

// A number reserved by allocateQslNumber while its Q-list file is written: when
// the writing fails with an error, the number goes back (stored as deleted), so
// the numbers stay dense and every stored row has its file. A refusal after the
// file was written gives the number back itself.
class QslNumberReservation {
public:
    QslNumberReservation(int slot, QString number) : mSlot(slot), mNumber(std::move(number)) {}
    ~QslNumberReservation();
    QslNumberReservation(const QslNumberReservation&) = delete;
    QslNumberReservation& operator=(const QslNumberReservation&) = delete;

    // The file is in place: an error from here on leaves the reservation alone.
    void fileWritten() { mPending = false; }
    // Stores the number as deleted now (through QslRec).
    void giveBack();

private:
    int mSlot;
    QString mNumber;
    bool mPending = true;
};

// Keeps in bestStand/bestNumber the stand of the higher rank (blank + digit: the
// digit; letter + digit: 10 x letter place + digit; digits: 10 x value).
void StandMax(QString& bestStand, const QString& stand, QString& bestNumber, const QString& number);
int standRank(const QString& stand);
