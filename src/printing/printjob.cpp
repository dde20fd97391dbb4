#include "printing/printjob.h"
#include "frame/workslots.h"
#include "frame/database.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/links.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/textlib.h"
#include "printing/pagestream.h"

#include <QFile>
#include <cmath>
#include <utility>

PrintState::PrintState() = default;
PrintState::~PrintState() = default;

namespace {
std::shared_ptr<PrintState>& heldPrintState()
{
    return prog().Subsystems.held<PrintState>();
}
} // namespace

PrintState& printState()
{
    std::shared_ptr<PrintState>& held = heldPrintState();
    if (!held) {
        held = std::make_shared<PrintState>();
        setPageNumberSource([]() -> int { return PrSeiteNr(); });
    }
    return *held;
}

PrintDevice& currentPrinter()
{
    PrintState& s = printState();
    if (s.device)
        return *s.device;
    if (const auto& systemPrinter = links<PrinterLinks>().systemPrinter)
        s.device = systemPrinter();
    if (!s.device)
        s.device = std::make_unique<PdfPrintDevice>();
    return *s.device;
}

int16_t checkedInt16(int value)
{
    if (value < -32768 || value > 32767)
        throw OverflowError();
    return static_cast<int16_t>(value);
}

namespace {

void appendText(PrintState& s, int32_t x, int32_t y, const QString& text)
{
    s.PrPuffer += '3';
    s.PrPuffer += PrLong4(x);
    s.PrPuffer += PrLong4(y);
    s.PrPuffer += PrStr4(text);
}

void appendFontName(PrintState& s, const QString& name)
{
    s.PrPuffer += '2';
    s.PrPuffer += PrStr4(name);
}

double textWidth(const QString& text)
{
    const PrintState& s = printState();
    return currentPrinter().textWidth(s.font, text);
}

QFile* openPageFile(const QString& path, std::unique_ptr<QFile>& slot, const QByteArray& header)
{
    slot.reset();
    auto f = std::make_unique<QFile>(path);
    if (!f->open(QIODevice::ReadWrite | QIODevice::Truncate))
        throw TarnError(QStringLiteral("%1: %2").arg(path, f->errorString()), ErrNo::PathFileAccess);
    if (f->write(header) != header.size() || !f->flush())
        throw TarnError(QStringLiteral("%1: %2").arg(path, f->errorString()), ErrNo::PathFileAccess);
    slot = std::move(f);
    return slot.get();
}

// Appends a page at the end of a page file; returns the 1-based position after it.
int32_t appendPage(QFile& file, const QByteArray& page)
{
    const qint64 end = file.size();
    // Flushed at once: the page is read back by position, also through other handles.
    if (!file.seek(end) || file.write(page) != page.size() || !file.flush())
        throw TarnError(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()), ErrNo::PathFileAccess);
    return int32_t(end + page.size() + 1);
}

} // namespace

QString pageFilePath()
{
    return nativePath(joinDesignPath(prog().WorkStr[Slot::Tp1], QStringLiteral("pages")));
}

QString archPageFilePath()
{
    return nativePath(joinDesignPath(prog().WorkStr[Slot::Tp1], QStringLiteral("archpages")));
}

