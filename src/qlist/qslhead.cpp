#include "qlist/qslhead.h"
#include "frame/workslots.h"
#include "frame/errors.h"
#include "frame/itemnumber.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/textlib.h"
#include "qlist/qslfile.h"

namespace {
void openHead(QslLineReader& r, const QString& path)
{
    if (!r.open(path))
        throw TarnError(QStringLiteral("File not found: %1").arg(path), ErrNo::FileNotFound);
}
} // namespace

bool KopfToRec(const QString& path, QString* errors)
{
    Program& p = prog();
    auto& rec = p.QslRec;
    QslLineReader file;
    openHead(file, path);
    const QString number = path.right(7).remove(u'\\').remove(u'/');
    rec[1] = number;
    const QString line1 = QslZeileLesen(file);
    auto value = [&](const char* key) { return withoutLeadingBlanks(GetParam(line1, QString::fromLatin1(key))); };
    rec[2] = value("Typ");
    const QString ykWritten = value("Yk");
    QString yk, stand;
    if (!ykWritten.isEmpty()) {
        YkNorm(ykWritten, yk, stand);
        if (stand == QLatin1String(" *"))
            stand.clear();
    }
    rec[3] = yk;
    rec[4] = stand;
    rec[5] = value("An");
    rec[6] = value("Tec");
    rec[7] = value("Code");
    rec[8] = value("Anlage");

    if (errors) {
        errors->clear();
        if (isItemNumberError(yk))
            *errors = ResText(QStringLiteral("120"), p.LangNr, true,
                              oemArgs({yk + QStringLiteral(":  Yk=") + ykWritten + QStringLiteral("  in Qsl-Nr.: ") + number}));
        auto tooLong = [&](const QString& designation) {
            if (designation.size() <= 20)
                return;
            if (!errors->isEmpty())
                *errors += QStringLiteral("\r\n");
            *errors += ResText(QStringLiteral("504"), p.LangNr, true, oemArgs({designation})) + QStringLiteral("  in Qsl-Nr.: ") + number;
        };
        tooLong(rec[2]);
        tooLong(rec[5]);
    }

    p.WorkStr[Slot::Line] = QslZeileLesen(file);
    bool ok = true;
    // Older installations' database statements could not carry a quote; the head
    // keeps refusing it so files stay exchangeable with them.
    if (line1.contains(u'\'') || p.WorkStr[Slot::Line].contains(u'\'')) {
        MsgBoxRes(QStringLiteral("113"), 0, p.LangNr, {QStringLiteral("'")});
        ok = false;
    }
    p.WorkStr[Slot::B] = GetParam(p.WorkStr[Slot::Line], QStringLiteral("Be"));
    rec[9] = withoutLeadingBlanks(p.WorkStr[Slot::B]);
    return ok;
}

void KopfTrenn(const QString& path, QString& identity, QString& rest)
{
    identity.clear();
    rest.clear();
    QslLineReader file;
    openHead(file, path);
    QString line1 = QslZeileLesen(file);
    for (const char* k : {"Typ", "Yk", "An"}) {
        const QString key = QString::fromLatin1(k);
        const QString v = GetParam(line1, key);
        if (!v.isEmpty()) {
            identity += u',' + key + u'=' + v;
            SetParam(line1, key, QString());
        }
    }
    if (identity.startsWith(u','))
        identity.remove(0, 1);
    QString& line2 = prog().WorkStr[Slot::Line];
    line2 = QslZeileLesen(file);
    rest = line1.isEmpty() ? line2 : line1 + u',' + line2;
}
