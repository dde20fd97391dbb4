#include "report/gesamt.h"
#include "frame/workslots.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "printing/printjob.h"
#include "report/druckkopf.h"
#include "report/paramtext.h"
#include "report/reportstate.h"

namespace {

// The figures of the totals of one method: texts and MTBF values of the mean,
// minimum and maximum.
struct Figures {
    std::array<QString, 3> fit, hours, years;
    std::array<double, 3> mtbfHours{}, mtbfYears{};
};

Figures figuresOf(int m)
{
    Figures f;
    for (int k = 0; k <= 2; ++k) {
        const double total = reportState().FitSum[size_t(m)][size_t(k)];
        f.fit[size_t(k)] = FormZahl(total, 11, 0);
        if (total > 0) {
            f.mtbfHours[size_t(k)] = 1e9 / total;
            f.mtbfYears[size_t(k)] = f.mtbfHours[size_t(k)] / 8760;
            f.hours[size_t(k)] = FormZahl(f.mtbfHours[size_t(k)], 11, 0);
            f.years[size_t(k)] = FormZahl(f.mtbfYears[size_t(k)], 9, 1);
        }
    }
    return f;
}

// The MTBF range, the shorter MTBF (from the maximum total) first; in years when
// the mean's MTBF reaches a year.
QString mtbfRange(const Figures& f)
{
    if (f.mtbfYears[0] >= 1)
        return f.years[2] + QStringLiteral(" - ") + f.years[1] + QStringLiteral(" a");
    return f.hours[2] + QStringLiteral(" - ") + f.hours[1] + QStringLiteral(" h");
}

QString rangeText(const Figures& f, int language, int gap)
{
    return msgAnsi(40, language, {f.fit[1] + QStringLiteral(" - ") + f.fit[2]}) + QString(gap, u' ') +
           msgAnsi(41, language, {mtbfRange(f)});
}

QString maximumText(const Figures& f, int language, int gap)
{
    const QString mtbf = f.mtbfYears[0] >= 1 ? f.years[2] + QStringLiteral(" a") : f.hours[2] + QStringLiteral(" h");
    return msgAnsi(42, language, {f.fit[2]}) + QString(gap, u' ') + msgAnsi(43, language, {mtbf});
}

std::array<bool, 4> selectedMethods()
{
    const QString norm = GetParam(prog().WorkStr[Slot::GlPar], QStringLiteral("Norm"));
    return {false, norm.contains(u'1'), norm.contains(u'3'), norm.contains(u'2')};
}

int missing(const ErrCounts& Errg, int m)
{
    return Errg[0] + Errg[-1] + Errg[m];
}

QString positionCount(const QString& res)
{
    return plainNumber(numParam(res, QStringLiteral("Anzposb")) + numParam(res, QStringLiteral("Anzposq")));
}

QString factorText()
{
    return plainNumber(prog().YkBewFaktor, true);
}

void textAt(double offset, const QString& text)
{
    PrTextSym(printState().PrLinks + offset, printState().currentY, text);
}

void rightAt(double offset, const QString& text)
{
    textAt(offset - printWidth(text), text);
}

void rightAtEdge(const QString& text)
{
    const PrintState& s = printState();
    PrTextSym(s.PrRechts - printWidth(text), s.currentY, text);
}

void centredOn(double centre, const QString& text)
{
    textAt(centre - printWidth(text) / 2, text);
}

// What the steps of DruckGesamt share: the run's totals, counts and texts.
struct TotalsContext {
    Program& p;
    const ReportState& s;
    const ErrCounts& Errg;
    int lu = 0;
    int ld = 0;
    bool maxOnly = false;
    std::array<bool, 4> sel{};
    bool ber = false;
    QString anzposq{}, anzposb{}, nfein{}, count{};
    std::array<Figures, 4> fig{};
    std::array<QString, 4> title{};

