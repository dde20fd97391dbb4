#include "component_entry/belastein.h"
#include "frame/workslots.h"
#include "calculation/systdb.h"
#include "component_entry/entrysteps.h"
#include "component_entry/listlines.h"
#include "component_entry/milqkwahl.h"
#include "dialogue/beprogein.h"
#include "dialogue/dia.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/tarnstart.h"

namespace {

const QString kDiv = QStringLiteral("btx\\div");

class StressEntry {
public:
    StressEntry(const QString& entryMode, QString& ret, std::vector<StressItem>* changedItems)
        : mode(entryMode), Ret(ret), changes(changedItems)
    {
        Program& p = prog();
        Norm = GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Norm"));
        const QString& q = p.WorkStr[Slot::Q];
        Bac = GetParam(q, QStringLiteral("Bac"));
        d1 = Bac.left(1);
        d2 = Bac.left(2);
        d3 = Bac.left(3);
        Tec = GetParam(q, QStringLiteral("Tec"));
        t1 = Tec.left(1);
        G = GetParam(q, QStringLiteral("Gec")).toUpper();
        Rte = GetParam(q, QStringLiteral("Rte"));
        rte1 = GetParamPair(q, QStringLiteral("Rte")).valueMin;
        Vf = GetParam(q, QStringLiteral("Vf"));
    }

    void run();

private:
    QString& S() { return prog().WorkStr[Slot::S]; }
    void refresh() { frmBEProgEin::AnzQbSdTxt(2, S()); }

    void append(const QString& key, const QString& value)
    {
        S() += u',' + key + u'=' + value;
        if (changes)
            changes->push_back({key, value, false});
    }
    void appendIfAny(const QString& key, const QString& value)
    {
        if (!value.isEmpty())
            append(key, value);
    }
    void removeItem(const QString& key)
    {
        SetParam(S(), key, QString());
        if (changes)
            changes->push_back({key, QString(), true});
    }

    // An input screen of the language directory on entry field 1 (preset given);
    // the answer is field 1.
    QString screen(const QString& file, const QString& chapter, const QString& preset = QString())
    {
        QStringList& f = entry::felder();
        while (f.size() < 2)
            f.append(QString());
        f[1] = preset;
        QString kz, startBis;
        DiaDIN(entry::langFile(file), chapter, kz, startBis, f, Ret);
        return entry::field(1);
    }
    QString menu(const QString& chapter, const QString& Bez = QString(), int AddButt = 0, int* chosenMode = nullptr)
    {
        QString kz;
        const int m = entry::menu(kDiv, chapter, kz, Bez, 2, AddButt);
        if (chosenMode)
            *chosenMode = m;
        return kz;
    }
    bool grpOf(std::initializer_list<const char*> codes, const QString& d) const
    {
        for (const char* c : codes)
            if (d == QLatin1String(c))
                return true;
        return false;
    }
    bool noHousing() const { return grpOf({"CHIP", "???", "XXX"}, G); }

    void askVoltage()
    {
        appendIfAny(QStringLiteral("Ub"), screen(QStringLiteral("btx\\uif"), QStringLiteral("ub")).trimmed());
        refresh();
    }
    void askCurrent()
    {
        appendIfAny(QStringLiteral("Ib"), screen(QStringLiteral("btx\\uif"), QStringLiteral("ib")).trimmed());
        refresh();
    }
    void askDrift();
    void askUnits();
    void milQuality();
    void class1();
    void class2();
    void class3();
    void class4();
    void class5();
    bool zener();

