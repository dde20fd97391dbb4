#include "report/totals.h"
#include "frame/workslots.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "position_line/posline.h"
#include "qlist/qslfile.h"
#include "qlist/qslaufloesen.h"
#include "report/reportstate.h"

#include <cmath>
#include <vector>

namespace {

// Whether the S section holds individual operating data: anything besides "Arx".
bool hasIndividualData(const QString& sSection)
{
    QString rest = sSection;
    SetParam(rest, QStringLiteral("Arx"), QString());
    for (QChar c : rest)
        if (c != u',' && c != u' ')
            return true;
    return false;
}

// A running total shown in the progress line: nearest whole number, halves away
// from zero, right-aligned in 16 characters, blank when 0.
QString progressField(double v)
{
    const double r = std::round(v);
    if (r == 0)
        return QString(16, u' ');
    return QString::number(r, 'f', 0).rightJustified(16, u' ');
}

struct Counts {
    long anzposq = 0, anzposb = 0, nfein = 0;
    double sumstc = 0;
};

void addLine(const QString& line, std::vector<float>& mult, Counts& c, ErrCounts& Errg, bool MHwNw, bool M_Stat)
{
    Program& p = prog();
    ReportState& s = reportState();
    const QString Qm = GetParam(line, QStringLiteral("Qm"));
    if (numParam(line, QStringLiteral("Stck")) < 0)
        return;
    if (isUnexpandedSubList(line)) {
        ++Errg[-1];
        ++c.anzposq;
        return;
    }
    QString Stc;
    PosTrenn(line, Stc);
    if (hasIndividualData(p.WorkStr[Slot::S]))
        ++c.nfein;

    if (Qm == QLatin1String("Ende")) {
        if (mult.size() <= 1)
            throw TarnError(QStringLiteral("qpo: a closing line without an open sub-list"), ErrNo::SubscriptOutOfRange);
        mult.pop_back();
        return;
    }
    if (!Qm.isEmpty()) {
        ++c.anzposq;
        mult.push_back(toSingle(numParam(line, QStringLiteral("Stck")) * mult.back()));
        return;
    }

    const double M = mult.back();
    ++c.anzposb;
    QString F = p.WorkStr[Slot::F];
    for (QString code = GetParam(F, QStringLiteral("Err")); !code.isEmpty(); code = GetParam(F, QStringLiteral("Err"))) {
        const QString tail = code.right(3);
        if (tail == QLatin1String("Sin"))
            ++Errg[1];
        else if (tail == QLatin1String("Aws"))
            ++Errg[2];
        else if (tail == QLatin1String("SAw")) {
            ++Errg[1];
            ++Errg[2];
        } else if (tail == QLatin1String("Mil"))
            ++Errg[3];
        else
            ++Errg[0];
        SetParam(F, QStringLiteral("Err"), QString());
    }

    const QString bac = GetParam(p.WorkStr[Slot::Q], QStringLiteral("Bac"));
    const QString cc = bac.left(2);
    const double quantity = numParam(Stc, QStringLiteral("Stck"));
    const double Stk = M * quantity;
    // The summary position of a sub-list counts on the main path with its
    // main-path connection count.
    const bool summary = p.WorkStr[Slot::Ident].trimmed().isEmpty() && bac == QLatin1String("5112");
    const double hwQuantity = summary ? M * numParam(p.WorkStr[Slot::R], QStringLiteral("Stck_Hw")) : Stk;
    const bool onMainPath = GetParam(p.WorkStr[Slot::R], QStringLiteral("Nbw")).isEmpty();

    std::array<ParamPair, 4> rates;
    for (int k = 1; k <= 3; ++k) {
        rates[size_t(k)] = GetParamPair(p.WorkStr[Slot::R], kResultKeys[size_t(k)]);
        const ParamPair& r = rates[size_t(k)];
        if (r.valueMin <= 0)
            continue;
        auto& f = s.FitSum[size_t(k)];
        f[1] += r.valueMin * Stk;
        f[2] += r.valueMax * Stk;
        f[0] = (f[1] + f[2]) / 2;
        if (MHwNw && onMainPath)
            s.FitSumHw[size_t(k)] += (r.valueMin + r.valueMax) * hwQuantity / 2;
    }
    if (cc != QLatin1String("51"))
        c.sumstc += Stk;
    if (M_Stat) {
        const int g = cc.isEmpty() ? 0 : int(numParam(p.Cf, QStringLiteral("G") + cc));
        if (g < 0 || size_t(g) >= s.GrpSum.size())
            throw TarnError(QStringLiteral("Group number %1 of class group %2 outside the group table (Ag)").arg(g).arg(cc),
                            ErrNo::SubscriptOutOfRange);
        auto& grp = s.GrpSum[size_t(g)];
        grp[0][0] += M * quantity;
        for (int k = 1; k <= 3; ++k) {
            const ParamPair& r = rates[size_t(k)];
            if (r.valueMin <= 0)
                continue;
            grp[size_t(k)][1] += r.valueMin * Stk;
            grp[size_t(k)][2] += r.valueMax * Stk;
            grp[size_t(k)][0] += (r.valueMin + r.valueMax) / 2 * Stk;
        }
    }
    ui().infoList().Add(progressField(s.FitSum[1][0]) + progressField(s.FitSum[2][0]) + progressField(s.FitSum[3][0]));
}

} // namespace

