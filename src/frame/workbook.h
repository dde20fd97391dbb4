#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <utility>
#include <optional>

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
    // read; error then says why, naming the file.
    static std::optional<Workbook> open(const QString& path, QString* error = nullptr);

    // Worksheet names in workbook order.
    QStringList sheetNames() const;
    // The sheet of that name (compared without regard to case); nullptr if none.
    const Worksheet* sheet(const QString& name) const;
    // The first worksheet in workbook order; nullptr when there is none.
    const Worksheet* firstSheet() const;

    std::vector<std::shared_ptr<Worksheet>> sheets;
};

// The shortest "." text of a number that reads back to the same double.
QString workbookNumberText(double value);

// Cells to write, by (row, column) from 1; an empty text empties the cell.
using WorkbookCells = std::map<std::pair<int, int>, QString>;

// Writes the cells into the sheet of the workbook at path and stores the result
// at target (which may be path). An .xlsx keeps every other part and every other
// cell as it was; a binary workbook becomes a new .xlsx with all its sheets. The
// result is written to a temporary file beside target and then takes its place,
// so a failure changes nothing; error then says why, naming the file.
bool writeXlsxCells(const QString& path, const QString& target, const QString& sheetName, const WorkbookCells& cells,
                    QString* error = nullptr);
