#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <utility>
#include <optional>

class QIODevice;

// Cells by (row, column) from 1, in row order.
using WorkbookCells = std::map<std::pair<int, int>, QString>;

// Why a workbook cannot be read or written, in the user's language and without
// the file's name (the caller adds it).
struct WorkbookFailure {
    QString reason;
};

// How much of a workbook the program reads before it refuses the file. A
// workbook comes from outside: a small file can inflate to gigabytes, so each
// size is checked while it is read, and reading stops at the limit.
struct WorkbookLimits {
    qint64 fileBytes = qint64(128) << 20;    // a binary workbook, read whole
    qint64 partBytes = qint64(128) << 20;    // one part of an .xlsx package, inflated
    qint64 packageBytes = qint64(256) << 20; // all parts read of one package, inflated
    qint64 cells = 2'000'000;                // cells with a text, all sheets together
    qint64 sheets = 4096;
    qint64 parts = 10000;                    // files in an .xlsx package
};

// A spreadsheet workbook read whole into memory: Office Open XML (.xlsx) or the
// older binary format (.xls). The kind is told by the file's content, not by
// its name. Every cell comes back as text:
//   - text as it stands (shared or inline strings, formula results);
//   - numbers (dates too, as their serial number) as the shortest text with "."
//     that reads back to the same value, whatever the locale: 3 gives "3",
//     1.5 gives "1.5", 0.5 gives "0.5";
//   - booleans as "TRUE" or "FALSE" (.xlsx; the binary reader sees them as 1 or 0);
//   - an empty or missing cell as the empty text.
class Worksheet {
public:
    // Rows and columns count from 1; outside the used range the text is empty.
    QString text(int row, int column) const;
    // The last row and the last column that hold a non-empty cell (0 for none).
    int lastRow() const { return mLastRow; }
    int lastColumn() const { return mLastColumn; }
    const QString& name() const { return mName; }
    // The package part the sheet was read from (.xlsx); empty for a binary workbook.
    QString part;

    void setText(int row, int column, const QString& text);
    // Every cell with a text.
    WorkbookCells cells() const;
    explicit Worksheet(const QString& name) : mName(name) {}

private:
    static quint64 key(int row, int column) { return (quint64(quint32(row)) << 32) | quint32(column); }
    QString mName;
    QHash<quint64, QString> mCells;
    int mLastRow = 0;
    int mLastColumn = 0;
};

class Workbook {
public:
    // Opens and reads the workbook at a native path. nullopt when it cannot be
    // read, is damaged or exceeds the limits; error then says why, naming the file.
    static std::optional<Workbook> open(const QString& path, QString* error = nullptr,
                                        const WorkbookLimits& limits = {});
    // The same from an open device (random access); name stands for the file in
    // the message.
    static std::optional<Workbook> read(QIODevice& device, const QString& name, QString* error = nullptr,
                                        const WorkbookLimits& limits = {});

    // Worksheet names in workbook order.
    QStringList sheetNames() const;
    // The sheet of that name (compared without regard to case); nullptr if none.
    const Worksheet* sheet(const QString& name) const;
    // The first worksheet in workbook order; nullptr when there is none.
    const Worksheet* firstSheet() const;

    std::vector<std::shared_ptr<Worksheet>> sheets;
};

// The file filter of a dialog that chooses a workbook, in the user's language
// ("Text|pattern|..." with patterns joined by ";"): both kinds of workbook, then
// every file.
QString workbookFileFilter();

// The shortest "." text of a number that reads back to the same double.
QString workbookNumberText(double value);

// Writes the cells (an empty text empties a cell) into the sheet of the workbook
// at path and stores the result at target (which may be path). An .xlsx keeps
// every other part as it was, and in the sheet's part every byte outside the
// cells written: a new or changed cell is written in the sheet's own namespace
// and prefix. A binary workbook becomes a new .xlsx with all its sheets. The
// result is written to a temporary file beside target and then takes its place,
// so a failure changes nothing; error then says why, naming the file.
bool writeXlsxCells(const QString& path, const QString& target, const QString& sheetName, const WorkbookCells& cells,
                    QString* error = nullptr);

// The text of a worksheet part with the cells written into it as above. Throws
// WorkbookFailure when the part is not well-formed.
QByteArray rewriteSheetXml(const QByteArray& source, const WorkbookCells& cells);
