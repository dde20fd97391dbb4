#include "prediction/execqsl.h"
#include "calculation/calcinterface.h"
#include "calculation/conditions.h"
#include "calculation/mil.h"
#include "calculation/norm.h"
#include "frame/errptnr.h"
#include "frame/formatters.h"
#include "frame/inifile.h"
#include "frame/interaction.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/workslots.h"
#include "frame/runphases.h"
#include "frame/restext.h"
#include "prediction/runparams.h"
#include "prediction/workpass.h"
#include "position_line/posline.h"
#include "qlist/qslaufloesen.h"

#include <vector>

namespace {

const QString Abbruch = QStringLiteral("ABBRUCH");

// One nesting level of pass 1 (level 0 is the Q-list itself). The connection
// counts are summed in double precision and rounded once, when the summary
// position is written, so that fractional quantities are not lost line by line.
struct Level {
    double sum = 0;
    double sumHw = 0;
    double dtr = 0; // accumulated temperature rise of the sub-lists (single precision)
    double zf = 100; // accumulated percentage factor (single precision)
};

void removeKeys(QString& list, const QStringList& keys)
{
    for (const QString& k : keys)
        SetParam(list, k, QString());
}

// The class list of the main path: ini section "Hauptweg", key Nw "BAC", the key
// that Source names, split at commas up to the first empty entry.
QStringList mainPathClasses()
{
    const QString ini = prog().IniFile;
    QStringList out;
    if (GetProfileStr(QStringLiteral("Hauptweg"), QStringLiteral("Nw"), 256, ini) != QLatin1String("BAC"))
        return out;
    const QString source = GetProfileStr(QStringLiteral("Hauptweg"), QStringLiteral("Source"), 256, ini);
    const QString list = GetProfileStr(QStringLiteral("Hauptweg"), source, 256, ini);
    if (list == Leer)
        return out;
    for (const QString& e : list.split(u',')) {
        if (e.isEmpty())
            break;
        out << e;
    }
    return out;
}

// Values in the stress data take the place of the same keys in the component
// data, and the MIL quality of a position comes from one source only.
void stressOverridesData()
{
    auto& w = prog().WorkStr;
    QString& q = w[Slot::Q];
    QString& s = w[Slot::S];
    for (const char* key : {"Are", "Ari", "Kfm", "Qks"}) {
        const QString k = QString::fromLatin1(key);
        if (!GetParam(s, k).isEmpty())
            SetParam(q, k, QString());
    }
    const QString qem = piKey(QStringLiteral("qem"));
    const QString qkm = QStringLiteral("Qkm");
    if (!GetParam(s, qem).isEmpty()) {
        SetParam(s, qkm, QString());
        SetParam(q, qem, QString());
        SetParam(q, qkm, QString());
    } else if (!GetParam(s, qkm).isEmpty()) {
        SetParam(q, qem, QString());
        SetParam(q, qkm, QString());
    } else if (!GetParam(q, qem).isEmpty()) {
        SetParam(q, qkm, QString());
    }
}

bool noError()
{
    return GetParam(prog().WorkStr[Slot::F], QStringLiteral("Err")).isEmpty();
}

struct PassOne {
    bool& MLahm;
    bool& MHwNw_act;
    bool& M_ARBew;
    bool norm = false;
    QStringList classes{};
    std::vector<Level> levels{};
    bool cancelled = false;

    void position(QString& line)
    {
        Program& p = prog();
        auto& w = p.WorkStr;
        Level& cur = levels.back();
        QString Stc;
        PosTrenn(line, Stc);
        stressOverridesData();
        if (noError()) {
            if (cur.dtr != 0)
                w[Slot::R] += QStringLiteral(",Dtr=") + plainNumber(cur.dtr, true);
            if (cur.zf != 100)
                w[Slot::R] += QStringLiteral(",Zfr=") + plainNumber(cur.zf, true) + u'%';
            PosBelastung(MHwNw_act ? 1 : 0, classes);
            if (noError()) {
                if (norm)
                    FitNorm(M_ARBew ? 1 : 0);
                const double n = readLeadingNumber(GetParam(w[Slot::R], QStringLiteral("Nev"))) *
                                 readLeadingNumber(GetParam(Stc, QStringLiteral("Stck")));
                cur.sum += n;
                if (MHwNw_act && GetParam(w[Slot::R], QStringLiteral("Nbw")).isEmpty())
                    cur.sumHw += n;
            }
        }
        SetParam(w[Slot::R], QStringLiteral("Tjr"), QString());
        if (MLahm)
            removeKeys(w[Slot::R], {QStringLiteral("Nev"), QStringLiteral("Ar"), QStringLiteral("A"), QStringLiteral("Ea1"),
                              QStringLiteral("Ea2"), piKey(QStringLiteral("t"))});
        PosFueg(Stc, line);
    }

