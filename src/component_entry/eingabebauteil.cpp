#include "component_entry/eingabebauteil.h"
#include "frame/workslots.h"
#include "component_entry/eingabetec.h"
#include "component_entry/entrysteps.h"
#include "component_entry/klassendialoge.h"
#include "calculation/systdb.h"
#include "dialogue/beprogein.h"
#include "dialogue/dia.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/tarnstart.h"

namespace {

const QString kAbbruch = QStringLiteral("ABBRUCH");

// Where a step leads next: on, cancel the entry, or one of the re-entry points.
enum class Go { On, Cancel, ClassMenu, Technology, Complexity, BackRule };

enum class Trim { Right, Both, Left };

double num(const QString& text)
{
    return readLeadingNumber(text);
}

QString& list()
{
    return prog().WorkStr[Slot::Q];
}

void removeKeys(const QString& keys)
{
    SetParam(list(), keys, QString());
}

void setIfAny(const QString& key, const QString& value)
{
    if (!value.isEmpty())
        SetParam(list(), key, value);
}

void showList()
{
    entry::panel(list());
}

// Every "Err=BacFit" item of the F section.
void dropBacFit(QString& section)
{
    QStringList items = section.split(u',');
    items.removeAll(QStringLiteral("Err=BacFit"));
    section = items.join(u',');
}

class Entry {
public:
    explicit Entry(QString& ret) : Ret(ret) {}
    void run();

private:
    // ---- steps of the frame
    Go classMenu();
    Go technology();
    Go check();
    Go complexity();
    Go individualRate();
    Go classBlock();
    Go backRule() const { return num(GetParam(list(), QStringLiteral("Tec"))) > 0 ? Go::Technology : Go::ClassMenu; }

    // ---- class blocks
    Go class1();
    Go class2();
    Go class3();
    Go class4();
    Go class5();
    Go class7();

    // ---- questions; each returns On, Cancel, or back (as Go::BackRule, which the
    // caller turns into its own target)
    int screenStep(const QString& file, const QString& chapter, const QString& key, Trim trim);
    int multipleFactor();
    int valueStep(const QString& chapter, const QString& typingChapter, const QString& key);
    int housing();
    bool typicalPowerCondition() const;

