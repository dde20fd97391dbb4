#include "prediction/druckbtprog.h"
#include "frame/codepage.h"
#include "frame/errptnr.h"
#include "listing/listingfiles.h"
#include "frame/markers.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "printing/printjob.h"

#include <QStringList>

namespace {

// The column bar of a table after the conversion (the stand-in of OEM 179).
const QChar kTableBar{char16_t(166)};

// The ANSI code page has no box-drawing characters; the frames and tables of the
// listings print with the stand-ins that Windows' own conversion uses, not as "?".
QChar boxStandIn(QChar oem)
{
    switch (oem.unicode()) {
    case 179: case 186: case 204: case 185: return QChar(char16_t(166)); // vertical
    case 196: case 205: case 193: case 194: case 202: case 203: return QChar(u'-'); // horizontal, tees up and down
    case 180: case 181: case 182: case 183: case 184: case 187: case 188: case 189: case 190: case 191:
    case 192: case 195: case 197: case 198: case 199: case 200: case 201: case 206: case 207: case 208:
    case 209: case 210: case 211: case 212: case 213: case 214: case 215: case 216: case 217: case 218:
        return QChar(u'+');
    default: return QChar();
    }
}

QString oemToPrinted(const QString& oem)
{
    QString out = OemToAnsi(oem);
    for (qsizetype i = 0; i < oem.size() && i < out.size(); ++i)
        if (const QChar c = boxStandIn(oem[i]); !c.isNull())
            out[i] = c;
    return out;
}

QString rtrimmed(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ')
        --n;
    return s.left(n);
}

// The text of a trimmed record: from its second character up to the one before
// the end mark. The pi marker keeps its code on every line, so that the printer
// draws pi wherever the listing put one (the code page conversion would turn
// it into another letter).
QString printedText(const QString& trimmedRecord)
{
    QString text = trimmedRecord.mid(1);
    const qsizetype end = text.indexOf(EndeZeichen);
    if (end >= 0)
        text.truncate(end);
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    while (from <= text.size()) {
        qsizetype pi = text.indexOf(PiMark, from);
        if (pi < 0)
            pi = text.size();
        out += oemToPrinted(text.mid(from, pi - from));
        if (pi < text.size())
            out += PiMark;
        from = pi + 1;
    }
    return out;
}

bool isEmptyLine(const QString& trimmedRecord)
{
    return trimmedRecord == QStringLiteral("*") + EndeZeichen || trimmedRecord == QStringLiteral("*") ||
           trimmedRecord.isEmpty();
}

void setTypeFont(QChar type)
{
    if (type == u'F' || type == u'I')
        PrFont(9, true, false);
    else if (type == u'U')
        PrFont(9, false, true);
    else if (type == u'G')
        PrFont(10, true, false);
    else
        PrFont(9, false, false);
}

// The page head leaves the print job's 10-point font behind; the listing's
// lines are 9 point on every page.
void followingPage(bool MArchPage)
{
    PrNeueSeite(false, MArchPage);
    PrKopf();
    PrFont(9, false, false);
}

// A rule of the framed blocks. The design placed it from the record number,
// which is only right on the first page; placed from the current line it sits
// under its text on every page.
void rule(double lengthInCharacters, double linesFromHere)
{
    const PrintState& s = printState();
    const double y = s.currentY + linesFromHere * s.PrZeilenHoehe;
    PrLinie(0, 4, s.PrLinks, y, s.PrLinks + lengthInCharacters * s.PrZeichenBreite, y);
}

} // namespace

void DruckBtProg(bool& MArchPage)
{
    ErrPtnr::CallStack(QStringLiteral("[XHAP] Sub DruckBtProg(MArchPage)"));
    ErrPtnr::CallStackParam(QStringLiteral("MArchPage"), MArchPage);
    ErrPtnr::guarded(QStringLiteral("XHAP"), QStringLiteral("DruckBtProg"), false, [&] {
        Program& p = prog();
        const int count = std::min<int>(p.ErgZeilenT, listingRecordCount(6));
        QStringList records(count + 1);
        for (int i = 1; i <= count; ++i)
            records[i] = rtrimmed(readListingRecord(6, i));

        int next = 1;
        while (next <= count && isEmptyLine(records[next]))
            ++next;
        if (next > count)
            return true;

        const int lang = p.LangDruck;
        PrKopf(ResText(QStringLiteral("214"), lang, true), ResText(QStringLiteral("295"), lang, true));
        PrFont(9, false, false);

        while (next <= count) {
            const QString current = records[next];
            ++next;
            const QChar type = current.isEmpty() ? QChar(u'*') : current[0];
            if (type == u'*') {
                if (PrPlatz(1)) {
                    if (isEmptyLine(current)) {
                        while (next <= count && isEmptyLine(records[next]))
                            ++next;
                        if (next > count)
                            break;
                    }
                    followingPage(MArchPage);
                }
                if (!isEmptyLine(current))
                    PrText(printedText(current));
                PrLf();
                continue;
            }

            int blockEnd = next - 1; // the last record of the block
            while (blockEnd + 1 <= count && !records[blockEnd + 1].isEmpty() && records[blockEnd + 1][0] == type)
                ++blockEnd;
            const int lines = blockEnd - (next - 1) + 1;
            if (PrPlatz(lines))
                followingPage(MArchPage);
            setTypeFont(type);
            const QString text = printedText(current);
            if (text.startsWith(QLatin1String("F-"))) {
                rule(current.size() - 2, 0.4);
                PrLf();
                if (next <= count) {
                    const QString framed = printedText(records[next]);
                    PrText(framed);
                    PrLf();
                    next += 2;
                    rule(records[next - 2].size() - 2, 0.2);
                } else {
                    ++next;
                }
                PrLf();
            } else if (text.startsWith(QLatin1String("H+"))) {
                auto tableLine = [&](int i) {
                    QString line = printedText(records[i]);
                    line.replace(kTableBar, QStringLiteral("  "));
                    PrText(line);
                };
                rule(82, 0.6);
                PrLf();
                if (next <= blockEnd) {
                    tableLine(next);
                    PrLf();
                }
                next += 2;
                rule(82, 0.6);
                PrLf();
                for (; next < blockEnd; ++next) {
                    tableLine(next);
                    PrLf();
                }
                next = std::max(next, blockEnd) + 1;
                rule(82, 0.6);
                PrLf();
            } else {
                PrText(text);
                PrLf();
                for (; next <= blockEnd; ++next) {
                    PrText(printedText(records[next]));
                    PrLf();
                }
            }
            PrFont(9, false, false);
        }
        PrNeueSeite(true, MArchPage);
        return true;
    });
}
