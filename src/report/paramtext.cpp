#include "report/paramtext.h"
#include "frame/workslots.h"
#include "calculation/systdb.h"
#include "frame/codepage.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "printing/printjob.h"
#include "report/listing.h"
#include "report/reporttext.h"
#include "report/sylk.h"

#include <array>

namespace {

struct Line {
    QString label;      // "YKA: ", "MIL: ", "Tu:  ", "Zf:  " or five blanks
    QString screen;     // interface language, OEM code page
    QString print;      // print language, Windows code page
    QString row;        // the result-file row
    bool writeRow = false;
    bool screenAlways = false; // shown in the message list even when empty
    QString third;      // third printed column (quality classes and factors)
    int thirdAt = 0;
    QString windowText; // message-list text where it differs from the screen text
};

struct Emitter {
    QString mode;
    bool MDruck, MFile;
    bool halfLinePending = false;

    void put(const Line& l)
    {
        Program& p = prog();
        if (l.writeRow)
            p.WorkStr[Slot::SylkHead] += SylkZeile(l.row, 1, 0, 9);
        p.WorkStr[Slot::Line] = l.screen;
        if (mode == QLatin1String("ZC")) {
            if (l.screenAlways || !l.screen.isEmpty())
                ui().infoList().Add(u' ' + OemToAnsi(l.windowText.isEmpty() ? l.screen : l.windowText));
            return;
        }
        if (!l.screen.isEmpty()) {
            setListRecord(QStringLiteral("*"), l.screen);
            ErgLf(1, 1);
        }
        if (mode == QLatin1String("QD") && MDruck && !l.print.trimmed().isEmpty()) {
            PrintState& s = printState();
            if (halfLinePending) {
                PrLf(0.5);
                halfLinePending = false;
            }
            PrTextSym(s.PrLinks + 600, s.currentY, l.label.trimmed());
            PrTextSym(s.PrLinks + 1100, s.currentY, l.print);
            if (!l.third.isEmpty())
                PrTextSym(s.PrLinks + l.thirdAt, s.currentY, l.third);
            PrLf(1);
        }
    }
};

struct Family {
    const char* classKey;
    const char* factorKey;
    const char* text;
};
constexpr std::array<Family, 4> kFamilies = {
    Family{"Qk1m", "q1em", "IC"}, Family{"Qk2m", "q2em", "DH + OE"}, Family{"Qk4m", "q4em", "PB"},
    Family{"Qk5m", "q5em", "EM"}};

} // namespace

