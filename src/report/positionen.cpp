#include "report/positionen.h"
#include "frame/workslots.h"
#include "calculation/names.h"
#include "calculation/systdb.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/formatters.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "printing/printjob.h"
#include "position_line/posline.h"
#include "qlist/qslfile.h"
#include "report/fehlpos.h"
#include "report/posfile.h"
#include "report/printroutines.h"
#include "report/qrm.h"
#include "report/reportstate.h"
#include "report/reporttext.h"
#include "report/sonderformat.h"
#include "report/totals.h"

#include <array>
#include <cmath>

namespace {

const QChar kIndividualRate = ListZch(2);

bool qpbtHas(char digit)
{
    return GetParam(prog().WorkStr[Slot::SyPar], QStringLiteral("Qpbt")).contains(QLatin1Char(digit));
}

// The result keys of a position without the totals the failure-rate lines show.
QString remainingResults()
{
    QString r = prog().WorkStr[Slot::R];
    SetParam(r, QStringLiteral("Nev,Tur,Fit,Fita,Fitm"), QString());
    return r;
}

QString quantityText(double q)
{
    if (q > 0 && q < 0.1)
        return FormZahl(q, 7, 2) + u' ';
    if (q >= 0.1 && q < 1)
        return FormZahl(q, 8, 1) + u' ';
    return FormZahl(q, 10, 0) + u' ';
}

int16_t widthWithRate()
{
    return int16_t(printState().PrSpalten - 37);
}

int16_t widthWithoutRate()
{
    return int16_t(printState().PrSpalten - 19);
}

void setLine(QStringList& Poz, int i, const QString& text)
{
    while (Poz.size() <= i)
        Poz << QString();
    Poz[i] = text;
}

// Line 1 is in Poz already: the further lines of the description, the failure
// rates at the right of lines 2 and 3, then the error and warning lines.
void continueBlock(QStringList& Poz, int16_t& Apz, QString& text, QString& rest, const std::array<QString, 4>& rates)
{
    for (int i = 2;; ++i) {
        QString line;
        if (i <= 3)
            line = ZellText(int16_t(i), rates[size_t(i)].isEmpty() ? widthWithoutRate() : widthWithRate(), text, rest,
                            rates[size_t(i)]);
        else
            line = ZellText(int16_t(i), widthWithoutRate(), text, rest, QString());
        if (line.trimmed().isEmpty())
            break;
        setLine(Poz, Apz + 1, line);
        ++Apz;
    }
    prog().WorkStr[Slot::Line].clear();
    FehlText(Poz, Apz);
}

void appendRows(QFile& ergfile)
{
    QString& rows = prog().WorkStr[Slot::SylkHead];
    if (!rows.isEmpty() && ergfile.write(toAnsi(rows)) < 0)
        throw TarnError(QStringLiteral("Cannot write %1: %2").arg(ergfile.fileName(), ergfile.errorString()),
                        ErrNo::PathFileAccess);
    rows.clear();
}

} // namespace

