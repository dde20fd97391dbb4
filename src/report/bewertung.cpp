#include "report/bewertung.h"
#include "frame/workslots.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/formatters.h"
#include "frame/inifile.h"
#include "frame/interaction.h"
#include "frame/itemnumber.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "printing/printjob.h"
#include "position_line/posline.h"
#include "qlist/qslfile.h"
#include "report/druckkopf.h"
#include "report/fehlpos.h"
#include "report/reportstate.h"
#include "report/reporttext.h"
#include "report/sylk.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// MTBF hours from 10^8 on do not fit the printed column nor the spreadsheet's.
constexpr double kHoursLimit = 1e8;

QString& rows()
{
    return prog().WorkStr[Slot::SylkHead];
}

void cell(const QString& text, int fmt, const QString& align = QString())
{
    rows() += SylkZeile(text, 0, 1, fmt, align);
}

// A text cell that ends the row.
void lastCell(const QString& text)
{
    rows() += SylkZeile(text, 1, -1, 9);
}

// The plain-text files carry no umlauts: spreadsheet imports of them read ASCII.
QString withoutUmlauts(QString text)
{
    text.replace(QChar(0xC4), QStringLiteral("AE"));
    text.replace(QChar(0xD6), QStringLiteral("OE"));
    text.replace(QChar(0xDC), QStringLiteral("UE"));
    text.replace(QChar(0xDF), QStringLiteral("SS"));
    return text;
}

// A bound of a class: a leading "<" or ">" is only a reminder of the rule.
float bound(QString text)
{
    text = text.trimmed();
    if (text.startsWith(u'<') || text.startsWith(u'>'))
        text.remove(0, 1);
    return float(readLeadingNumber(text));
}

enum class RowKind { Locked, QslMissing, SubQslMissing, PartsMissing, NormMissing, Classified, QslCycle };

RowKind kindOf(double quantity, const QString& codes)
{
    if (quantity < 0)
        return RowKind::Locked;
    if (codes.contains(QLatin1String("Err=QslFehlt")))
        return RowKind::QslMissing;
    if (codes.contains(QLatin1String("Err=QslZyklus")))
        return RowKind::QslCycle;
    if (codes.contains(QLatin1String("Warn=FepQsl")))
        return RowKind::SubQslMissing;
    if (codes.contains(QLatin1String("Warn=FepAll")))
        return RowKind::PartsMissing;
    if (codes.contains(QLatin1String("Warn=FepSin")))
        return RowKind::NormMissing;
    return RowKind::Classified;
}

QString paperDesignation(const QString& id)
{
    QString d;
    const QString typ = GetParam(id, QStringLiteral("Typ"));
    const QString an = GetParam(id, QStringLiteral("An"));
    const QString yk = GetParam(id, QStringLiteral("Yk")).remove(u' ');
    for (const QString& v : {typ, an, yk})
        if (!v.isEmpty())
            d = v;
    return d.toUpper();
}

QString fileDesignation(const QString& id)
{
    QString d;
    const QString number = GetParam(id, QStringLiteral("Yk"));
    if (!number.isEmpty()) {
        QString yk, stand;
        YkNorm(number, yk, stand);
        d = yk;
        if (!stand.trimmed().isEmpty())
            d += u'-' + stand;
    }
    if (d.isEmpty())
        d = GetParam(id, QStringLiteral("An"));
    if (d.isEmpty())
        d = GetParam(id, QStringLiteral("Typ"));
    return d.toUpper();
}

// The years with one decimal and a decimal comma, ",0" for whole years.
QString yearsPaper(double years)
{
    QString t = FormZahl(years, 8, 1);
    if (t.endsWith(QLatin1String("  ")))
        t = t.left(t.size() - 2) + QStringLiteral(",0");
    else if (!t.contains(u','))
        t = FormStr(t.trimmed() + QStringLiteral(",0"), -10, QStringLiteral(" "));
    return t;
}

QString yearsFile(double years)
{
    QString t = FormWert(0, 1, years);
    if (!t.contains(u'.'))
        t += QStringLiteral(".0");
    return t.replace(u'.', u',');
}