    void run()
    {
        Program& p = prog();
        InfoList& info = ui().infoList();
        WorkFilePass pass;
        info.Add(ResText(QStringLiteral("69"), p.LangNr, true));
        const QString head = pass.readLine();
        pass.writeLine(head);
        info.Update(head);
        QString sumLine;
        while (!pass.atEnd()) {
            QString line = pass.readLine();
            if (quantityOf(line) < 0) {
                pass.writeLine(line);
                continue;
            }
            const QString qm = GetParam(line, QStringLiteral("Qm"));
            if (qm.isEmpty()) {
                position(line);
                pass.writeLine(line);
                info.Update(line);
            } else if (qm == QLatin1String("Qsl")) {
                if (!isUnexpandedSubList(line)) {
                    const Level& above = levels.back();
                    Level next;
                    const QString dtu = GetParam(line, QStringLiteral("Dtu"));
                    next.dtr = dtu.isEmpty() ? above.dtr : toSingle(readLeadingNumber(dtu) + above.dtr);
                    const QString zf = GetParam(line, QStringLiteral("Zf"));
                    next.zf = zf.isEmpty() ? above.zf : toSingle(ValProz(zf) * above.zf / 100);
                    levels.push_back(next);
                }
                pass.writeLine(line);
            } else if (qm == QLatin1String("Ende")) {
                if (levels.size() < 2)
                    throw TarnError(QStringLiteral("Sub-list end without a sub-list: %1").arg(line),
                                    ErrNo::SubscriptOutOfRange);
                Level& cur = levels.back();
                QslSumPos(cur.sum, cur.sumHw, norm, sumLine, M_ARBew, pass);
                info.Update(sumLine);
                pass.writeLine(line);
                levels.pop_back();
                if (info.Canceled()) {
                    cancelled = true;
                    break;
                }
            } else {
                MsgBoxRes(QStringLiteral("70"), Mb::OKOnly, p.LangNr, oemArgs({qm, line}));
            }
        }
        Level& top = levels.front();
        QslSumPos(top.sum, top.sumHw, norm, sumLine, M_ARBew, pass);
        info.Update(sumLine);
        pass.finish();
    }
};

// Pass 2: MIL-HDBK-217F over every position, the summary positions included.
bool passTwo(bool lean)
{
    auto& w = prog().WorkStr;
    InfoList& info = ui().infoList();
    WorkFilePass pass;
    info.Add(QString());
    pass.writeLine(pass.readLine());
    bool cancelled = false;
    while (!pass.atEnd()) {
        QString line = pass.readLine();
        if (quantityOf(line) < 0) {
            pass.writeLine(line);
            info.Update(line);
            continue;
        }
        const QString qm = GetParam(line, QStringLiteral("Qm"));
        if (qm.isEmpty()) {
            QString Stc;
            PosTrenn(line, Stc);
            FitMil();
            if (lean)
                removeKeys(w[Slot::R], {QStringLiteral("Bacm"), QStringLiteral("Arm"), QStringLiteral("Eam"),
                                  QStringLiteral("C1m"), QStringLiteral("C2m"), QStringLiteral("Qkvm"),
                                  piKey(QStringLiteral("tm")), piKey(QStringLiteral("qm"))});
            PosFueg(Stc, line);
            info.Update(line);
            pass.writeLine(line);
        } else if (qm == QLatin1String("Ende")) {
            if (info.Canceled()) {
                cancelled = true;
                break;
            }
            pass.writeLine(line);
        } else {
            pass.writeLine(line);
        }
    }
    pass.finish();
    return !cancelled && !info.Canceled();
}

QString run(bool& MLahm, bool& MHwNw_act, bool& M_ARBew)
{
    Program& p = prog();
    InfoList& info = ui().infoList();
    info.Add(p.LangNr == 2 ? QStringLiteral("Calculating the failure rates")
                           : QStringLiteral("Berechnung der Ausfallraten"));
    info.Add(QString());

    PassOne one{MLahm, MHwNw_act, M_ARBew};
    Level top;
    const double zf = ValProz(GetParam(GlPar(), QStringLiteral("Zf")));
    top.zf = zf < 0 ? 100 : toSingle(zf);
    one.levels.push_back(top);

    const QString digits = GetParam(GlPar(), QStringLiteral("Norm"));
    p.RunStr[RunSlot::Methods] = digits;
    one.norm = methodIn(digits, u'1') || methodIn(digits, u'3');

    if (MHwNw_act) {
        one.classes = mainPathClasses();
        // Without a class list the evaluation cannot tell the main path apart.
        if (one.classes.isEmpty()) {
            SetParam(SyPar(), QStringLiteral("HwNw"), QString());
            MHwNw_act = false;
        }
    }

    {
        PhaseScope phase(QStringLiteral("pass 1"));
        one.run();
    }
    if (one.cancelled || info.Canceled())
        return Abbruch;
    if (!methodIn(digits, u'2'))
        return QString();
    PhaseScope phase(QStringLiteral("pass 2"));
    return passTwo(MLahm) ? QString() : Abbruch;
}

} // namespace

