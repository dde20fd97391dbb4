#pragma once
#include <QString>
#include <QStringList>

// Reads of a component file kept for a run. A prediction looks up thousands of
// positions whose components lie in a few blocks and index pages; reading and
// splitting them again for every position costs file opens, locks and parsing
// that tell nothing new. While a ComponentReadScope is alive, index pages and
// blocks read from the component files are kept in memory (a block already
// split into its records) and later reads take them from there.
//
// Bound: at most KeptCharacters characters (32 MB) of page and block text are
// kept, a block's records counting as its text again; what comes after is read
// from the disk as without the scope. A scope inside another keeps for the
// outer one. A change of the component file opened in this process
// forgets everything kept, and nothing kept is used while a change is open (the
// change has its own copies).
inline constexpr qsizetype KeptCharacters = 16 * 1024 * 1024;

class ComponentReadScope {
public:
    explicit ComponentReadScope(qsizetype bound = KeptCharacters);
    ~ComponentReadScope();
    ComponentReadScope(const ComponentReadScope&) = delete;
    ComponentReadScope& operator=(const ComponentReadScope&) = delete;

private:
    bool mOwner;
};

// A block as kept: its text and its records (1-based, element 0 unused, as
// ZerlegBtBlock gives them).
struct KeptBlock {
    QString text;
    QStringList records;
    int count = 0;
};

// The kept index page of a file (design path), or null.
const QString* keptPage(const QString& file);
void keepPage(const QString& file, const QString& page);
// The kept block of a file, or null.
const KeptBlock* keptBlock(const QString& file);
// Splits text into records and keeps it when the bound allows; returns the
// block (kept or not) through block.
void keepBlock(const QString& file, const QString& text, KeptBlock& block);
// Forgets everything kept (a change of the component file begins).
void forgetKeptReads();
// Characters kept now (for tests of the bound).
qsizetype keptCharacters();
