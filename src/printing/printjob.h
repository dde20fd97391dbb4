#pragma once
#include "printing/printdevice.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class Database;
class QFile;

// The print layer's program-wide state: the one print job (there is never more
// than one at a time), the printer object the writers measure with, and the
// archive. Lives in Program; reached through printState().
struct PrintState {
    PrintState();
    ~PrintState();

    // Print area (twips) and the metrics of the current printer font; the
    // printouts of other subsystems lay out their lines with these.
    int32_t PrLinks = 0, PrRechts = 0, PrOben = 0, PrUnten = 0;
    int16_t PrZeilenHoehe = 0;
    float PrZeichenBreite = 0;
    int16_t PrSpalten = 0, PrZeilen = 0;

    QByteArray PrPuffer;    // records of the page being written
    QByteArray PrSeitenTab; // L4 offsets into "pages": entry k is the start of page k
    QByteArray PrArchTab;   // the same for "archpages"
    int32_t PrSeite = 0;      // number of the page being written
    int32_t PrSeitenZahl = 0; // entries of PrSeitenTab; 0 when no job is open
    QString PrSeitenWahl, PrArchWahl; // one "+" per page to print

    QString PrKopfText, PrKopfRechts; // page head, repeated by PrKopf()
    float PrZoom = 1;

    QString PdfDir;          // folder of the last PDF chosen; proposed next time
    bool PdfErzeugt = false; // the last PrAusgabe made a PDF of its job
    // The last PrAusgabe could not write an output it should have (a printout,
    // its PDF or the archive's copy); the message said why.
    bool outputFailed = false;

    // Archive (started at program start when configured).
    bool ArchivAktiv = false;
    // Why the configured archive could not be opened at start (empty when it
    // was, or is not configured).
    QString archiveProblem;
    QString ArchivPdfTemp;
    QString ArchivArt;
    int ArchivNr = 0;
    QString ProgTyp;
    QString ArchivDir;
    std::unique_ptr<Database> ArchivSuchDb;
    std::unique_ptr<Database> ArchivDatDb;

    // The printer object: its font, position and pen as the writers set them.
    PrinterFont font;
    double currentX = 0, currentY = 0;
    int drawStyle = 0, drawWidth = 1;

    // The current printer. Made on first use: the system printer of the
    // PrinterLinks, else a PDF file in the result directory (a test may set a
    // device of its own).
    std::unique_ptr<PrintDevice> device;
    // Today's date for the page foot (tests fix it).
    std::function<QDate()> today = [] { return QDate::currentDate(); };

    // The open page files of the job and the header page they begin with.
    std::unique_ptr<QFile> pageFile;
    std::unique_ptr<QFile> archFile;
};

// What the print layer needs of the windows' library: a link of the program
// (frame/links.h).
struct PrinterLinks {
    // Makes the system printer, or gives none (then the PDF file is the
    // printer); asked once per print state, on first use: looking for printers
    // loads the print system, which a run that prints nothing need not wait for.
    std::function<std::unique_ptr<PrintDevice>()> systemPrinter;
};

PrintState& printState();
// The current printer (made on first use).
PrintDevice& currentPrinter();

// ---- the print job

// Starts a job: print area from the margins Raender, Courier New 10 pt, header
// pages written to "pages" (and "archpages" while the archive is started). False
// with message 442 when the page or the area is too small; nothing is opened then.
bool PrInit();
// Closes the current page (nothing when none was written) and moves to the top
// left of the print area; restart makes the next page number 1.
void PrNeueSeite(bool restartNumbering = false, bool archiveCopy = false);
// The number of the page being written (placeholder "@P").
int32_t PrSeiteNr();

// ---- page writers (they only record; nothing is drawn before PrAusgabe)

void PrFont(double size, std::optional<bool> bold = std::nullopt, std::optional<bool> underline = std::nullopt,
            std::optional<QString> name = std::nullopt);
// One line of text at PrLinks on the current line; in Courier New the marker
// PiMark is drawn as pi (raised by a seventh of a line).
void PrTextLine(const QString& text);
// Text at an absolute position; in Arial PiMark is drawn as pi.
void PrTextSymAt(double x, double y, const QString& text);
// Moves to a line of the print area and writes at a column (both from 0).
void PrTextZSAt(int16_t line, int16_t column, const QString& text);
void PrLinie(int16_t style, int16_t width, double x1, double y1, double x2, double y2);
// Moves the current line down by a number of lines (fractions and negative allowed).
void PrLf(double zeilenvorschub = 1);
// Whether n more lines do not fit (n < 0: whether n lines up lie above the area).
bool PrPlatz(double n);
// Page head and foot. With neither argument the head of the last call repeats;
// with one, the other counts as empty.
void PrKopf(std::optional<QString> title = std::nullopt, std::optional<QString> right = std::nullopt);

// The writers take any number of text parts and join them.
namespace printparts {
inline void append(QString& out, const QString& s) { out += s; }
inline void append(QString& out, QChar c) { out += c; }
inline void append(QString& out, const char* s) { out += QString::fromUtf8(s); }
template <typename... Parts>
QString join(const Parts&... parts)
{
    QString out;
    (append(out, parts), ...);
    return out;
}
} // namespace printparts

template <typename... Parts>
void PrText(const Parts&... parts)
{
    PrTextLine(printparts::join(parts...));
}
template <typename... Parts>
void PrTextSym(double x, double y, const Parts&... parts)
{
    PrTextSymAt(x, y, printparts::join(parts...));
}
// Line and column are 16-bit values; outside that range they throw OverflowError.
int16_t checkedInt16(int value);
template <typename... Parts>
void PrTextZS(int line, int column, const Parts&... parts)
{
    PrTextZSAt(checkedInt16(line), checkedInt16(column), printparts::join(parts...));
}

// Native paths of the page files in Tp1.
QString pageFilePath();
QString archPageFilePath();
// Closes and deletes both page files and ends the job.
void closePageFiles();

// Sets the print job in hand aside, so that a printout of its own can run in the
// middle of it (the error protocol, printed from an error in a report), and puts
// it back when destroyed: its state is held here and its page files wait under
// other names in Tp1. The printer, the PDF folder and the date stay shared. The
// printout in between is never archived.
class PrintJobAside {
public:
    PrintJobAside();
    ~PrintJobAside();
    PrintJobAside(const PrintJobAside&) = delete;
    PrintJobAside& operator=(const PrintJobAside&) = delete;

private:
    std::shared_ptr<PrintState> mHeld;
};
