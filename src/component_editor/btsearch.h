#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

// The data search of the component editor: a search expression is a comma list
// of terms key=value over the component data, the designations and the
// description of a record; all terms must hold.

struct SearchTerm {
    QString key;   // as in the allowed-key list ("Bac"), pi keys with PiMark
    QString value; // upper case; empty for "?" (present with any value)
};

struct SearchExpression {
    int message = 0;  // 0 accepted, 196 bad terms (argument invalid), 525 a third text term
    QString invalid;  // the rejected pieces and terms, comma-joined
    std::vector<SearchTerm> terms;
    QString rebuilt;  // key=value joined by ","; empty for "all" (the caller shows text 199)
    QString group;    // the value of the first Bac term that has one
};

// Prepares an expression against the list of component-data keys (the "Bedat"
// abbreviations). Nothing is shown here; the caller gives message 196 or 525.
SearchExpression prepareSearchExpression(const QString& such, const QString& dataKeys);

// True when every term holds for a record split into its identity part, its Q
// section and its description.
bool searchTermsHold(const std::vector<SearchTerm>& terms, const QString& identity, const QString& qSection,
                     const QString& description);

// The groups read for a group restriction: empty all (1 to 99); one digit ten
// groups (7: 70 to 79); more characters the group of the first two (141: 14).
std::pair<int, int> searchGroupRange(const QString& restriction);

// The index listing of one kind of designation: entries of the name index whose
// designation starts with (or, in contains mode, holds) prefix and whose block
// address starts with group. Pages are read into buffers of this reader, never
// into the file's page cache. entries gets each listed entry: designation (the
// first 18 characters) and block address. ok is false when a page could not be
// read (the user was told); what was listed until then stays.
struct IndexListing {
    std::vector<std::pair<QString, QString>> entries;
    bool stopped = false;
    bool ok = true;
};
// poll is called once per second-level entry; returning true stops the listing.
IndexListing listNameIndex(const QString& bdir, int kind, QChar letter, const QString& prefix, bool contains,
                           const QString& group, const std::function<bool()>& poll = {});

// The printed place of each entry of an index list printed in columns, for
// characters per line and lines per page of the list font: page (from 0), line
// and character column. The count text goes to the last line of the last column
// unless the last page is full (countPage -1 then).
struct IndexPrintLayout {
    int cols = 1, gap = 0, perPage = 1;
    struct Place {
        int page, line, column;
    };
    std::vector<Place> places;
    int countPage = -1, countLine = 0, countColumn = 0;
};
IndexPrintLayout indexPrintLayout(qint32 entries, int charsPerLine, int linesPerPage);

// The bar maximum of the paged list for entries, rows per page, scale and minimum.
int pagedBarMaximum(qint32 count, int rows, int scale, int minimum);
// The scale factor that keeps the bar's range within 32,767 units.
int pagedScale(qint32 count, int rows, int scale);