    double total(int m, int k) const { return s.FitSum[size_t(m)][size_t(k)]; }
};

// Summary in the message list, in the interface language.
void listSummary(TotalsContext& c)
{
    static const std::array<QString, 4> labels = {QString(), QStringLiteral("YK :"), QStringLiteral("AWS:"),
                                                  QStringLiteral("MIL:")};
    Program& p = c.p;
    const ErrCounts& Errg = c.Errg;
    InfoList& list = ui().infoList();
    p.WorkStr[Slot::Line] = QString(80, u' ');
    list.Clear();
    list.Add(p.WorkStr[Slot::Line]);
    if (Errg[-1] > 0)
        list.Add(msgAnsi(218, c.lu, {QString::number(Errg[-1]), c.anzposq}));
    for (int m = 1; m <= 3; ++m) {
        if (!(c.total(m, 0) > 0))
            continue;
        const Figures& f = c.fig[size_t(m)];
        const int k = Errg[0] + Errg[m];
        const QString text =
            k < 1 ? msgAnsi(220, c.lu, {c.anzposb}) : msgAnsi(219, c.lu, {QString::number(k), c.anzposb});
        list.Add(u' ' + labels[size_t(m)] + QStringLiteral("  ") + text);
        const QString rate = msgAnsi(40, c.lu, {f.fit[0]}) + QString(5, u' ');
        const QString mtbf = msgAnsi(41, c.lu, {f.mtbfHours[0] > 4000 ? f.years[0] + QStringLiteral(" a")
                                                                      : f.hours[0] + QStringLiteral(" h")});
        p.WorkStr[Slot::Line] = rate.leftJustified(77, u' ') + mtbf;
        list.Add(p.WorkStr[Slot::Line]);
    }
    list.Add(QString());
    list.Add(u' ' + msgAnsi(222, c.lu, {c.nfein, c.count}));
    if (c.ber)
        list.Add(msgAnsi(223, c.lu));
    list.Add(QString());
    ParamText(QStringLiteral("ZC"), false, false);
}

// Head of the table of complete methods: column headings and units.
void printTotalsTableHead(const TotalsContext& c)
{
    std::array<double, 3> centre{};
    textAt(0, msgAnsi(c.maxOnly ? 224 : 225, c.ld));
    const std::array<QString, 3> headings = {msgAnsi(221, c.ld), msgAnsi(50, c.ld), msgAnsi(50, c.ld)};
    const std::array<double, 3> columns = {5400, 7400, 9400};
    for (size_t i = 0; i < 3; ++i) {
        rightAt(columns[i], headings[i]);
        centre[i] = columns[i] - printWidth(headings[i]) / 2;
    }
    PrLf();
    if (c.maxOnly) {
        centredOn(centre[0], QStringLiteral("max"));
        centredOn(centre[1], QStringLiteral("min"));
        centredOn(centre[2], QStringLiteral("min"));
        PrLf();
    }
    centredOn(centre[0], QStringLiteral("fit"));
    centredOn(centre[1], QStringLiteral("h"));
    centredOn(centre[2], QStringLiteral("a"));
}

// Complete methods: one table, its head before the first row.
void printCompleteMethods(const TotalsContext& c)
{
    bool head = false;
    for (int m = 1; m <= 3; ++m) {
        if (!c.sel[size_t(m)] || !(c.total(m, 0) > 0) || missing(c.Errg, m) != 0)
            continue;
        const Figures& f = c.fig[size_t(m)];
        if (!head) {
            head = true;
            printTotalsTableHead(c);
        }
        const size_t k = c.maxOnly ? 2 : 0;
        PrLf(1.5);
        textAt(1000, c.title[size_t(m)]);
        rightAt(5400, f.fit[k]);
        rightAt(7400, f.hours[k]);
        rightAt(9400, f.mtbfHours[0] > 4000 ? f.years[k] : QStringLiteral("---"));
    }
}

// Incomplete methods, with the counts of positions without a result.
void printIncompleteMethods(const TotalsContext& c)
{
    const ErrCounts& Errg = c.Errg;
    for (int m = 1; m <= 3; ++m) {
        if (!c.sel[size_t(m)] || missing(Errg, m) < 1)
            continue;
        PrLf(1.5);
        textAt(1000, c.title[size_t(m)]);
        textAt(4400, msgAnsi(229, c.ld));
        if (Errg[m] + Errg[0] >= 1) {
            PrLf();
            textAt(4400, msgAnsi(230, c.ld, {QString::number(Errg[m] + Errg[0]), c.anzposb}));
        }
        if (Errg[-1] >= 1) {
            PrLf();
            textAt(4400, msgAnsi(228, c.ld, {QString::number(Errg[-1]), c.anzposq}));
        }
    }
}

// Result ranges of complete methods whose minimum and maximum differ.
void printResultRanges(const TotalsContext& c)
{
    if (c.maxOnly || c.Errg[0] + c.Errg[-1] >= 1)
        return;
    bool first = true;
    for (int m = 1; m <= 3; ++m) {
        if (!c.sel[size_t(m)] || c.Errg[m] != 0 || c.total(m, 1) == c.total(m, 2))
            continue;
        if (first) {
            first = false;
            PrLf();
            textAt(600, msgAnsi(231, c.ld));
            PrLf(1.5);
        }
        textAt(1000, c.title[size_t(m)] + u':');
        rightAtEdge(rangeText(c.fig[size_t(m)], c.ld, 12));
        PrLf();
    }
}

// Partial sums of incomplete methods.
void printPartialSums(const TotalsContext& c)
{
    bool first = true;
    for (int m = 1; m <= 3; ++m) {
        if (!c.sel[size_t(m)] || !(c.total(m, 0) > 0) || missing(c.Errg, m) <= 0)
            continue;
        if (first) {
            first = false;
            PrLf();
            textAt(600, msgAnsi(233, c.ld));
            PrLf(1.5);
        }
        textAt(1000, c.title[size_t(m)] + u':');
        const Figures& f = c.fig[size_t(m)];
        rightAtEdge(c.maxOnly ? maximumText(f, c.ld, 12) : rangeText(f, c.ld, 12));
        PrLf();
    }
}

// Notes on the weighting and on the special failure-rate list of the norm.
void printNotes(const TotalsContext& c, bool totalsPrinted, bool M_ARBew, bool M_ARSoList)
{
    if (!c.sel[1])
        return;
    bool printed = false;
    if (M_ARBew) {
        rightAtEdge(msgAnsi(531, c.ld, {totalsPrinted ? QString(QChar(185)) + u')' : QString(), factorText()}));
        PrLf();
        printed = true;
    }
    if (M_ARSoList) {
        rightAtEdge(msgAnsi(532, c.ld, {c.s.SonderArVersion}));
        PrLf();
        printed = true;
    }
    if (printed)
        PrLf();
}

// Count lines, at least one line's space, the definition of fit and the
// closing rule.
void printClosing(const TotalsContext& c, bool MitAnzahl)
{
    PrintState& ps = printState();
    const long y0 = long(ps.currentY);
    if (MitAnzahl) {
        PrLf(1.5);
        textAt(0, msgAnsi(222, c.ld, {c.nfein, c.count}));
    }
    if (c.ber) {
        PrLf(1.5);
        textAt(0, msgAnsi(223, c.ld));
    }
    if (long(ps.currentY) == y0)
        PrLf(1.5);

    PrFont(7, false);
    rightAtEdge(msgAnsi(513, c.ld));
    PrFont(8.5, false);
    PrLf(1.5);
    const double y = ps.currentY + 0.45 * ps.PrZeilenHoehe;
    PrLinie(0, 9, ps.PrLinks, y, ps.PrRechts, y);
}

} // namespace

