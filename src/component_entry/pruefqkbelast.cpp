#include "component_entry/pruefqkbelast.h"
#include "frame/workslots.h"
#include "component_entry/listlines.h"
#include "frame/formatters.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/program.h"

namespace {

using listing::text;

const QString kStar = QStringLiteral("*");

QString s(const char* key)
{
    return GetParam(prog().WorkStr[Slot::S], QLatin1String(key));
}

void plain(const QString& t)
{
    listing::line(kStar, t);
}

void item(const char* key, int id)
{
    const QString v = s(key);
    if (!v.isEmpty())
        plain(text(id, {v}));
}

QString milClassText(const QString& c)
{
    if (c == QLatin1String("S"))
        return QStringLiteral("MIL-M-38510 Class C");
    if (c == QLatin1String("S-1"))
        return QStringLiteral("MIL-STD-975 oder MIL-STD-1547");
    if (c == QLatin1String("B"))
        return QStringLiteral("MIL-M-38510 Class B");
    if (c == QLatin1String("B-1") || c == QLatin1String("B-2"))
        return QStringLiteral("MIL-STD-883 Par. 1.2.1");
    if (c == QLatin1String("D"))
        return QStringLiteral("Hermetic, non hermetic with burn in");
    if (c == QLatin1String("D-1"))
        return QStringLiteral("Non hermetic, commercial");
    return QString();
}

QString loadRangeText(const QString& lab)
{
    if (lab == QLatin1String("1"))
        return text(358);
    if (lab == QLatin1String("2"))
        return QStringLiteral("U > 0,5 V, I <= 100 mA");
    if (lab == QLatin1String("3"))
        return QStringLiteral("U <= 13 V, I > 100 mA");
    if (lab == QLatin1String("4"))
        return QStringLiteral("U > 13 V, I > 100 mA");
    return QString();
}

void tei(const QString& d1)
{
    item("Tei", (d1 == QLatin1String("4") || d1 == QLatin1String("5")) ? 368 : 367);
}

void rtv()
{
    const ParamPair r = GetParamPair(prog().WorkStr[Slot::S], QStringLiteral("Rtv"));
    if (r.valueMin != 0)
        plain(text(365, {FormBerS(float(r.valueMin), float(r.valueMax), 1)}));
}

void drift()
{
    const QString v = s("Drift");
    if (v == QLatin1String("0"))
        plain(text(372));
    else if (v == QLatin1String("1"))
        plain(text(373));
    else if (v == QLatin1String("0/1"))
        plain(text(374));
}

void zf()
{
    const QString v = s("Zf");
    if (v.isEmpty() || v == QLatin1String("100%"))
        plain(text(375, {QStringLiteral("100%")}));
    else
        plain(text(376, {v}));
}

void qClassRange()
{
    const ParamPair p = GetParamPair(prog().WorkStr[Slot::S], QStringLiteral("Qkm"));
    if (!p.textMin.isEmpty() && p.textMax != p.textMin)
        plain(text(350, {p.textMin + u'/' + p.textMax}));
}

void qClassName()
{
    const ParamPair p = GetParamPair(prog().WorkStr[Slot::S], QStringLiteral("Qkm"));
    if (!p.textMin.isEmpty() && p.textMax == p.textMin)
        plain(text(351, {p.textMin, milClassText(p.textMin)}));
}

void units(const QString& d2)
{
    const QString v = s("Vfi");
    if (v.isEmpty() || v == GetParam(prog().WorkStr[Slot::Q], QStringLiteral("Vf")))
        return;
    QString t = text(352);
    // Groups 5x other than 52 to 54 have no wording of their own: the label alone.
    if (d2 == QLatin1String("52"))
        t += text(353, {v});
    else if (d2 == QLatin1String("53") || d2 == QLatin1String("54"))
        t += text(354, {v});
    plain(t);
}

void switching()
{
    const QString v = s("Sh");
    if (v.isEmpty())
        return;
    plain(v == QLatin1String("1") ? text(355) : text(356, {v}));
}

void load()
{
    QString& l = prog().WorkStr[Slot::Line];
    l.clear();
    const QString lab = s("Lab");
    if (!lab.isEmpty())
        l = text(357, {lab}) + loadRangeText(lab);
    const QString kl = s("Kl");
    if (!kl.isEmpty()) {
        const int id = kl == QLatin1String("R")   ? 359
                       : kl == QLatin1String("C") ? 360
                       : kl == QLatin1String("L") ? 361
                       : kl == QLatin1String("F") ? 362
                                                  : 0;
        if (id)
            l += QStringLiteral("  ") + text(id);
        else
            l.clear();
    }
    const QString acdc = s("Acdc");
    if (!acdc.isEmpty())
        l += QStringLiteral("  ") + acdc + u'C';
    if (!l.isEmpty())
        plain(l);
}

void failureCriterion()
{
    const QString v = s("Akr").toUpper();
    if (v == QLatin1String("N"))
        plain(text(363));
    else if (v == QLatin1String("S"))
        plain(text(364));
}

} // namespace

void PruefQkBelast()
{
    Program& p = prog();
    const QString Norm = GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Norm"));
    const QString bac = GetParam(p.WorkStr[Slot::Q], QStringLiteral("Bac"));
    const QString d1 = bac.left(1), d2 = bac.left(2);

    listing::line(QStringLiteral("I"), text(340), 2, 0);
    listing::line(kStar, QString(), 1, 1);
    listing::line(QStringLiteral("U"), text(341), 0, 2);

    if (Norm.contains(u'1')) {
        const QString qks = s("Qks");
        if (qks.isEmpty())
            plain(text(342));
        else if (qks == QLatin1String("LL"))
            plain(text(343));
        else if (qks == QLatin1String("GP"))
            plain(text(344));
    }
    if (Norm.contains(u'3'))
        plain(text(345));
    if (Norm.contains(u'2')) {
        const QString qkm = s("Qkm");
        plain(qkm.isEmpty() ? text(347) : text(346, {qkm}));
        const QString qem = GetParam(p.WorkStr[Slot::S], QString(PiMark) + QStringLiteral("qem"));
        if (!qem.isEmpty())
            listing::line(QString(QChar(149)), text(348, {QString(PiMark), qem}));
    }

    if (d1 == QLatin1String("1") || d1 == QLatin1String("2")) {
        item("Nmw", 366);
        tei(d1);
        item("Ter", 369);
        rtv();
        item("Ub", 370);
        drift();
        zf();
    } else if (d1 == QLatin1String("3")) {
        item("Nmw", 366);
        const QString degr = s("Degr");
        if (!degr.isEmpty())
            plain(QStringLiteral("Deg: ") + text(349, {degr}));
        tei(d1);
        item("Ub", 370);
        item("Ib", 371);
        zf();
    } else if (d1 == QLatin1String("4")) {
        qClassRange();
        qClassName();
        tei(d1);
        item("Ub", 370);
        zf();
    } else if (d1 == QLatin1String("5") && d2 != QLatin1String("51")) {
        qClassRange();
        units(d2);
        tei(d1);
        switching();
        load();
        failureCriterion();
        item("Ub", 370);
        item("Ib", 371);
    }
}
