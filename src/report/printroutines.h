#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// Printing helpers of the report sections. Blocks and lists are indexed from 1
// as the sections fill them; entry 0 is unused.
using ReportBlock = std::vector<QString>;

// Heading of a table ("POS", "QRM", "BE", "PFUIBT", "PFUIQS") with its legend and
// column head; starts a new page (with the previous page head) when lines more
// lines do not fit. lines comes back raised by the optional legend lines.
void DruckUeberschrift(const QString& Kind, double& lines, bool MArchPage, bool MLegend, bool M_ARSoList,
                       bool M_ARBew, const QString& Arg = QString(), int TextId = 0);

// Prints entries 1..count of block as one piece that never splits across pages
// (a blank entry is half a line) and empties it; count becomes 0. Only a block
// longer than a page is broken, where the page is full.
void DruckBlock(ReportBlock& block, int16_t& count, bool MArchPage);

// One line of a table cell of width characters cut from text (line 1) or from
// the rest left by the line before (lines 2 and up, indented by 11 blanks).
QString ZellText(int16_t LineNr, int16_t Width, QString& Text, QString& Rest, const QString& Suffix);

// Sorts lines 1..n of key=value lines by the numeric values of key1, then key2;
// a key beginning with "+" sorts ascending, any other first character descending.
void SortListe(QStringList& lines, int16_t n, const QString& Key1, const QString& Key2);
