#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Binary workbooks (.xls) made record by record, so that a test can hold every
// kind of cell record, and damage any field of the file on purpose.
namespace testutil::xls {

// One record: type, length, data.
QByteArray record(quint16 type, const QByteArray& data);

// Cell records (row and column from 0).
QByteArray number(int row, int column, double value);
QByteArray rk(int row, int column, quint32 rk);
QByteArray mulRk(int row, int firstColumn, const std::vector<quint32>& rks);
QByteArray labelSst(int row, int column, quint32 index);
QByteArray label(int row, int column, const QString& text, bool wide); // Excel 97 text
QByteArray label5(int row, int column, const QByteArray& cp1252);      // Excel 5.0 text
QByteArray boolErr(int row, int column, int value, bool error);
QByteArray formulaNumber(int row, int column, double value);
// A formula whose result is a text: the FORMULA record and its STRING record.
QByteArray formulaText(int row, int column, const QString& text);
QByteArray formulaSpecial(int row, int column, int kind, int value); // 1 boolean, 2 error, 3 empty text
// A chart inside the sheet: its own BOF ... EOF around the records.
QByteArray embedded(const QByteArray& records);

struct Sheet {
    QString name;
    QByteArray cells; // the cell records
    int kind = 0;     // 0 worksheet, 2 chart
};

struct Book {
    std::vector<Sheet> sheets;
    QStringList shared;        // the text table (LABELSST indexes)
    int sstPiece = 8224;       // longest record data of the text table; less splits texts into CONTINUE records
    bool sharedWide = false;   // two bytes per character in the text table
    bool richShared = false;   // each shared text with rich-text runs and phonetic data
    quint16 version = 0x0600;  // 0x0600 Excel 97, 0x0500 Excel 5.0
    QByteArray extraGlobals;   // records put into the workbook globals before EOF
};

// The workbook stream, and where its sheets begin.
QByteArray workbookStream(const Book& book);

// A compound file (512-byte sectors) holding one stream: in the small-stream
// area when it is shorter than 4096 bytes, in sectors of its own otherwise.
QByteArray compoundFile(const QString& streamName, const QByteArray& stream);

// The file: the stream named "Workbook" (Excel 97) or "Book" (Excel 5.0).
QByteArray file(const Book& book);

} // namespace testutil::xls
