#include "report/druckkopf.h"
#include "frame/workslots.h"
#include "frame/clock.h"
#include "frame/errors.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "printing/printjob.h"
#include "qlist/qslfile.h"
#include "report/reporttext.h"
#include "report/sylk.h"


QString methodTitle(int method, bool weighted, int language)
{
    switch (method) {
    case 1: {
        const QString mark = !weighted ? QString()
                             : language == 2 ? QStringLiteral(" weighted ") + QChar(185)
                                             : QStringLiteral(" bewertet ") + QChar(185);
        return msgAnsi(291, language, {mark});
    }
    case 2: return msgAnsi(292, language);
    case 3: return msgAnsi(293, language);
    default: return QString();
    }
}

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// What the steps of DruckKopf share: the outputs and the head line of the Q-list.
struct HeadContext {
    Program& p;
    int dr;
    bool MDruck;
    bool MFile;
    QString* Out;
    const QString& head;
};

// The first line of the position file, the head line of the Q-list, into WorkStr(20).
void readHeadLine(Program& p)
{
    const QString qpo = scratchFile(Slot::Tp2, QStringLiteral("qpo"));
    QslLineReader in;
    if (!in.open(qpo))
        throw TarnError(QStringLiteral("File not found: %1").arg(qpo), ErrNo::FileNotFound);
    p.WorkStr[Slot::Line] = in.atEnd() ? QString() : in.readPhysicalLine();
    in.close();
}

// The designation: from the control list, then from the head line of qpo.
QString designationOf(const Program& p, const QString& head)
{
    QString designation;
    for (const char* key : {"Qyk", "Qan", "Qtyp"}) {
        QString v = GetParam(p.WorkStr[Slot::SyPar], QString::fromLatin1(key)).toUpper();
        while (v.endsWith(u' '))
            v.chop(1);
        if (!v.isEmpty())
            designation = v;
    }
    if (!GetParam(head, QStringLiteral("Lnr")).isEmpty()) {
        const QString yk = GetParam(head, QStringLiteral("Yk")).toUpper();
        if (!yk.isEmpty())
            designation = yk;
        if (designation.isEmpty())
            designation = GetParam(head, QStringLiteral("An"));
        if (designation.isEmpty())
            designation = GetParam(head, QStringLiteral("Typ"));
    }
    return designation;
}

// The kind of report becomes the number of its title message.
void kindToTitleNumber(QString& Kind)
{
    if (Kind.isEmpty() || Kind == QLatin1String("BS2"))
        Kind = QStringLiteral("214");
    else if (Kind == QLatin1String("Fehl"))
        Kind = QStringLiteral("215");
    else if (Kind == QLatin1String("QRM"))
        Kind = QStringLiteral("216");
}

// The line of program, report title, method and date, for the file and the
// text files.
void writeTitleLine(const HeadContext& c, const QString& title, const QString& method)
{
    Program& p = c.p;
    const QString date = shortDate(currentDate(), p.LangDruck);
    const QString line1 = p.TitelAnw.trimmed() + QString(8, u' ') + p.ProgTitel + QString(6, u' ') + title +
                          QString(4, u' ') + method + QString(8, u' ') + date;
    if (c.MFile)
        p.WorkStr[Slot::SylkHead] = SylkZeile(line1, 2, 0, 9);
    if (c.Out)
        *c.Out = line1.toUpper() + kCrLf + kCrLf;
}

// Item number, technology, code and plant of the Q-list; leaves the
// description in WorkStr(3) and the printed identity in WorkStr(20).
void writeIdentityLine(const HeadContext& c, const QString& designation)
{
    Program& p = c.p;
    const QString lnr = GetParam(c.head, QStringLiteral("Lnr")).toUpper();
    const QString tec = GetParam(c.head, QStringLiteral("Tec"));
    const QString code = GetParam(c.head, QStringLiteral("Code"));
    const QString plant = GetParam(c.head, QStringLiteral("Anlage"));
    p.WorkStr[Slot::B] = GetParam(c.head, QStringLiteral("Be"));
    const QString plantText = msgAnsi(217, c.dr) + QStringLiteral("  ") + plant;

    QString identity = QStringLiteral("Lnr:  ") + lnr;
    QString line2 = designation + QString(8, u' ') + QStringLiteral("Lnr: ") + lnr;
    if (!tec.isEmpty()) {
        identity += QString(12, u' ') + QStringLiteral("Tec:  ") + tec;
        line2 += QString(6, u' ') + QStringLiteral("Tec: ") + tec;
    }
    if (!code.isEmpty()) {
        identity += QString(12, u' ') + QStringLiteral("Code:  ") + code;
        line2 += QString(6, u' ') + QStringLiteral("Code: ") + code;
    }
    if (!plant.isEmpty())
        line2 += QString(6, u' ') + plantText;
    p.WorkStr[Slot::Line] = identity;

    PrintState& s = printState();
    if (c.MDruck) {
        PrTextSym(s.PrLinks, s.currentY, identity);
        if (!plant.isEmpty())
            PrTextSym(s.PrRechts - printWidth(plantText), s.currentY, plantText);
        PrLf(1);
    }
    if (c.Out)
        *c.Out += line2.toUpper() + kCrLf;
    if (c.MFile)
        p.WorkStr[Slot::SylkHead] += SylkZeile(line2, 1, 0, 9);
}

// The description of the Q-list, printed over as many lines as it needs.
void writeDescription(const HeadContext& c)
{
    Program& p = c.p;
    const QString description = p.WorkStr[Slot::B];
    if (description.isEmpty())
        return;
    if (c.MFile)
        p.WorkStr[Slot::SylkHead] += SylkZeile(description, 1, 0, 9);
    if (c.Out)
        *c.Out += description.toUpper() + kCrLf;
    ui().infoList().Add(description);
    if (c.MDruck) {
        PrintState& s = printState();
        QString rest = description;
        while (!rest.isEmpty()) {
            PrTextSym(s.PrLinks, s.currentY,
                      SplitToWidth(rest, s.PrRechts - s.PrLinks, QStringLiteral(". -"), printWidth));
            PrLf(1);
        }
    }
}

} // namespace

void DruckKopf(QString& Kind, bool MDruck, bool MFile, bool M_ARBew, QString* Out)
{
    Program& p = prog();
    const int dr = p.LangDruck;
    const int spnorm = int(numParam(p.WorkStr[Slot::GlPar], QStringLiteral("Spnorm")));
    const QString method = methodTitle(spnorm, M_ARBew, dr);

    // 1. Head line of the Q-list and the designation.
    readHeadLine(p);
    const HeadContext c{p, dr, MDruck, MFile, Out, p.WorkStr[Slot::Line]};
    const QString designation = designationOf(p, c.head);
    // 2. Title of the report.
    kindToTitleNumber(Kind);
    const QString title = msgAnsi(int(readLeadingNumber(Kind)), dr);
    if (MDruck) {
        PrKopf(title, designation);
        PrFont(8.5, false, false, QStringLiteral("Arial"));
    }
    writeTitleLine(c, title, method);
    // 3. Identity and description of the Q-list.
    writeIdentityLine(c, designation);
    writeDescription(c);
    // 4. Closing rule.
    if (MDruck) {
        PrintState& s = printState();
        const double y = s.currentY + 0.45 * s.PrZeilenHoehe;
        PrLinie(0, 5, s.PrLinks, y, s.PrRechts, y);
        PrFont(9, false, false, QStringLiteral("Courier New"));
        PrLf(1);
    }
    if (MFile)
        SylkZeile(QString(), 1, 0, -1);
}