QString BtBeschreibung(double quantity, bool MitZ)
{
    Program& p = prog();
    const QString& id = p.WorkStr[Slot::Ident];
    const QString& Q = p.WorkStr[Slot::Q];
    QString d = quantityText(quantity);
    for (const char* key : {"Sl", "Typ", "Yk", "An"}) {
        const QString v = GetParam(id, QLatin1String(key));
        if (!v.isEmpty())
            d += v + u',';
    }
    if (!Q.isEmpty()) {
        const QString bac = GetParam(Q, QStringLiteral("Bac"));
        if (qpbtHas('1')) {
            d += QStringLiteral("Bac=") + bac + u',';
            const QString tec = GetParam(Q, QStringLiteral("Tec"));
            if (!tec.isEmpty() && tec != QLatin1String("0000"))
                d += QStringLiteral("Tec=") + tec + u',';
            const QString gec = GetParam(Q, QStringLiteral("Gec")).toUpper();
            const QString pin = GetParam(Q, QStringLiteral("Pin"));
            if (!gec.isEmpty() && !pin.isEmpty())
                d += QStringLiteral("Geh=") + gec + u'/' + pin + u',';
            else if (!gec.isEmpty())
                d += QStringLiteral("Gec=") + gec + u',';
            else if (!pin.isEmpty())
                d += QStringLiteral("Pin=") + pin + u',';
        }
        d += OemToAnsi(PosBtName(p.LangDruck));
        if (GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Norm")).contains(u'2')) {
            if (!bac.startsWith(u'0')) {
                QString first = GetParam(Q, QStringLiteral("Bacm"));
                QString second = first;
                if (first.isEmpty()) {
                    const ParamPair m = GetParamPair(p.WorkStr[Slot::R], QStringLiteral("Bacm"));
                    first = m.textMin;
                    second = m.textMax;
                }
                auto nameOf = [](const QString& model) {
                    return DalesXls(QStringLiteral("MILFITNAME"), QStringLiteral("Bacm"), model, QStringLiteral("Name"));
                };
                const QString name1 = nameOf(first);
                if (!name1.isEmpty())
                    d += u',' + name1;
                if (second != first) {
                    const QString name2 = nameOf(second);
                    if (!name2.isEmpty())
                        d += u'/' + name2;
                }
            } else if (bac == QLatin1String("0000")) {
                d += QStringLiteral(",Quality List");
            } else if (bac == QLatin1String("0100")) {
                d += QStringLiteral(",Module as described in Quality List");
            }
        }
        if (qpbtHas('1')) {
            QString rest = Q;
            SetParam(rest, QStringLiteral("Bac,Tec,Gec,Pin"), QString());
            if (!rest.isEmpty())
                d += u',' + rest;
            if (MitZ && !p.WorkStr[Slot::Z].isEmpty())
                d += u',' + p.WorkStr[Slot::Z];
        }
    } else if (d.endsWith(u',')) {
        d.chop(1);
    }
    if (qpbtHas('2') && !p.WorkStr[Slot::S].isEmpty())
        d += u',' + p.WorkStr[Slot::S];
    if (!p.WorkStr[Slot::F].isEmpty())
        d += u',' + p.WorkStr[Slot::F];
    if (qpbtHas('3')) {
        const QString r = remainingResults();
        if (!r.isEmpty())
            d += u',' + r;
    }
    if (qpbtHas('4') && !p.WorkStr[Slot::B].isEmpty())
        d += u',' + p.WorkStr[Slot::B];
    return d;
}

void AusQsPos(const QString& Stc, QStringList& Poz, int16_t& Apz)
{
    ErrPtnr::CallStack(QStringLiteral("[XAQP] Sub AusQsPos(Stc$, Poz() As String, Apz%)"));
    ErrPtnr::CallStackParam(QStringLiteral("Apz"), Apz);
    ErrPtnr::CallStackParam(QStringLiteral("Poz()"), QStringLiteral("(array)"));
    ErrPtnr::CallStackParam(QStringLiteral("Stc"), Stc);
    ErrPtnr::guarded(QStringLiteral("XAQP"), QStringLiteral("AusQsPos"), false, [&] {
        Program& p = prog();
        const QString& id = p.WorkStr[Slot::Ident];
        std::array<QString, 4> rates;
        FitText(Stc, rates);
        if (!p.WorkStr[Slot::S].isEmpty())
            rates[1] += u'+';
        QString text = quantityText(numParam(Stc, QStringLiteral("Stck")));
        const QString lnr = GetParam(id, QStringLiteral("Lnr"));
        if (!lnr.isEmpty())
            text += QStringLiteral("Lnr=") + lnr;
        auto add = [&](const QString& v) {
            if (!v.isEmpty())
                text += u',' + v;
        };
        for (const char* key : {"Sl", "Typ", "Yk", "An"})
            add(GetParam(id, QLatin1String(key)));
        add(p.WorkStr[Slot::S]);
        add(p.WorkStr[Slot::F]);
        add(remainingResults());
        add(GetParam(p.WorkStr[Slot::B], QStringLiteral("Be")));
        QString rest;
        Apz = 0;
        setLine(Poz, 1, ZellText(1, widthWithRate(), text, rest, rates[1]));
        Apz = 1;
        continueBlock(Poz, Apz, text, rest, rates);
        return true;
    });
}