bool TotalSum(QString& res, ErrCounts& Errg, bool MHwNw, bool M_Stat)
{
    ReportState& s = reportState();
    // A repeat from the error dialog starts again from the counts on entry.
    const ErrCounts errgOnEntry = Errg;
    const std::vector<MethodTotals> grpOnEntry = s.GrpSum;
    return ErrPtnr::guarded(QStringLiteral("XAQP"), QStringLiteral("TotalSum"), false, [&] {
        Errg = errgOnEntry;
        s.GrpSum = grpOnEntry;
        s.FitSum = {};
        s.FitSumHw = {};
        ui().infoList().Clear();
        ui().infoList().Add(msgAnsi(209, prog().LangNr));
        ui().infoList().Add(msgAnsi(210, prog().LangNr));

        QslLineReader in;
        const QString qpo = scratchFile(Slot::Tp2, QStringLiteral("qpo"));
        if (!in.open(qpo))
            throw TarnError(QStringLiteral("File not found: %1").arg(qpo), ErrNo::FileNotFound);
        // One multiplier per open nesting level; level 0 holds 1.
        std::vector<float> mult{1.0f};
        Counts c;
        if (!in.atEnd())
            in.readPhysicalLine(); // the head line of the Q-list
        while (!in.atEnd()) {
            prog().WorkStr[Slot::Line] = in.readPhysicalLine();
            addLine(prog().WorkStr[Slot::Line], mult, c, Errg, MHwNw, M_Stat);
        }
        in.close();

        s.FitSumOk = {};
        for (int k = 1; k <= 3; ++k)
            if (Errg[-1] == 0 && Errg[0] == 0 && Errg[k] == 0)
                s.FitSumOk[size_t(k)] = s.FitSum[size_t(k)];
        res += QStringLiteral(",Anzposq=%1,Anzposb=%2,Nfein=%3,Sumstc=%4")
                   .arg(c.anzposq)
                   .arg(c.anzposb)
                   .arg(c.nfein)
                   .arg(plainNumber(c.sumstc));
        return true;
    });
}

void FitText(const QString& Stc, std::array<QString, 4>& lines)
{
    static const std::array<QString, 4> labels = {QString(), QStringLiteral("YK "), QStringLiteral("AWS"),
                                                  QStringLiteral("MIL")};
    const bool maxOnly = reportState().MaxWerte;
    const double quantity = numParam(Stc, QStringLiteral("Stck"));
    size_t n = 0;
    for (int k = 1; k <= 3; ++k) {
        const ParamPair r = GetParamPair(prog().WorkStr[Slot::R], kResultKeys[size_t(k)]);
        const double v = maxOnly ? r.valueMax : r.valueMin;
        if (!(v > 0))
            continue;
        ++n;
        const int decimals = v < 1 ? 3 : v < 10 ? 2 : v < 1000 ? 1 : 0;
        const QString value = maxOnly ? FormWert(0, decimals, v)
                                      : FormBerS(float(r.valueMin), float(r.valueMax), decimals);
        const double total = maxOnly ? r.valueMax * quantity : (r.valueMin + r.valueMax) / 2 * quantity;
        lines[n] = FormStr(labels[size_t(k)] + u' ' + value, 18, QStringLiteral(" ")) + FormZahl(total, 11, 1) +
                   QStringLiteral(" fit");
    }
}
