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

} // namespace

void DruckGesamt(const QString& res, const ErrCounts& Errg, const SectionFlags& dr, bool MitAnzahl, bool M_ARBew,
                 bool M_ARSoList)
{
    Program& p = prog();
    const ReportState& s = reportState();
    const int lu = p.LangNr;
    const int ld = p.LangDruck;
    const bool maxOnly = s.MaxWerte;
    const std::array<bool, 4> sel = selectedMethods();
    const bool ber = GetParam(p.WorkStr[Slot::SyPar], QStringLiteral("Re")) == QLatin1String("Ber");
    const QString anzposq = GetParam(res, QStringLiteral("Anzposq"));
    const QString anzposb = GetParam(res, QStringLiteral("Anzposb"));
    const QString nfein = GetParam(res, QStringLiteral("Nfein"));
    const QString count = positionCount(res);
    std::array<Figures, 4> fig;
    std::array<QString, 4> title;
    for (int m = 1; m <= 3; ++m) {
        fig[size_t(m)] = figuresOf(m);
        title[size_t(m)] = methodTitle(m, M_ARBew, ld);
    }
    auto total = [&](int m, int k) { return s.FitSum[size_t(m)][size_t(k)]; };

    // Summary in the message list, in the interface language.
    static const std::array<QString, 4> labels = {QString(), QStringLiteral("YK :"), QStringLiteral("AWS:"),
                                                  QStringLiteral("MIL:")};
    InfoList& list = ui().infoList();
    p.WorkStr[Slot::Line] = QString(80, u' ');
    list.Clear();
    list.Add(p.WorkStr[Slot::Line]);
    if (Errg[-1] > 0)
        list.Add(msgAnsi(218, lu, {QString::number(Errg[-1]), anzposq}));
    for (int m = 1; m <= 3; ++m) {
        if (!(total(m, 0) > 0))
            continue;
        const Figures& f = fig[size_t(m)];
        const int k = Errg[0] + Errg[m];
        const QString text = k < 1 ? msgAnsi(220, lu, {anzposb}) : msgAnsi(219, lu, {QString::number(k), anzposb});
        list.Add(u' ' + labels[size_t(m)] + QStringLiteral("  ") + text);
        const QString rate = msgAnsi(40, lu, {f.fit[0]}) + QString(5, u' ');
        const QString mtbf = msgAnsi(41, lu, {f.mtbfHours[0] > 4000 ? f.years[0] + QStringLiteral(" a")
                                                                    : f.hours[0] + QStringLiteral(" h")});
        p.WorkStr[Slot::Line] = rate.leftJustified(77, u' ') + mtbf;
        list.Add(p.WorkStr[Slot::Line]);
    }
    list.Add(QString());
    list.Add(u' ' + msgAnsi(222, lu, {nfein, count}));
    if (ber)
        list.Add(msgAnsi(223, lu));
    list.Add(QString());
    ParamText(QStringLiteral("ZC"), false, false);

    PrFont(8.5, true, false, QStringLiteral("Arial"));
    PrLf(0.5);
    PrintState& ps = printState();

    if (dr[1]) {
        // Complete methods: one table.
        bool head = false;
        std::array<double, 3> centre{};
        for (int m = 1; m <= 3; ++m) {
            if (!sel[size_t(m)] || !(total(m, 0) > 0) || missing(Errg, m) != 0)
                continue;
            const Figures& f = fig[size_t(m)];
            if (!head) {
                head = true;
                textAt(0, msgAnsi(maxOnly ? 224 : 225, ld));
                const std::array<QString, 3> headings = {msgAnsi(221, ld), msgAnsi(50, ld), msgAnsi(50, ld)};
                const std::array<double, 3> columns = {5400, 7400, 9400};
                for (size_t i = 0; i < 3; ++i) {
                    rightAt(columns[i], headings[i]);
                    centre[i] = columns[i] - printWidth(headings[i]) / 2;
                }
                PrLf();
                if (maxOnly) {
                    centredOn(centre[0], QStringLiteral("max"));
                    centredOn(centre[1], QStringLiteral("min"));
                    centredOn(centre[2], QStringLiteral("min"));
                    PrLf();
                }
                centredOn(centre[0], QStringLiteral("fit"));
                centredOn(centre[1], QStringLiteral("h"));
                centredOn(centre[2], QStringLiteral("a"));
            }
            const size_t k = maxOnly ? 2 : 0;
            PrLf(1.5);
            textAt(1000, title[size_t(m)]);
            rightAt(5400, f.fit[k]);
            rightAt(7400, f.hours[k]);
            rightAt(9400, f.mtbfHours[0] > 4000 ? f.years[k] : QStringLiteral("---"));
        }

        // Incomplete methods.
        for (int m = 1; m <= 3; ++m) {
            if (!sel[size_t(m)] || missing(Errg, m) < 1)
                continue;
            PrLf(1.5);
            textAt(1000, title[size_t(m)]);
            textAt(4400, msgAnsi(229, ld));
            if (Errg[m] + Errg[0] >= 1) {
                PrLf();
                textAt(4400, msgAnsi(230, ld, {QString::number(Errg[m] + Errg[0]), anzposb}));
            }
            if (Errg[-1] >= 1) {
                PrLf();
                textAt(4400, msgAnsi(228, ld, {QString::number(Errg[-1]), anzposq}));
            }
        }
        PrLf();
        PrFont(8.5, false);

        // Result ranges.
        if (!maxOnly && Errg[0] + Errg[-1] < 1) {
            bool first = true;
            for (int m = 1; m <= 3; ++m) {
                if (!sel[size_t(m)] || Errg[m] != 0 || total(m, 1) == total(m, 2))
                    continue;
                if (first) {
                    first = false;
                    PrLf();
                    textAt(600, msgAnsi(231, ld));
                    PrLf(1.5);
                }
                textAt(1000, title[size_t(m)] + u':');
                rightAtEdge(rangeText(fig[size_t(m)], ld, 12));
                PrLf();
            }
        }

        // Partial sums of incomplete methods.
        bool first = true;
        for (int m = 1; m <= 3; ++m) {
            if (!sel[size_t(m)] || !(total(m, 0) > 0) || missing(Errg, m) <= 0)
                continue;
            if (first) {
                first = false;
                PrLf();
                textAt(600, msgAnsi(233, ld));
                PrLf(1.5);
            }
            textAt(1000, title[size_t(m)] + u':');
            rightAtEdge(maxOnly ? maximumText(fig[size_t(m)], ld, 12) : rangeText(fig[size_t(m)], ld, 12));
            PrLf();
        }
        PrLf();
    }

    // Notes.
    PrFont(8.5, false);
    if (sel[1]) {
        bool printed = false;
        if (M_ARBew) {
            rightAtEdge(msgAnsi(531, ld, {dr[1] ? QString(QChar(185)) + u')' : QString(), factorText()}));
            PrLf();
            printed = true;
        }
        if (M_ARSoList) {
            rightAtEdge(msgAnsi(532, ld, {s.SonderArVersion}));
            PrLf();
            printed = true;
        }
        if (printed)
            PrLf();
    }

    ParamText(QStringLiteral("QD"), true, false);
    const long y0 = long(ps.currentY);
    if (MitAnzahl) {
        PrLf(1.5);
        textAt(0, msgAnsi(222, ld, {nfein, count}));
    }
    if (ber) {
        PrLf(1.5);
        textAt(0, msgAnsi(223, ld));
    }
    if (long(ps.currentY) == y0)
        PrLf(1.5);

    PrFont(7, false);
    rightAtEdge(msgAnsi(513, ld));
    PrFont(8.5, false);
    PrLf(1.5);
    const double y = ps.currentY + 0.45 * ps.PrZeilenHoehe;
    PrLinie(0, 9, ps.PrLinks, y, ps.PrRechts, y);
}