namespace {

// What every step of ParamText reads: the method list and the languages.
struct ParamContext {
    Program& p;
    const QString& gl;
    const QString& Mode;
    bool MDruck;
    bool MFile;
    int ui_;
    int dr;
    QString norm;
    int spnorm;
    bool normOrUser;
    Emitter e;
};

// Head of the listing (methods in use) and of the printout.
void putHead(ParamContext& c)
{
    Program& p = c.p;
    if (c.Mode == QLatin1String("E") || c.Mode == QLatin1String("QC")) {
        setListRecord(QString(), QString());
        ErgLf(-1, -1);
        setListRecord(QStringLiteral("I"), msgOem(272, c.ui_));
        ErgLf(2, 0);
        if (GetParam(p.WorkStr[Slot::SyPar], QStringLiteral("Re")) == QLatin1String("Ber")) {
            setListRecord(QStringLiteral("*"), msgOem(223, c.ui_));
            ErgLf(2, 2);
        }
        QString methods = QStringLiteral("Norm: ");
        if (c.norm.contains(u'1'))
            methods += QStringLiteral("YK  ");
        if (c.norm.contains(u'3'))
            methods += QStringLiteral("AWS  ");
        if (c.norm.contains(u'2'))
            methods += QStringLiteral("MIL  ");
        setListRecord(QStringLiteral("*"), methods);
        ErgLf(2, 0);
    }
    if (c.Mode == QLatin1String("QD")) {
        const QString text = msgAnsi(274, c.dr);
        if (c.MDruck) {
            PrFont(8.5, true);
            PrTextSym(printState().PrLinks, printState().currentY, text);
            PrLf(1.5);
            PrFont(8.5, false);
        }
        if (c.MFile)
            p.WorkStr[Slot::SylkHead] += SylkZeile(text, 2, 0, 9);
    }
    if (c.Mode == QLatin1String("E")) {
        setListRecord(QStringLiteral("U"), msgOem(275, c.ui_));
        ErgLf(2, 2);
    }
}

// Message of the norm's environment class; dust is set for an "St" class.
int normEnvironmentMessage(const QString& env, bool& dust)
{
    if (env == QLatin1String("Gb"))
        return 276;
    QString rest = env.mid(2);
    if (rest.startsWith(QLatin1String("St"))) {
        rest = rest.mid(2);
        dust = true;
    }
    if (rest == QLatin1String("Kfz"))
        return 277;
    if (rest == QLatin1String("Ess"))
        return 278;
    if (rest == QLatin1String("Gf"))
        return 540;
    if (rest == QLatin1String("Gm"))
        return 541;
    return 0;
}

// Environment of the norm, with the dust line after an "St" class.
void putNormEnvironment(ParamContext& c)
{
    const QString env = GetParam(c.gl, QStringLiteral("Env"));
    c.p.RunStr[RunSlot::Env] = env;
    bool dust = false;
    const int envMsg = normEnvironmentMessage(env, dust);
    {
        Line l;
        l.label = QStringLiteral("YKA: ");
        l.print = envMsg ? msgAnsi(envMsg, c.dr) : QString();
        l.screen = envMsg ? l.label + msgOem(envMsg, c.ui_) : QString();
        l.row = l.label + l.print;
        l.writeRow = c.normOrUser;
        c.e.put(l);
    }
    if (dust) {
        Line l;
        l.label = QString(5, u' ');
        l.print = msgAnsi(278, c.dr);
        l.screen = QString(5, u' ') + msgOem(278, c.ui_);
        l.row = QStringLiteral("YKA: ") + l.print;
        l.writeRow = c.normOrUser;
        c.e.put(l);
    }
}

// Environment of MIL-HDBK-217F from the system database.
void putMilEnvironment(ParamContext& c)
{
    const QString envm = GetParam(c.gl, QStringLiteral("Envm"));
    c.p.RunStr[RunSlot::Envm] = envm;
    const QString key = QStringLiteral("Env") + envm;
    const QString shown = DalesXls(QStringLiteral("MILFUNKT"), QStringLiteral("Kl"), key + QString::number(c.ui_),
                                   QStringLiteral("Param"));
    Line l;
    l.label = QStringLiteral("MIL: ");
    l.print = DalesXls(QStringLiteral("MILFUNKT"), QStringLiteral("Kl"), key + QString::number(c.dr),
                       QStringLiteral("Param"));
    l.screen = shown.isEmpty() ? QString() : l.label + AnsiToOem(shown);
    l.row = l.label + l.print;
    l.writeRow = c.spnorm == 3 && !l.print.isEmpty();
    c.e.put(l);
}

// Temperature and fan air.
void putTemperature(ParamContext& c)
{
    const QString tu = GetParam(c.gl, QStringLiteral("Tu"));
    const QString vl = GetParam(c.gl, QStringLiteral("Vl"));
    c.p.RunStr[RunSlot::Tu] = tu;
    c.p.RunStr[RunSlot::Vl] = vl;
    const bool fan = !vl.isEmpty() && vl != QLatin1String("0");
    Line l;
    l.label = QStringLiteral("Tu:  ");
    l.print = msgAnsi(279, c.dr, {tu}) + (fan ? msgAnsi(281, c.dr, {vl}) : QString());
    l.screen = l.label + msgOem(279, c.ui_, {tu}) + (fan ? msgOem(281, c.ui_, {vl}) : QString());
    l.row = l.label + l.print;
    l.writeRow = c.MFile;
    l.screenAlways = true;
    c.e.put(l);
}

// Operating time, per method when it is not the whole time.
void putOperatingTime(ParamContext& c)
{
    if (c.Mode != QLatin1String("QC") && c.Mode != QLatin1String("QD") && c.Mode != QLatin1String("ZC"))
        return;
    const QString zf = GetParam(c.gl, QStringLiteral("Zf"));
    auto timeLine = [&](const QString& label, int id, const QStringList& args, bool writeRow) {
        Line l;
        l.label = label;
        l.print = msgAnsi(id, c.dr, args);
        l.screen = label + msgOem(id, c.ui_, args);
        l.row = label + l.print;
        l.writeRow = writeRow;
        l.screenAlways = true;
        c.e.put(l);
    };
    if (!zf.isEmpty() && zf != QLatin1String("100%")) {
        if (c.norm.contains(u'1') || c.norm.contains(u'3'))
            timeLine(QStringLiteral("YKA: "), 283, {zf}, c.normOrUser);
        if (c.norm.contains(u'2'))
            timeLine(QStringLiteral("MIL: "), 282, {}, c.spnorm == 3);
    } else {
        timeLine(QStringLiteral("Zf:  "), 282, {}, c.MFile);
    }
}

// Global quality classes of MIL-HDBK-217F, one line per family set.
void putQualityClasses(ParamContext& c)
{
    for (const Family& f : kFamilies) {
        const QString key = QString::fromLatin1(f.classKey);
        const QString v = GetParam(c.gl, key);
        if (v.isEmpty())
            continue;
        const QString family = QString::fromLatin1(f.text);
        Line l;
        l.label = QStringLiteral("MIL: ");
        l.screen = QStringLiteral("MIL:  ") + key + QStringLiteral(" = ") + FormStr(v, 8, QStringLiteral(" ")) +
                   msgOem(286, c.ui_) + family;
        l.print = key + QStringLiteral(" = ") + v;
        l.third = msgAnsi(286, c.dr) + family;
        l.thirdAt = 2400;
        l.row = QStringLiteral("MIL: ") + key + QStringLiteral(" = ") + FormStr(v, 8, QStringLiteral(" ")) +
                msgAnsi(286, c.dr) + family;
        l.writeRow = c.spnorm == 3;
        c.e.put(l);
    }
}

// Global quality factors of MIL-HDBK-217F, one line per family set.
void putQualityFactors(ParamContext& c)
{
    for (const Family& f : kFamilies) {
        const QString key = QString::fromLatin1(f.factorKey);
        const QString v = GetParam(c.gl, PiMark + key);
        if (v.isEmpty())
            continue;
        const QString family = QString::fromLatin1(f.text);
        const QString value = FormStr(v, 3, QStringLiteral(" "));
        Line l;
        l.label = QStringLiteral("MIL: ");
        l.screen = QStringLiteral("MIL:  ") + PiMark + key + QStringLiteral(" = ") + value + msgOem(287, c.ui_) + family;
        l.windowText = QStringLiteral("MIL:  Pi") + key + QStringLiteral(" = ") + value + msgOem(287, c.ui_) + family;
        l.print = PiMark + key + QStringLiteral(" = ") + value;
        l.third = msgAnsi(287, c.dr) + family;
        l.thirdAt = 2200;
        l.row = QStringLiteral("MIL: Pi") + key + QStringLiteral(" = ") + value + msgAnsi(287, c.dr) + family;
        l.writeRow = c.spnorm == 3;
        c.e.put(l);
    }
}

} // namespace