// Right-aligned in width, or width blanks when longer.
QString rightOrBlank(const QString& text, int width)
{
    return text.size() > width ? QString(width, u' ') : FormStr(text, -width, QStringLiteral(" "));
}

class TextFile {
public:
    bool open(const QString& designPath)
    {
        mFile.setFileName(nativePath(designPath));
        if (!mFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw TarnError(QStringLiteral("Cannot write %1: %2").arg(mFile.fileName(), mFile.errorString()),
                            ErrNo::PathFileAccess);
        return true;
    }
    bool isOpen() const { return mFile.isOpen(); }
    void write(const QString& text)
    {
        if (mFile.isOpen() && mFile.write(toAnsi(text)) < 0)
            throw TarnError(QStringLiteral("Cannot write %1: %2").arg(mFile.fileName(), mFile.errorString()),
                            ErrNo::PathFileAccess);
    }
    void line(const QString& text) { write(text + kCrLf); }
    void close() { mFile.close(); }

private:
    QFile mFile;
};

void appendRows(QFile& ergfile)
{
    QString& r = rows();
    if (!r.isEmpty() && ergfile.isOpen() && ergfile.write(toAnsi(r)) < 0)
        throw TarnError(QStringLiteral("Cannot write %1: %2").arg(ergfile.fileName(), ergfile.errorString()),
                        ErrNo::PathFileAccess);
    r.clear();
}

// What the steps of BewertungQsl share: the outputs and the classes.
struct Evaluation {
    Program& p;
    int ld = 0;
    bool MDruck = false;
    bool MFile = false;
    bool MArchPage = false;
    bool MHwNw = false;
    QFile& ergfile;
    InfoList& list;
    std::vector<BewKlasse> classes{};
    TextFile bs2{}, pro{};
    bool textFiles = false;
    QString pol{};
};

bool isSubList(const QString& line)
{
    return GetParam(line, QStringLiteral("Qm")) == QLatin1String("Qsl");
}

void openPositionFile(QslLineReader& in, const QString& pol)
{
    if (!in.open(pol))
        throw TarnError(QStringLiteral("File not found: %1").arg(pol), ErrNo::FileNotFound);
}

// The classes of the design's class file; false (after telling the user) when
// there is none.
bool readClassFile(Evaluation& e)
{
    Program& p = e.p;
    const QString classFile = joinDesignPath(p.WorkStr[Slot::AwsDir], QStringLiteral("bew.an"));
    QFile bew(nativePath(classFile));
    if (!bew.exists()) {
        MsgBoxRes(QStringLiteral("146"), 0, p.LangNr, {AnsiToOem(p.WorkStr[Slot::AwsDir])});
        return false;
    }
    if (!bew.open(QIODevice::ReadOnly))
        throw TarnError(QStringLiteral("Cannot read %1: %2").arg(bew.fileName(), bew.errorString()),
                        ErrNo::PathFileAccess);
    e.classes = readClasses(fromAnsi(bew.readAll()));
    bew.close();
    return true;
}

// The two plain-text files beside the result file, when the settings ask for
// them, each starting with the report head.
void openTextFiles(Evaluation& e, const QString& ErgFile, bool M_ARBew)
{
    if (e.MFile && !ErgFile.trimmed().isEmpty() &&
        resbs2proOn(GetProfileStr(QStringLiteral("fewe"), QStringLiteral("Resbs2pro"), 128, e.p.IniFile))) {
        const QString base = evaluationBase(ErgFile.trimmed());
        e.bs2.open(base + QStringLiteral(".bs2"));
        e.pro.open(base + QStringLiteral(".pro"));
        QString kind, head;
        DruckKopf(kind, false, false, M_ARBew, &head);
        head = withoutUmlauts(head);
        e.bs2.write(head);
        e.pro.write(head);
    }
    e.textFiles = e.bs2.isOpen();
}

// Title of the section, on a new page when too little room is left.
void writeTitle(const Evaluation& e)
{
    PrintState& s = printState();
    const QString title = msgAnsi(241, e.ld);
    if (e.MDruck) {
        PrFont(7.5, true, false, QStringLiteral("Courier New"));
        if (PrPlatz(7)) {
            PrNeueSeite(false, e.MArchPage);
            PrKopf();
        } else {
            PrLf();
        }
        PrFont(8.5, true, false, QStringLiteral("Arial"));
        PrLf(1);
        PrTextSym(s.PrLinks, s.currentY, title);
        PrLf(1.5);
        PrFont(8.5, false);
        PrTextSym(s.PrLinks + 600, s.currentY, msgAnsi(508, e.ld));
        PrLf(1.5);
        PrFont(7.5, true, false, QStringLiteral("Courier New"));
    }
    if (e.MFile)
        rows() = SylkZeile(title, 1, 0, 9);
}

// Whether the position file holds a sub-Q-list line.
bool anySubList(const QString& pol)
{
    QslLineReader in;
    openPositionFile(in, pol);
    bool any = false;
    while (!any && !in.atEnd())
        any = isSubList(in.readPhysicalLine());
    return any;
}

// Column titles of the table in all outputs.
void writeColumnTitles(Evaluation& e)
{
    if (e.MDruck) {
        PrText(msgAnsi(243, e.ld));
        PrLf(1.5);
    }
    if (e.MFile) {
        rows() += SylkZeile(msgAnsi(e.MHwNw ? 520 : 514, e.ld), 1, -1, 9, QStringLiteral("C"));
        rows() += SylkZeile(msgAnsi(e.MHwNw ? 521 : 515, e.ld), 1, -1, 9, QStringLiteral("C"));
    }
    if (e.textFiles) {
        e.bs2.line(msgAnsi(137, e.ld));
        e.bs2.line(QStringLiteral("                    |                    | |          |"));
        e.pro.line(msgAnsi(138, e.ld));
        e.pro.line(QStringLiteral("                    |            |"));
    }
}

// The row of the n-th sub-Q-list in all outputs.
void writeSubListRow(Evaluation& e, int n, QString line)
{
    SetParam(line, QStringLiteral("Hier"), QString());
    QString Stc;
    PosTrenn(line, Stc);
    QString paperRow, bs2Row, proRow;
    // Without the file the cells are built all the same; the cursor of
    // the other sections' rows must not move for them.
    ReportState& rs = reportState();
    const int16_t y = rs.SlkY, x = rs.SlkX, xMax = rs.SlkXMax;
    BewertungZeile(n, Stc, paperRow, bs2Row, proRow, e.classes, e.MHwNw);
    if (!e.MFile) {
        rs.SlkY = y;
        rs.SlkX = x;
        rs.SlkXMax = xMax;
    }
    if (e.MDruck) {
        if (PrPlatz(1)) {
            PrNeueSeite(false, e.MArchPage);
            PrKopf();
            PrFont(7.5, true, false, QStringLiteral("Courier New"));
        }
        PrText(paperRow);
        PrLf();
    }
    if (e.MFile)
        appendRows(e.ergfile);
    else
        rows().clear();
    if (e.textFiles) {
        e.bs2.line(bs2Row);
        e.pro.line(proRow);
    }
    e.list.Update(paperRow.left(120));
}

// One row per sub-Q-list of the position file, numbered from 1.
void writeSubListRows(Evaluation& e)
{
    QslLineReader in;
    openPositionFile(in, e.pol);
    int n = 0;
    while (!in.atEnd()) {
        QString line = in.readPhysicalLine();
        if (!isSubList(line))
            continue;
        ++n;
        writeSubListRow(e, n, line);
    }
}

// The notes under the table, on a new page when too little room is left.
void writeNotes(const Evaluation& e)
{
    const QStringList notes{msgAnsi(244, e.ld), msgAnsi(245, e.ld), msgAnsi(246, e.ld)};
    if (e.MDruck) {
        if (PrPlatz(3)) {
            PrNeueSeite(false, e.MArchPage);
            PrKopf();
        } else {
            PrLf(0.5);
        }
        PrFont(7.5, true, false, QStringLiteral("Courier New"));
        for (const QString& t : notes) {
            PrText(t);
            PrLf();
        }
    }
    if (e.MFile) {
        rows() += SylkZeile(QString(), 1, 0, -1);
        for (const QString& t : notes)
            rows() += SylkZeile(t.trimmed(), 1, 0, 9);
    }
}

// The line saying that there is no sub-Q-list, in all outputs.
void writeNoSubLists(Evaluation& e)
{
    const QString none = msgAnsi(242, e.ld);
    if (e.MDruck) {
        PrLf(0.5);
        PrText(none);
        PrLf();
    }
    if (e.MFile)
        rows() += SylkZeile(none.trimmed(), 1, 0, 9, QString(), 1);
    if (e.textFiles) {
        const QString line = withoutUmlauts(none.trimmed().toUpper());
        e.bs2.line(line);
        e.pro.line(line);
    }
}

} // namespace

