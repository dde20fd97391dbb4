#include "component_entry/kommerg.h"
#include "frame/workslots.h"
#include "component_entry/listlines.h"
#include "frame/codepage.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "listing/listingfiles.h"

#include <QFile>

#include <functional>

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

// The mean results of the three methods (index 1 norm, 2 handbook, 3 user
// list), and the run's method digits without those that gave no result.
struct MethodResults {
    double mean[4] = {};
    int withResult = 0;
    QString digits;
};

MethodResults methodResults(const Program& p)
{
    MethodResults r;
    r.digits = GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Norm"));
    for (int m = 1; m <= 3; ++m) {
        r.mean[m] = meanOf(m);
        if (r.mean[m] != 0)
            ++r.withResult;
        else
            r.digits.replace(QChar(u'0' + m), u'0');
    }
    return r;
}

// What one test of a condition gives: it fails; it holds (or had nothing to
// test) and keys are left; it holds and the condition has no keys left.
enum class Test { Fails, Holds, Done };

// A key that held leaves the condition.
Test passed(QString& cond, const QString& key)
{
    SetParam(cond, key, QString());
    return cond.isEmpty() ? Test::Done : Test::Holds;
}

// At least one of the methods named ran with a result.
Test normTest(QString& cond, const MethodResults& m)
{
    const QString norm = GetParam(cond, QStringLiteral("Norm")).section(u'/', 0, 0);
    if (norm.isEmpty())
        return Test::Holds;
    int hits = 0;
    for (const QChar c : norm)
        if (m.digits.contains(c))
            ++hits;
    if (hits == 0)
        return Test::Fails;
    return passed(cond, QStringLiteral("Norm"));
}

// The method named gives at least twice (Arh) or at most half (Art) the rate of
// each other method.
Test ratioTest(QString& cond, const MethodResults& m, const QString& key)
{
    const QString v = GetParam(cond, key);
    if (v.isEmpty())
        return Test::Holds;
    // A value that names no method makes the condition false.
    const int d = methodDigit(v);
    if (d == 0)
        return Test::Fails;
    const bool high = key == QLatin1String("Arh");
    for (int e = 1; e <= 3; ++e) {
        if (e == d)
            continue;
        if (high ? m.mean[d] < 2 * m.mean[e] : m.mean[d] > m.mean[e] / 2)
            return Test::Fails;
    }
    return passed(cond, key);
}

// The run's environment is (or with "-" is not) the one named.
Test environmentTest(QString& cond, const QString& runEnv)
{
    const QString env = GetParam(cond, QStringLiteral("Env"));
    if (env.isEmpty())
        return Test::Holds;
    const bool fails = env.startsWith(u'-') ? env.mid(1) == runEnv : env != runEnv;
    return fails ? Test::Fails : passed(cond, QStringLiteral("Env"));
}

// The component's class code matches the pattern ("?" any character); its
// technology code too, or with "-" differs from it at every given place.
Test codeTest(QString& cond, const QString& q, const QString& key)
{
    const QString pattern = GetParam(cond, key);
    if (pattern.isEmpty())
        return Test::Holds;
    const QString own = GetParam(q, key);
    const bool negated = key == QLatin1String("Tec") && pattern.startsWith(u'-');
    if (negated ? !differsEverywhere(pattern.mid(1), own) : !matchesPattern(pattern, own))
        return Test::Fails;
    return passed(cond, key);
}

Test housingTest(QString& cond, const QString& q)
{
    const QString gec = GetParam(cond, QStringLiteral("Gec"));
    if (gec.isEmpty())
        return Test::Holds;
    if (gec.toUpper() != GetParam(q, QStringLiteral("Gec")).toUpper())
        return Test::Fails;
    return passed(cond, QStringLiteral("Gec"));
}

// The operating share in percent (none given: 100) is the one named, or with a
// negative value is not.
Test shareTest(QString& cond, const QString& stress)
{
    const QString zf = GetParam(cond, QStringLiteral("Zf"));
    if (zf.isEmpty())
        return Test::Holds;
    const double n = listing::num(zf);
    double own = listing::num(GetParam(stress, QStringLiteral("Zf")));
    if (own == 0)
        own = 100;
    if ((n > 0 && own != n) || (n < 0 && own == -n))
        return Test::Fails;
    return passed(cond, QStringLiteral("Zf"));
}

// The last test: the quality class named, or none given in the stress data.
bool qualityClassHolds(QString& cond, const QString& stress)
{
    const QString qklm = GetParam(cond, QStringLiteral("Qklm"));
    if (qklm.isEmpty())
        return true;
    const QString own = GetParam(stress, QStringLiteral("Qklm"));
    const bool holds = own.isEmpty() || own == qklm;
    if (holds)
        SetParam(cond, QStringLiteral("Qklm"), QString());
    return holds;
}

} // namespace

void KommBedingung(QString& cond, bool& result)
{
    Program& p = prog();
    result = false;
    const MethodResults m = methodResults(p);
    if (m.withResult == 0)
        return;
    const QString& q = p.WorkStr[Slot::Q];
    const QString& stress = p.WorkStr[Slot::S];
    // The tests in order; the first that fails makes the condition false, and
    // the condition holds as soon as no key is left.
    const std::function<Test()> tests[] = {
        [&] { return normTest(cond, m); },
        [&] { return m.withResult >= 2 ? ratioTest(cond, m, QStringLiteral("Arh")) : Test::Holds; },
        [&] { return m.withResult >= 2 ? ratioTest(cond, m, QStringLiteral("Art")) : Test::Holds; },
        [&] { return environmentTest(cond, GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Env"))); },
        [&] { return codeTest(cond, q, QStringLiteral("Bac")); },
        [&] { return codeTest(cond, q, QStringLiteral("Tec")); },
        [&] { return housingTest(cond, q); },
        [&] { return shareTest(cond, stress); },
    };
    for (const auto& test : tests) {
        const Test t = test();
        if (t == Test::Fails)
            return;
        if (t == Test::Done) {
            result = true;
            return;
        }
    }
    result = qualityClassHolds(cond, stress);
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
