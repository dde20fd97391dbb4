#include "component_entry/ergliste.h"
#include "frame/workslots.h"
#include "calculation/systdb.h"
#include "component_entry/listlines.h"
#include "frame/codepage.h"
#include "frame/formatters.h"
#include "frame/paramstring.h"
#include "frame/program.h"

namespace {

using listing::text;

const QString kStar = QStringLiteral("*");

void plain(const QString& t)
{
    listing::line(kStar, t);
}

QString erwaText(const QString& code)
{
    return AnsiToOem(DalesXls(QStringLiteral("ERWA"), QStringLiteral("Fecode"), code,
                              QStringLiteral("M") + QString::number(prog().LangNr)));
}

// Reads key of b and removes it there.
QString take(QString& b, const QString& key)
{
    const QString v = GetParam(b, key);
    SetParam(b, key, QString());
    return v;
}

// Lines of at most 71 characters broken at ",", the first led by lead, the others
// by five blanks.
void rateLines(const QString& lead, const QString& t)
{
    QString piece = t;
    QString prefix = lead;
    for (;;) {
        QString rest;
        TextUmbruch(piece, 71, QStringLiteral(","), rest);
        plain(prefix + piece);
        if (rest.isEmpty() || rest == piece)
            return;
        piece = rest;
        prefix = QString(5, u' ');
    }
}

void intermediate(const QString& Norm)
{
    Program& p = prog();
    QString b = p.WorkStr[Slot::R];
    const QString Tei = GetParam(p.WorkStr[Slot::S], QStringLiteral("Tei"));
    const QString Tj = take(b, QStringLiteral("Tj"));
    const QString Tb = take(b, QStringLiteral("Tb"));
    if (!Tb.isEmpty()) {
        plain(text(Tei.isEmpty() ? 386 : 385, {Tb}));
    } else if (!Tei.isEmpty()) {
        plain(text(380, {Tj}));
    } else {
        const QString Tjr = take(b, QStringLiteral("Tjr"));
        SetParam(p.WorkStr[Slot::R], QStringLiteral("Tjr"), QString());
        if (!Tjr.isEmpty()) {
            plain(text(381, {Tjr}));
        } else {
            const QString Rtr = take(b, QStringLiteral("Rtr"));
            const QString Rtv = take(b, QStringLiteral("Rtv"));
            if (!Rtr.isEmpty())
                plain(text(382, {Rtr}));
            else if (!Rtv.isEmpty())
                plain(text(542, {Rtv}));
            if (!Tj.isEmpty()) {
                QString by;
                if (listing::num(GetParam(p.WorkStr[Slot::S], QStringLiteral("Nmw"))) != 0)
                    by = QStringLiteral("Nmw");
                else if (listing::num(GetParam(p.WorkStr[Slot::Q], QStringLiteral("Ntyp"))) != 0)
                    by = QStringLiteral("Ntyp");
                if (!by.isEmpty())
                    plain(text(383, {Tj, by}));
            }
        }
    }

    const QString Qkvm = take(b, QStringLiteral("Qkvm"));
    if (!Qkvm.isEmpty() && Norm.contains(u'2'))
        plain(text(387, {Qkvm}));
    const QString Labv = take(b, QStringLiteral("Labv"));
    if (!Labv.isEmpty())
        plain(text(388, {Labv}));
    const QString Klv = take(b, QStringLiteral("Klv"));
    if (!Klv.isEmpty())
        plain(text(389, {Klv}));
    const QString Acdcv = take(b, QStringLiteral("Acdcv"));
    if (!Acdcv.isEmpty())
        plain(text(390, {Acdcv + u'C'}));
    const QString Vuv = take(b, QStringLiteral("Vuv"));
    if (!Vuv.isEmpty())
        plain(text(391, {Vuv}));
    SetParam(b, QStringLiteral("Nev,Tur"), QString());

    const bool anyRate = b.contains(QLatin1String("Fit=")) || b.contains(QLatin1String("Fitm="))
                         || b.contains(QLatin1String("Fita="));
    if (!anyRate) {
        plain(text(392));
        return;
    }
    if (Norm.contains(u'3') || Norm.contains(u'1')) {
        qsizetype at = b.indexOf(QLatin1String("Fit="));
        if (at < 0)
            at = b.indexOf(QLatin1String("Fita="));
        if (at > 0)
            rateLines(QStringLiteral("YKA: "), b.left(at - 1));
    }
    if (Norm.contains(u'2')) {
        const qsizetype at = b.indexOf(QLatin1String("Bacm="));
        if (at >= 0) {
            QString mil = b.mid(at);
            SetParam(mil, QStringLiteral("Fitm"), QString());
            rateLines(QStringLiteral("MIL: "), mil);
        }
    }
}

// Box characters of code page 850.
const QChar V(179), H(196);

QString border(QChar left, QChar mid, QChar right)
{
    static const int widths[] = {20, 9, 12, 12, 12, 5};
    QString s(left);
    for (int i = 0; i < 6; ++i) {
        s += QString(widths[i], H);
        s += i < 5 ? mid : right;
    }
    return s;
}

const char* const kResultKey[] = {"", "Fit", "Fitm", "Fita"};

} // namespace

