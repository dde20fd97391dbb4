#include "report/poslist.h"
#include "frame/workslots.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "position_line/posline.h"
#include "qlist/qslfile.h"
#include "qlist/qslaufloesen.h"
#include "report/reportstate.h"
#include "report/reporttext.h"

#include <vector>

namespace {

struct Block {
    // Quantity factor per nesting level inside the block; level 1 (the block's own
    // list) holds 1, so the sums are those of one unit of the sub-list.
    std::vector<float> factors{1.0f};
    float running = 1.0f;
    float n = 0, f = 0;
    bool fepQsl = false, fepAll = false, fepSin = false, fepMil = false;
};

float productOf(const std::vector<float>& factors)
{
    float r = 1.0f;
    for (float x : factors)
        r *= x;
    return r;
}

void countPosition(const QString& line, Block& b, bool MHwNw)
{
    Program& p = prog();
    ReportState& s = reportState();
    QString Stc;
    PosTrenn(line, Stc);
    b.n += 1;
    QString rest = p.WorkStr[Slot::S];
    SetParam(rest, QStringLiteral("Arx"), QString());
    if (!rest.trimmed().remove(u',').isEmpty())
        b.f += 1;
    if (!p.WorkStr[Slot::F].isEmpty()) {
        const QString code = GetParam(p.WorkStr[Slot::F], QStringLiteral("Err"));
        if (!code.isEmpty()) {
            if (code.endsWith(QLatin1String("Sin")))
                b.fepSin = true;
            else if (code.endsWith(QLatin1String("Mil")))
                b.fepMil = true;
            else
                b.fepAll = true;
        }
    }
    const double effective = double(b.running) * numParam(Stc, QStringLiteral("Stck"));
    const QString bac = GetParam(p.WorkStr[Slot::Q], QStringLiteral("Bac"));
    const bool summary = p.WorkStr[Slot::Ident].trimmed().isEmpty() && bac == QLatin1String("5112");
    const double hwQuantity =
        summary ? double(b.running) * numParam(p.WorkStr[Slot::R], QStringLiteral("Stck_Hw")) : effective;
    const bool onMainPath = GetParam(p.WorkStr[Slot::R], QStringLiteral("Nbw")).isEmpty();
    for (int m = 1; m <= 3; ++m) {
        const ParamPair r = GetParamPair(p.WorkStr[Slot::R], kResultKeys[size_t(m)]);
        if (!(r.valueMin > 0))
            continue;
        s.FitSum[size_t(m)][1] += r.valueMin * effective;
        s.FitSum[size_t(m)][2] += r.valueMax * effective;
        if (MHwNw && onMainPath)
            s.FitSumHw[size_t(m)] += (r.valueMin + r.valueMax) / 2 * hwQuantity;
    }
}

// Reads the block that opening starts up to its closing line and returns the
// condensed opening line.
QString condenseBlock(const QString& opening, QslLineReader& in, bool MHwNw)
{
    Program& p = prog();
    ReportState& s = reportState();
    const QString lnr = GetParam(opening, QStringLiteral("Lnr"));
    Block b;
    while (!in.atEnd()) {
        const QString line = in.readPhysicalLine();
        p.WorkStr[Slot::Line] = line;
        if (numParam(line, QStringLiteral("Stck")) <= -1)
            continue;
        const QString Qm = GetParam(line, QStringLiteral("Qm"));
        if (Qm == QLatin1String("Ende")) {
            if (GetParam(line, QStringLiteral("Lnr")) == lnr)
                break;
            if (b.factors.size() > 1)
                b.factors.pop_back();
            b.running = productOf(b.factors);
        } else if (Qm == QLatin1String("Qsl") && !isUnexpandedSubList(line)) {
            const float factor = float(numParam(line, QStringLiteral("Stck")));
            b.factors.push_back(factor);
            b.running *= factor;
        } else {
            if (Qm == QLatin1String("Qsl"))
                b.fepQsl = true;
            countPosition(line, b, MHwNw);
        }
    }

    QString Stc;
    PosTrenn(opening, Stc);
    QString r = QStringLiteral("Pos=") + FormBerS(b.n, b.n, 0) + QStringLiteral(",Fein=") + FormBerS(b.f, b.f, 0);
    QString& F = p.WorkStr[Slot::F];
    if (b.fepQsl)
        F += QStringLiteral(",Warn=FepQsl");
    if (b.fepAll)
        F += QStringLiteral(",Warn=FepAll");
    if (b.fepSin)
        F += QStringLiteral(",Warn=FepSin");
    if (b.fepMil)
        F += QStringLiteral(",Warn=FepMil");
    for (int m = 1; m <= 3; ++m) {
        if (!(s.FitSum[size_t(m)][1] > 0))
            continue;
        r += u',' + kResultKeys[size_t(m)] + u'=' + FormBerD(s.FitSum[size_t(m)][1], s.FitSum[size_t(m)][2], 2);
        if (MHwNw)
            r += u',' + kResultKeys[size_t(m)] + QStringLiteral("_Hw=") +
                 FormBerD(s.FitSumHw[size_t(m)], s.FitSumHw[size_t(m)], 2);
    }
    p.WorkStr[Slot::R] = r;
    QString condensed;
    PosFueg(Stc, condensed);
    s.FitSum = {};
    s.FitSumHw = {};
    return condensed;
}

} // namespace

bool PosList(bool MHwNw)
{
    ErrPtnr::CallStack(QStringLiteral("[XAQP] Sub PosList(MHwNw As Boolean)"));
    ErrPtnr::CallStackParam(QStringLiteral("MHwNw"), MHwNw);
    return ErrPtnr::guarded(QStringLiteral("XAQP"), QStringLiteral("PosList"), false, [&] {
        Program& p = prog();
        ReportState& s = reportState();
        s.FitSum = {};
        s.FitSumHw = {};
        const QString qpo = scratchFile(Slot::Tp2, QStringLiteral("qpo"));
        QslLineReader in;
        if (!in.open(qpo))
            throw TarnError(QStringLiteral("File not found: %1").arg(qpo), ErrNo::FileNotFound);
        QslLineWriter out;
        const QString pol = scratchFile(Slot::Tp2, QStringLiteral("pol"));
        if (!out.open(pol))
            throw TarnError(QStringLiteral("Cannot write %1").arg(pol), ErrNo::PathFileAccess);
        InfoList& list = ui().infoList();
        if (!in.atEnd())
            list.Add(in.readPhysicalLine());
        while (!in.atEnd()) {
            QString line = in.readPhysicalLine();
            p.WorkStr[Slot::Line] = line;
            if (numParam(line, QStringLiteral("Stck")) > -1 && !GetParam(line, QStringLiteral("Qm")).isEmpty() &&
                !isUnexpandedSubList(line))
                line = condenseBlock(line, in, MHwNw);
            out.writeLine(line);
            list.Update(line);
        }
        out.close();
        return true;
    });
}
