#include "report/qrm.h"
#include "frame/workslots.h"
#include "calculation/systdb.h"
#include "frame/errors.h"
#include "frame/inifile.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "printing/printjob.h"
#include "position_line/posline.h"
#include "qlist/qslfile.h"
#include "report/druckkopf.h"
#include "report/paramtext.h"
#include "report/positionen.h"
#include "report/printroutines.h"
#include "report/reporttext.h"

#include <optional>

namespace {

const QString kQrmLine = QString(11, u' ') + QStringLiteral("QRM:  ");
// A "QRM:" line takes further entries until it is longer than this.
constexpr int kQrmWidth = 80;

// An empty key (what is left of an item "/") names no value.
bool carries(const QString& stress, const QString& key)
{
    return !key.isEmpty() && !GetParam(stress, key).isEmpty();
}

// The text of a missing field item; nothing when the stress data carry it. A "/"
// at the start or the end of an item is dropped and the rest looked at again, so
// an item "/" asks for a field without a name.
std::optional<QString> missingField(QString item, const QString& stress, int language)
{
    for (;;) {
        const qsizetype slash = item.indexOf(u'/');
        if (slash < 0) {
            if (carries(stress, item))
                return std::nullopt;
            return item;
        }
        if (slash == 0 || slash == item.size() - 1) {
            item.remove(slash, 1);
            continue;
        }
        const QString a = item.left(slash);
        const QString b = item.mid(slash + 1);
        if (carries(stress, a) || carries(stress, b))
            return std::nullopt;
        return a + (language == 1 ? QStringLiteral(" oder ") : QStringLiteral(" or ")) + b;
    }
}

void setLine(QStringList& Poz, int i, const QString& text)
{
    while (Poz.size() <= i)
        Poz << QString();
    Poz[i] = text;
}

QString rtrimmed(QString s)
{
    while (s.endsWith(u' '))
        s.chop(1);
    return s;
}

} // namespace

void QrmFeld(const QString& fields, QStringList& Poz, int16_t& Apz)
{
    Program& p = prog();
    const QString list = rtrimmed(fields);
    QStringList missing;
    for (int n = 1;; ++n) {
        const QString item = ListItem(list, n);
        if (item.isEmpty())
            break;
        if (const std::optional<QString> text = missingField(item.trimmed(), p.WorkStr[Slot::S], p.LangDruck))
            missing << *text;
    }
    if (missing.isEmpty()) {
        setLine(Poz, Apz + 1, QString());
        setLine(Poz, Apz + 2, kQrmLine);
        Apz = int16_t(Apz + 2);
        return;
    }
    // The count moves on by an empty line; the first entry then finds an empty
    // last line and opens its "QRM:" line behind a further empty one.
    ++Apz;
    setLine(Poz, Apz, QString());
    for (const QString& field : missing) {
        const QString entry = field + QStringLiteral(" = __________");
        const QString last = rtrimmed(Poz[Apz]);
        if (!last.isEmpty() && last.size() <= kQrmWidth) {
            Poz[Apz] += QStringLiteral("    ") + entry;
        } else {
            setLine(Poz, ++Apz, QString());
            setLine(Poz, ++Apz, kQrmLine + entry);
        }
    }
}

void DruckQrm(bool M_ARSoList, bool M_ARBew)
{
    Program& p = prog();
    const int ld = p.LangDruck;
    PrintState& s = printState();

    QString kind = QStringLiteral("QRM");
    DruckKopf(kind, true, false, M_ARBew);
    PrFont(7.5, true, false, QStringLiteral("Courier New"));

    const QString pol = scratchFile(Slot::Tp2, QStringLiteral("pol"));
    QslLineReader in;
    if (!in.open(pol))
        throw TarnError(QStringLiteral("File not found: %1").arg(pol), ErrNo::FileNotFound);
    bool first = true;
    while (!in.atEnd()) {
        QString line = in.readPhysicalLine();
        if (!(numParam(line, QStringLiteral("Stck")) > -1))
            continue;
        QString Stc;
        QStringList Poz{QString()};
        int16_t Apz = 0;
        if (GetParam(line, QStringLiteral("Qm")) == QLatin1String("Qsl")) {
            SetParam(line, QStringLiteral("Hier"), QString());
            PosTrenn(line, Stc);
            AusQsPos(Stc, Poz, Apz);
            setLine(Poz, ++Apz, QString(11, u' ') + QStringLiteral("QPR:"));
        } else {
            PosTrenn(line, Stc);
            AusBtPos(Stc, Poz, Apz);
            QString fields;
            LesSin(p.WorkStr[Slot::Q], 0, QStringLiteral("QRM"), fields, {}, {}, {}, 1);
            QrmFeld(fields, Poz, Apz);
        }
        if (first) {
            double lines = 0;
            DruckUeberschrift(QStringLiteral("QRM"), lines, false, true, M_ARSoList, M_ARBew);
            first = false;
        }
        ReportBlock block(Poz.begin(), Poz.end());
        DruckBlock(block, Apz, false);
    }
    in.close();

    // The form page.
    PrNeueSeite(false, false);
    PrKopf();
    PrFont(8.5, true, false, QStringLiteral("Arial"));
    PrLf(0.5);
    ParamText(QStringLiteral("QD"), true, false);
    PrLf(1);
    const double ruleY = s.currentY + 0.45 * s.PrZeilenHoehe;
    PrLinie(0, 9, s.PrLinks, ruleY, s.PrRechts, ruleY);

    PrFont(8.5, true);
    PrLf(1.5);
    PrTextSym(s.PrLinks, s.currentY, msgAnsi(260, ld));
    PrLf(12);
    PrTextSym(s.PrLinks, s.currentY, msgAnsi(261, ld));
    PrLf(15);
    for (const QString& caption : msgAnsi(262, ld).split(u',')) {
        PrText(caption);
        PrLf(2);
    }
    PrLf(2);
    PrText(msgAnsi(263, ld));

    const QString keys = GetProfileStr(QStringLiteral("qrmadr"), std::nullopt, 1024, p.IniFile);
    // A missing section reads as the placeholder "leer", which is no key.
    QStringList names = keys.split(QChar(0), Qt::SkipEmptyParts);
    if (names == QStringList{QStringLiteral("leer")})
        names.clear();
    if (!names.isEmpty()) {
        PrFont(8.5, false);
        for (const QString& key : names) {
            QString value = GetProfileStr(QStringLiteral("qrmadr"), key, 128, p.IniFile);
            if (value == QLatin1String("leer"))
                value.clear();
            PrTextSym(s.PrLinks + 5000, s.currentY, value);
            PrLf(1);
        }
        PrLf(2);
        PrFont(8.5, true);
    } else {
        PrLf(12);
    }
    PrText(msgAnsi(264, ld));
    PrNeueSeite(true, false);
}
