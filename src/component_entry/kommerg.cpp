#include "component_entry/kommerg.h"
#include "frame/workslots.h"
#include "component_entry/listlines.h"
#include "frame/codepage.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/listingfiles.h"

#include <QFile>

namespace {

const QChar kOpen(16), kClose(17);

double meanOf(int m)
{
    static const char* const keys[] = {"", "Fit", "Fitm", "Fita"};
    const ParamPair r = GetParamPair(prog().WorkStr[Slot::R], QLatin1String(keys[m]));
    return double((float(r.valueMin) + float(r.valueMax)) / 2.0f);
}

bool matchesPattern(const QString& pattern, const QString& value)
{
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'?')
            continue;
        if (i >= value.size() || pattern[i] != value[i])
            return false;
    }
    return true;
}

bool differsEverywhere(const QString& pattern, const QString& value)
{
    for (qsizetype i = 0; i < pattern.size(); ++i)
        if (pattern[i] != u'?' && i < value.size() && pattern[i] == value[i])
            return false;
    return true;
}

// A method digit 1 to 3, or 0 for any other value.
int methodDigit(const QString& v)
{
    return (v.size() == 1 && v[0] >= u'1' && v[0] <= u'3') ? v[0].digitValue() : 0;
}

void writeHeading()
{
    listing::line(QStringLiteral("*"), QString(), 0, 1);
    const int lang = prog().LangNr;
    if (lang == 1) {
        listing::line(QStringLiteral("I"), QStringLiteral("TARN  KOMMENTARE ZU DEN ERMITTELTEN ERGEBNISSEN"), 2, 0);
        listing::line(QStringLiteral("U"), QStringLiteral("Kommentare zu den ermittelten Ergebnissen"), 0, 2);
    } else if (lang == 2) {
        listing::line(QStringLiteral("I"), QStringLiteral("TARN  COMMENTS TO THE RESULTS"), 2, 0);
        listing::line(QStringLiteral("U"), QStringLiteral("Comments to the results"), 0, 2);
    }
}

} // namespace

void KommBedingung(QString& cond, bool& result)
{
    Program& p = prog();
    result = false;
    QString digits = GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Norm"));
    double mean[4] = {};
    int withResult = 0;
    for (int m = 1; m <= 3; ++m) {
        mean[m] = meanOf(m);
        if (mean[m] != 0)
            ++withResult;
        else
            digits.replace(QChar(u'0' + m), u'0');
    }
    if (withResult == 0)
        return;
    auto done = [&](const char* key) {
        SetParam(cond, QLatin1String(key), QString());
        return cond.isEmpty();
    };

    const QString norm = GetParam(cond, QStringLiteral("Norm")).section(u'/', 0, 0);
    if (!norm.isEmpty()) {
        int hits = 0;
        for (const QChar c : norm)
            if (digits.contains(c))
                ++hits;
        if (hits == 0)
            return;
        if (done("Norm")) {
            result = true;
            return;
        }
    }
    if (withResult >= 2) {
        for (const char* key : {"Arh", "Art"}) {
            const QString v = GetParam(cond, QLatin1String(key));
            if (v.isEmpty())
                continue;
            // A value that names no method makes the condition false.
            const int d = methodDigit(v);
            if (d == 0)
                return;
            const bool high = key[2] == 'h';
            for (int e = 1; e <= 3; ++e) {
                if (e == d)
                    continue;
                if (high ? mean[d] < 2 * mean[e] : mean[d] > mean[e] / 2)
                    return;
            }
            if (done(key)) {
                result = true;
                return;
            }
        }
    }
    const QString env = GetParam(cond, QStringLiteral("Env"));
    if (!env.isEmpty()) {
        const QString runEnv = GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Env"));
        const bool fails = env.startsWith(u'-') ? env.mid(1) == runEnv : env != runEnv;
        if (fails)
            return;
        if (done("Env")) {
            result = true;
            return;
        }
    }
    const QString& q = p.WorkStr[Slot::Q];
    const QString bac = GetParam(cond, QStringLiteral("Bac"));
    if (!bac.isEmpty()) {
        if (!matchesPattern(bac, GetParam(q, QStringLiteral("Bac"))))
            return;
        if (done("Bac")) {
            result = true;
            return;
        }
    }
    const QString tec = GetParam(cond, QStringLiteral("Tec"));
    if (!tec.isEmpty()) {
        const QString own = GetParam(q, QStringLiteral("Tec"));
        if (tec.startsWith(u'-') ? !differsEverywhere(tec.mid(1), own) : !matchesPattern(tec, own))
            return;
        if (done("Tec")) {
            result = true;
            return;
        }
    }
    const QString gec = GetParam(cond, QStringLiteral("Gec"));
    if (!gec.isEmpty()) {
        if (gec.toUpper() != GetParam(q, QStringLiteral("Gec")).toUpper())
            return;
        if (done("Gec")) {
            result = true;
            return;
        }
    }
    const QString zf = GetParam(cond, QStringLiteral("Zf"));
    if (!zf.isEmpty()) {
        const double n = listing::num(zf);
        double own = listing::num(GetParam(p.WorkStr[Slot::S], QStringLiteral("Zf")));
        if (own == 0)
            own = 100;
        if ((n > 0 && own != n) || (n < 0 && own == -n))
            return;
        if (done("Zf")) {
            result = true;
            return;
        }
    }
    const QString qklm = GetParam(cond, QStringLiteral("Qklm"));
    if (!qklm.isEmpty()) {
        const QString own = GetParam(p.WorkStr[Slot::S], QStringLiteral("Qklm"));
        result = own.isEmpty() || own == qklm;
        if (result)
            SetParam(cond, QStringLiteral("Qklm"), QString());
        return;
    }
    result = true;
}

void KommErg()
{
    Program& p = prog();
    QFile file(nativePath(p.LangDir + QStringLiteral("btx\\kbn.txt")));
    // Without a comment file there are no comments: the result pages stand alone.
    if (!file.open(QIODevice::ReadOnly))
        return;
    bool active = false;
    bool headed = false;
    while (!file.atEnd()) {
        QByteArray bytes = file.readLine();
        while (!bytes.isEmpty() && (bytes.endsWith('\n') || bytes.endsWith('\r')))
            bytes.chop(1);
        QString l = fromBytes(bytes);
        while (!l.isEmpty() && l.back().isSpace())
            l.chop(1);
        const qsizetype open = l.indexOf(kOpen);
        if (open >= 0 && l.indexOf(QString(kOpen) + QStringLiteral("ENDE") + kClose) >= 0)
            break;
        if (open >= 0) {
            // A condition without its closing mark runs to the end of the line.
            const qsizetype close = l.indexOf(kClose, open + 1);
            QString cond = close >= 0 ? l.mid(open + 1, close - open - 1) : l.mid(open + 1);
            KommBedingung(cond, active);
            if (active && !headed) {
                writeHeading();
                headed = true;
            }
            continue;
        }
        if (!active)
            continue;
        if (l.isEmpty())
            listing::line(QStringLiteral("*"), QString()); // a line without its type letter: an empty record
        else
            listing::line(l.left(1), l.mid(1).left(ListRecordLength - 2));
    }
}
