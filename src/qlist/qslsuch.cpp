#include "qlist/qslsuch.h"
#include "frame/workslots.h"
#include "frame/errors.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/textlib.h"
#include "qlist/qldb.h"
#include "qlist/qslaufloesen.h"
#include "qlist/qslfile.h"

void QslSuch(const QString& mode, const QString& letter, QString& designation, QString& path, QString& status)
{
    Program& p = prog();
    status.clear();
    QString number, typ, yk, an, lookupMode;
    if (mode == QLatin1String("Pro")) {
        const QString& syPar = p.WorkStr[Slot::SyPar];
        number = withoutTrailingBlanks(GetParam(syPar, QStringLiteral("Qlnr")));
        if (!number.isEmpty() && number.size() < 5)
            number = number.rightJustified(5, u'0');
        designation = number;
        typ = withoutTrailingBlanks(GetParam(syPar, QStringLiteral("Qtyp"))).toUpper();
        yk = withoutTrailingBlanks(GetParam(syPar, QStringLiteral("Qyk"))).toUpper();
        an = withoutTrailingBlanks(GetParam(syPar, QStringLiteral("Qan"))).toUpper();
        lookupMode = QStringLiteral("0");
    } else {
        const QString d = designation.trimmed();
        const QString ln = GetParam(d, QStringLiteral("Ln"));
        if (!ln.isEmpty()) {
            if (!ln[0].isDigit() && ln[0] != u'+' && ln[0] != u'-' && ln[0] != u'.')
                throw TarnError(QStringLiteral("Type mismatch: Ln=%1").arg(ln), 13);
            number = LnFormat(long(readLeadingNumber(ln)));
        }
        typ = GetParam(d, QStringLiteral("Typ"));
        yk = GetParam(d, QStringLiteral("Yk"));
        an = GetParam(d, QStringLiteral("An"));
        lookupMode = QStringLiteral("1");
    }

    const QString values[4] = {number, typ, yk, an};
    const int kinds[4] = {1, 2, 7, 4};
    QString key;
    int kind = 0;
    for (int i = 0; i < 4; ++i) {
        const QString v = withoutTrailingBlanks(values[i]).toUpper();
        if (!v.isEmpty()) {
            key = v;
            kind = kinds[i];
            break;
        }
    }
    if (kind == 0)
        return;

    SuchLnResult found;
    {
        const OpenQlDb db(p.WorkStr[Slot::VqlDbase] + letter, 0);
        if (!db) {
            // Open_Db has said why; there is nothing to search in.
            designation.clear();
            status = QStringLiteral("ABBRUCH");
            path.clear();
            return;
        }
        found = SuchLn_Db(letter, db.slot(), kind, key, lookupMode);
    }
    designation = found.found;

    if (found.found == QLatin1String("ERROR")) {
        status = QStringLiteral("ABBRUCH");
    } else if (!found.found.isEmpty()) {
        path = QslPfad(letter, found.found);
        status = QslDateiStatus(path);
        if (!status.isEmpty())
            MsgBoxRes(QStringLiteral("101"), 0, p.LangNr, oemArgs({key, letter}));
    } else {
        status = QStringLiteral("ABBRUCH");
        MsgBoxRes(QStringLiteral("101"), 0, p.LangNr, oemArgs({key, letter}));
    }
    if (!status.isEmpty())
        path.clear();
}