bool PrInit()
{
    PrintState& s = printState();
    PrintDevice& printer = currentPrinter();
    printer.killDocument();
    s.currentX = 0;
    s.currentY = 0;

    const auto& r = prog().Raender;
    // The printer cannot hold the area: message 442, and no job. An area so
    // large that its lines or columns outgrow the job's counters ("50000 cm")
    // is such an area too.
    auto areaRefused = [] {
        MsgBoxRes(QStringLiteral("442"), 0, prog().LangNr);
        return false;
    };
    constexpr double kLargestTwips = 2147483647.0;
    for (double v : {r[0], r[1], r[0] + r[2], r[1] + r[3]})
        if (!(std::abs(v) <= kLargestTwips))
            return areaRefused();
    s.PrLinks = toInt32(r[0]);
    s.PrRechts = toInt32(s.PrLinks + r[2]);
    s.PrOben = toInt32(r[1]);
    s.PrUnten = toInt32(r[1] + r[3]);

    const int32_t pageWidth = printer.pageWidth();
    const int32_t pageHeight = printer.pageHeight();
    QByteArray job("0");
    job += PrLong4(pageWidth);
    job += PrLong4(pageHeight);
    job += PrLong4(s.PrRechts - s.PrLinks);
    job += PrLong4(s.PrUnten - s.PrOben);
    job += PrLong4(s.PrLinks);
    job += PrLong4(s.PrOben);

    try {
        PrFont(10, false, false, QStringLiteral("Courier New"));
    } catch (const OverflowError&) {
        return areaRefused();
    }
    // Lines and columns are counted over the margins, before head and foot.
    const int16_t lines = s.PrZeilen;
    const int16_t columns = s.PrSpalten;
    s.PrOben += 2 * s.PrZeilenHoehe;
    s.PrUnten -= 2 * s.PrZeilenHoehe;

    QByteArray header = job;
    header += '2';
    header += PrStr4(s.font.name);
    header += '5';

    if (pageHeight < s.PrUnten || pageWidth < s.PrRechts || lines < 51 || columns < 67)
        return areaRefused();

    const int32_t afterHeader = int32_t(header.size() + 1);
    if (s.ArchivAktiv) {
        openPageFile(archPageFilePath(), s.archFile, header);
        s.PrArchTab = PrLong4(afterHeader);
    } else {
        s.archFile.reset();
        s.PrArchTab.clear();
    }
    openPageFile(pageFilePath(), s.pageFile, header);
    s.PrSeitenTab = PrLong4(afterHeader);
    s.PrSeite = 1;
    s.PrSeitenZahl = 1;
    s.PrPuffer.clear();
    return true;
}

void PrNeueSeite(bool restartNumbering, bool archiveCopy)
{
    PrintState& s = printState();
    if (!s.PrPuffer.isEmpty()) {
        s.PrPuffer += '5';
        if (!s.pageFile)
            throw TarnError(QStringLiteral("Bad file name or number (no print job open)"), 52);
        s.PrSeite += 1;
        s.PrSeitenZahl += 1;
        s.PrSeitenTab += PrLong4(appendPage(*s.pageFile, s.PrPuffer));
        if (archiveCopy && s.archFile)
            s.PrArchTab += PrLong4(appendPage(*s.archFile, s.PrPuffer));
        s.PrPuffer.clear();
    }
    s.currentX = s.PrLinks;
    s.currentY = s.PrOben;
    if (restartNumbering)
        s.PrSeite = 1;
}

int32_t PrSeiteNr()
{
    return printState().PrSeite;
}

void closePageFiles()
{
    PrintState& s = printState();
    s.archFile.reset();
    s.pageFile.reset();
    QFile::remove(pageFilePath());
    s.PrSeite = 0;
    s.PrSeitenZahl = 0;
    QFile::remove(archPageFilePath());
}

namespace {
QString heldName(const QString& path)
{
    return path + QStringLiteral(".held");
}

// Hands the printer and what belongs to the user's session from one state to the other.
void shareSession(PrintState& from, PrintState& to)
{
    to.device = std::move(from.device);
    to.PdfDir = from.PdfDir;
    to.today = from.today;
}
} // namespace

PrintJobAside::PrintJobAside()
{
    printState();
    std::shared_ptr<PrintState>& current = heldPrintState();
    mHeld = std::exchange(current, std::make_shared<PrintState>());
    shareSession(*mHeld, *current);
    // The open handles stay valid; only the names are freed for the new job.
    for (const QString& path : {pageFilePath(), archPageFilePath()})
        if (QFile::exists(path))
            QFile::rename(path, heldName(path));
}

