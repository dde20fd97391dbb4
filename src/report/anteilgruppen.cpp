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

// What the steps of AnteilGruppen share: the run's group totals and the
// outputs.
struct ShareTables {
    Program& p;
    const ReportState& s;
    InfoList& list;
    int ld = 0;
    bool MDruck = false;
    bool MArchPage = false;
    int groups = 0;
    int cnt = 0;
    int j = 0;
    double sumstc = 0;
    QString sumName{};
};

// The groups of one method as print rows and file rows, entry 0 unused (the
// sort counts from 1), sorted by falling share.
struct GroupRows {
    QStringList print{QString()}, file{QString()};
    int16_t count = 0;
};

// Title and column titles of the table of method k.
void writeTableHead(const ShareTables& t, int k, bool toFile)
{
    Program& p = t.p;
    const QString method = msgAnsi(290 + k, t.ld);
    QString& title = p.WorkStr[Slot::Line];
    title = msgAnsi(t.s.MaxWerte ? 269 : 238, t.ld, {method});
    if (toFile)
        p.WorkStr[Slot::SylkHead] += SylkZeile(title, 1, 0, 9);
    if (t.MDruck) {
        if (PrPlatz(t.cnt + 8)) {
            PrNeueSeite(false, t.MArchPage);
            PrKopf();
        } else {
            PrLf(1.5);
        }
        PrFont(8.5, true);
        PrText(title);
        PrLf(2);
        PrFont(8.5, false);
    }
    t.list.Add(title);
    if (t.MDruck) {
        const QStringList heads = msgAnsi(239, t.ld).split(u',');
        auto head = [&](int i) { return i < heads.size() ? heads[i] : QString(); };
        quantityAndName(head(0), head(1));
        rightAt(kFitRight, head(2));
        rightAt(kPercentSign, head(3));
        PrLf(1);
        rule(5);
    }
    t.list.Add(title);
    if (toFile)
        p.WorkStr[Slot::SylkHead] +=
            SylkZeile(msgAnsi(149, t.ld, {QStringLiteral("\t"), QStringLiteral("\t\t"), QStringLiteral("\t")}), 1,
                      -1, 9, QStringLiteral("C"));
}

// The rows of the groups with a rate in method k, sorted by falling share.
GroupRows groupRows(const ShareTables& t, int k, double total)
{
    GroupRows r;
    for (int g = 1; g <= t.groups; ++g) {
        const MethodTotals& grp = t.s.GrpSum[size_t(g)];
        if (!(grp[size_t(k)][1] > 0))
            continue;
        const QString gs = QString::number(g);
        const QString name = GetParam(t.p.Cf, (t.ld == 1 ? QStringLiteral("Gnd") : QStringLiteral("Gne")) + gs);
        const double rate = grp[size_t(k)][size_t(t.j)];
        const QString share = plainNumber(rate * 100 / total);
        const bool noQuantity = g == kGroupWithoutQuantity;
        r.print << (noQuantity ? QString() : trimmedNumber(grp[0][0], 10)) + u',' + name + u',' +
                       trimmedNumber(rate, 11) + QStringLiteral(",Re=") + share;
        r.file << (noQuantity ? QString() : plainNumber(grp[0][0])) + u'\t' + name + u'\t' + plainNumber(rate) +
                      QStringLiteral("\t,Re=") + share;
    }
    r.count = int16_t(r.print.size() - 1);
    SortListe(r.print, r.count, QStringLiteral("-Re"), QString());
    SortListe(r.file, r.count, QStringLiteral("-Re"), QString());
    return r;
}

// One row per group in all outputs.
void writeGroupRows(const ShareTables& t, const GroupRows& r, bool toFile)
{
    for (int i = 1; i <= r.count; ++i) {
        QString row = r.print[i];
        const double share = numParam(row, QStringLiteral("Re"));
        SetParam(row, QStringLiteral("Re"), QString());
        const QString percent = FormZahl(share, 3, 1);
        int at = 1;
        const QString quantity = ParseString(at, row, QStringLiteral(","));
        const QString name = ParseString(at, row, QStringLiteral(","));
        const QString fit = ParseString(at, row, QStringLiteral(","));
        if (t.MDruck)
            printRow(quantity, name, fit, percent);
        t.list.Add(row + u',' + percent.trimmed() + u'%');
        if (toFile) {
            const QStringList cells = r.file[i].split(u'\t');
            QString& out = t.p.WorkStr[Slot::SylkHead];
            // An empty quantity writes no cell; the column still moves on.
            out += SylkZeile(cells.value(0), 0, 1, 0);
            out += SylkZeile(cells.value(1), 0, 2, 9);
            out += SylkZeile(cells.value(2), 0, 1, 3);
            out += SylkZeile(GetParam(cells.value(3), QStringLiteral("Re")), 1, -1, 1);
        }
    }
}

// The sum row, closing the table.
void writeSumRow(const ShareTables& t, double total, bool toFile)
{
    const QString sumQuantity = trimmedNumber(t.sumstc, 10);
    const QString sumFit = trimmedNumber(total, 11);
    if (toFile) {
        QString& out = t.p.WorkStr[Slot::SylkHead];
        out += SylkZeile(plainNumber(t.sumstc), 0, 1, 0);
        out += SylkZeile(t.sumName, 0, 2, 9);
        out += SylkZeile(plainNumber(total), 0, 1, 0);
        out += SylkZeile(QStringLiteral("100"), 2, -1, 1);
    }
    t.list.Add(sumQuantity + u',' + t.sumName.trimmed() + u',' + sumFit + QStringLiteral(",100%"));
    if (t.MDruck) {
        PrLf(1);
        rule(5);
        printRow(sumQuantity, t.sumName, sumFit, QStringLiteral("100"));
        PrLf(1.5);
        rule(9);
    }
}

} // namespace

void AnteilGruppen(const QString& res, bool MDruck, bool MFile, bool MArchPage)
{
    Program& p = prog();
    const ReportState& s = reportState();
    ShareTables t{p, s, ui().infoList(), p.LangDruck, MDruck, MArchPage};
    t.list.Add(msgAnsi(237, p.LangNr));

    const int stored = MFile ? int(numParam(p.WorkStr[Slot::GlPar], QStringLiteral("Spnorm"))) : 0;
    int16_t first = 0, n = 0;
    GetParamPairInt(p.Cf, QStringLiteral("Ag"), first, n);
    // The table of the run may be smaller than the configuration says when the
    // group totals were not collected; such groups have nothing to show.
    t.groups = std::min<int>(n, int(s.GrpSum.size()) - 1);
    for (int g = 1; g <= t.groups; ++g)
        if (s.GrpSum[size_t(g)][0][0] > 0)
            ++t.cnt;
    t.j = s.MaxWerte ? 2 : 0;
    t.sumstc = numParam(res, QStringLiteral("Sumstc"));
    t.sumName = t.ld == 1 ? QStringLiteral("Summe") : QStringLiteral("Sum  ");

    // One table per method with a result; the stored method's also goes to the file.
    for (int k = 1; k <= 3; ++k) {
        if (s.FitSumOk[size_t(k)][1] == 0)
            continue;
        const bool toFile = k == stored;
        const double total = s.FitSum[size_t(k)][size_t(t.j)];
        // 1. Title and column titles.
        writeTableHead(t, k, toFile);
        // 2. The groups, by falling share.
        writeGroupRows(t, groupRows(t, k, total), toFile);
        // 3. The sum.
        writeSumRow(t, total, toFile);
    }
}