void AusFileSumme(const QString& res, const ErrCounts& Errg, const SectionFlags& sp, bool MitAnzahl,
                  SlkWidths& SlkBreite, bool MHwNw, bool M_ARBew, bool M_ARSoList)
{
    Program& p = prog();
    const ReportState& s = reportState();
    const int ld = p.LangDruck;
    const bool maxOnly = s.MaxWerte;
    const bool ber = GetParam(p.WorkStr[Slot::SyPar], QStringLiteral("Re")) == QLatin1String("Ber");
    const int m = int(numParam(p.WorkStr[Slot::GlPar], QStringLiteral("Spnorm")));
    const QString anzposq = GetParam(res, QStringLiteral("Anzposq"));
    const QString anzposb = GetParam(res, QStringLiteral("Anzposb"));
    const QString nfein = GetParam(res, QStringLiteral("Nfein"));
    const bool english = ld == 2;
    QString& rows = p.WorkStr[Slot::SylkHead];
    auto textRow = [&](const QString& text) { rows += SylkZeile(text, 1, 0, 9); };
    auto emptyRow = [] { SylkZeile(QString(), 1, 0, -1); };
    bool block = false;

    if (sp[1] && m >= 1 && m <= 3) {
        const Figures f = figuresOf(m);
        const QString title = methodTitle(m, M_ARBew, ld);
        const double mean = s.FitSum[size_t(m)][0];
        const int n = missing(Errg, m);
        p.WorkStr[Slot::Line] = QString(80, u' ');
        rows.clear();

        if (mean > 0 && n == 0) {
            const size_t k = maxOnly ? 2 : 0;
            const QString mtbfHeading = msgAnsi(maxOnly ? 38 : 47, ld);
            rows += SylkZeile(msgAnsi(224, ld), 0, 2, 9);
            rows += SylkZeile(msgAnsi(maxOnly ? 46 : 45, ld), 0, 1, 9, QStringLiteral("C"));
            rows += SylkZeile(mtbfHeading, 0, 1, 9, QStringLiteral("C"));
            rows += SylkZeile(mtbfHeading, 1, -1, 9, QStringLiteral("C"));
            rows += SylkZeile(QStringLiteral("fit"), 0, 1, 9, QStringLiteral("C"), std::nullopt, 2);
            rows += SylkZeile(english ? QStringLiteral("hours") : QStringLiteral("Std"), 0, 1, 9, QStringLiteral("C"));
            rows += SylkZeile(english ? QStringLiteral("years") : QStringLiteral("Jahre"), 1, -1, 9,
                              QStringLiteral("C"));
            if (MHwNw)
                rows += SylkZeile(english ? QStringLiteral("  total") : QStringLiteral("  gesamt"), 0, 0, 9);
            rows += SylkZeile(plainNumber(s.FitSum[size_t(m)][k]), 0, 1, 3, QString(), std::nullopt, 2);
            rows += SylkZeile(plainNumber(f.mtbfHours[k]), 0, 1, 3);
            if (f.mtbfHours[k] > 4000)
                rows += SylkZeile(plainNumber(f.mtbfYears[k]), 0, 0, 4);
            const double hw = s.FitSumHw[size_t(m)];
            if (MHwNw && hw > 0) {
                const double hwHours = 1e9 / hw;
                SylkZeile(QString(), 1, -1, -1);
                rows += SylkZeile(english ? QStringLiteral("  main path") : QStringLiteral("  Hauptweg"), 0, 2, 9);
                rows += SylkZeile(plainNumber(hw), 0, 1, 3);
                rows += SylkZeile(plainNumber(hwHours), 0, 1, 3);
                if (hwHours > 4000)
                    rows += SylkZeile(plainNumber(hwHours / 8760), 0, 0, 4);
            }
            SylkZeile(QString(), 1, -1, -1);
            const std::array<int16_t, 5> widths = {4, 16, 13, 10, 8};
            for (size_t c = 0; c < widths.size(); ++c)
                SlkBreite[c + 1] = widths[c];
            block = true;
        }
        if (n > 0) {
            if (block)
                emptyRow();
            textRow(msgAnsi(229, ld));
            if (Errg[m] + Errg[0] > 0)
                textRow(msgAnsi(230, ld, {QString::number(Errg[m] + Errg[0]), anzposb}));
            if (Errg[-1] > 0)
                textRow(msgAnsi(228, ld, {QString::number(Errg[-1]), anzposq}));
            block = true;
        }
        if (!maxOnly && Errg[0] + Errg[-1] < 1 && Errg[m] == 0 && s.FitSum[size_t(m)][1] != s.FitSum[size_t(m)][2]) {
            if (block)
                emptyRow();
            textRow(msgAnsi(231, ld));
            textRow(title + QString(3, u' ') + rangeText(f, ld, 5));
            block = true;
        }
        if (mean > 0 && n > 0) {
            if (block)
                emptyRow();
            textRow(msgAnsi(233, ld));
            textRow(title + QString(3, u' ') + (maxOnly ? maximumText(f, ld, 5) : rangeText(f, ld, 5)));
            block = true;
        }
        if (ber) {
            if (block)
                emptyRow();
            textRow(msgAnsi(223, ld));
            block = true;
        }
    }

    if (m == 1) {
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
    if (block)
        emptyRow();
    ParamText(QStringLiteral("QD"), false, true);
    rows += SylkZeile(msgAnsi(513, ld), 1, 0, 9, QString(), 1);
    if (MitAnzahl)
        rows += SylkZeile(msgAnsi(222, ld, {nfein, positionCount(res)}), 1, 0, 9, QString(), 1);
    SylkZeile(QString(), 1, 0, -1);
}