void DruckGesamt(const QString& res, const ErrCounts& Errg, const SectionFlags& dr, bool MitAnzahl, bool M_ARBew,
                 bool M_ARSoList)
{
    Program& p = prog();
    TotalsContext c{p, reportState(), Errg};
    c.lu = p.LangNr;
    c.ld = p.LangDruck;
    c.maxOnly = c.s.MaxWerte;
    c.sel = selectedMethods();
    c.ber = GetParam(p.WorkStr[Slot::SyPar], QStringLiteral("Re")) == QLatin1String("Ber");
    c.anzposq = GetParam(res, QStringLiteral("Anzposq"));
    c.anzposb = GetParam(res, QStringLiteral("Anzposb"));
    c.nfein = GetParam(res, QStringLiteral("Nfein"));
    c.count = positionCount(res);
    for (int m = 1; m <= 3; ++m) {
        c.fig[size_t(m)] = figuresOf(m);
        c.title[size_t(m)] = methodTitle(m, M_ARBew, c.ld);
    }

    // 1. Summary in the message list.
    listSummary(c);
    PrFont(8.5, true, false, QStringLiteral("Arial"));
    PrLf(0.5);
    // 2. Printed totals: complete and incomplete methods, result ranges and
    //    partial sums.
    if (dr[1]) {
        printCompleteMethods(c);
        printIncompleteMethods(c);
        PrLf();
        PrFont(8.5, false);
        printResultRanges(c);
        printPartialSums(c);
        PrLf();
    }
    // 3. Notes.
    PrFont(8.5, false);
    printNotes(c, dr[1], M_ARBew, M_ARSoList);
    // 4. Run parameters, counts, definition of fit and closing rule.
    ParamText(QStringLiteral("QD"), true, false);
    printClosing(c, MitAnzahl);
}

