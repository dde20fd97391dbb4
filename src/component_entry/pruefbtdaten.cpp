#include "component_entry/pruefbtdaten.h"
#include "frame/workslots.h"
#include "calculation/names.h"
#include "component_entry/listlines.h"
#include "frame/codepage.h"
#include "frame/database.h"
#include "frame/formatters.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"

namespace {

using listing::line;
using listing::text;

const QString kStar = QStringLiteral("*");

QString q(const QString& key)
{
    return GetParam(prog().WorkStr[Slot::Q], key);
}

QString bac()
{
    return q(QStringLiteral("Bac"));
}

QString tec()
{
    return q(QStringLiteral("Tec"));
}

QString charAt(const QString& s, int i)
{
    return i < s.size() ? s.mid(i, 1) : QString();
}

void plain(const QString& s)
{
    line(kStar, s);
}

// A text chosen by one character from a table; nothing for other characters.
QString pick(const QString& c, std::initializer_list<std::pair<const char*, int>> table)
{
    for (const auto& [key, id] : table)
        if (c == QLatin1String(key))
            return text(id);
    return QString();
}

QString lifetimeHours(const QString& d3, const QString& t)
{
    if (d3 == QLatin1String("371") || d3 == QLatin1String("373"))
        return GetParam(QStringLiteral("11=600,12=1000,13=2000,14=4000,15=5000,16=6000,21=10000,22=14000,23=16000,"
                                       "24=20000"),
                        t.left(2));
    if (d3 == QLatin1String("372"))
        return QStringLiteral("8000");
    if (d3 == QLatin1String("377"))
        return GetParam(QStringLiteral("1=10000,2=20000,3=30000,4=100000"), t.left(1));
    return QString();
}

void list(const char* key)
{
    QString k = QString::fromLatin1(key);
    BtDatenList(k);
}

void housingLine()
{
    plain(text(306, {AnsiToOem(GehText(q(QStringLiteral("Gec")).toUpper(), tec()))}));
}

void nameLines()
{
    const QString n = PosBtName(prog().LangNr);
    QString first = n;
    QString second;
    qsizetype w = n.size();
    if (n.size() > 78) {
        TextUmbruch(first, 78, QStringLiteral(" -"), second);
        w = std::max(first.size(), second.size());
    }
    const QString rule(w, QChar(196));
    const QString F = QStringLiteral("F");
    line(F, rule, 0, 1);
    line(F, first);
    if (!second.isEmpty())
        line(F, second);
    line(F, rule, 0, 1);
}

void identityLines()
{
    const QString& id = prog().WorkStr[Slot::Ident];
    const QString typ = GetParam(id, QStringLiteral("Typ"));
    const QString yk = GetParam(id, QStringLiteral("Yk"));
    const QString an = GetParam(id, QStringLiteral("An"));
    if (!typ.isEmpty() || !yk.isEmpty() || !an.isEmpty()) {
        QString s = text(445) + u' ';
        if (!typ.isEmpty())
            s += typ + QStringLiteral(", ");
        if (!yk.isEmpty())
            s += yk + QStringLiteral(", ");
        if (!an.isEmpty())
            s += an;
        while (s.endsWith(u' '))
            s.chop(1);
        if (s.endsWith(u','))
            s.chop(1);
        listing::wrapped(s, 77, QStringLiteral(" "), 13);
    }
    QString desc = prog().WorkStr[Slot::B];
    if (!desc.isEmpty()) {
        // The pi marker has no place in code page 850: it is kept out of the conversion.
        ReplaceAll(desc, QString(PiMark), QStringLiteral("{p}"), 0);
        desc = AnsiToOem(desc);
        ReplaceAll(desc, QStringLiteral("{p}"), QString(PiMark), 0);
        listing::wrapped(text(423) + desc, 77, QStringLiteral(" "), 13);
    }
}

void class5(const QString& b, const QString& t)
{
    const QString d2 = b.left(2);
    const QString d3 = b.left(3);
    if (d2 == QLatin1String("52")) {
        const QString s = pick(charAt(b, 2), {{"1", 316}, {"2", 317}, {"3", 318}});
        plain(s.isEmpty() ? text(315) : s);
    }
    if (d2 == QLatin1String("53"))
        list("RlsSchutz");
    if (d2 == QLatin1String("54"))
        list("SchalterSchutz");
    if (d3 == QLatin1String("521"))
        plain(pick(charAt(b, 3), {{"0", 319}, {"1", 320}, {"2", 321}, {"3", 322}, {"4", 323}}));
    const QString t2 = charAt(t, 1);
    if (d2 == QLatin1String("53")) {
        const QString kind = t2 == QLatin1String("1")
                                 ? text(t.startsWith(u'1') ? 326 : 327)
                                 : pick(t2, {{"0", 325}, {"2", 328}, {"3", 329}, {"4", 330}, {"5", 384}});
        plain(text(324, {kind}));
    }
    if (d2 == QLatin1String("54"))
        plain(text(324, {pick(t2, {{"0", 331}, {"1", 332}, {"2", 333}})}));
    if (d2 == QLatin1String("53"))
        plain(text(334, {pick(charAt(t, 2), {{"0", 335}, {"1", 336}, {"2", 337}})}));
    list("Vf");
    if (d2 == QLatin1String("55"))
        list("Hisch");
    list("Inen");
    list("Tbmax");
}

} // namespace