    QString mode;
    QString& Ret;
    std::vector<StressItem>* changes;
    QString Norm, Bac, d1, d2, d3, Tec, t1, G, Rte, Vf;
    double rte1 = 0;
};

void StressEntry::askDrift()
{
    for (;;) {
        int m = 0;
        const QString kz = menu(QStringLiteral("drift"), QString(), 4, &m);
        if (m == 4) {
            DiaBTX(entry::langFile(QStringLiteral("btx\\drift.txt")), QString(), 0, Ret, true);
            continue;
        }
        const QString a = kz.toUpper();
        append(QStringLiteral("Drift"), a == QLatin1String("1")   ? QStringLiteral("0")
                                        : a == QLatin1String("2") ? QStringLiteral("1")
                                                                  : QStringLiteral("0/1"));
        refresh();
        return;
    }
}

void StressEntry::askUnits()
{
    if (Vf.isEmpty())
        return;
    for (;;) {
        const QString v = entry::rtrim(screen(QStringLiteral("btx\\vftbzf"), QStringLiteral("vfi"), Vf));
        if (v.toUpper() == QLatin1String("H")) {
            MsgNoHelp();
            continue;
        }
        if (listing::num(Vf) < listing::num(v)) {
            Ret = QString::number(MsgBoxRes(QStringLiteral("74"), 0, prog().LangNr));
            continue;
        }
        if (!v.isEmpty() && v != Vf)
            append(QStringLiteral("Vfi"), entry::ltrim(v));
        refresh();
        return;
    }
}

void StressEntry::milQuality()
{
    QString qkm, qem;
    if (d3 != QLatin1String("325") && d3 != QLatin1String("377") && d2 != QLatin1String("34")) {
        QString key;
        for (;;) {
            DiaDIK(entry::langFile(QStringLiteral("btx\\milq")), QStringLiteral("milqv"), key);
            if (key != QLatin1String("H") && key != QLatin1String("h"))
                break;
            MsgNoHelp();
        }
        if (key == QLatin1String("1"))
            MilQkWahl(d1, qkm);
        else if (key == QLatin1String("2"))
            qem = screen(QStringLiteral("btx\\milq"), QStringLiteral("piqe"));
    }
    appendIfAny(QStringLiteral("Qkm"), qkm);
    appendIfAny(QString(PiMark) + QStringLiteral("qem"), entry::rtrim(qem));
    refresh();
}

void StressEntry::class1()
{
    if (d2 == QLatin1String("11"))
        return;
    const QString tei = entry::rtrim(screen(QStringLiteral("btx\\hl"), QStringLiteral("teie")));
    appendIfAny(QStringLiteral("Tei"), tei);
    refresh();
    if (tei.isEmpty() && !noHousing() && (G != QLatin1String("SONDER") || rte1 != 0)) {
        appendIfAny(QStringLiteral("Nmw"), entry::rtrim(screen(QStringLiteral("btx\\hl"), QStringLiteral("nmw"))));
        refresh();
    }
    if (d2 == QLatin1String("14") && grpOf({"40", "41"}, Tec.left(2)))
        askVoltage();
    if (d3 == QLatin1String("161"))
        askVoltage();
    if (Bac == QLatin1String("1312"))
        askDrift();
    if (d2 == QLatin1String("16"))
        askDrift();
}

// The Zener choice; true when it settled the self-heating.
bool StressEntry::zener()
{
    const QString z = menu(QStringLiteral("zener"), QStringLiteral("Tei"));
    if (z == QLatin1String("0") || z == QLatin1String("2")) {
        double Tref = 0;
        LesSin(prog().WorkStr[Slot::Q], 0, QStringLiteral("Tref"), Tref);
        // A class without a reference temperature is taken as one of 40 degrees.
        double d = Tref == 0 ? 0 : Tref - 40;
        if (d == 0)
            d = 30;
        const QString value = plainSingle(d);
        if (z == QLatin1String("0")) {
            append(QStringLiteral("Tei"), QStringLiteral("0/") + value);
            refresh();
            return true;
        }
        append(QStringLiteral("Tei"), value);
        return false;
    }
    if (z == QLatin1String("1")) {
        append(QStringLiteral("Tei"), QStringLiteral("0"));
        refresh();
        return true;
    }
    return false;
}

void StressEntry::class2()
{
    if (d3 == QLatin1String("214")) {
        appendIfAny(QStringLiteral("Rtk"),
                    entry::rtrim(screen(QStringLiteral("btx\\tsabrth"), QStringLiteral("rtk"))));
        refresh();
    }
    if (d3 == QLatin1String("212"))
        askUnits();
    bool settled = false;
    if (d3 == QLatin1String("223") || d3 == QLatin1String("224"))
        settled = zener();
    if (!settled && d2 != QLatin1String("23")) {
        const QString tei = entry::rtrim(screen(QStringLiteral("btx\\hl"), QStringLiteral("teie")));
        if (!tei.isEmpty()) {
            removeItem(QStringLiteral("Tei"));
            append(QStringLiteral("Tei"), tei);
            refresh();
        } else if (!(Rte.isEmpty() && grpOf({"CHIP", "???", "XXX", "SONDER"}, G))) {
            const QString nmw = entry::rtrim(screen(QStringLiteral("btx\\hl"), QStringLiteral("nmw")));
            if (!nmw.isEmpty()) {
                if (!GetParam(S(), QStringLiteral("Tei")).isEmpty())
                    removeItem(QStringLiteral("Tei"));
                append(QStringLiteral("Nmw"), nmw);
            }
            refresh();
        }
    }
    if (d2 == QLatin1String("21"))
        askVoltage();
    if (d3 == QLatin1String("211") && t1 == QLatin1String("1"))
        askDrift();
    if (grpOf({"212", "213", "221", "222"}, d3))
        askDrift();
}

void StressEntry::class3()
{
    if (grpOf({"31", "32", "33"}, d2)) {
        const QString tei = entry::rtrim(screen(QStringLiteral("btx\\hl"), QStringLiteral("teie")));
        if (!tei.isEmpty()) {
            append(QStringLiteral("Tei"), tei);
            refresh();
        } else if (!G.isEmpty() && !noHousing() && (G != QLatin1String("SONDER") || !Rte.isEmpty())) {
            appendIfAny(QStringLiteral("Nmw"),
                        entry::rtrim(screen(QStringLiteral("btx\\hl"), QStringLiteral("nmw"))));
            refresh();
        }
    }
    if (d3 == QLatin1String("311") || d2 == QLatin1String("37"))
        askVoltage();
    const double n = listing::num(Bac);
    if ((n >= 3210 && n <= 3244) || (n >= 3230 && n <= 3252))
        askCurrent();
    if (d3 == QLatin1String("325") || d3 == QLatin1String("326"))
        appendIfAny(QStringLiteral("Degr"), entry::ltrim(screen(kDiv, QStringLiteral("degr"))));
}

void StressEntry::class4()
{
    if ((d3 == QLatin1String("411") && grpOf({"2", "3", "4"}, t1))
        || (d3 == QLatin1String("414") && grpOf({"1", "2"}, t1))) {
        const QString a = menu(QStringLiteral("qklyk"), QStringLiteral("Qks"));
        if (a == QLatin1String("1"))
            append(QStringLiteral("Qks"), QStringLiteral("LL"));
        else if (a == QLatin1String("2"))
            append(QStringLiteral("Qks"), QStringLiteral("GP"));
        refresh();
    }
    if (d2 == QLatin1String("41")) {
        appendIfAny(QStringLiteral("Tei"), screen(kDiv, QStringLiteral("tei")).trimmed());
        refresh();
        askVoltage();
    } else if (d2 == QLatin1String("42") || d2 == QLatin1String("43")) {
        appendIfAny(QStringLiteral("Tei"), screen(kDiv, QStringLiteral("tei")).trimmed());
    }
}

void StressEntry::class5()
{
    askUnits();
    if (d2 == QLatin1String("53") && Bac.mid(3, 1) != QLatin1String("2")) {
        appendIfAny(QStringLiteral("Tei"), screen(kDiv, QStringLiteral("tei")).trimmed());
        refresh();
    }
    if (d3 == QLatin1String("541") || d3 == QLatin1String("542"))
        return;
    if (d2 == QLatin1String("53") || d2 == QLatin1String("54")) {
        const QString a = menu(QStringLiteral("lab"));
        if (a != QLatin1String("0"))
            append(QStringLiteral("Lab"), a);
        if (a > QLatin1String("0")) {
            const QString k = menu(QStringLiteral("trcl"));
            if (k != QLatin1String("0"))
                append(QStringLiteral("Kl"), k);
        }
        refresh();
    }
    if (grpOf({"532", "533", "545"}, d3)) {
        const QString c = menu(QStringLiteral("acdc"));
        if (c != QLatin1String("0"))
            append(QStringLiteral("Acdc"), c);
        refresh();
    }
    if (grpOf({"53", "54", "55"}, d2)) {
        appendIfAny(QStringLiteral("Sh"), screen(kDiv, QStringLiteral("sh")).trimmed());
        refresh();
    }
    if (d2 == QLatin1String("53")) {
        const QString r = menu(QStringLiteral("akr"));
        if (r != QLatin1String("0"))
            append(QStringLiteral("Akr"), r);
        refresh();
    }
    if (d2 == QLatin1String("55")) {
        askVoltage();
        askCurrent();
    }
}

void StressEntry::run()
{
    if (mode == QLatin1String("QSL") && d2 != QLatin1String("37")
        && !(d1 == QLatin1String("5") && d2 != QLatin1String("53"))) {
        appendIfAny(QStringLiteral("Dtu"), entry::ltrim(screen(QStringLiteral("qsl\\kopfpos"), QStringLiteral("dtu"))));
        refresh();
    }
    if (Norm.contains(u'2'))
        milQuality();
    switch (int(listing::num(d1))) {
    case 1: class1(); break;
    case 2: class2(); break;
    case 3: class3(); break;
    case 4: class4(); break;
    case 5: class5(); break;
    default: break;
    }
    refresh();
    if ((d1 == QLatin1String("1") && d2 != QLatin1String("11")) || d2 == QLatin1String("21")
        || d2 == QLatin1String("32")
        || ((d1 == QLatin1String("4") || d1 == QLatin1String("5"))
            && !GetParam(S(), QStringLiteral("Tei")).isEmpty())) {
        if (menu(QStringLiteral("zf")) == QLatin1String("2")) {
            const QString zf = entry::rtrim(screen(QStringLiteral("btx\\vftbzf"), QStringLiteral("zfe")));
            if (!zf.isEmpty()) {
                append(QStringLiteral("Zf"), zf + u'%');
                refresh();
            }
        }
    }
    if (S().startsWith(u','))
        S().remove(0, 1);
}

} // namespace

void BelastEin(const QString& Mode, QString& Ret, std::vector<StressItem>* changes)
{
    StressEntry(Mode, Ret, changes).run();
}