namespace {

// What the steps of AusFileSumme share: the stored method, its counts and the
// row buffer. A block of rows is set off from the one before by an empty row.
struct FileTotals {
    Program& p;
    const ReportState& s;
    const ErrCounts& Errg;
    QString& rows;
    int ld = 0;
    int m = 0;
    bool maxOnly = false;
    QString anzposq{}, anzposb{};
    bool block = false;

    void textRow(const QString& text) { rows += SylkZeile(text, 1, 0, 9); }
    void startBlock()
    {
        if (block)
            SylkZeile(QString(), 1, 0, -1);
        block = true;
    }
};

// The main-path row under the total.
void writeMainPathRow(FileTotals& t, bool english)
{
    const double hw = t.s.FitSumHw[size_t(t.m)];
    if (!(hw > 0))
        return;
    const double hwHours = 1e9 / hw;
    SylkZeile(QString(), 1, -1, -1);
    t.rows += SylkZeile(english ? QStringLiteral("  main path") : QStringLiteral("  Hauptweg"), 0, 2, 9);
    t.rows += SylkZeile(plainNumber(hw), 0, 1, 3);
    t.rows += SylkZeile(plainNumber(hwHours), 0, 1, 3);
    if (hwHours > 4000)
        t.rows += SylkZeile(plainNumber(hwHours / 8760), 0, 0, 4);
}

// The table of a complete method: titles, units, the total and its MTBF; sets
// the widths of columns 1 to 5.
void writeCompleteTotal(FileTotals& t, const Figures& f, SlkWidths& SlkBreite, bool MHwNw)
{
    QString& rows = t.rows;
    const int ld = t.ld;
    const bool english = ld == 2;
    const size_t k = t.maxOnly ? 2 : 0;
    const QString mtbfHeading = msgAnsi(t.maxOnly ? 38 : 47, ld);
    rows += SylkZeile(msgAnsi(224, ld), 0, 2, 9);
    rows += SylkZeile(msgAnsi(t.maxOnly ? 46 : 45, ld), 0, 1, 9, QStringLiteral("C"));
    rows += SylkZeile(mtbfHeading, 0, 1, 9, QStringLiteral("C"));
    rows += SylkZeile(mtbfHeading, 1, -1, 9, QStringLiteral("C"));
    rows += SylkZeile(QStringLiteral("fit"), 0, 1, 9, QStringLiteral("C"), std::nullopt, 2);
    rows += SylkZeile(english ? QStringLiteral("hours") : QStringLiteral("Std"), 0, 1, 9, QStringLiteral("C"));
    rows += SylkZeile(english ? QStringLiteral("years") : QStringLiteral("Jahre"), 1, -1, 9, QStringLiteral("C"));
    if (MHwNw)
        rows += SylkZeile(english ? QStringLiteral("  total") : QStringLiteral("  gesamt"), 0, 0, 9);
    rows += SylkZeile(plainNumber(t.s.FitSum[size_t(t.m)][k]), 0, 1, 3, QString(), std::nullopt, 2);
    rows += SylkZeile(plainNumber(f.mtbfHours[k]), 0, 1, 3);
    if (f.mtbfHours[k] > 4000)
        rows += SylkZeile(plainNumber(f.mtbfYears[k]), 0, 0, 4);
    if (MHwNw)
        writeMainPathRow(t, english);
    SylkZeile(QString(), 1, -1, -1);
    const std::array<int16_t, 5> widths = {4, 16, 13, 10, 8};
    for (size_t c = 0; c < widths.size(); ++c)
        SlkBreite[c + 1] = widths[c];
    t.block = true;
}

// The total result of the stored method: the table when it is complete, else
// the counts of what is missing; the range and the partial sum; the note on
// a calculation of its own.
void writeStoredMethodTotals(FileTotals& t, SlkWidths& SlkBreite, bool MHwNw, bool M_ARBew, bool ber)
{
    const ErrCounts& Errg = t.Errg;
    const int m = t.m;
    const int ld = t.ld;
    const Figures f = figuresOf(m);
    const QString title = methodTitle(m, M_ARBew, ld);
    const double mean = t.s.FitSum[size_t(m)][0];
    const int n = missing(Errg, m);
    t.p.WorkStr[Slot::Line] = QString(80, u' ');
    t.rows.clear();

    if (mean > 0 && n == 0)
        writeCompleteTotal(t, f, SlkBreite, MHwNw);
    if (n > 0) {
        t.startBlock();
        t.textRow(msgAnsi(229, ld));
        if (Errg[m] + Errg[0] > 0)
            t.textRow(msgAnsi(230, ld, {QString::number(Errg[m] + Errg[0]), t.anzposb}));
        if (Errg[-1] > 0)
            t.textRow(msgAnsi(228, ld, {QString::number(Errg[-1]), t.anzposq}));
    }
    if (!t.maxOnly && Errg[0] + Errg[-1] < 1 && Errg[m] == 0 &&
        t.s.FitSum[size_t(m)][1] != t.s.FitSum[size_t(m)][2]) {
        t.startBlock();
        t.textRow(msgAnsi(231, ld));
        t.textRow(title + QString(3, u' ') + rangeText(f, ld, 5));
    }
    if (mean > 0 && n > 0) {
        t.startBlock();
        t.textRow(msgAnsi(233, ld));
        t.textRow(title + QString(3, u' ') + (t.maxOnly ? maximumText(f, ld, 5) : rangeText(f, ld, 5)));
    }
    if (ber) {
        t.startBlock();
        t.textRow(msgAnsi(223, ld));
    }
}

} // namespace