void PruefBtDaten()
{
    Program& p = prog();
    const QString b = bac();
    const QString t = tec();
    const QString d1 = b.left(1), d2 = b.left(2), d3 = b.left(3);
    const QString gec = q(QStringLiteral("Gec")).toUpper();
    const QString bacm = q(QStringLiteral("Bacm")).toUpper();
    const QString pin = q(QStringLiteral("Pin"));

    line(QStringLiteral("I"), text(300), 2, 0);
    list("BtName");
    list("Tsab");
    line(kStar, QString());
    const QString badr = GetParam(p.WorkStr[Slot::SyPar], QStringLiteral("Badr"));
    line(QStringLiteral("U"), badr.isEmpty() ? text(301) : text(302, {badr}), 2, 2);

    QString code = QStringLiteral("Code       : Bac = ") + b + QStringLiteral("  Tec = ") + t;
    if (!gec.isEmpty())
        code += QStringLiteral("  Gec = ") + gec;
    if (!pin.isEmpty())
        code += QStringLiteral("  Pin = ") + pin;
    if (!bacm.isEmpty())
        code += QStringLiteral("  Bacm = ") + bacm;
    plain(code);
    if (!p.WorkStr[Slot::Z].isEmpty())
        listing::wrapped(text(303, {p.WorkStr[Slot::Z]}), 77, QStringLiteral(", "), 13);
    list("Are");
    list("Ari");
    list("Arem");

    if (d1 == QLatin1String("1")) {
        const QString asic = q(QStringLiteral("Asic"));
        if (!asic.isEmpty())
            plain(text(304, {asic}));
        QString kompl, description;
        KomplexText(p.WorkStr[Slot::Q], kompl, description);
        plain(text(305, {description}));
        housingLine();
        for (const char* k : {"Rte", "Ntyp", "Umax", "AchipSac", "Vf"})
            list(k);
    } else if (d1 == QLatin1String("2")) {
        if (t.startsWith(u'6'))
            plain(QStringLiteral("Material   : Gallium-Arsenid"));
        else if (t.startsWith(u'7'))
            plain(QStringLiteral("Material   : Germanium"));
        housingLine();
        for (const char* k : {"Rte", "Umax", "Vf"})
            list(k);
    } else if (d1 == QLatin1String("3")) {
        if (d2 == QLatin1String("37")) {
            const QString hours = lifetimeHours(d3, t);
            plain(hours.isEmpty() ? text(308) : text(307, {hours}));
            const QString unen = q(QStringLiteral("Unen"));
            if (!unen.isEmpty())
                plain(text(309, {unen}));
        }
        for (const char* k : {"Vf", "Rte", "Ntyp"})
            list(k);
        if (d2 == QLatin1String("31"))
            list("Umax");
        if (d2 == QLatin1String("32"))
            list("Imax");
    } else if (d1 == QLatin1String("4")) {
        if (gec == QLatin1String("DRAHT"))
            plain(text(312));
        else if (gec == QLatin1String("SMT"))
            plain(text(313));
        list("Vf");
        list("Tbmax");
        if (d2 == QLatin1String("41"))
            list("Umax");
    } else if (d1 == QLatin1String("5")) {
        class5(b, t);
    } else if (d1 == QLatin1String("6") || d1 == QLatin1String("7")) {
        list("Vf");
    }
}

