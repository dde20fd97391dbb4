#include "report/pfuidruck.h"
#include "frame/workslots.h"
#include "frame/errptnr.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "printing/printjob.h"
#include "position_line/posline.h"
#include "qlist/qslfile.h"
#include "report/fehlpos.h"
#include "report/pfui.h"
#include "report/positionen.h"
#include "report/reportstate.h"
#include "report/reporttext.h"

#include <QFileInfo>

namespace {

const QChar kErrorMark(149);
const QChar kWarningMark(187);

struct Method {
    int m;          // index of the run totals
    QChar digit;    // digit in "Norm"
    QString label;  // label of the entries
};

// Printing order: norm, user list, MIL-HDBK-217F.
const std::array<Method, 3>& methods()
{
    static const std::array<Method, 3> list = {Method{1, u'1', QStringLiteral("YK ")},
                                               Method{2, u'3', QStringLiteral("AWS")},
                                               Method{3, u'2', QStringLiteral("MIL")}};
    return list;
}

int methodOfLabel(const QString& label)
{
    if (label == QLatin1String("AWS"))
        return 2;
    if (label == QLatin1String("MIL"))
        return 3;
    return 1;
}

// ">= 5 %": the limit with a blank in place of the sign of a positive number.
QString limitText(double limit)
{
    const QString number = plainSingle(limit);
    return QStringLiteral(">=") + (limit < 0 ? QString() : QStringLiteral(" ")) + number + QStringLiteral(" %");
}

int decimalsFor(double v)
{
    if (v < 1)
        return 3;
    if (v < 10)
        return 2;
    if (v < 1000)
        return 1;
    return 0;
}

// The rate of the entry over its quantity, 26 characters, followed by the share
// when the line has one. valid is false when the shown value is 0.
QString rateText(const QString& label, double quantity, bool component, bool& valid)
{
    const int m = methodOfLabel(label);
    const ParamPair pair = GetParamPair(prog().WorkStr[Slot::R], kResultKeys[size_t(m)]);
    const float minimum = float(pair.valueMin) * float(quantity);
    const float maximum = float(pair.valueMax) * float(quantity);
    const bool maxOnly = reportState().MaxWerte;
    const float v = maxOnly ? maximum : minimum;
    valid = v != 0;
    const int decimals = component && v <= 0 ? 0 : decimalsFor(v);
    QString text = label + QLatin1Char(' ') +
                   (maxOnly ? FormWert(0, decimals, v) : FormBerS(minimum, maximum, decimals)) + QStringLiteral(" fit");
    text = FormStr(text, 26, QStringLiteral(" "));
    const double percent = numParam(prog().WorkStr[Slot::R], percentKey(m));
    if (percent > 0)
        text += FormZahl(percent, 3, 1) + QStringLiteral(" %");
    return text;
}

// The description broken into the block: line 1 of width w1 with the rate
// behind it, further lines of width w2.
void fillBlock(QString description, const QString& rate, ReportBlock& Poz, int16_t& Apz)
{
    const int columns = printState().PrSpalten;
    const int16_t w1 = int16_t(columns - 37);
    const int16_t w2 = int16_t(columns - 19);
    QString rest;
    Poz.assign(2, QString());
    Poz[1] = ZellText(1, w1, description, rest, rate);
    Apz = 1;
    while (!rest.isEmpty()) {
        const QString before = rest;
        QString piece;
        piece = ZellText(4, w2, piece, rest, QString());
        if (rest == before)
            break; // a print area too narrow for any text beside the indent
        if (piece.trimmed().isEmpty())
            continue;
        Poz.push_back(piece);
        ++Apz;
    }
}

void addCodeLines(const QString& key, const QString& lead, ReportBlock& Poz, int16_t& Apz)
{
    for (const QString& item : prog().WorkStr[Slot::F].split(u',')) {
        if (!item.startsWith(key + QLatin1Char('=')))
            continue;
        const QString code = item.mid(key.size() + 1).trimmed();
        Poz.push_back(QString(11, u' ') + lead + errorCodeText(code));
        ++Apz;
    }
}

void heading(const QString& kind, double lines, bool MArchPage, bool columnHead, const QString& limit, int textId)
{
    DruckUeberschrift(kind == QLatin1String("qs") ? QStringLiteral("PFUIQS") : QStringLiteral("PFUIBT"), lines,
                      MArchPage, columnHead, false, false, limit, textId);
}

} // namespace