void ErgFehlList()
{
    Program& p = prog();
    if (p.WorkStr[Slot::R].startsWith(u','))
        p.WorkStr[Slot::R].remove(0, 1);
    const QString Norm = GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Norm"));
    listing::line(QStringLiteral("I"), text(377), 2, 0);
    listing::line(kStar, QString(), 0, 1);
    const QString& F = p.WorkStr[Slot::F];
    if (!F.isEmpty()) {
        listing::line(QStringLiteral("U"), text(378), 1, 2);
        if (findParamKey(F, QStringLiteral("Err")) >= 0) {
            const QString code = GetParam(F, QStringLiteral("Err"));
            if (!code.isEmpty())
                plain(erwaText(code));
        }
        QString rest = F;
        for (qsizetype at = findParamKey(rest, QStringLiteral("Warn")); at >= 0;
             at = findParamKey(rest, QStringLiteral("Warn"))) {
            const QString code = GetParam(rest, QStringLiteral("Warn"));
            rest = rest.mid(at + 5);
            QString t = erwaText(code);
            if (t.size() <= 78) {
                plain(t);
            } else {
                QString second;
                TextUmbruch(t, 78, QStringLiteral(" -,"), second);
                plain(t);
                plain(QString(10, u' ') + second);
            }
        }
    }
    listing::line(kStar, QString());
    listing::line(QStringLiteral("U"), text(379), 1, 2);
    intermediate(Norm);
}

void ErgTabelle(const QString& Norm)
{
    Program& p = prog();
    QString heading;
    // The results may begin with the rate key once the leading comma is gone.
    if ((u',' + p.WorkStr[Slot::R]).contains(QLatin1String(",Fit"))) {
        listing::line(kStar, QString());
        heading = text(393, {GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Tu"))});
    } else {
        listing::line(kStar, QString(), 1, 2);
        heading = text(394);
    }
    listing::line(QStringLiteral("U"), heading, 1, 2);
    const QString Hl = QStringLiteral("H");
    listing::line(Hl, border(QChar(218), QChar(194), QChar(191)));
    const bool en = p.LangNr == 2;
    const QStringList heads = en ? QStringList{QStringLiteral(" Standard/Handbook  "), QStringLiteral("  Edit.  "),
                                               QStringLiteral(" FR minimum "), QStringLiteral(" FR maximum "),
                                               QStringLiteral("  FR mean   "), QStringLiteral("     ")}
                                 : QStringList{QStringLiteral(" Norm bzw. Handbuch "), QStringLiteral("  Stand  "),
                                               QStringLiteral(" AR minimal "), QStringLiteral(" AR maximal "),
                                               QStringLiteral("  AR mittel "), QStringLiteral("     ")};
    listing::line(Hl, V + heads.join(V) + V);
    listing::line(Hl, border(QChar(195), QChar(197), QChar(180)));

    double mn[4] = {}, mx[4] = {}, mean[4] = {};
    for (int m = 1; m <= 3; ++m) {
        if (!Norm.contains(QChar(u'0' + m)))
            continue;
        const ParamPair r = GetParamPair(p.WorkStr[Slot::R], QLatin1String(kResultKey[m]));
        mn[m] = r.valueMin;
        mx[m] = r.valueMax;
        mean[m] = double(float((float(r.valueMin) + float(r.valueMax)) / 2.0f));
    }
    int d = 0;
    for (int m = 1; m <= 3; ++m) {
        if (!Norm.contains(QChar(u'0' + m)) || mean[m] <= 0)
            continue;
        if (mean[m] < 100 && d < 2)
            d = 1;
        if (mean[m] < 1)
            d = 2;
        if (mean[m] < 0.1)
            d = 3;
    }
    for (int m = 1; m <= 3; ++m) {
        if (!Norm.contains(QChar(u'0' + m)) || mn[m] <= 0)
            continue;
        const ParamPair standard = GetParamPair(p.Cf, QStringLiteral("No") + QString::number(m));
        QString row = V + u' ' + standard.textMin.leftJustified(18, u' ', true) + u' ' + V;
        row += u' ' + (QString(u'0') + standard.textMax).right(7) + u' ' + V;
        row += u' ' + FormWert(10, d, mn[m]) + u' ' + V;
        if (mx[m] > 0)
            row += u' ' + FormWert(10, d, mx[m]) + u' ' + V + u' ' + FormWert(10, d, mean[m]) + u' ' + V;
        else
            row += QString(12, u' ') + V + QString(12, u' ') + V;
        row += QStringLiteral(" fit ") + V;
        listing::line(Hl, row);
    }
    listing::line(Hl, border(QChar(192), QChar(193), QChar(217)));
}