PrintJobAside::~PrintJobAside()
{
    closePageFiles();
    std::shared_ptr<PrintState>& current = heldPrintState();
    shareSession(*current, *mHeld);
    current = std::move(mHeld);
    for (const QString& path : {pageFilePath(), archPageFilePath()})
        if (QFile::exists(heldName(path)))
            QFile::rename(heldName(path), path);
}

// ---- writers

void PrFont(double size, std::optional<bool> bold, std::optional<bool> underline, std::optional<QString> name)
{
    PrintState& s = printState();
    PrintDevice& printer = currentPrinter();
    if (name) {
        PrinterFont asked = s.font;
        asked.name = *name;
        s.font.name = printer.resolveFont(asked).name;
        appendFontName(s, s.font.name);
    }
    PrinterFont asked = s.font;
    asked.size = size;
    if (bold)
        asked.bold = *bold;
    if (underline)
        asked.underline = *underline;
    s.font = printer.resolveFont(asked);

    s.PrZeilenHoehe = toInt16(printer.textHeight(s.font, QStringLiteral("R")));
    s.PrZeichenBreite = float(printer.textWidth(s.font, QStringLiteral("RR")) - printer.textWidth(s.font, QStringLiteral("R")));
    // A device without extent (never a real font) gives no columns or lines.
    s.PrSpalten = s.PrZeichenBreite > 0
                      ? checkedInt16(int(std::floor(double(s.PrRechts - s.PrLinks) / s.PrZeichenBreite)))
                      : int16_t(0);
    s.PrZeilen = s.PrZeilenHoehe > 0 ? checkedInt16(int(std::floor(double(s.PrUnten - s.PrOben) / s.PrZeilenHoehe)))
                                     : int16_t(0);

    s.PrPuffer += '1';
    s.PrPuffer += PrLong4(toInt32(s.font.size * 10));
    s.PrPuffer += s.font.bold ? 'B' : '.';
    s.PrPuffer += s.font.underline ? 'U' : '.';
}

void PrTextLine(const QString& joined)
{
    if (joined.isEmpty())
        return;
    PrintState& s = printState();
    const int32_t y = toInt32(s.currentY);
    if (s.font.name != QLatin1String("Courier New")) {
        appendText(s, s.PrLinks, y, withoutTrailingBlanks(joined));
        return;
    }
    int32_t x = s.PrLinks;
    QString rest = joined;
    while (!rest.isEmpty()) {
        const qsizetype mark = rest.indexOf(PiMark);
        if (mark < 0) {
            appendText(s, x, y, withoutTrailingBlanks(rest));
            break;
        }
        if (mark > 0) {
            appendText(s, x, y, withoutTrailingBlanks(rest.left(mark)));
            x = toInt32(x + double(mark) * s.PrZeichenBreite);
        }
        // Pi is the letter "p" of the Symbol font, raised by a seventh of a line.
        appendFontName(s, QStringLiteral("Symbol"));
        appendText(s, x, toInt32(y - s.PrZeilenHoehe / 7.0), QStringLiteral("p"));
        appendFontName(s, QStringLiteral("Courier New"));
        x = toInt32(x + double(s.PrZeichenBreite));
        rest = rest.mid(mark + 1);
    }
}

void PrTextSymAt(double x, double y, const QString& joined)
{
    if (joined.isEmpty())
        return;
    PrintState& s = printState();
    if (s.font.name != QLatin1String("Arial")) {
        appendText(s, toInt32(x), toInt32(y), withoutTrailingBlanks(joined));
        return;
    }
    const QString fontName = s.font.name;
    const double piWidth = textWidth(QStringLiteral("w"));
    QString rest = joined;
    while (!rest.isEmpty()) {
        const qsizetype mark = rest.indexOf(PiMark);
        if (mark < 0) {
            appendText(s, toInt32(x), toInt32(y), withoutTrailingBlanks(rest));
            break;
        }
        if (mark > 0) {
            const QString before = rest.left(mark);
            appendText(s, toInt32(x), toInt32(y), withoutTrailingBlanks(before));
            x += textWidth(before);
        }
        appendFontName(s, QStringLiteral("Symbol"));
        appendText(s, toInt32(x), toInt32(y), QStringLiteral("p"));
        appendFontName(s, fontName);
        x += piWidth;
        rest = rest.mid(mark + 1);
    }
}

