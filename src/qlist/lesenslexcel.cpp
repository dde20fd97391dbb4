#include "qlist/lesenslexcel.h"
#include "position_line/posline.h"
#include "frame/workslots.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/interaction.h"
#include "frame/itemnumber.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "workbook/workbook.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

// Identity key of a kind cell: its first character, T Typ=, S Yk=, else An=.
QString kindKey(const QString& cell)
{
    QString letter = cell.trimmed().toUpper();
    return NrKeyOfCol(letter);
}

// One line of "importfehl.txt": before and after, each in 40 columns.
QString changeLine(const QString& before, const QString& after)
{
    return before.leftJustified(40, u' ', true) + after.leftJustified(40, u' ', true);
}

void writeAnsiLines(const QString& designPath, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += toAnsi(line) + "\r\n";
    QSaveFile f(nativePath(designPath));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        throw TarnError(QStringLiteral("Cannot write '%1': %2").arg(designPath, f.errorString()),
                        ErrNo::PathFileAccess);
}

// The cells of the workbook's first sheet; a workbook without sheets reads empty.
struct SheetCells {
    const Worksheet* sheet;
    QString operator()(int row, int column) const { return sheet ? sheet->text(row, column) : QString(); }
};

// The designation of the list in the head row, checked. Empty when it cannot
// name a Q-list (the user was told why).
QString listDesignation(const SheetCells& cell, const QString& headKey)
{
    const int lang = prog().LangNr;
    const QString designation = cell(1, 4).trimmed().toUpper();
    if (designation.isEmpty()) {
        MsgBoxRes(QStringLiteral("543"), Mb::OKOnly, lang);
        return {};
    }
    if (designation.contains(u',')) {
        MsgBoxRes(QStringLiteral("544"), Mb::OKOnly, lang);
        return {};
    }
    if (designation.size() > 20) {
        MsgBoxRes(QStringLiteral("545"), Mb::OKOnly, lang);
        return {};
    }
    if (headKey == QLatin1String("Yk=")) {
        QString normal, stand;
        YkNorm(designation, normal, stand);
        if (normal.startsWith(QLatin1String("Fehler!")) || normal.startsWith(QLatin1String("Error!"))) {
            MsgBoxRes(QStringLiteral("120"), Mb::OKOnly, lang,
                      {AnsiToOem(normal) + QStringLiteral(":  Yk=") + AnsiToOem(designation)});
            return {};
        }
    }
    return designation;
}

// The Q-list's head line: designation, technology, code and plant.
QString headLine(const SheetCells& cell, const QString& headKey, const QString& designation)
{
    QString head = headKey + designation;
    const struct {
        int column;
        int length;
        const char* key;
    } headItems[] = {{6, 3, ",Tec="}, {7, 12, ",Code="}, {8, 12, ",Anlage="}};
    for (const auto& item : headItems) {
        const QString value = cell(1, item.column).trimmed().left(item.length).trimmed();
        if (!value.isEmpty())
            head += QLatin1String(item.key) + value;
    }
    return head;
}

// A value with its commas made points, the change noted for the report.
QString withPoints(const QString& value, QStringList& changes)
{
    if (!value.contains(u','))
        return value;
    const QString pointed = QString(value).replace(u',', u'.');
    changes << changeLine(value, pointed);
    return pointed;
}

// The position's name, as long as its kind allows; a missing name is marked.
QString positionName(const QString& cellText, const QString& key, bool subList, QStringList& changes)
{
    if (cellText.isEmpty())
        return ResText(QStringLiteral("547"), prog().LangNr, true);
    QString name = withPoints(cellText, changes);
    const int limit = subList ? 20 : key == QLatin1String("Yk=") ? 17 : 18;
    if (name.size() > limit) {
        changes << changeLine(name, name.left(limit));
        name = name.left(limit);
    }
    return name;
}

// The position line of a row whose quantity cell is filled.
QString positionRow(const SheetCells& cell, int row, const QString& quantityText, QStringList& changes)
{
    // Cells are read by value, so a number keeps its fraction in any locale;
    // a text keeps its leading number only ("2,5" is 2).
    const QString quantity = plainSingle(toSingle(readLeadingNumber(quantityText)));
    const QString key = kindKey(cell(row, 3));
    const bool subList = cell(row, 6).trimmed().toUpper() == QLatin1String("Q");
    const QString name = positionName(cell(row, 4).trimmed(), key, subList, changes);
    // A comma in the Sl value would end it early and break the line's items.
    const QString sl = withPoints(cell(row, 5).trimmed(), changes);
    const QString comment = (cell(row, 7).trimmed() + QStringLiteral("  ") + cell(row, 8).trimmed() +
                             QStringLiteral("  ") + cell(row, 9).trimmed())
                                .left(100);
    return positionLine(quantity + u',' + key + name, sl, subList, comment);
}

// The rows below the head: comment rows (marked X) and positions, up to the
// first row with another mark or without a quantity.
void readRows(const SheetCells& cell, QStringList& lines, QStringList& changes)
{
    // A list without an end row ends after the sheet's last used row.
    const int lastRow = cell.sheet ? cell.sheet->lastRow() : 0;
    for (int row = 3; row <= lastRow; ++row) {
        const QString mark = cell(row, 1).trimmed().toUpper();
        if (mark == QLatin1String("X")) {
            QString text;
            for (int column = 2; column <= 9; ++column)
                text += QStringLiteral("  ") + cell(row, column).trimmed();
            lines << text.trimmed();
            continue;
        }
        if (!mark.isEmpty())
            break;
        const QString quantityText = cell(row, 2).trimmed();
        if (quantityText.isEmpty())
            break;
        lines << positionRow(cell, row, quantityText, changes);
    }
}

bool readPartsList(QString& Qadrq)
{
    Program& p = prog();
    // 1. The workbook. One that cannot be opened is a run-time error of the
    // import: the error handler names it and offers to try again.
    QString error;
    const QString path = nativePath(Qadrq);
    const std::optional<Workbook> book = Workbook::open(path, &error);
    if (!book)
        throw TarnError(error, QFileInfo::exists(path) ? ErrNo::InvalidFileFormat : ErrNo::FileNotFound);
    const SheetCells cell{book->firstSheet()};
    // 2. The head row
    const QString headKey = kindKey(cell(1, 3));
    const QString designation = listDesignation(cell, headKey);
    if (designation.isEmpty())
        return false;
    QStringList lines{headLine(cell, headKey, designation), QStringLiteral("Be=") + cell(2, 4).trimmed()};
    // 3. The positions
    QStringList changes;
    readRows(cell, lines, changes);
    // 4. Both files are written whole or not at all; the report only when
    // something changed (an older report then stays).
    if (!changes.isEmpty()) {
        QStringList report{ResText(QStringLiteral("546"), p.LangNr, true), QString()};
        report += changes;
        writeAnsiLines(joinDesignPath(p.WorkStr[Slot::Tp2], QStringLiteral("importfehl.txt")), report);
    }
    const QString target = joinDesignPath(p.WorkStr[Slot::Tp2], QStringLiteral("importtemp"));
    writeAnsiLines(target, lines);
    Qadrq = target;
    return true;
}

} // namespace

bool LesenSLExcel(QString& Qadrq)
{
    ErrPtnr::CallStack(QStringLiteral("[EQSL] Function LesenSLExcel(Qadrq$) As Boolean"));
    ErrPtnr::CallStackParam(QStringLiteral("Qadrq$"), Qadrq);
    return ErrPtnr::guarded(QStringLiteral("EQSL"), QStringLiteral("LesenSLExcel"), false,
                            [&] { return readPartsList(Qadrq); });
}