void AusBtPos(const QString& Stc, QStringList& Poz, int16_t& Apz)
{
    ErrPtnr::CallStack(QStringLiteral("[XAQP] Sub AusBtPos(Stc$, Poz() As String, Apz%)"));
    ErrPtnr::CallStackParam(QStringLiteral("Apz"), Apz);
    ErrPtnr::CallStackParam(QStringLiteral("Poz()"), QStringLiteral("(array)"));
    ErrPtnr::CallStackParam(QStringLiteral("Stc"), Stc);
    ErrPtnr::guarded(QStringLiteral("XAQP"), QStringLiteral("AusBtPos"), false, [&] {
        Program& p = prog();
        const QString& Q = p.WorkStr[Slot::Q];
        const QString& S = p.WorkStr[Slot::S];
        std::array<QString, 4> rates;
        FitText(Stc, rates);

        // The markers of the legend: special-list rate, weighted norm result,
        // individually given rates, individual operating data.
        std::array<QString, 4> marks;
        auto has = [](const QString& section, const char* key) {
            return !GetParam(section, QLatin1String(key)).isEmpty();
        };
        if (has(S, "Arx"))
            marks[1] = QStringLiteral("#");
        else if (has(p.WorkStr[Slot::R], "ARBew"))
            marks[1] = QStringLiteral("*");
        if (has(Q, "Are") || has(Q, "Ari") || has(S, "Are") || has(S, "Ari")) {
            if (marks[1].isEmpty())
                marks[1] = kIndividualRate;
            marks[2] = kIndividualRate;
        }
        if (has(Q, "Arem") || has(S, "Arem"))
            marks[3] = kIndividualRate;
        QString operating = S;
        SetParam(operating, QStringLiteral("Arx"), QString());
        if (!operating.trimmed().remove(u',').isEmpty())
            for (int k = 1; k <= 3; ++k)
                marks[size_t(k)] += u'+';
        for (int k = 1; k <= 3; ++k)
            if (!rates[size_t(k)].isEmpty())
                rates[size_t(k)] += marks[size_t(k)];

        QString text = BtBeschreibung(numParam(Stc, QStringLiteral("Stck")), true);
        SetParam(text, QStringLiteral("ARBew"), QString());
        QString rest;
        Apz = 0;
        setLine(Poz, 1,
                ZellText(1, rates[1].isEmpty() ? widthWithoutRate() : widthWithRate(), text, rest, rates[1]));
        Apz = 1;
        continueBlock(Poz, Apz, text, rest, rates);
        return true;
    });
}

void DruckPositionen(bool Drucken, bool Datei, const QString& SoFormStr, bool MArchPage, bool MHwNw,
                     bool M_ARSoList, bool M_ARBew, QFile& ergfile)
{
    Program& p = prog();
    const bool special = !SoFormStr.isEmpty();
    const bool noFont = special && GetParam(SoFormStr, QStringLiteral("NichtDruck")) == QLatin1String("1");
    int16_t SpNorm = 0;
    if (Datei)
        SpNorm = toInt16(std::trunc(numParam(p.WorkStr[Slot::GlPar], QStringLiteral("Spnorm"))));
    if (!noFont)
        PrFont(7.5, true, false, QStringLiteral("Courier New"));

    QslLineReader in;
    const QString pol = scratchFile(Slot::Tp2, QStringLiteral("pol"));
    if (!in.open(pol))
        throw TarnError(QStringLiteral("File not found: %1").arg(pol), ErrNo::FileNotFound);
    bool first = true;
    QStringList Poz;
    int16_t Apz = 0;
    while (!in.atEnd()) {
        QString line = in.readPhysicalLine();
        if (!(numParam(line, QStringLiteral("Stck")) > -1))
            continue;
        QString Stc;
        Poz = QStringList{QString()};
        Apz = 0;
        if (GetParam(line, QStringLiteral("Qm")) == QLatin1String("Qsl")) {
            SetParam(line, QStringLiteral("Hier"), QString());
            PosTrenn(line, Stc);
            AusQsPos(Stc, Poz, Apz);
            if (Datei && !special) {
                if (first)
                    writePositionTableHead(SpNorm, MHwNw, M_ARBew);
                AusFileQslPos(Stc, SpNorm, MHwNw, M_ARBew);
            }
        } else {
            PosTrenn(line, Stc);
            AusBtPos(Stc, Poz, Apz);
            if (qpbtHas('5')) {
                // The look-up notes a class it cannot find among the position's
                // codes; the result-file row below reports the codes the run
                // found, so they are kept as they were.
                const QString codes = p.WorkStr[Slot::F];
                QString fields;
                LesSin(p.WorkStr[Slot::Q], 0, QStringLiteral("QRM"), fields, {}, {}, {}, 1);
                p.WorkStr[Slot::F] = codes;
                QrmFeld(fields, Poz, Apz);
            }
            if (Datei && special) {
                AusSonderFilePos(Stc, SpNorm, SoFormStr, QStringLiteral("BE"));
            } else if (Datei) {
                if (first)
                    writePositionTableHead(SpNorm, MHwNw, M_ARBew);
                AusFileBtDetail(Stc, SpNorm, MHwNw, M_ARBew);
            }
        }
        if (Drucken) {
            if (first) {
                double lines = Apz + 7.5;
                DruckUeberschrift(QStringLiteral("POS"), lines, MArchPage, true, M_ARSoList, M_ARBew);
            }
            ReportBlock block(Poz.begin(), Poz.end());
            DruckBlock(block, Apz, MArchPage);
        }
        if (Datei)
            appendRows(ergfile);
        first = false;
    }
}
