#include "report/posfile.h"
#include "frame/workslots.h"
#include "calculation/names.h"
#include "calculation/systdb.h"
#include "frame/codepage.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "report/reportstate.h"
#include "report/reporttext.h"
#include "report/sylk.h"

#include <algorithm>
#include <vector>

namespace {

QString& rows()
{
    return prog().WorkStr[Slot::SylkHead];
}

// One cell (or one tab-separated row of cells) along the current row unless
// moves are given.
void cell(const QString& text, int fmt, const QString& align = QString(), int rowAdd = 0, int colAdd = 1)
{
    rows() += SylkZeile(text, rowAdd, colAdd, fmt, align);
}

QString byLanguage(const char* german, const char* english)
{
    return prog().LangDruck == 1 ? QString::fromUtf8(german) : QString::fromUtf8(english);
}

QString resultKey(int16_t SpNorm)
{
    return SpNorm >= 1 && SpNorm <= 3 ? kResultKeys[size_t(SpNorm)] : QString();
}

// Decimal commas for the text cells of factors: the spreadsheet shows them as
// text, in the notation of the printed report.
QString withCommas(QString text)
{
    return text.replace(u'.', u',');
}

void quantityCell(double q)
{
    const int fmt = (q >= 1 || q <= 0) ? 0 : q >= 0.1 ? 1 : 2;
    cell(plainNumber(q), fmt);
}

QString designation()
{
    const QString& id = prog().WorkStr[Slot::Ident];
    QString d = GetParam(id, QStringLiteral("Yk"));
    if (d.isEmpty())
        d = GetParam(id, QStringLiteral("An"));
    return d.trimmed();
}

// Value of a key, removed from the list (its first occurrence).
QString takeParam(QString& list, const QString& key)
{
    const QString value = GetParam(list, key);
    if (!value.isEmpty())
        SetParam(list, key, QString());
    return value;
}

QString pi(const char* name)
{
    return PiMark + QLatin1String(name);
}

// The shortest text of a single-precision value.
QString shortest(double v)
{
    return QString::number(float(v), 'g', 7);
}

// The factor text of a MIL key; a component with two models carries the key
// twice, and then the text is the overall range of both values.
QString factorText(QString& R, const QString& key)
{
    const ParamPair a = GetParamPair(R, key);
    QString text = takeParam(R, key);
    const ParamPair b = GetParamPair(R, key);
    if (b.valueMin > 0) {
        std::vector<double> v;
        for (double x : {a.valueMin, a.valueMax, b.valueMin, b.valueMax})
            if (x > 0)
                v.push_back(x);
        const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
        text = shortest(*lo) + u'/' + shortest(*hi);
    }
    return text;
}

// A factor of the R section with its letter, or empty.
QString piWithLetter(QString& R, const char* key, const QString& letter)
{
    const QString v = takeParam(R, pi(key));
    return v.isEmpty() ? QString() : v + QStringLiteral("  ") + letter;
}

void appendRemark(QString& remarks, const QString& part)
{
    if (!remarks.trimmed().isEmpty() && !remarks.endsWith(u','))
        remarks += u',';
    remarks += part;
}

// What the steps of AusFileBtDetail share: the sections of the position and
// a working copy of its R section from which the shown factors are taken.
struct BtRow {
    Program& p;
    const QString& id;
    const QString& Q;
    const QString& S;
    const QString& Rsec;
    int16_t SpNorm;
    double q = 0;
    int kind = 0;
    QString model{};
    QString bac{};
    QString R{};
    bool summary = false;
};

// Kind of an individually given failure rate: 1 MIL, 2 external, 3 internal;
// the stress data overrule the component data.
int individualRateKind(const QString& Q, const QString& S)
{
    int kind = 0;
    for (const QString* section : {&Q, &S}) {
        if (!GetParam(*section, QStringLiteral("Arem")).isEmpty())
            kind = 1;
        if (!GetParam(*section, QStringLiteral("Are")).isEmpty())
            kind = 2;
        if (!GetParam(*section, QStringLiteral("Ari")).isEmpty())
            kind = 3;
    }
    return kind;
}

// An individually given rate, from the stress data before the component data.
QString individualRate(const BtRow& b, const QString& key)
{
    const QString v = GetParam(b.S, key);
    return v.isEmpty() ? GetParam(b.Q, key) : v;
}

// Quantity, designation, type, place, base code with technology and the two
// class cells. A row with neither designation nor type of the summary code
// 5112 is a summary position and shows the name of its model instead.
void writeIdentityCells(BtRow& b)
{
    Program& p = b.p;
    quantityCell(b.q);
    p.WorkStr[Slot::Line] = designation();
    cell(p.WorkStr[Slot::Line], 9);
    QString typ = GetParam(b.id, QStringLiteral("Typ"));
    b.summary = p.WorkStr[Slot::Line].isEmpty() && typ.isEmpty() && b.bac == QLatin1String("5112");
    if (b.summary)
        typ = OemToAnsi(b.SpNorm == 3 ? DalesXls(QStringLiteral("MILFITNAME"), QStringLiteral("Bacm"), b.model,
                                                 QStringLiteral("Name"))
                                      : PosBtName(p.LangDruck));
    cell(typ.trimmed(), 9);
    cell(GetParam(b.id, QStringLiteral("Sl")).trimmed(), 9);
    QString tec = GetParam(b.Q, QStringLiteral("Tec"));
    if (tec.isEmpty())
        tec = QStringLiteral("0000");
    cell(b.bac + u' ' + tec, 9, QStringLiteral("C"));
    cell(GetParam(b.Q, QStringLiteral("K1")), 9, QStringLiteral("C"));
    const QString k2 = GetParam(b.Q, QStringLiteral("K2"));
    if (!k2.isEmpty()) {
        cell(k2, 9, QStringLiteral("C"));
    } else {
        const QString vf = GetParam(b.Q, QStringLiteral("Vf"));
        cell(vf.isEmpty() ? QString() : vf + QStringLiteral("  v"), 9, QStringLiteral("R"));
    }
}

// The temperature the rate holds for: junction, body or reference.
void writeTemperatureCell(const BtRow& b)
{
    QString temperature = GetParam(b.R, QStringLiteral("Tj"));
    if (temperature.isEmpty())
        temperature = GetParam(b.R, QStringLiteral("Tb"));
    if (temperature.isEmpty())
        temperature = GetParam(b.R, QStringLiteral("Tref"));
    cell(plainNumber(readLeadingNumber(temperature)), -1);
}

// Base rate and factors of the norm or the user list.
void writeNormFactorCells(BtRow& b, bool M_ARBew)
{
    QString& R = b.R;
    if (b.kind == 3)
        cell(withCommas(QStringLiteral("i  ") + individualRate(b, QStringLiteral("Ari"))), 9, QStringLiteral("L"));
    else if (b.kind == 2)
        cell(withCommas(QStringLiteral("e  ") + individualRate(b, QStringLiteral("Are"))), 9, QStringLiteral("L"));
    else
        cell(withCommas(GetParam(R, QStringLiteral("Ar"))), 9, QStringLiteral("R"));
    cell(withCommas(takeParam(R, pi("t"))), 9, QStringLiteral("R"));
    cell(withCommas(takeParam(R, pi("s"))), 9, QStringLiteral("R"));
    if (b.SpNorm == 1 && M_ARBew)
        cell(withCommas(GetParam(R, QStringLiteral("ARBew"))), 9, QStringLiteral("R"));
}

// Base rate and factors of MIL-HDBK-217F, each with the letter of its kind.
void writeMilFactorCells(BtRow& b)
{
    QString& R = b.R;
    if (b.kind == 1) {
        cell(withCommas(QStringLiteral("e  ") + individualRate(b, QStringLiteral("Arem"))), 9, QStringLiteral("L"));
    } else {
        QString ar;
        if (GetParamPair(R, QStringLiteral("Arm")).valueMin > 0)
            ar = factorText(R, QStringLiteral("Arm")) + QStringLiteral("  a");
        else if (GetParamPair(R, QStringLiteral("C1m")).valueMin > 0)
            ar = factorText(R, QStringLiteral("C1m")) + QStringLiteral("  c");
        cell(withCommas(ar), 9, QStringLiteral("R"));
    }
    QString c2;
    if (GetParamPair(R, QStringLiteral("C2m")).valueMin > 0)
        c2 = factorText(R, QStringLiteral("C2m"));
    else if (GetParamPair(R, QStringLiteral("Ctm")).valueMin > 0)
        c2 = factorText(R, QStringLiteral("Ctm")) + QStringLiteral("  t");
    cell(withCommas(c2), 9, QStringLiteral("R"));
    QString pt = piWithLetter(R, "tm", QStringLiteral("t"));
    if (pt.isEmpty())
        pt = piWithLetter(R, "pm", QStringLiteral("p"));
    cell(withCommas(pt), 9, QStringLiteral("R"));
    QString ps = piWithLetter(R, "sm", QStringLiteral("s"));
    if (ps.isEmpty())
        ps = piWithLetter(R, "vm", QStringLiteral("v"));
    cell(withCommas(ps), 9, QStringLiteral("R"));
    QString qk = GetParam(R, QStringLiteral("Qkm"));
    if (qk.isEmpty())
        qk = GetParam(R, QStringLiteral("Qkvm"));
    cell(qk, 9, QStringLiteral("C"));
    QString piq = takeParam(R, pi("qm"));
    const QString piqe = takeParam(R, pi("qem"));
    if (piq.isEmpty())
        piq = piqe;
    cell(withCommas(piq), 9, QStringLiteral("R"));
    cell(withCommas(takeParam(R, pi("em"))), 9, QStringLiteral("R"));
}

// Single rates, the total of the quantity and either the main-path share or
// the position's share of the total.
void writeRateCells(const BtRow& b, const QString& key, bool MHwNw)
{
    const ParamPair r = key.isEmpty() ? ParamPair{} : GetParamPair(b.Rsec, key);
    const QString shareKey = b.SpNorm == 1 ? QStringLiteral("Pros")
                             : b.SpNorm == 2 ? QStringLiteral("Proa")
                                             : QStringLiteral("Prom");
    cell(plainNumber(r.valueMin, true), -1);
    cell(plainNumber(r.valueMax, true), -1);
    const double total = (r.valueMin + r.valueMax) * b.q / 2;
    cell(plainNumber(total), 1);
    if (MHwNw) {
        double mainPath = total;
        if (b.summary)
            mainPath = b.q == 0 ? 0 : total * numParam(b.R, QStringLiteral("Stck_Hw")) / b.q;
        else if (GetParam(b.R, QStringLiteral("Nbw")) == QLatin1String("true"))
            mainPath = 0;
        cell(plainNumber(mainPath), 1);
    } else {
        const double share = numParam(b.R, shareKey);
        if (share > 0)
            cell(plainNumber(share), 2);
    }
}

// The remarks: factors not shown in their own cells, the rated values behind
// the stress and the stress data apart from individual rates.
QString remarksOf(const BtRow& b)
{
    QString remarks;
    QStringList piItems;
    for (const QString& item : b.R.split(u','))
        if (item.startsWith(PiMark))
            piItems << item;
    remarks = piItems.join(u',');
    remarks.replace(PiMark, QStringLiteral("Pi"));
    const QString rtr = GetParam(b.Rsec, QStringLiteral("Rtr"));
    if (!rtr.isEmpty())
        appendRemark(remarks, QStringLiteral("Rtr=") + rtr);
    if (GetParam(b.S, QStringLiteral("Rtk")).isEmpty() &&
        (!GetParam(b.Q, QStringLiteral("Ntyp")).isEmpty() || !GetParam(b.S, QStringLiteral("Nmw")).isEmpty())) {
        const QString rte = GetParam(b.Q, QStringLiteral("Rte"));
        const QString rtv = GetParam(b.Rsec, QStringLiteral("Rtv"));
        if (!rte.isEmpty())
            appendRemark(remarks, QStringLiteral("Rte=") + rte);
        else if (!rtv.isEmpty())
            appendRemark(remarks, QStringLiteral("Rtv=") + rtv);
    }
    QString stress = b.S;
    SetParam(stress, QStringLiteral("Ari"), QString());
    SetParam(stress, QStringLiteral("Are"), QString());
    SetParam(stress, QStringLiteral("Arem"), QString());
    if (!stress.trimmed().isEmpty()) {
        if (remarks.isEmpty()) {
            // Alone, the stress data stay as they are.
            remarks = stress;
        } else {
            appendRemark(remarks, stress);
            remarks.replace(PiMark, QStringLiteral("Pi"));
        }
    }
    return remarks;
}

} // namespace

