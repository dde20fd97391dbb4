#include "report/anteilgruppen.h"
#include "frame/workslots.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/textlib.h"
#include "printing/printjob.h"
#include "report/printroutines.h"
#include "report/reportstate.h"
#include "report/reporttext.h"
#include "report/sylk.h"

namespace {

// Right edges of the columns, from the left edge of the print area.
constexpr double kQuantityRight = 1200;
constexpr double kFitRight = kQuantityRight + 4800;
constexpr double kPercentAt = kFitRight + 1000;
constexpr double kPercentSign = kPercentAt + 230;

// The group whose quantity means nothing (its parts are counted in other units).
constexpr int kGroupWithoutQuantity = 13;

void textAt(double x, const QString& text)
{
    PrTextSym(printState().PrLinks + x, printState().currentY, text);
}

void rightAt(double x, const QString& text)
{
    textAt(x - printWidth(text), text);
}

void rule(int width)
{
    const PrintState& s = printState();
    const double y = s.currentY + 0.45 * s.PrZeilenHoehe;
    PrLinie(0, int16_t(width), s.PrLinks, y, s.PrRechts, y);
}

// The quantity right-aligned at its column, the name following after four blanks.
void quantityAndName(const QString& quantity, const QString& name)
{
    textAt(kQuantityRight - printWidth(quantity), quantity + QStringLiteral("    ") + name);
}

void printRow(const QString& quantity, const QString& name, const QString& fit, const QString& percent)
{
    PrLf(1);
    quantityAndName(quantity, name);
    rightAt(kFitRight, fit);
    const qsizetype comma = percent.indexOf(u',');
    if (comma < 0) {
        rightAt(kPercentAt, percent.trimmed());
    } else {
        rightAt(kPercentAt, percent.left(comma));
        textAt(kPercentAt, percent.mid(comma));
    }
    textAt(kPercentSign, QStringLiteral("%"));
}

QString trimmedNumber(double value, int width)
{
    return FormZahl(value, width, 0).trimmed();
}

} // namespace

