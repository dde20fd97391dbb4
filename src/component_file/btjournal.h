#pragma once
#include <QByteArray>
#include <QString>
#include "frame/durablefile.h"

// Crash safety of the component file.
//
// Every change of a component file (a record added, replaced or deleted, a page
// split, the header's counters, a merge of many records, the switch to a rebuilt
// index) is one unit across its files. While a unit is open, the writes of this
// layer are only staged in memory, and the reads of this layer see the staged
// contents. Committing the unit
//   1. writes an intent journal "journal" into the component file's folder; it
//      names every file the change writes, deletes or swaps, where the new
//      content lies (a file beside the target, named target & ".jnew") and the
//      length and check sum of that content, and ends with a check sum of its own;
//   2. writes the new contents beside their targets;
//   3. flushes once: from here on the change is durable;
//   4. renames the new contents over their targets (and deletes what goes);
//   5. flushes again, so that the renames are durable before the journal goes;
//   6. removes the journal.
// Whoever takes the exclusive lock and finds a journal finishes the change first:
// forward when every new content is complete (or already in place), otherwise
// back (the targets were not touched yet, the new contents are deleted). It
// writes a line about it into "journal.log" beside the journal. Everything
// happens under the exclusive lock, so readers under the shared lock never see
// half a change.

// The open unit of this process (one at a time).
bool changeOpen();
// The folder of the component file whose unit is open (design path).
QString changeDirectory();
// Opens a unit for the component file in directory; the caller holds its
// exclusive lock until the unit is committed or abandoned.
void openChange(const QString& directory);
// A mark of the staged state; rollbackChange(mark) drops what was staged after
// it (one record of a merge that was refused half way).
int changeMark();
void rollbackChange(int mark);
// Forgets the marks taken so far (the parts they guard are kept for good), so a
// long merge does not hold every earlier state of its files.
void keepChangeSoFar();
// Makes the unit durable and puts it in place; closes the unit. True when the
// change is durable (it is then in place, or finished by the next opener).
[[nodiscard]] bool commitChange();
// Drops everything staged; closes the unit.
void abandonChange();
// The number of files the open unit stages, and the bytes they write.
int stagedCount();
qint64 stagedBytes();

// A unit opened for a scope: made durable when commit() is called, dropped
// otherwise, whichever way the scope is left.
class ComponentFileChange {
public:
    explicit ComponentFileChange(const QString& directory) { openChange(directory); }
    ~ComponentFileChange()
    {
        if (mOpen)
            abandonChange();
    }
    ComponentFileChange(const ComponentFileChange&) = delete;
    ComponentFileChange& operator=(const ComponentFileChange&) = delete;
    // As commitChange.
    [[nodiscard]] bool commit()
    {
        mOpen = false;
        return commitChange();
    }

private:
    bool mOpen = true;
};

// Staging, used by the file functions. A design path; null when the file is not
// staged (or no unit is open).
struct StagedFile {
    bool removed = false;
    QByteArray bytes;
};
const StagedFile* stagedFile(const QString& file);
void stageWrite(const QString& file, const QByteArray& bytes);
void stageRemove(const QString& file);
// Swaps the folder target for the complete folder source at commit (the
// rebuilt index); the caller has flushed the source before.
void stageFolderSwap(const QString& target, const QString& source);

// The text layer of the open unit. A merge reads and rewrites the same blocks
// and index pages for every record; within the unit they stay in memory as
// text and are turned into bytes once, when the unit is committed.
//   stageText: stages a write of text (Windows-1252 on disk); a text that would
//     not read back the same is staged as its bytes at once.
//   rememberText: keeps what was read from a file of the unit's folder (the unit
//     holds the exclusive lock, so nobody else changes it); nothing is written.
//   unitText: the text of a file as the unit sees it (staged or remembered), or
//     null; trusted tells whether it was given as text (staged or checked by
//     the caller) rather than decoded from staged bytes.
//   unitLength: the length in bytes of a staged or remembered file (-1 when
//     the unit removes it); false when the unit knows nothing of it.
void stageText(const QString& file, const QString& text, bool readsBack = false);
// True when text reads back the same from its Windows-1252 bytes; a caller of
// stageText that knows it for the text passes readsBack and spares the check.
bool textReadsBack(const QString& text);
void rememberText(const QString& file, const QString& text);
const QString* unitText(const QString& file, bool* trusted = nullptr);
bool unitLength(const QString& file, qint64& length);

// Finishes a change that a crash left half done in directory (the caller holds
// the exclusive lock). Returns what was done.
enum class Recovery { Nothing, RolledForward, RolledBack, Failed };
Recovery recoverChange(const QString& directory);
// True when directory holds a journal (a change was left half done).
bool journalPresent(const QString& directory);
