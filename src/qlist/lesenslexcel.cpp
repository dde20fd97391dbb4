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

bool readPartsList(QString& Qadrq)
{
    Program& p = prog();
    const int lang = p.LangNr;

    // A workbook that cannot be opened is a run-time error of the import: the
    // error handler names it and offers to try again.
    QString error;
    const QString path = nativePath(Qadrq);
    const std::optional<Workbook> book = Workbook::open(path, &error);
    if (!book)
        throw TarnError(error, QFileInfo::exists(path) ? ErrNo::InvalidFileFormat : ErrNo::FileNotFound);
    const Worksheet* sheet = book->firstSheet();
    auto cell = [sheet](int row, int column) { return sheet ? sheet->text(row, column) : QString(); };

    const QString headKey = kindKey(cell(1, 3));
    const QString designation = cell(1, 4).trimmed().toUpper();
    if (designation.isEmpty()) {
        MsgBoxRes(QStringLiteral("543"), Mb::OKOnly, lang);
        return false;
    }
    if (designation.contains(u',')) {
        MsgBoxRes(QStringLiteral("544"), Mb::OKOnly, lang);
        return false;
    }
    if (designation.size() > 20) {
        MsgBoxRes(QStringLiteral("545"), Mb::OKOnly, lang);
        return false;
    }
    if (headKey == QLatin1String("Yk=")) {
        QString normal, stand;
        YkNorm(designation, normal, stand);
        if (normal.startsWith(QLatin1String("Fehler!")) || normal.startsWith(QLatin1String("Error!"))) {
            MsgBoxRes(QStringLiteral("120"), Mb::OKOnly, lang,
                      {AnsiToOem(normal) + QStringLiteral(":  Yk=") + AnsiToOem(designation)});
            return false;
        }
    }

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

    QStringList lines{head, QStringLiteral("Be=") + cell(2, 4).trimmed()};
    QStringList changes;
    const QString missing = ResText(QStringLiteral("547"), lang, true);

    // A list without an end row ends after the sheet's last used row.
    const int lastRow = sheet ? sheet->lastRow() : 0;
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
        // Cells are read by value, so a number keeps its fraction in any locale;
        // a text keeps its leading number only ("2,5" is 2).
        const QString quantity = plainSingle(toSingle(readLeadingNumber(quantityText)));
        const QString key = kindKey(cell(row, 3));
        const bool subList = cell(row, 6).trimmed().toUpper() == QLatin1String("Q");

        QString name = cell(row, 4).trimmed();
        if (name.isEmpty()) {
            name = missing;
        } else {
            if (name.contains(u',')) {
                const QString pointed = QString(name).replace(u',', u'.');
                changes << changeLine(name, pointed);
                name = pointed;
            }
            const int limit = subList ? 20 : key == QLatin1String("Yk=") ? 17 : 18;
            if (name.size() > limit) {
                changes << changeLine(name, name.left(limit));
                name = name.left(limit);
            }
        }

        // A comma in the Sl value would end it early and break the line's items.
        QString sl = cell(row, 5).trimmed();
        if (sl.contains(u',')) {
            const QString pointed = QString(sl).replace(u',', u'.');
            changes << changeLine(sl, pointed);
            sl = pointed;
        }

        const QString comment = (cell(row, 7).trimmed() + QStringLiteral("  ") + cell(row, 8).trimmed() +
                                 QStringLiteral("  ") + cell(row, 9).trimmed())
                                    .left(100);

        lines << positionLine(quantity + u',' + key + name, sl, subList, comment);
    }

    // Both files are written whole or not at all; the report only when something
    // changed (an older report then stays).
    if (!changes.isEmpty()) {
        QStringList report{ResText(QStringLiteral("546"), lang, true), QString()};
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