void AusFileSumme(const QString& res, const ErrCounts& Errg, const SectionFlags& sp, bool MitAnzahl,
                  SlkWidths& SlkBreite, bool MHwNw, bool M_ARBew, bool M_ARSoList)
{
    Program& p = prog();
    const ReportState& s = reportState();
    FileTotals t{p, s, Errg, p.WorkStr[Slot::SylkHead]};
    t.ld = p.LangDruck;
    t.maxOnly = s.MaxWerte;
    const bool ber = GetParam(p.WorkStr[Slot::SyPar], QStringLiteral("Re")) == QLatin1String("Ber");
    t.m = int(numParam(p.WorkStr[Slot::GlPar], QStringLiteral("Spnorm")));
    t.anzposq = GetParam(res, QStringLiteral("Anzposq"));
    t.anzposb = GetParam(res, QStringLiteral("Anzposb"));
    const QString nfein = GetParam(res, QStringLiteral("Nfein"));
    const int ld = t.ld;
    QString& rows = t.rows;

    // 1. Total result of the stored method.
    if (sp[1] && t.m >= 1 && t.m <= 3)
        writeStoredMethodTotals(t, SlkBreite, MHwNw, M_ARBew, ber);
    // 2. Notes on the weighting and the special failure-rate list of the norm.
    if (t.m == 1) {
        bool weighting = false;
        if (M_ARBew) {
            rows += SylkZeile(msgAnsi(531, ld, {sp[1] ? QString(QChar(185)) + u')' : QString(), factorText()}), 1, 0, 9,
                              QString(), 1);
            weighting = true;
        }
        if (M_ARSoList)
            rows += SylkZeile(msgAnsi(532, ld, {s.SonderArVersion}), 1, 0, 9, QString(),
                              weighting ? std::nullopt : std::optional<int>(1));
    }
    // 3. Run parameters, definition of fit and counts.
    if (t.block)
        SylkZeile(QString(), 1, 0, -1);
    ParamText(QStringLiteral("QD"), false, true);
    rows += SylkZeile(msgAnsi(513, ld), 1, 0, 9, QString(), 1);
    if (MitAnzahl)
        rows += SylkZeile(msgAnsi(222, ld, {nfein, positionCount(res)}), 1, 0, 9, QString(), 1);
    SylkZeile(QString(), 1, 0, -1);
}