void AnteilGruppen(const QString& res, bool MDruck, bool MFile, bool MArchPage)
{
    Program& p = prog();
    ReportState& s = reportState();
    InfoList& list = ui().infoList();
    const int ld = p.LangDruck;
    list.Add(msgAnsi(237, p.LangNr));

    const int stored = MFile ? int(numParam(p.WorkStr[Slot::GlPar], QStringLiteral("Spnorm"))) : 0;
    int16_t first = 0, n = 0;
    GetParamPairInt(p.Cf, QStringLiteral("Ag"), first, n);
    // The table of the run may be smaller than the configuration says when the
    // group totals were not collected; such groups have nothing to show.
    const int groups = std::min<int>(n, int(s.GrpSum.size()) - 1);
    int cnt = 0;
    for (int g = 1; g <= groups; ++g)
        if (s.GrpSum[size_t(g)][0][0] > 0)
            ++cnt;
    const int j = s.MaxWerte ? 2 : 0;
    const double sumstc = numParam(res, QStringLiteral("Sumstc"));
    const QString sumName = ld == 1 ? QStringLiteral("Summe") : QStringLiteral("Sum  ");

    for (int k = 1; k <= 3; ++k) {
        if (s.FitSumOk[size_t(k)][1] == 0)
            continue;
        const bool toFile = k == stored;
        const QString method = msgAnsi(290 + k, ld);
        QString& title = p.WorkStr[Slot::Line];
        title = msgAnsi(s.MaxWerte ? 269 : 238, ld, {method});
        if (toFile)
            p.WorkStr[Slot::SylkHead] += SylkZeile(title, 1, 0, 9);
        if (MDruck) {
            if (PrPlatz(cnt + 8)) {
                PrNeueSeite(false, MArchPage);
                PrKopf();
            } else {
                PrLf(1.5);
            }
            PrFont(8.5, true);
            PrText(title);
            PrLf(2);
            PrFont(8.5, false);
        }
        list.Add(title);
        if (MDruck) {
            const QStringList heads = msgAnsi(239, ld).split(u',');
            auto head = [&](int i) { return i < heads.size() ? heads[i] : QString(); };
            quantityAndName(head(0), head(1));
            rightAt(kFitRight, head(2));
            rightAt(kPercentSign, head(3));
            PrLf(1);
            rule(5);
        }
        list.Add(title);
        if (toFile)
            p.WorkStr[Slot::SylkHead] += SylkZeile(msgAnsi(149, ld, {QStringLiteral("\t"), QStringLiteral("\t\t"), QStringLiteral("\t")}),
                                       1, -1, 9, QStringLiteral("C"));

        const double total = s.FitSum[size_t(k)][size_t(j)];
        // Entry 0 unused: the sort counts from 1.
        QStringList printRows{QString()}, fileRows{QString()};
        for (int g = 1; g <= groups; ++g) {
            const MethodTotals& grp = s.GrpSum[size_t(g)];
            if (!(grp[size_t(k)][1] > 0))
                continue;
            const QString gs = QString::number(g);
            const QString name = GetParam(p.Cf, (ld == 1 ? QStringLiteral("Gnd") : QStringLiteral("Gne")) + gs);
            const double rate = grp[size_t(k)][size_t(j)];
            const QString share = plainNumber(rate * 100 / total);
            const bool noQuantity = g == kGroupWithoutQuantity;
            printRows << (noQuantity ? QString() : trimmedNumber(grp[0][0], 10)) + u',' + name + u',' +
                             trimmedNumber(rate, 11) + QStringLiteral(",Re=") + share;
            fileRows << (noQuantity ? QString() : plainNumber(grp[0][0])) + u'\t' + name + u'\t' + plainNumber(rate) +
                            QStringLiteral("\t,Re=") + share;
        }
        const int16_t rows = int16_t(printRows.size() - 1);
        SortListe(printRows, rows, QStringLiteral("-Re"), QString());
        SortListe(fileRows, rows, QStringLiteral("-Re"), QString());

        for (int i = 1; i <= rows; ++i) {
            QString row = printRows[i];
            const double share = numParam(row, QStringLiteral("Re"));
            SetParam(row, QStringLiteral("Re"), QString());
            const QString percent = FormZahl(share, 3, 1);
            int at = 1;
            const QString quantity = ParseString(at, row, QStringLiteral(","));
            const QString name = ParseString(at, row, QStringLiteral(","));
            const QString fit = ParseString(at, row, QStringLiteral(","));
            if (MDruck)
                printRow(quantity, name, fit, percent);
            list.Add(row + u',' + percent.trimmed() + u'%');
            if (toFile) {
                const QStringList cells = fileRows[i].split(u'\t');
                QString& out = p.WorkStr[Slot::SylkHead];
                // An empty quantity writes no cell; the column still moves on.
                out += SylkZeile(cells.value(0), 0, 1, 0);
                out += SylkZeile(cells.value(1), 0, 2, 9);
                out += SylkZeile(cells.value(2), 0, 1, 3);
                out += SylkZeile(GetParam(cells.value(3), QStringLiteral("Re")), 1, -1, 1);
            }
        }

        const QString sumQuantity = trimmedNumber(sumstc, 10);
        const QString sumFit = trimmedNumber(total, 11);
        if (toFile) {
            QString& out = p.WorkStr[Slot::SylkHead];
            out += SylkZeile(plainNumber(sumstc), 0, 1, 0);
            out += SylkZeile(sumName, 0, 2, 9);
            out += SylkZeile(plainNumber(total), 0, 1, 0);
            out += SylkZeile(QStringLiteral("100"), 2, -1, 1);
        }
        list.Add(sumQuantity + u',' + sumName.trimmed() + u',' + sumFit + QStringLiteral(",100%"));
        if (MDruck) {
            PrLf(1);
            rule(5);
            printRow(sumQuantity, sumName, sumFit, QStringLiteral("100"));
            PrLf(1.5);
            rule(9);
        }
    }
}