void writePositionTableHead(int16_t SpNorm, bool MHwNw, bool M_ARBew)
{
    const ReportState& s = reportState();
    const int ld = prog().LangDruck;
    cell(msgAnsi(257, ld), 9, QString(), 1, 0);
    int titles = 0, units = 0;
    if (SpNorm == 1 && M_ARBew) {
        titles = MHwNw ? 537 : 533;
        units = MHwNw ? 538 : s.MaxWerte ? 535 : 534;
    } else if (SpNorm == 1 || SpNorm == 2) {
        titles = MHwNw ? 516 : 452;
        units = MHwNw ? 517 : s.MaxWerte ? 454 : 453;
    } else if (SpNorm == 3) {
        titles = MHwNw ? 518 : 456;
        units = s.MaxWerte ? 458 : MHwNw ? 519 : 457;
    } else {
        return;
    }
    cell(msgAnsi(titles, ld), 9, QStringLiteral("C"), 1, -1);
    cell(msgAnsi(units, ld), 9, QStringLiteral("C"), 1, -1);
}

void AusFileQslPos(const QString& Stc, int16_t SpNorm, bool MHwNw, bool M_ARBew)
{
    Program& p = prog();
    const QString& id = p.WorkStr[Slot::Ident];
    const QString& R = p.WorkStr[Slot::R];
    const QString key = resultKey(SpNorm);
    const ParamPair r = key.isEmpty() ? ParamPair{} : GetParamPair(R, key);
    const double q = numParam(Stc, QStringLiteral("Stck"));

    quantityCell(q);
    p.WorkStr[Slot::Line] = designation();
    cell(p.WorkStr[Slot::Line], 9);
    QString typ = GetParam(id, QStringLiteral("Typ"));
    if (typ.isEmpty())
        typ = GetParam(id, QStringLiteral("Code"));
    cell(typ.trimmed(), 9);
    cell(QStringLiteral("Qsl   ") + GetParam(id, QStringLiteral("Lnr")), 9, QStringLiteral("C"));
    cell(GetParam(id, QStringLiteral("Tec")), 9, QStringLiteral("C"));
    cell(QStringLiteral("Pos=") + GetParam(R, QStringLiteral("Pos")), 9);
    cell(QStringLiteral("Fein=") + GetParam(R, QStringLiteral("Fein")), 9);
    const QString w = GetParam(p.WorkStr[Slot::F], QStringLiteral("Warn"));
    if (w == QLatin1String("FepAll") || (w == QLatin1String("FepSin") && (SpNorm == 1 || SpNorm == 2)) ||
        (w == QLatin1String("FepMil") && SpNorm == 3))
        cell(byLanguage("unvollständig !", "incomplete !"), 9, QStringLiteral("C"), 0, 0);
    cell(QString(), 9, QString(), 0, SpNorm == 3 ? 9 : (SpNorm == 1 && M_ARBew) ? 5 : 4);
    cell(plainNumber(r.valueMin, true), -1);
    cell(plainNumber(r.valueMax, true), -1);
    cell(plainNumber((r.valueMin + r.valueMax) / 2 * q), 1);
    if (MHwNw)
        cell(plainNumber(numParam(R, key + QStringLiteral("_Hw")) * q), 1);
    cell(QString(), -1, QString(), 1, -1);
}