void ParamText(const QString& Mode, bool MDruck, bool MFile)
{
    Program& p = prog();
    const QString& gl = p.WorkStr[Slot::GlPar];
    const QString norm = GetParam(gl, QStringLiteral("Norm"));
    p.RunStr[RunSlot::Methods] = norm;
    const int spnorm = MFile ? int(numParam(gl, QStringLiteral("Spnorm"))) : 0;
    p.WorkStr[Slot::Line].clear();
    ParamContext c{p,      gl,     Mode, MDruck, MFile, p.LangNr, p.LangDruck, norm, spnorm, spnorm == 1 || spnorm == 2,
                   Emitter{Mode, MDruck, MFile}};

    // 1. Head of the listing and of the printout.
    putHead(c);
    // 2. Environment of the norm.
    putNormEnvironment(c);
    // 3. Environment of MIL-HDBK-217F.
    putMilEnvironment(c);
    if (Mode == QLatin1String("E"))
        ErgLf(1, 0);
    // 4. Temperature and fan air.
    putTemperature(c);
    // 5. Operating time.
    putOperatingTime(c);
    // 6. Global quality classes and factors; the first printed one is set off by
    //    half a line.
    c.e.halfLinePending = true;
    putQualityClasses(c);
    putQualityFactors(c);
}