std::vector<BewKlasse> readClasses(const QString& text)
{
    QStringList lines;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        while (line.startsWith(u' ') || line.startsWith(u'\t'))
            line.remove(0, 1);
        if (!line.isEmpty())
            lines << line;
    }
    std::vector<BewKlasse> classes;
    for (const QString& item : lines.join(u',').split(u',')) {
        if (item.trimmed().isEmpty())
            continue;
        BewKlasse k;
        const qsizetype eq = item.indexOf(u'=');
        if (eq > 0)
            k.name = item.left(eq);
        const QString value = eq >= 0 ? item.mid(eq + 1) : item;
        const qsizetype slash = value.indexOf(u'/');
        k.low = bound(slash < 0 ? value : value.left(slash));
        k.high = bound(slash < 0 ? value : value.mid(slash + 1));
        classes.push_back(k);
    }
    return classes;
}

QString classOf(const std::vector<BewKlasse>& classes, double mean)
{
    const float m = float(mean);
    for (const BewKlasse& k : classes)
        if (k.low < m && m <= k.high)
            return k.name;
    return QString();
}

QString evaluationBase(const QString& ergFile)
{
    // A point in a folder name is no part of the file's name: the search starts
    // behind the last separator.
    const qsizetype slash = std::max(ergFile.lastIndexOf(u'/'), ergFile.lastIndexOf(u'\\'));
    const qsizetype dot = ergFile.indexOf(u'.', slash + 1);
    return dot >= 0 ? ergFile.left(dot) : ergFile;
}

