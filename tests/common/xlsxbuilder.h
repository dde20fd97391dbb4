#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace testutil {

// A worksheet for writeXlsx: rows from row 1 on, cells from column 1 on. Each
// cell text tells how it is stored:
//   ""          no cell
//   "s:text"    shared string         "i:text"   inline string
//   "r:a|b"     shared rich text of the runs a and b, with a phonetic run that
//               readers must leave out
//   "n:1.5"     number (the text as the file holds it)
//   "b:1"       boolean               "f:text"   formula with a text result
// A leading "~" leaves the cell's reference out, so that its place follows from
// the cell before it.
struct XlsxSheet {
    QString name;
    std::vector<QStringList> rows;
    // Rows placed at a given row number after the rows above (row, cells).
    std::vector<std::pair<int, QStringList>> farRows = {};
};

// Writes an Office Open XML workbook with QuaZip. The sheet parts are numbered
// against the workbook order and one is addressed by an absolute target, so a
// reader must follow the relationships. False when the file cannot be written.
bool writeXlsx(const QString& path, const std::vector<XlsxSheet>& sheets);

// A workbook of one sheet "Tabelle1" whose part is sheetXml as it stands.
bool writeXlsxWithSheetXml(const QString& path, const QByteArray& sheetXml);

// The cells of a sheet as a namespace-aware program reads them, by (row,
// column) from 1: the workbook, its relationships, the shared strings and the
// sheet are read by namespace and local name, and only the elements of the
// spreadsheet namespace count. A cell element outside that namespace, as a
// careless writer leaves it, is not there for such a program. Nothing of the
// program's own reader is used. An empty map when the sheet cannot be read.
std::map<std::pair<int, int>, QString> namespacedCells(const QString& path, const QString& sheetName);

// The cells of the parts list and special failure-rate list that
// tests/fixtures/qlist/partslist.xls holds (sheets "Stueckliste", "VERS", "AR").
std::vector<XlsxSheet> partsListWorkbook();
QString partsListXls(); // the checked-in .xls of the same cells

// Users run under a German locale; while this lives, the C library and Qt's
// default locale are German, so a decimal comma could reach number texts.
class GermanLocale {
public:
    GermanLocale();
    ~GermanLocale();

private:
    QLocale mOld;
    std::string mOldC;
};

} // namespace testutil
