#include "report/sylk.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/numbers.h"
#include "frame/outputfiles.h"
#include "report/reportstate.h"

#include <QFile>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The cursor is 16-bit, the range of the row and column numbers in the file:
// a file beyond 32767 rows or columns is refused rather than written wrong.
int16_t moved(int16_t value, int by)
{
    const int result = int(value) + by;
    if (result < -32768 || result > 32767)
        throw OverflowError(QStringLiteral("SYLK cursor beyond 32767"));
    return int16_t(result);
}

QString cellRecords(const QString& value, int fmt, const QString& align, int row, int col)
{
    const QString at = QStringLiteral(";Y%1;X%2").arg(row).arg(col);
    if (fmt < 0)
        return QStringLiteral("C") + at + QStringLiteral(";K") + value + kCrLf;
    QString format;
    if (fmt >= 9) {
        format = QStringLiteral("F;P10;FG0") + (align.isEmpty() ? QStringLiteral("G") : align);
    } else {
        const int decimals = fmt <= 2 ? fmt : fmt - 3;
        format = QStringLiteral("F;P%1;FF%2G").arg(fmt + 1).arg(decimals);
    }
    return format + at + kCrLf + QStringLiteral("C;K") + value + kCrLf;
}

// Copies the lines of a file, each ended by CRLF whatever it ended with.
void copyLines(OutputFile& out, const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        throw TarnError(QStringLiteral("File not found: %1").arg(path), ErrNo::FileNotFound);
    while (!in.atEnd()) {
        QByteArray line = in.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        out.write(line);
        out.write("\r\n");
    }
}

void openResult(OutputFile& out)
{
    if (!out.open())
        throw TarnError(QStringLiteral("Cannot write the result file %1: %2").arg(out.fileName(), out.errorString()),
                        ErrNo::PathFileAccess);
}

void commitResult(OutputFile& out)
{
    if (!out.commit())
        throw TarnError(QStringLiteral("Cannot write the result file %1: %2").arg(out.fileName(), out.errorString()),
                        ErrNo::PathFileAccess);
}

} // namespace

QString SylkZeile(const QString& line, int rowAdd, int colAdd, int fmt, const QString& align,
                  std::optional<int> rowPre, std::optional<int> colPre)
{
    ReportState& s = reportState();
    // Only blanks are trimmed: a row that begins with tabs leaves its first
    // columns empty (the units row of the position table).
    QString rest = line;
    while (rest.startsWith(u' '))
        rest.remove(0, 1);
    while (rest.endsWith(u' '))
        rest.chop(1);
    QString result;
    if (!rest.isEmpty()) {
        // A semicolon separates the fields of a record.
        rest.replace(u';', u' ');
        if (rowPre)
            s.SlkY = moved(s.SlkY, *rowPre);
        if (colPre)
            s.SlkX = *colPre < 0 ? int16_t(1) : moved(s.SlkX, *colPre);
        for (;;) {
            const qsizetype tab = rest.indexOf(u'\t');
            QString cell = tab < 0 ? rest : rest.left(tab);
            rest = tab < 0 ? QString() : rest.mid(tab + 1);
            if (fmt < 9) {
                const qsizetype comma = cell.indexOf(u',');
                if (comma >= 0)
                    cell[comma] = u'.';
            } else {
                // A quote inside the text stays as it is: spreadsheet programs
                // take a text value up to its last quote, and no semicolon can
                // follow one (they became blanks above), so the record holds.
                // Doubling it would show both quotes in the cell.
                cell = u'"' + cell + u'"';
            }
            result += cellRecords(cell, fmt, align, s.SlkY, s.SlkX);
            // The bounds record must cover every column that holds a cell.
            if (s.SlkX > s.SlkXMax)
                s.SlkXMax = s.SlkX;
            if (rest.isEmpty())
                break;
            s.SlkX = moved(s.SlkX, 1);
        }
    }
    s.SlkY = moved(s.SlkY, rowAdd);
    s.SlkX = colAdd < 0 ? int16_t(1) : moved(s.SlkX, colAdd);
    if (s.SlkX > s.SlkXMax)
        s.SlkXMax = s.SlkX;
    return result;
}

void mergeSlkWidths(SlkWidths& widths, const QString& list)
{
    const QStringList values = list.split(u',');
    for (qsizetype k = 0; k < values.size() && k + 1 < qsizetype(widths.size()); ++k) {
        const QString v = values[k].trimmed();
        if (v.isEmpty() || !(v[0].isDigit() || v[0] == u'-' || v[0] == u'+' || v[0] == u'.'))
            continue;
        const double n = readLeadingNumber(v);
        if (n > 0 && n <= 32767) {
            const int16_t w = toInt16(n);
            if (w > widths[size_t(k + 1)])
                widths[size_t(k + 1)] = w;
        }
    }
}

void writeSylkFrame(const QString& resultFile, const QString& headFile, const QString& cellsFile,
                    const SlkWidths& widths)
{
    const ReportState& s = reportState();
    // The head file is checked before the result file is touched.
    if (!QFile::exists(headFile))
        throw TarnError(QStringLiteral("File not found: %1").arg(headFile), ErrNo::FileNotFound);
    OutputFile out(resultFile);
    openResult(out);
    copyLines(out, headFile);
    QString frame = QStringLiteral("B;Y%1;X%2;D0 0 25 9").arg(s.SlkY).arg(s.SlkXMax) + kCrLf;
    int next = 1;
    for (; next <= 20 && widths[size_t(next)] >= 1; ++next)
        frame += QStringLiteral("F;W%1 %1 %2").arg(next).arg(widths[size_t(next)]) + kCrLf;
    frame += QStringLiteral("F;W%1 256 11").arg(next) + kCrLf;
    out.write(toAnsi(frame));
    copyLines(out, cellsFile);
    out.write("E\r\n");
    commitResult(out);
}

void copyResultLines(const QString& resultFile, const QString& cellsFile)
{
    OutputFile out(resultFile);
    openResult(out);
    copyLines(out, cellsFile);
    commitResult(out);
}