    QString& Ret;
    QString Bac, d1, d2, d3;
    QString tec, t1, t2;
    double Armin = 0, Armax = 0;
    QString Dcode;
    QString K1;
    double gates = 0;
    bool checkFailed = false;
    QString Gec, Pin, Her;
};

void Entry::run()
{
    entry::felder() = QStringList(11);
    list().clear();

    Go at = Go::ClassMenu;
    for (;;) {
        Go next = Go::On;
        switch (at) {
        case Go::ClassMenu:
            list().clear();
            next = classMenu();
            if (next == Go::On)
                next = Go::Technology;
            break;
        case Go::Technology:
            next = technology();
            if (next == Go::On)
                next = check();
            if (next == Go::On)
                next = Go::Complexity;
            break;
        case Go::Complexity:
            next = complexity();
            if (next != Go::On)
                break;
            showList();
            if (list().isEmpty()) {
                next = Go::ClassMenu;
                break;
            }
            next = individualRate();
            if (next != Go::On)
                break;
            showList();
            next = classBlock();
            if (next == Go::On) {
                if (Ret == kAbbruch) // a table look-up's word, not the user's
                    Ret.clear();
                return;
            }
            break;
        case Go::BackRule:
            next = backRule();
            break;
        case Go::On:
        case Go::Cancel:
            break;
        }
        if (next == Go::Cancel) {
            Ret = kAbbruch;
            return;
        }
        at = next;
    }
}

Go Entry::classMenu()
{
    entry::panel(QString());
    QString kz;
    const int m = entry::menu(QStringLiteral("btx\\bac"), QStringLiteral("hg"), kz, QStringLiteral("Bac="), 0, 1);
    if (m == 1)
        return Go::Cancel;
    Bac = FormStr(kz, 4, QStringLiteral("0"));
    list() = QStringLiteral("Bac=") + Bac;
    showList();
    d1 = Bac.left(1);
    d2 = Bac.left(2);
    d3 = Bac.left(3);
    return Go::On;
}

Go Entry::technology()
{
    removeKeys(QStringLiteral("Tec,K1,K2,Gec,Vf"));
    const int r = EingabeTec(Bac, tec);
    if (r == 1)
        return Go::Cancel;
    if (r == 2)
        return Go::ClassMenu;
    if (!tec.isEmpty()) {
        SetParam(list(), QStringLiteral("Tec"), tec);
        t1 = tec.left(1);
        if (tec.size() > 1)
            t2 = tec.left(2);
    }
    return Go::On;
}

Go Entry::check()
{
    Program& p = prog();
    checkFailed = false;
    if (d1 == QLatin1String("1"))
        Ret = LesSin(list(), 0, QString(), {}, {}, {}, {}, 2);
    else
        Ret = LesSin(list(), 0, QStringLiteral("Armin,Armax,Dcode"), Armin, Armax, Dcode);
    if (Ret != kAbbruch) {
        // The class and technology are known now: a refusal of an earlier
        // attempt must not make the models skip the component.
        dropBacFit(p.WorkStr[Slot::F]);
        return Go::On;
    }
    const QString code = GetParam(p.WorkStr[Slot::F], QStringLiteral("Err"));
    if (code == QLatin1String("BacFit")) {
        MsgBoxRes(QStringLiteral("96"), 0, p.LangNr,
                  {GetParam(list(), QStringLiteral("Bac")), GetParam(list(), QStringLiteral("Tec"))});
        return Go::BackRule;
    }
    // Say why the component data are dropped before the entry goes on.
    const QString why = DalesXls(QStringLiteral("ERWA"), QStringLiteral("Fecode"), code,
                                 p.LangNr == 2 ? QStringLiteral("M2") : QStringLiteral("M1"));
    const QString head = p.LangNr == 2 ? QStringLiteral("The data of the component class %1 cannot be checked: %2")
                                       : QStringLiteral("Die Daten der Bauelementeklasse %1 sind nicht prüfbar: %2");
    ui().messageBox(QStringLiteral("ERWA"), head.arg(Bac, why.isEmpty() ? code : why), Mb::Exclamation);
    list().clear();
    p.WorkStr[Slot::F].clear();
    checkFailed = true;
    return Go::On;
}

Go Entry::complexity()
{
    Program& p = prog();
    removeKeys(QStringLiteral("K1,K2,Are,Arem,Ari,Achip,Sac,Asic"));
    showList();
    if (d1 != QLatin1String("1"))
        return Go::On;
    const int r = KomplexWahl(K1);
    if (r == 1)
        return Go::Cancel;
    if (r == 2)
        return Go::BackRule;
    if (checkFailed)
        return Go::Cancel;
    setIfAny(QStringLiteral("K1"), K1);
    Ret = LesSin(list(), 0, QStringLiteral("Armin,Armax,Dcode"), Armin, Armax, Dcode, {}, 1);
    if (!Ret.isEmpty()) {
        Armin = 0;
        Armax = 0;
        const QString k1max = GetParam(Ret, QStringLiteral("K1max"));
        if (!k1max.isEmpty()) {
            QString copy = K1;
            double lo = 0, hi = 0;
            ValBereich(copy, lo, hi);
            if (num(k1max) < hi)
                MsgBoxRes(QStringLiteral("97"), 0, p.LangNr, {k1max + K1.right(1), K1});
        }
    }
    return Go::On;
}

Go Entry::individualRate()
{
    if (d2 == QLatin1String("69") || Armin + Armax != 0)
        return Go::On;
    const bool fieldRate = num(Dcode) <= 0 && d1 != QLatin1String("1");
    const int r = fieldRate ? screenStep(QStringLiteral("btx\\vftbzf"), QStringLiteral("are"), QStringLiteral("Are"),
                                         Trim::Right)
                            : screenStep(QStringLiteral("btx\\vftbzf"), QStringLiteral("ari"), QStringLiteral("Ari"),
                                         Trim::Right);
    if (r == 1)
        return Go::Cancel;
    if (r == 2)
        return d1 == QLatin1String("1") ? Go::Complexity : Go::BackRule;
    return Go::On;
}

Go Entry::classBlock()
{
    switch (int(num(d1))) {
    case 1:
        return class1();
    case 2:
        return class2();
    case 3:
        return class3();
    case 4:
        return class4();
    case 5:
        return class5();
    case 7:
        return class7();
    default:
        return Go::On;
    }
}

// ---- questions

int Entry::screenStep(const QString& file, const QString& chapter, const QString& key, Trim trim)
{
    removeKeys(key);
    const int r = entry::screen(file, chapter, QStringLiteral("1"), Ret);
    if (r == 1 || r == 2)
        return r;
    const QString typed = entry::field(1);
    QString value;
    switch (trim) {
    case Trim::Right:
        value = entry::rtrim(typed);
        break;
    case Trim::Both:
        value = entry::ltrim(entry::rtrim(typed));
        break;
    case Trim::Left:
        value = entry::rtrim(typed).isEmpty() ? QString() : entry::ltrim(typed);
        break;
    }
    setIfAny(key, value);
    showList();
    return 0;
}

int Entry::multipleFactor()
{
    removeKeys(QStringLiteral("Vf"));
    const int r = entry::screen(QStringLiteral("btx\\vftbzf"), QStringLiteral("vf"), QStringLiteral("1"), Ret);
    if (r == 1 || r == 2)
        return r;
    const QString value = entry::rtrim(entry::field(1));
    if (value.compare(QLatin1String("H"), Qt::CaseInsensitive) == 0) {
        MsgNoHelp();
        return 0;
    }
    setIfAny(QStringLiteral("Vf"), value);
    showList();
    return 0;
}

int Entry::valueStep(const QString& chapter, const QString& typingChapter, const QString& key)
{
    removeKeys(key);
    for (;;) {
        QString kz;
        const int m = entry::menu(QStringLiteral("btx\\div"), chapter, kz, QString(), 2, 3);
        if (m == 1 || m == 2)
            return m;
        if (kz == QLatin1String("0"))
            return 0;
        if (kz == QLatin1String("?")) {
            const int r = screenStep(QStringLiteral("btx\\hl"), typingChapter, key, Trim::Right);
            if (r == 2)
                continue;
            return r;
        }
        setIfAny(key, kz);
        showList();
        return 0;
    }
}

int Entry::housing()
{
    const int r = frmBEProgEin::BEGehWahl(Gec, Pin, Her, -1);
    if (r == 1 || r == 2)
        return r;
    if (!Her.isEmpty()) {
        // A code shorter than four characters gets its missing positions as
        // "0" first, so that the hermeticity always lands in position 4.
        tec = FormStr(tec, 4, QStringLiteral("0"));
        tec[3] = Her[0];
    }
    SetParam(list(), QStringLiteral("Tec"), tec);
    setIfAny(QStringLiteral("Gec"), Gec);
    setIfAny(QStringLiteral("Pin"), Pin);
    showList();
    return 0;
}

bool Entry::typicalPowerCondition() const
{
    const QString bbl = GetParam(prog().WorkStr[Slot::SyPar], QStringLiteral("Bbl"));
    const QString gec = Gec.toUpper();
    return bbl.isEmpty() && gec != QLatin1String("CHIP") && gec != QLatin1String("???") &&
           gec != QLatin1String("XXX");
}

// ---- class blocks. Each is a small loop over its own labels; a back whose
// target lies before the block leaves it with that target.

// A question of a block: cancel ends the entry, back runs backTo (a return or
// a jump to a label of the block). Plain braces, so that a "continue" in backTo
// reaches the block's loop.
#define STEP(call, backTo)                                                                                             \
    {                                                                                                                  \
        const int r_ = (call);                                                                                         \
        if (r_ == 1)                                                                                                   \
            return Go::Cancel;                                                                                         \
        if (r_ == 2) {                                                                                                 \
            backTo;                                                                                                    \
        }                                                                                                              \
    }

Go Entry::class1()
{
    enum { ChipArea, Housing, TypicalPower } at = ChipArea;
    for (;;) {
        switch (at) {
        case ChipArea: {
            if (K1.endsWith(u'g')) {
                const ParamPair pair = GetParamPair(QStringLiteral("K=") + K1, QStringLiteral("K"));
                gates = num(pair.textMin);
                if (pair.textMin.contains(u'K'))
                    gates *= 1000;
                if (pair.textMin.contains(u'M'))
                    gates *= 1000000;
                if (gates >= 100000) {
                    removeKeys(QStringLiteral("Achip,Sac"));
                    const int r = entry::screen(QStringLiteral("btx\\kom"), QStringLiteral("asac"),
                                                QStringLiteral("12"), Ret);
                    if (r == 1)
                        return Go::Cancel;
                    if (r == 2)
                        return Go::Complexity;
                    setIfAny(QStringLiteral("Achip"), entry::ltrim(entry::field(1)));
                    setIfAny(QStringLiteral("Sac"), entry::ltrim(entry::field(2)));
                    showList();
                }
            }
            if (d3 == QLatin1String("131") &&
                (t1 == QLatin1String("3") || t1 == QLatin1String("4") || t1 == QLatin1String("5")) &&
                gates >= 10000000) {
                bool toHousing = false;
                while (!toHousing) {
                    QString kz;
                    const int m = entry::menu(QStringLiteral("btx\\tec"), QStringLiteral("asic"), kz, QString(), 0, 7);
                    if (m == 1)
                        return Go::Cancel;
                    if (m == 2)
                        return Go::Complexity;
                    if (m == 4) {
                        QString ret;
                        DiaBTX(entry::langFile(QStringLiteral("btx1\\asic.txt")), QString(), 0, ret, true);
                        continue;
                    }
                    if (kz != QLatin1String("1"))
                        break;
                    for (;;) {
                        const int r = entry::screen(QStringLiteral("btx\\kom"), QStringLiteral("asice"),
                                                    QStringLiteral("12"), Ret);
                        if (r == 1)
                            return Go::Cancel;
                        if (r == 2)
                            break; // the menu "asic" again
                        QString f1 = entry::rtrim(entry::field(1));
                        const QString f2 = entry::rtrim(entry::field(2));
                        if (f1.isEmpty() && f2.isEmpty())
                            continue;
                        if (f1.isEmpty())
                            f1 = QStringLiteral("0");
                        if (f2 == QLatin1String("0"))
                            continue;
                        SetParam(list(), QStringLiteral("Asic"), f1 + u'/' + f2);
                        showList();
                        toHousing = true;
                        break;
                    }
                }
            }
            at = Housing;
            break;
        }
        case Housing: {
            removeKeys(QStringLiteral("Gec,Rte,Pin,Tumax"));
            STEP(housing(), return Go::Complexity);
            QString Rte;
            STEP(RthGeh(Rte), continue);
            setIfAny(QStringLiteral("Rte"), Rte);
            showList();
            STEP(valueStep(QStringLiteral("tumax"), QStringLiteral("tumaxe"), QStringLiteral("Tumax")), continue);
            at = TypicalPower;
            break;
        }
        case TypicalPower: {
            removeKeys(QStringLiteral("Ntyp"));
            if (typicalPowerCondition()) {
                QString Ntyp;
                STEP(NtypWahl(Bac, Ntyp), at = Housing; continue);
                setIfAny(QStringLiteral("Ntyp"), Ntyp);
                showList();
            }
            if (d2 == QLatin1String("16"))
                STEP(screenStep(QStringLiteral("btx\\uif"), QStringLiteral("ubmax"), QStringLiteral("Umax"), Trim::Both),
                     continue);
            return Go::On;
        }
        }
    }
}

Go Entry::class2()
{
    enum { Start, Tjmax } at = Start;
    for (;;) {
        if (at == Start) {
            removeKeys(QStringLiteral("Vf,Gec,Rte,Pin,Tjmax"));
            showList();
            if (d3 == QLatin1String("212")) {
                STEP(multipleFactor(), return Go::BackRule);
                STEP(housing(), continue);
            } else {
                STEP(housing(), return Go::BackRule);
            }
            QString Rte;
            STEP(RthGeh(Rte), continue);
            setIfAny(QStringLiteral("Rte"), Rte);
            showList();
            at = Tjmax;
        }
        removeKeys(QStringLiteral("Tjmax"));
        if (d3 == QLatin1String("214"))
            STEP(valueStep(QStringLiteral("tjmax"), QStringLiteral("tjmaxe"), QStringLiteral("Tjmax")), at = Start;
                 continue);
        if (d2 == QLatin1String("21"))
            STEP(screenStep(QStringLiteral("btx\\uif"), QStringLiteral("ubmax"), QStringLiteral("Umax"), Trim::Both),
                 at = Start; continue);
        return Go::On;
    }
}

Go Entry::class3()
{
    const int v = int(num(Bac));
    auto in = [v](int from, int to) { return v >= from && v <= to; };
    if (in(3221, 3224) || v == 3422 || v == 3423 || (v == 3430 && t2 == QLatin1String("12")))
        STEP(multipleFactor(), return Go::BackRule);

    enum { Pins, Resistance } at = Pins;
    for (;;) {
        if (at == Pins) {
            removeKeys(QStringLiteral("Pin,Tumax"));
            STEP(BacKlasse(Pin), return Go::BackRule);
            setIfAny(QStringLiteral("Pin"), Pin);
            showList();
            if (d2 != QLatin1String("37"))
                STEP(valueStep(QStringLiteral("tumax"), QStringLiteral("tumaxe"), QStringLiteral("Tumax")),
                     return Go::BackRule);
            at = Resistance;
        }
        removeKeys(QStringLiteral("Rte,Ntyp"));
        showList();
        if (in(3100, 3140) || in(3210, 3224) || in(3230, 3252) || v == 3271 || v == 3280 || v == 3511 ||
            in(3310, 3360)) {
            STEP(screenStep(QStringLiteral("btx\\tsabrth"), QStringLiteral("rth"), QStringLiteral("Rte"), Trim::Right),
                 at = Pins; continue);
            if (!GetParam(list(), QStringLiteral("Rte")).isEmpty() && typicalPowerCondition()) {
                QString Ntyp;
                STEP(NtypWahl(Bac, Ntyp), continue);
                setIfAny(QStringLiteral("Ntyp"), Ntyp);
                showList();
            }
        }
        if (d3 == QLatin1String("311")) {
            STEP(screenStep(QStringLiteral("btx\\uif"), QStringLiteral("ubmax"), QStringLiteral("Umax"), Trim::Both),
                 continue);
        } else if (d2 == QLatin1String("37")) {
            STEP(screenStep(QStringLiteral("btx\\uif"), QStringLiteral("unen"), QStringLiteral("Unen"), Trim::Both),
                 return d3 == QLatin1String("372") ? Go::ClassMenu : Go::Technology);
        } else if (d2 == QLatin1String("32") && (in(3210, 3224) || in(3230, 3252))) {
            STEP(screenStep(QStringLiteral("btx\\uif"), QStringLiteral("ibmax"), QStringLiteral("Imax"), Trim::Both),
                 continue);
        }
        return Go::On;
    }
}

Go Entry::class4()
{
    enum { Kind, Factor, Temperature } at = Kind;
    for (;;) {
        switch (at) {
        case Kind: {
            removeKeys(QStringLiteral("Gec,Vf,Pin"));
            QString kz;
            const int m = entry::menu(QStringLiteral("btx\\div"), QStringLiteral("gec"), kz, QStringLiteral("Gec"), 2, 3);
            if (m == 1)
                return Go::Cancel;
            if (m == 2)
                return Go::BackRule;
            if (kz == QLatin1String("1"))
                Gec = QStringLiteral("Draht");
            else if (kz == QLatin1String("2"))
                Gec = QStringLiteral("SMT");
            setIfAny(QStringLiteral("Gec"), Gec);
            showList();
            if (d3 == QLatin1String("425")) {
                at = Factor;
                break;
            }
            if (d2 == QLatin1String("43")) {
                STEP(BacKlasse(Pin), continue);
                setIfAny(QStringLiteral("Pin"), Pin);
                showList();
            }
            at = Temperature;
            break;
        }
        case Factor:
            STEP(multipleFactor(), at = Kind; continue);
            STEP(BacKlasse(Pin), continue);
            setIfAny(QStringLiteral("Pin"), Pin);
            showList();
            at = Temperature;
            break;
        case Temperature:
            STEP(screenStep(QStringLiteral("btx\\vftbzf"), QStringLiteral("tbmax"), QStringLiteral("Tbmax"), Trim::Right),
                 at = Kind; continue);
            if (d2 == QLatin1String("41")) {
                STEP(screenStep(QStringLiteral("btx\\uif"), QStringLiteral("ubmax"), QStringLiteral("Umax"), Trim::Both),
                     continue);
            } else if (d2 == QLatin1String("46")) {
                STEP(screenStep(QStringLiteral("btx\\uif"), QStringLiteral("fnen"), QStringLiteral("Fnen"), Trim::Both),
                     continue);
            }
            return Go::On;
        }
    }
}

Go Entry::class5()
{
    enum { Start, Current, Temperature } at = Start;
    const bool currentAsked = d2 == QLatin1String("55") || d2 == QLatin1String("58") || d2 == QLatin1String("59");
    for (;;) {
        switch (at) {
        case Start:
            removeKeys(QStringLiteral("Vf,Pin"));
            showList();
            if (d2 == QLatin1String("52") || d2 == QLatin1String("53") || d2 == QLatin1String("54") ||
                d3 == QLatin1String("554")) {
                STEP(multipleFactor(), return Go::BackRule);
                STEP(BacKlasse(Pin), continue);
            } else {
                STEP(BacKlasse(Pin), return Go::BackRule);
            }
            setIfAny(QStringLiteral("Pin"), Pin);
            showList();
            at = Current;
            break;
        case Current:
            if (currentAsked) {
                removeKeys(QStringLiteral("Hisch,Inen"));
                STEP(screenStep(QStringLiteral("btx\\uif"), QStringLiteral("inen"), QStringLiteral("Inen"), Trim::Both),
                     at = Start; continue);
                const int v3 = int(num(d3));
                if (v3 >= 551 && v3 <= 554)
                    STEP(screenStep(QStringLiteral("btx\\div"), QStringLiteral("hisch"), QStringLiteral("Hisch"),
                                    Trim::Left),
                         continue);
            }
            at = Temperature;
            break;
        case Temperature:
            if (d2 != QLatin1String("51"))
                STEP(screenStep(QStringLiteral("btx\\vftbzf"), QStringLiteral("tbmax"), QStringLiteral("Tbmax"),
                                Trim::Right),
                     at = d2 == QLatin1String("55") ? Current : Start;
                     continue);
            return Go::On;
        }
    }
}

Go Entry::class7()
{
    if (d2 == QLatin1String("71")) {
        STEP(BacKlasse(Pin), return Go::BackRule);
        setIfAny(QStringLiteral("Pin"), Pin);
        showList();
    }
    return Go::On;
}

#undef STEP

} // namespace

void EingabeBauteil(QString& Ret)
{
    Entry(Ret).run();
}
