#pragma once
#include <QString>
#include <QStringList>

// Layout of a component file with directory D:
//   D\abi            header: "Ss=nn,Ib=nnnn" and ",GG=BBB" per group, no line end
//   D\lockfile       the lock file
//   D\bG\GB\BB       block file of block address GGBBB
//   D\i\hi           top index page
//   D\i\ss\nn        second-level index pages (or the folder of setting Sin/Sex)
//   D\i\pp\pp        leaf index pages 0000 to 9999
// Block files are ANSI text, one record per line ended by CR LF, and one more
// CR LF at the end. Index pages are 2,400 characters: 100 entries of 24.

inline constexpr int PageLength = 2400;
inline constexpr int EntryLength = 24;
inline constexpr int EntriesPerPage = 100;
inline constexpr int BlockLimit = 12800; // a record is appended while block + record stay below

// Loads the settings Tp1, Tp2, Bin, Bex, Sin, Sex and (with loadIndex) the two top
// index pages. False (the user was told which file) when the internal file has no
// top page, or a top page cannot be read or is damaged. The index rebuild loads
// the settings only: a damaged index is what it mends.
bool InitBtDatei(bool loadIndex = true);

// Deletes the index of the component file in directory, writes a fresh header
// and a fresh empty index, and returns the fresh header text in header. Resets
// the internal page cache. False (after message 29) when the fresh header or a
// fresh page could not be written.
bool InitInh(const QString& directory, QString& header);

// Lists the entries of a folder: kind "File" its plain files, "Dir" its
// subfolders, any other kind the subfolders with hidden and system ones. The list
// is 1-based (element 0 unused); count is the number of entries. A missing path
// gives count 0 and leaves the list as it was.
void DirList(const QString& path, const QString& kind, QStringList& list, int& count);

// The fresh header for the groups configured in Cf (keys G11 to G99).
QString freshHeader();
// The path of the block file of a 5-digit block address below directory.
QString blockFilePath(const QString& directory, const QString& blockAddress);
// The folder that holds block files GGx00 to GGx99.
QString blockFolderPath(const QString& directory, const QString& blockAddress);
// The second-level index folder of a component file kind (1 internal, 2 external).
QString secondLevelFolder(int kind);
// A page of 2,400 free-entry markers.
QString freePage();
// Reads the header of directory whole; flags 59 (under the lock) or 26.
bool readHeader(const QString& directory, int kind, int flags, QString& header);
// Writes the header text from the first byte of directory\abi, keeping whatever
// the file holds behind it; atomic.
bool writeHeader(const QString& directory, const QString& header);
// True when two design paths name the same folder (also through links).
bool sameFolder(const QString& a, const QString& b);