void PrTextZSAt(int16_t line, int16_t column, const QString& joined)
{
    PrintState& s = printState();
    const int product = int(line) * int(s.PrZeilenHoehe);
    s.currentY = s.PrOben + checkedInt16(product);
    if (joined.isEmpty())
        return;
    appendText(s, toInt32(column * double(s.PrZeichenBreite) + s.PrLinks), toInt32(s.currentY), withoutTrailingBlanks(joined));
}

void PrLinie(int16_t style, int16_t width, double x1, double y1, double x2, double y2)
{
    PrintState& s = printState();
    s.drawStyle = style;
    s.drawWidth = width;
    s.PrPuffer += '6';
    s.PrPuffer += PrLong4(s.drawStyle);
    s.PrPuffer += PrLong4(s.drawWidth);
    s.PrPuffer += PrLong4(toInt32(x1));
    s.PrPuffer += PrLong4(toInt32(y1));
    s.PrPuffer += PrLong4(toInt32(x2));
    s.PrPuffer += PrLong4(toInt32(y2));
}

void PrLf(double zeilenvorschub)
{
    ErrPtnr::CallStack(QStringLiteral("[PrinterGate] Sub PrLf(Optional zeilenvorschub As Variant)"));
    ErrPtnr::CallStackParam(QStringLiteral("zeilenvorschub"), zeilenvorschub);
    PrintState& s = printState();
    for (;;) {
        try {
            s.currentY = s.currentY + zeilenvorschub * s.PrZeilenHoehe;
            return;
        } catch (const ProgramEndRequested&) {
            throw;
        } catch (const std::exception& e) {
            switch (ErrPtnr::OnError(QStringLiteral("PrinterGate"), QStringLiteral("PrLf"), e)) {
            case 0: continue;
            case 3: throw ProgramEndRequested();
            default: return;
            }
        }
    }
}

bool PrPlatz(double n)
{
    const PrintState& s = printState();
    const double y = s.currentY + n * s.PrZeilenHoehe;
    return n >= 0 ? y > s.PrUnten : y < s.PrOben;
}

void PrKopf(std::optional<QString> title, std::optional<QString> right)
{
    PrintState& s = printState();
    const QString fontBefore = s.font.name;
    PrFont(9.5, true, false, QStringLiteral("Arial"));
    const double lh = s.PrZeilenHoehe;
    if (title || right) {
        s.PrKopfText = prog().ProgTitel + QStringLiteral("      ") + title.value_or(QString());
        s.PrKopfRechts = right.value_or(QString());
    }
    const double headY = s.PrOben - 2 * lh;
    PrTextSymAt(s.PrLinks, headY, s.PrKopfText);
    if (!s.PrKopfRechts.isEmpty())
        PrTextSymAt(s.PrRechts - textWidth(s.PrKopfRechts), headY, s.PrKopfRechts);

    const double headRule = s.PrOben - 0.6 * lh;
    PrLinie(0, 9, s.PrLinks, headRule, s.PrRechts, headRule);
    const double footRule = s.PrUnten + 0.5 * lh;
    PrLinie(0, 9, s.PrLinks, footRule, s.PrRechts, footRule);

    const double footY = s.PrUnten + lh;
    PrTextSymAt(s.PrLinks, footY, prog().TitelAnw);
    const QString date = shortDate(s.today(), prog().LangDruck);
    PrTextSymAt((s.PrRechts - s.PrLinks - textWidth(date)) / 2 + s.PrLinks, footY, date);
    const QString page = QString::number(s.PrSeite);
    PrTextSymAt(s.PrRechts - textWidth(page), footY, page);

    PrFont(10, false, false, fontBefore);
    PrTextZSAt(0, 0, QString());
}
