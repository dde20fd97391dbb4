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

void ParamText(const QString& Mode, bool MDruck, bool MFile)
{
    Program& p = prog();
    const QString& gl = p.WorkStr[Slot::GlPar];
    const int ui_ = p.LangNr;
    const int dr = p.LangDruck;
    const QString norm = GetParam(gl, QStringLiteral("Norm"));
    p.RunStr[RunSlot::Methods] = norm;
    const int spnorm = MFile ? int(numParam(gl, QStringLiteral("Spnorm"))) : 0;
    const bool normOrUser = spnorm == 1 || spnorm == 2;
    p.WorkStr[Slot::Line].clear();
    Emitter e{Mode, MDruck, MFile};

    if (Mode == QLatin1String("E") || Mode == QLatin1String("QC")) {
        setListRecord(QString(), QString());
        ErgLf(-1, -1);
        setListRecord(QStringLiteral("I"), msgOem(272, ui_));
        ErgLf(2, 0);
        if (GetParam(p.WorkStr[Slot::SyPar], QStringLiteral("Re")) == QLatin1String("Ber")) {
            setListRecord(QStringLiteral("*"), msgOem(223, ui_));
            ErgLf(2, 2);
        }
        QString methods = QStringLiteral("Norm: ");
        if (norm.contains(u'1'))
            methods += QStringLiteral("YK  ");
        if (norm.contains(u'3'))
            methods += QStringLiteral("AWS  ");
        if (norm.contains(u'2'))
            methods += QStringLiteral("MIL  ");
        setListRecord(QStringLiteral("*"), methods);
        ErgLf(2, 0);
    }
    if (Mode == QLatin1String("QD")) {
        const QString text = msgAnsi(274, dr);
        if (MDruck) {
            PrFont(8.5, true);
            PrTextSym(printState().PrLinks, printState().currentY, text);
            PrLf(1.5);
            PrFont(8.5, false);
        }
        if (MFile)
            p.WorkStr[Slot::SylkHead] += SylkZeile(text, 2, 0, 9);
    }
    if (Mode == QLatin1String("E")) {
        setListRecord(QStringLiteral("U"), msgOem(275, ui_));
        ErgLf(2, 2);
    }

    // 1, 2: environment of the norm, with the dust line after an "St" class.
    const QString env = GetParam(gl, QStringLiteral("Env"));
    p.RunStr[RunSlot::Env] = env;
    int envMsg = 0;
    bool dust = false;
    if (env == QLatin1String("Gb")) {
        envMsg = 276;
    } else {
        QString rest = env.mid(2);
        if (rest.startsWith(QLatin1String("St"))) {
            rest = rest.mid(2);
            dust = true;
        }
        if (rest == QLatin1String("Kfz"))
            envMsg = 277;
        else if (rest == QLatin1String("Ess"))
            envMsg = 278;
        else if (rest == QLatin1String("Gf"))
            envMsg = 540;
        else if (rest == QLatin1String("Gm"))
            envMsg = 541;
    }
    {
        Line l;
        l.label = QStringLiteral("YKA: ");
        l.print = envMsg ? msgAnsi(envMsg, dr) : QString();
        l.screen = envMsg ? l.label + msgOem(envMsg, ui_) : QString();
        l.row = l.label + l.print;
        l.writeRow = normOrUser;
        e.put(l);
    }
    if (dust) {
        Line l;
        l.label = QString(5, u' ');
        l.print = msgAnsi(278, dr);
        l.screen = QString(5, u' ') + msgOem(278, ui_);
        l.row = QStringLiteral("YKA: ") + l.print;
        l.writeRow = normOrUser;
        e.put(l);
    }

    // 3: environment of MIL-HDBK-217F from the system database.
    const QString envm = GetParam(gl, QStringLiteral("Envm"));
    p.RunStr[RunSlot::Envm] = envm;
    {
        const QString key = QStringLiteral("Env") + envm;
        const QString shown = DalesXls(QStringLiteral("MILFUNKT"), QStringLiteral("Kl"), key + QString::number(ui_),
                                       QStringLiteral("Param"));
        Line l;
        l.label = QStringLiteral("MIL: ");
        l.print = DalesXls(QStringLiteral("MILFUNKT"), QStringLiteral("Kl"), key + QString::number(dr),
                           QStringLiteral("Param"));
        l.screen = shown.isEmpty() ? QString() : l.label + AnsiToOem(shown);
        l.row = l.label + l.print;
        l.writeRow = spnorm == 3 && !l.print.isEmpty();
        e.put(l);
    }

    if (Mode == QLatin1String("E"))
        ErgLf(1, 0);

    // 5: temperature and fan air.
    const QString tu = GetParam(gl, QStringLiteral("Tu"));
    const QString vl = GetParam(gl, QStringLiteral("Vl"));
    p.RunStr[RunSlot::Tu] = tu;
    p.RunStr[RunSlot::Vl] = vl;
    {
        const bool fan = !vl.isEmpty() && vl != QLatin1String("0");
        Line l;
        l.label = QStringLiteral("Tu:  ");
        l.print = msgAnsi(279, dr, {tu}) + (fan ? msgAnsi(281, dr, {vl}) : QString());
        l.screen = l.label + msgOem(279, ui_, {tu}) + (fan ? msgOem(281, ui_, {vl}) : QString());
        l.row = l.label + l.print;
        l.writeRow = MFile;
        l.screenAlways = true;
        e.put(l);
    }

    // 6: operating time.
    if (Mode == QLatin1String("QC") || Mode == QLatin1String("QD") || Mode == QLatin1String("ZC")) {
        const QString zf = GetParam(gl, QStringLiteral("Zf"));
        auto timeLine = [&](const QString& label, int id, const QStringList& args, bool writeRow) {
            Line l;
            l.label = label;
            l.print = msgAnsi(id, dr, args);
            l.screen = label + msgOem(id, ui_, args);
            l.row = label + l.print;
            l.writeRow = writeRow;
            l.screenAlways = true;
            e.put(l);
        };
        if (!zf.isEmpty() && zf != QLatin1String("100%")) {
            if (norm.contains(u'1') || norm.contains(u'3'))
                timeLine(QStringLiteral("YKA: "), 283, {zf}, normOrUser);
            if (norm.contains(u'2'))
                timeLine(QStringLiteral("MIL: "), 282, {}, spnorm == 3);
        } else {
            timeLine(QStringLiteral("Zf:  "), 282, {}, MFile);
        }
    }

    // 7, 8: global quality classes and quality factors of MIL-HDBK-217F; the first
    // printed one is set off by half a line.
    e.halfLinePending = true;
    for (const Family& f : kFamilies) {
        const QString key = QString::fromLatin1(f.classKey);
        const QString v = GetParam(gl, key);
        if (v.isEmpty())
            continue;
        const QString family = QString::fromLatin1(f.text);
        Line l;
        l.label = QStringLiteral("MIL: ");
        l.screen = QStringLiteral("MIL:  ") + key + QStringLiteral(" = ") + FormStr(v, 8, QStringLiteral(" ")) +
                   msgOem(286, ui_) + family;
        l.print = key + QStringLiteral(" = ") + v;
        l.third = msgAnsi(286, dr) + family;
        l.thirdAt = 2400;
        l.row = QStringLiteral("MIL: ") + key + QStringLiteral(" = ") + FormStr(v, 8, QStringLiteral(" ")) +
                msgAnsi(286, dr) + family;
        l.writeRow = spnorm == 3;
        e.put(l);
    }
    for (const Family& f : kFamilies) {
        const QString key = QString::fromLatin1(f.factorKey);
        const QString v = GetParam(gl, PiMark + key);
        if (v.isEmpty())
            continue;
        const QString family = QString::fromLatin1(f.text);
        const QString value = FormStr(v, 3, QStringLiteral(" "));
        Line l;
        l.label = QStringLiteral("MIL: ");
        l.screen = QStringLiteral("MIL:  ") + PiMark + key + QStringLiteral(" = ") + value + msgOem(287, ui_) + family;
        l.windowText = QStringLiteral("MIL:  Pi") + key + QStringLiteral(" = ") + value + msgOem(287, ui_) + family;
        l.print = PiMark + key + QStringLiteral(" = ") + value;
        l.third = msgAnsi(287, dr) + family;
        l.thirdAt = 2200;
        l.row = QStringLiteral("MIL: Pi") + key + QStringLiteral(" = ") + value + msgAnsi(287, dr) + family;
        l.writeRow = spnorm == 3;
        e.put(l);
    }
}
