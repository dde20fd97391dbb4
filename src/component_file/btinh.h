#pragma once
#include <QString>

// The three-level name index of a component file: a top page, up to 100
// second-level pages and up to 10,000 leaf pages, each 100 entries of 24
// characters (19-character key, 5-character tail) in ascending binary order.
// A leaf tail is the block address; an upper tail names the child page. A free
// entry is 24 free markers (254), the sentinel 19 free markers and "00000".
// Only the internal index (kind 1) is ever changed.

// Binary search of key in one page: the position 1..100 of the entry whose first
// characters equal key, or the negative insert position -1..-100, or 0 when key
// is greater than all 100 entries. entry receives the entry at that position.
int searchPage(const QString& page, const QString& key, QString& entry);

// True when page can be searched: 2,400 characters, the used entries at the front
// in ascending order (keys without control characters, five-digit tails), free
// entries behind them.
bool indexPageIsSound(const QString& page);

// Tells the user that a part of a component file (an index page, a block, the
// header) is missing or damaged, naming the file (message "btdefekt").
void reportDamagedComponentFile(const QString& file);

// Searches key through levels 0 (top only), 1 (and second level) or 2 (down to the
// leaf) of the internal (kind 1) or external (kind 2) index, loading pages into the
// page cache on demand with the given OpenBtFile flags (59 under the lock, 26 when
// the caller holds it). n and entry as searchPage on the last level searched.
// False when a page could not be read or is damaged (the user was told which).
bool SuchInh(const QString& key, int levels, int& n, QString& entry, int kind, int flags);

// Inserts the 24-character entry Neuadr (key and block address) into the internal
// index; the caller holds the internal file's lock exclusively. n and Iret tell
// what the search found: n above 0 when the key was indexed already (nothing
// changed), negative when the entry was made, 0 when the index cannot take it.
// A full page is split; the new page and its parent entry are written before the
// old page is shrunk, so a failure at any step loses no entry. False when the
// entry was not made (n above 0 included).
bool InsInh(const QString& Neuadr, int& n, QString& Iret);

// Removes key from its leaf page of the internal index (the caller holds the
// lock); the upper levels stay as they are. False when a page could not be read
// or written; removed tells whether the key was there.
bool EntfInh(const QString& key, bool* removed = nullptr);

// Reads every page of the index of a component file kind (under the shared lock,
// page by page) and checks it; false (the user was told which file) at the first
// page that is missing, cannot be read or is damaged. Leaves the page cache
// empty below the top page.
bool indexReadable(int kind);

// Reads the top page of a component file kind into its cache (flags 59 or 26).
bool loadTopPage(int kind, int flags = 59);
// Forgets the cached second-level and leaf pages of a kind, so the next search
// reads them from disk.
void forgetCachedPages(int kind);

// While alive, index pages are written in place instead of through a temporary
// file: for an index being built in a private folder that nobody reads yet.
// (The header of such an index is written in place too.)
class DirectPageWrites {
public:
    DirectPageWrites();
    ~DirectPageWrites();
    DirectPageWrites(const DirectPageWrites&) = delete;
    DirectPageWrites& operator=(const DirectPageWrites&) = delete;

    static bool active();

private:
    bool mPrevious;
};