void BtDatenList(QString& Key)
{
    if (Key == QLatin1String("BtName")) {
        Key = QStringLiteral("F");
        nameLines();
        return;
    }
    if (Key == QLatin1String("Tsab")) {
        identityLines();
        return;
    }
    const QString b = bac();
    const QString t = tec();
    if (Key == QLatin1String("AchipSac")) {
        const QString achip = q(QStringLiteral("Achip"));
        const QString sac = q(QStringLiteral("Sac"));
        if (achip.isEmpty() && sac.isEmpty())
            return;
        plain(achip.isEmpty() ? text(396) : text(397, {achip}));
        plain(sac.isEmpty() ? text(398) : text(399, {sac}));
        return;
    }
    if (Key == QLatin1String("RlsSchutz")) {
        plain(text(412) + pick(t.left(1), {{"0", 413}, {"1", 414}, {"2", 415}, {"3", 416}, {"4", 417}}));
        return;
    }
    if (Key == QLatin1String("SchalterSchutz")) {
        plain(text(418) + pick(t.left(1), {{"0", 419}, {"3", 420}, {"4", 421}}));
        return;
    }
    const QString value = q(Key);
    if (value.isEmpty())
        return;
    static const std::pair<const char*, int> simple[] = {{"Are", 400},  {"Ari", 401},  {"Arem", 470},
                                                         {"Ntyp", 409}, {"Rte", 411},  {"Imax", 407},
                                                         {"Inen", 408}, {"Umax", 424}, {"Tbmax", 422}};
    for (const auto& [key, id] : simple)
        if (Key == QLatin1String(key)) {
            plain(text(id, {value}));
            return;
        }
    if (Key == QLatin1String("Hisch")) {
        plain(value == QLatin1String("0") ? text(406) : text(405, {value}));
    } else if (Key == QLatin1String("Vf")) {
        const QString d2 = b.left(2), d3 = b.left(3);
        QString suffix;
        if (d2 == QLatin1String("52"))
            suffix = text(338);
        else if (d2 == QLatin1String("53") || d2 == QLatin1String("54"))
            suffix = text(339);
        else if (d3 == QLatin1String("322") && !b.isEmpty() && b.back().isDigit() && b.back().digitValue() < 5)
            suffix = text(311);
        else if (d3 == QLatin1String("425"))
            suffix = text(314);
        plain(text(310, {value}) + suffix);
    }
}

QString GehText(const QString& Gec, const QString& Tec)
{
    Program& p = prog();
    QString description;
    bool housing = false;
    int h = -1;
    if (Gec.isEmpty()) {
        description = ResText(QStringLiteral("132"), p.LangNr, true);
    } else {
        const QString columns = QStringLiteral("SELECT DISTINCT [Arttext],[Comment") + QString::number(p.LangNr)
                                + QStringLiteral("], [Art], [Her] FROM [GECRTH] WHERE ");
        // The housing code reaches the statement as a parameter: a quote in it is data.
        Snapshot rs = p.SystDb->snapshot(columns + QStringLiteral("[Gec] = ?"), {Gec});
        bool found = rs.recordCount() > 0;
        housing = found;
        if (!found && Gec.back().isDigit()) {
            QString kind = Gec;
            while (!kind.isEmpty() && kind.back().isDigit())
                kind.chop(1);
            if (!kind.isEmpty()) {
                rs = p.SystDb->snapshot(columns + QStringLiteral("[Art] = ?"), {kind});
                found = rs.recordCount() > 0;
            }
        }
        if (found) {
            rs.moveFirst();
            if (rs.text(2) != QLatin1String("EXTRA"))
                description = rs.text(0);
            if (housing) {
                const QString comment = rs.text(1);
                if (!comment.isEmpty())
                    description += (description.isEmpty() ? QString() : QStringLiteral(", ")) + comment;
                h = int(listing::num(rs.text(3)));
            }
        } else {
            description = ResText(QStringLiteral("440"), p.LangNr, true);
        }
    }
    if (!housing)
        h = int(listing::num(Tec.right(1)));
    QString suffix;
    if (h == 1)
        suffix = ResText(QStringLiteral("402"), p.LangNr, true);
    else if (h == 2)
        suffix = ResText(QStringLiteral("403"), p.LangNr, true);
    else if (h == 3 && description.isEmpty())
        suffix = ResText(QStringLiteral("404"), p.LangNr, true);
    if (!description.isEmpty() && !suffix.isEmpty())
        return description + QStringLiteral(", ") + suffix;
    return description.isEmpty() ? suffix : description;
}