void AusFileBtDetail(const QString& Stc, int16_t SpNorm, bool MHwNw, bool M_ARBew)
{
    Program& p = prog();
    BtRow b{p, p.WorkStr[Slot::Ident], p.WorkStr[Slot::Q], p.WorkStr[Slot::S], p.WorkStr[Slot::R], SpNorm};
    b.q = numParam(Stc, QStringLiteral("Stck"));
    b.kind = individualRateKind(b.Q, b.S);
    if (SpNorm == 3) {
        b.model = GetParam(b.Q, QStringLiteral("Bacm")).toUpper();
        if (b.model.isEmpty())
            b.model = GetParam(b.Rsec, QStringLiteral("Bacm"));
    }
    b.R = b.Rsec;
    b.bac = GetParam(b.Q, QStringLiteral("Bac"));

    // 1. Identity of the component.
    writeIdentityCells(b);
    // 2. The MIL model, or the end of the row when the component has none.
    if (SpNorm == 3) {
        if (GetParam(p.WorkStr[Slot::F], QStringLiteral("Err")) == QLatin1String("BacMil")) {
            cell(byLanguage("fehlt !", "missing !"), 9, QStringLiteral("C"), 1, -1);
            return;
        }
        cell(b.model, 9, QStringLiteral("C"));
    }
    // 3. Temperature.
    writeTemperatureCell(b);
    // 4. Base rate and factors of the stored method.
    if (SpNorm != 3)
        writeNormFactorCells(b, M_ARBew);
    else
        writeMilFactorCells(b);
    // 5. Rates, total and share.
    writeRateCells(b, resultKey(SpNorm), MHwNw);
    // 6. Remarks, closing the row.
    cell(remarksOf(b), 9, QString(), 1, -1);
}