void QslSumPos(double& sum, double& sumHw, bool norm, QString& SumLine, bool M_ARBewertung_act, WorkFilePass& out)
{
    Program& p = prog();
    auto& w = p.WorkStr;
    // The connection count of a list is a whole number of its field; quantities
    // that sum beyond it cannot be predicted, and the user is told which list.
    for (const double s : {sum, sumHw}) {
        if (!(s < 2147483647.5)) {
            ui().messageBox(QStringLiteral("Wert"),
                            (p.LangNr == 2 ? QStringLiteral("The connection count %1 of a list is too large; check "
                                                            "the quantities (Stck) of its positions.")
                                           : QStringLiteral("Die Anschlusszahl %1 einer Liste ist zu groß; bitte die "
                                                            "Stückzahlen (Stck) ihrer Positionen prüfen."))
                                .arg(plainNumber(s)),
                            Mb::OKOnly | Mb::Exclamation);
            throw CalculationAborted(QStringLiteral("connection count"));
        }
    }
    const int32_t count = toInt32(sum);
    if (count <= 0)
        return;
    const int32_t countHw = toInt32(sumHw);
    QString line = QStringLiteral("Stck=") + QString::number(count) + QStringLiteral(",Q,Bac=5112");
    QString Stc;
    PosTrenn(line, Stc);
    if (!w[Slot::Q].isEmpty() && norm)
        FitNorm(M_ARBewertung_act ? 1 : 0);
    const QString tu = GetParam(GlPar(), QStringLiteral("Tu"));
    p.RunStr[RunSlot::Tu] = tu;
    const double tref = toSingle(readLeadingNumber(GetParam(w[Slot::R], QStringLiteral("Tref"))));
    if (tref != 0 && tref < readLeadingNumber(tu))
        w[Slot::R] += QStringLiteral(",Tb=") + tu;
    PosFueg(Stc, line);
    if (countHw > 0)
        line += QStringLiteral(",Stck_Hw=") + QString::number(countHw);
    out.writeLine(line);
    SumLine = line;
    sum = 0;
    sumHw = 0;
}

QString ExecQsl(bool& MLahm, bool& MHwNw_act, bool& M_ARBewertung_act)
{
    ErrPtnr::CallStack(QStringLiteral("[XHAP] Function ExecQsl(MLahm, MHwNw_act, M_ARBewertung_act)"));
    ErrPtnr::CallStackParam(QStringLiteral("MLahm"), MLahm);
    ErrPtnr::CallStackParam(QStringLiteral("MHwNw_act"), MHwNw_act);
    ErrPtnr::CallStackParam(QStringLiteral("M_ARBewertung_act"), M_ARBewertung_act);
    return ErrPtnr::guarded(QStringLiteral("XHAP"), QStringLiteral("ExecQsl"), Abbruch, [&] {
        try {
            return run(MLahm, MHwNw_act, M_ARBewertung_act);
        } catch (const CalculationAborted&) {
            // Message 473 was shown by the look-up; the run ends, the program goes on.
            return Abbruch;
        }
    });
}