void AusPfuiQslPos(const QString& Nname, const QString& Stc, ReportBlock& Poz, int16_t& Apz)
{
    ErrPtnr::CallStack(QStringLiteral("[XAQP] Sub AusPfuiQslPos(Nname$, Stc$, Poz() As String, Apz%)"));
    ErrPtnr::CallStackParam(QStringLiteral("Apz"), int(Apz));
    ErrPtnr::CallStackParam(QStringLiteral("Poz()"), QStringLiteral("Poz()"));
    ErrPtnr::CallStackParam(QStringLiteral("Stc"), Stc);
    ErrPtnr::CallStackParam(QStringLiteral("Nname"), Nname);
    ErrPtnr::guarded(QStringLiteral("XAQP"), QStringLiteral("AusPfuiQslPos"), false, [&] {
        Program& p = prog();
        Apz = 0;
        const double quantity = readLeadingNumber(GetParam(Stc, QStringLiteral("Stck")));
        if (!(quantity > 0))
            return true;
        bool valid = false;
        const QString rate = rateText(Nname, quantity, false, valid);
        if (!valid)
            return true;

        // The warning that a sub-list lacks the other method's results says
        // nothing in the list of this method.
        const QString foreign = Nname == QLatin1String("MIL") ? QStringLiteral("FepSin") : QStringLiteral("FepMil");
        if (GetParam(p.WorkStr[Slot::F], QStringLiteral("Warn")) == foreign)
            SetParam(p.WorkStr[Slot::F], QStringLiteral("Warn"), QString());

        QString& d = p.WorkStr[Slot::Line];
        d = FormZahl(quantity, 10, 0) + QLatin1Char(' ');
        const QString lnr = GetParam(p.WorkStr[Slot::Ident], QStringLiteral("Lnr"));
        if (!lnr.isEmpty())
            d += QStringLiteral("Lnr=") + lnr;
        auto add = [&d](const QString& part) {
            if (!part.isEmpty())
                d += QLatin1Char(',') + part;
        };
        for (const char* key : {"Sl", "Typ", "Yk", "An"})
            add(GetParam(p.WorkStr[Slot::Ident], QLatin1String(key)));
        add(p.WorkStr[Slot::S]);
        add(p.WorkStr[Slot::F]);
        QString results = p.WorkStr[Slot::R];
        SetParam(results, QStringLiteral("Nev,Tur,Fit,Fita,Fitm,Pros,Proa,Prom"), QString());
        add(results);
        add(GetParam(p.WorkStr[Slot::B], QStringLiteral("Be")));

        fillBlock(d, rate, Poz, Apz);
        addCodeLines(QStringLiteral("Err"), QString(kErrorMark) + QLatin1Char(' '), Poz, Apz);
        addCodeLines(QStringLiteral("Warn"), QString(kWarningMark), Poz, Apz);
        return true;
    });
}

void AusPfuiBtPos(const QString& Nname, const QString& Stc, ReportBlock& Poz, int16_t& Apz)
{
    Program& p = prog();
    Apz = 0;
    if (Nname == QLatin1String("AWS") || Nname == QLatin1String("MIL"))
        SetParam(p.WorkStr[Slot::R], QStringLiteral("ARBew"), QString());
    const double quantity = readLeadingNumber(GetParam(Stc, QStringLiteral("Stck")));
    bool valid = false;
    const QString rate = rateText(Nname, quantity, true, valid);
    SetParam(p.WorkStr[Slot::R], percentKey(methodOfLabel(Nname)), QString());
    p.WorkStr[Slot::Line] = BtBeschreibung(quantity, false);
    fillBlock(p.WorkStr[Slot::Line], rate, Poz, Apz);
    addCodeLines(QStringLiteral("Warn"), QString(kWarningMark), Poz, Apz);
}

void DruckPfui(const QString& kind, bool MArchPage)
{
    Program& p = prog();
    const bool sublists = kind == QLatin1String("qs");
    const QString norm = GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Norm"));
    const QString limit =
        limitText(float(numParam(p.WorkStr[Slot::SyPar], sublists ? QStringLiteral("Qs%") : QStringLiteral("Bt%"))));
    const int dr = p.LangDruck;
    const QString indent(11, u' ');

    for (size_t i = 0; i < methods().size(); ++i) {
        const Method& method = methods()[i];
        if (!norm.contains(method.digit))
            continue;
        const int textId = (sublists ? 251 : 265) + int(i) + 1;
        ui().infoList().Add(msgAnsi(textId, p.LangNr, {limit}));
        PrFont(7.5, true, false, QStringLiteral("Courier New"));

        if (reportState().FitSumOk[size_t(method.m)][1] == 0) {
            ui().infoList().Add(msgAnsi(255, p.LangNr));
            heading(kind, 4.4, MArchPage, false, limit, textId);
            PrText(msgAnsi(255, dr));
            PrLf(1);
            continue;
        }

        const QString file = scratchFile(Slot::Tp2, QStringLiteral("pfui") + kind + methodSuffix(method.m));
        const QFileInfo info(nativePath(file));
        if (!info.exists() || info.size() == 0) {
            heading(kind, 4.4, MArchPage, false, limit, textId);
            PrText(indent + msgAnsi(234, dr));
            PrLf(1);
            continue;
        }
        QStringList lines;
        {
            QslLineReader in(file);
            while (in.isOpen() && !in.atEnd())
                lines << in.readPhysicalLine();
        }
        if (!lines.isEmpty() && lines.first().trimmed().startsWith(QLatin1String("ABBRUCH"))) {
            heading(kind, 5.6, MArchPage, false, limit, textId);
            PrText(indent + msgAnsi(438, dr, {lines.first().trimmed().mid(7)}));
            PrLf(1);
            PrText(indent + msgAnsi(439, dr));
            PrLf(1);
            continue;
        }

        bool first = true;
        ReportBlock block;
        int16_t count = 0;
        for (QString line : lines) {
            if (sublists)
                SetParam(line, QStringLiteral("Hier"), QString());
            else if (!line.startsWith(QLatin1String("Stck=")))
                continue;
            QString Stc;
            PosTrenn(line, Stc);
            if (sublists)
                AusPfuiQslPos(method.label, Stc, block, count);
            else
                AusPfuiBtPos(method.label, Stc, block, count);
            if (first) {
                heading(kind, count + 3.2 + 1.5, MArchPage, true, limit, textId);
                first = false;
            }
            DruckBlock(block, count, MArchPage);
        }
    }
}