bool resbs2proOn(const QString& value)
{
    const QString v = value.trimmed();
    if (v.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    return number.match(v).hasMatch() && readLeadingNumber(v) != 0;
}

void BewertungZeile(int n, const QString& Stc, QString& paperRow, QString& bs2Row, QString& proRow,
                    const std::vector<BewKlasse>& classes, bool MHwNw)
{
    Program& p = prog();
    const int ld = p.LangDruck;
    const QString& id = p.WorkStr[Slot::Ident];
    const QString& desc = p.WorkStr[Slot::B];
    const QString& R = p.WorkStr[Slot::R];
    const double quantity = numParam(Stc, QStringLiteral("Stck"));
    const QString code = GetParam(desc, QStringLiteral("Code"));
    const QString fileName = fileDesignation(id);

    cell(QString::number(n), 0);
    paperRow = FormStr(QString::number(n), -10, QStringLiteral(" ")) + u' ' +
               FormStr(paperDesignation(id), 22, QStringLiteral(" ")) + FormStr(code, 14, QStringLiteral(" "));
    bs2Row = FormStr(fileName, 20, QStringLiteral(" ")) + u'|' + FormStr(code, 20, QStringLiteral(" ")) + u'|';
    proRow = FormStr(fileName, 20, QStringLiteral(" ")) + u'|';
    cell(fileName, 9);
    cell(code, 9);

    const RowKind kind = kindOf(quantity, p.WorkStr[Slot::F]);
    switch (kind) {
    case RowKind::Locked:
        paperRow += msgAnsi(247, ld);
        lastCell(msgAnsi(61, ld));
        bs2Row += QStringLiteral("-|");
        proRow += QString(12, u' ') + u'|';
        return;
    case RowKind::QslMissing:
    case RowKind::SubQslMissing:
    case RowKind::PartsMissing:
    case RowKind::NormMissing: {
        const QString text = msgAnsi(248 + int(kind) - int(RowKind::QslMissing), ld);
        paperRow += text;
        lastCell(text);
        proRow += QString(12, u' ') + u'|';
        return;
    }
    case RowKind::QslCycle: {
        // A list inside itself has no rate of its own; the error list names the circle.
        const QString text = QStringLiteral("  ") + errorCodeText(QStringLiteral("QslZyklus"));
        paperRow += text;
        lastCell(text);
        proRow += QString(12, u' ') + u'|';
        return;
    }
    case RowKind::Classified: break;
    }

    const ParamPair fit = GetParamPair(R, QStringLiteral("Fit"));
    const double minimum = fit.valueMin;
    const double maximum = fit.valueMax;
    const double mean = toSingle((minimum + maximum) / 2);
    const bool hasMtbf = mean > 0;
    const double hours = hasMtbf ? 1e9 / mean : 0;
    const double years = hours / 8760;
    const QString pos = GetParam(R, QStringLiteral("Pos"));
    const QString fein = GetParam(desc, QStringLiteral("Rw")) == QLatin1String("1") ? pos
                                                                                   : GetParam(R, QStringLiteral("Fein"));
    const QString counts = pos + u'/' + fein;
    const QString klasse = classOf(classes, mean);

    cell(plainSingle(minimum), 0);
    cell(plainSingle(maximum), 0);
    cell(plainSingle(mean), 0);
    cell(klasse, 9, QStringLiteral("C"));
    const bool hoursShown = hasMtbf && hours < kHoursLimit;
    cell(hoursShown ? plainNumber(hours) : QString(), 0);
    const QString yearsText = yearsPaper(years);
    const bool yearsShown = hasMtbf && yearsText.size() <= 10;
    cell(yearsShown ? plainNumber(years) : QString(), 1);
    if (MHwNw) {
        cell(counts, 9, QStringLiteral("C"));
        rows() += SylkZeile(plainNumber(numParam(R, QStringLiteral("Fit_Hw"))), 1, -1, 0);
    } else {
        rows() += SylkZeile(counts, 1, -1, 9, QStringLiteral("C"));
    }

    paperRow += FormZahl(minimum, 8, 0) + QStringLiteral("  ") + FormZahl(maximum, 8, 0) + QStringLiteral("  ") +
                FormZahl(mean, 8, 0) + QStringLiteral("   ") + klasse + QStringLiteral("  ") +
                (hoursShown ? FormZahl(hours, 10, 0) : QString(10, u' ')) +
                (yearsShown ? yearsText : QString(10, u' ')) + QStringLiteral("  ") + counts;

    bs2Row += klasse + u'|';
    if (hasMtbf)
        bs2Row += hours >= 1e10 ? QString(10, u' ') : rightOrBlank(FormWert(0, 0, hours), 10);
    bs2Row += u'|' + counts;

    proRow += rightOrBlank(FormWert(0, 0, mean), 12) + u'|';
    if (hasMtbf)
        proRow += rightOrBlank(yearsFile(years), 12);
}

void BewertungQsl(bool MDruck, bool MFile, const QString& ErgFile, bool MArchPage, bool MHwNw, bool M_ARBew,
                  QFile& ergfile)
{
    Program& p = prog();
    Evaluation e{p, p.LangDruck, MDruck, MFile, MArchPage, MHwNw, ergfile, ui().infoList()};
    e.list.Add(msgAnsi(240, p.LangNr));

    // 1. Classes of the evaluation; without them there is nothing to do.
    if (!readClassFile(e))
        return;
    // 2. Plain-text files beside the result file.
    openTextFiles(e, ErgFile, M_ARBew);
    // 3. Title.
    writeTitle(e);
    // 4. One row per sub-Q-list with the notes, or a line saying there is none.
    e.pol = scratchFile(Slot::Tp2, QStringLiteral("pol"));
    if (anySubList(e.pol)) {
        writeColumnTitles(e);
        writeSubListRows(e);
        writeNotes(e);
    } else {
        writeNoSubLists(e);
    }
    // 5. End of the section.
    if (MFile)
        rows() += SylkZeile(QString(), 1, 0, -1);
    e.bs2.close();
    e.pro.close();
}
