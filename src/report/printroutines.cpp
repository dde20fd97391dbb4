#include "report/printroutines.h"
#include "frame/workslots.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "printing/printjob.h"
#include "report/listing.h"
#include "report/reportstate.h"
#include "report/reporttext.h"

#include <QLocale>

void DruckUeberschrift(const QString& Kind, double& lines, bool MArchPage, bool MLegend, bool M_ARSoList,
                       bool M_ARBew, const QString& Arg, int TextId)
{
    Program& p = prog();
    const int dr = p.LangDruck;
    const bool positions = Kind == QLatin1String("POS") || Kind == QLatin1String("QRM");
    const bool groups = Kind == QLatin1String("BE");
    const bool ranking = Kind == QLatin1String("PFUIBT") || Kind == QLatin1String("PFUIQS");
    if (lines > 0) {
        if (MLegend) {
            if (M_ARSoList)
                lines += 1;
            if (M_ARBew)
                lines += 1;
        }
        if (PrPlatz(lines)) {
            PrNeueSeite(false, MArchPage);
            PrKopf();
        }
    }
    PrFont(8.5, true, false, QStringLiteral("Arial"));
    PrLf(1);
    PrintState& s = printState();
    if (positions || groups) {
        PrTextSym(s.PrLinks, s.currentY, msgAnsi(positions ? 257 : 270, dr));
        PrLf(1);
    } else if (ranking) {
        PrTextSym(s.PrLinks, s.currentY, msgAnsi(TextId, dr, {Arg}));
        PrLf(1.5);
        PrFont(8.5, false, false, QStringLiteral("Arial"));
    }
    if (!MLegend)
        return;
    if (positions || groups) {
        PrLf(0.5);
        PrFont(8.5, false);
        // The marker of individual base failure rates is inserted by its code,
        // which is the block's marker in the Windows code page: converting the
        // line from OEM would turn it into another character.
        QStringList legend{msgAnsi(258, dr), msgOem(259, dr)};
        if (M_ARSoList)
            legend << msgAnsi(529, dr, {reportState().SonderArVersion});
        if (M_ARBew)
            legend << msgAnsi(530, dr, {plainNumber(p.YkBewFaktor)});
        for (const QString& text : legend) {
            PrTextSym(s.PrLinks, s.currentY, text.trimmed());
            PrLf(1);
        }
        PrLf(0.5);
        PrFont(7.5, true, false, QStringLiteral("Courier New"));
        PrText(msgAnsi(148, dr));
        PrLf(1);
    } else if (ranking) {
        PrFont(7.5, true, false, QStringLiteral("Courier New"));
        PrText(msgAnsi(147, dr));
        PrLf(1);
    }
}

void DruckBlock(ReportBlock& block, int16_t& count, bool MArchPage)
{
    if (block.size() <= size_t(count))
        block.resize(size_t(count) + 1);
    if (PrPlatz(count + 0.5)) {
        PrNeueSeite(false, MArchPage);
        PrKopf();
        PrFont(7.5, true);
    } else {
        PrLf(0.5);
    }
    for (int i = 1; i <= count; ++i) {
        QString entry = block[size_t(i)];
        while (entry.endsWith(u' '))
            entry.chop(1);
        if (entry.isEmpty()) {
            PrLf(0.5);
        } else {
            // Only a block longer than a whole page gets here without room:
            // it goes on on the next page rather than beyond the bottom margin.
            if (PrPlatz(1)) {
                PrNeueSeite(false, MArchPage);
                PrKopf();
                PrFont(7.5, true);
            }
            PrText(block[size_t(i)]);
            PrLf(1);
        }
    }
    if (count >= 1) {
        prog().WorkStr[Slot::Record] = block[1].leftJustified(ListRecordLength, u' ', true);
        ui().infoList().Update(prog().WorkStr[Slot::Record]);
    }
    count = 0;
    for (QString& entry : block)
        entry.clear();
}

namespace {

void cutTo(QString& text, int width, QString& rest)
{
    if (text.size() > width)
        TextUmbruch(text, width, QStringLiteral(", "), rest);
    while (text.endsWith(u' '))
        text.chop(1);
    if (text.endsWith(u','))
        text.chop(1);
}

} // namespace

QString ZellText(int16_t LineNr, int16_t Width, QString& Text, QString& Rest, const QString& Suffix)
{
    if (LineNr <= 0)
        return Text;
    if (LineNr >= 2) {
        Text = Rest;
        while (Text.startsWith(u' '))
            Text.remove(0, 1);
        Rest.clear();
        if (LineNr >= 4 && Text.isEmpty())
            return Text;
        if (Text.startsWith(u','))
            Text.remove(0, 1);
        Text = QString(11, u' ') + Text;
    }
    cutTo(Text, Width, Rest);
    if (LineNr <= 3) {
        Text = FormStr(Text, Width + 1, QStringLiteral(" "));
        if (!Suffix.isEmpty())
            Text += Suffix;
    }
    return Text;
}

void SortListe(QStringList& lines, int16_t n, const QString& Key1, const QString& Key2)
{
    auto outOfOrder = [](const QString& a, const QString& b, const QString& key, bool& equal) {
        const QString name = key.mid(1);
        const double x = numParam(a, name);
        const double y = numParam(b, name);
        equal = x == y;
        return key.startsWith(u'+') ? x > y : y > x;
    };
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int i = 1; i < n; ++i) {
            bool equal = false;
            bool swap = outOfOrder(lines[i], lines[i + 1], Key1, equal);
            if (equal)
                swap = outOfOrder(lines[i], lines[i + 1], Key2, equal);
            if (swap) {
                lines.swapItemsAt(i, i + 1);
                swapped = true;
            }
        }
    }
}
