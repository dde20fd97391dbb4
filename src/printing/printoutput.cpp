#include "printing/printoutput.h"
#include "frame/workslots.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/outputfiles.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/textlib.h"
#include "printing/archiv.h"
#include "printing/pageinterpreter.h"
#include "printing/previewstate.h"
#include "printing/printjob.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Closes and deletes the page files on every way out of PrAusgabe.
struct JobCloser {
    ~JobCloser()
    {
        closePageFiles();
        const QString programDir = prog().WorkStr[Slot::ProgramDir];
        if (!programDir.isEmpty())
            QDir::setCurrent(nativePath(programDir));
    }
};

// The preview decides through the Interaction service; an answer that did not
// work on the model itself names the command ("pr mit", "pr ohne", "arch",
// "can") and may tick the PDF box (toPdf).
void askPreview(PreviewState& state)
{
    Question q;
    q.key = QStringLiteral("frmPreview");
    q.text = QStringLiteral("%1 pages").arg(state.pages());
    const Answer a = ui().askPreview(q, state);
    if (!a.applied) {
        if (a.cancelled) {
            state.close();
        } else {
            if (a.toPdf && state.pdfOffered)
                state.pdfTicked = true;
            for (const QString& key : a.text.split(u'|', Qt::SkipEmptyParts))
                state.command(key);
        }
    }
    state.close(); // a window or answer that decided nothing is a cancel
}

// The Save-As dialog of a PDF printout: titled and filtered for PDF; a name
// typed without extension gets ".pdf". directory becomes the chosen path.
bool choosePdfFile(QString& directory, const QString& proposed)
{
    Question q;
    q.key = QStringLiteral("pdfdatei");
    q.text = ResText(QStringLiteral("481"), prog().LangNr, true);
    const Answer a = ui().askSaveFile(q, FileParams{directory, proposed, QStringLiteral("PDF (*.pdf)|*.pdf")});
    if (a.cancelled || a.text.isEmpty())
        return false;
    directory = withExtension(a.text, QStringLiteral("pdf"));
    const QString programDir = prog().WorkStr[Slot::ProgramDir];
    if (!programDir.isEmpty())
        QDir::setCurrent(nativePath(programDir));
    return true;
}

void tellPdfWritten(const QString& file)
{
    const QString text = prog().LangNr == 2
                             ? QStringLiteral("No printer is installed. The printout was written to the PDF file%1%2")
                             : QStringLiteral("Kein Drucker installiert. Der Ausdruck steht in der PDF-Datei%1%2");
    ui().messageBox(QStringLiteral("pdf"), text.arg(QChar(10), QDir::toNativeSeparators(file)), Mb::Information);
}

void tellPdfFailed(const QString& file, const QString& why)
{
    printState().outputFailed = true;
    MsgBoxRes(QStringLiteral("487"), Mb::OKOnly, prog().LangNr, oemArgs({file, why}));
}

// Why a result file could not be named: the file (or the name stem with "??"
// for the counter) in its folder, and the reason.
void tellNoResultName(const QString& file, const QString& why)
{
    const QString native = QDir::toNativeSeparators(nativePath(file));
    const QString text = prog().LangNr == 2
                             ? QStringLiteral("The result file %1 cannot be made in the folder %2: %3")
                             : QStringLiteral("Die Ergebnisdatei %1 kann im Ordner %2 nicht angelegt werden: %3");
    ui().messageBox(QStringLiteral("ergname"),
                    text.arg(QFileInfo(native).fileName(), QFileInfo(native).absolutePath(), why),
                    Mb::OKOnly | Mb::Exclamation);
}

QString leftPadOrCut(const QString& text, int width)
{
    return text.size() >= width ? text.left(width) : QString(width - text.size(), u'0') + text;
}

QString folderOf(const QString& path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return cut < 0 ? QString() : path.left(cut);
}

// The proposed name of a run's PDF: the first free number of the Q-list's
// name stem. Only proposed: the Save-As dialog asks before it replaces a file.
QString pdfNameOfTheRun(const QString& directory, const QString& lnr)
{
    QString folder = directory, name;
    return WahlErgDatei(folder, lnr, QStringLiteral(".pdf"), name, -1) ? name : QString();
}

} // namespace

bool pdfOffered()
{
    // PDF is written natively, so it needs no PDF printer and is always offered;
    // the old printer keys (PdfPrint, ...) are still read but decide nothing here.
    return true;
}

bool PrAusgabe(QString& title, int mode)
{
    PrintState& s = printState();
    JobCloser closer;
    s.PdfErzeugt = false;
    s.outputFailed = false;
    bool archiveWanted = !title.isEmpty();
    const bool result = s.PrSeitenZahl > 1;
    const int pages = s.PrSeitenTab.isEmpty() ? 0 : pageCount(PageSource::Pages);
    s.PrSeitenWahl = QString(pages, u'+');
    if (!result)
        return false;

    if (mode == -1) {
        currentPrinter().killDocument();
        return result;
    }

    bool confirmed = true;
    bool archiveOnly = false;
    bool toPdf = false;
    if (mode != 1) {
        PreviewState state(pages, archiveWanted, pdfOffered());
        askPreview(state);
        confirmed = state.confirmed();
        archiveWanted = state.ArchivJa;
        archiveOnly = state.NurArchiv;
        toPdf = state.pdfTicked;
    }

    InfoList& list = ui().infoList();
    list.Begin(ResText(QStringLiteral("428"), prog().LangNr, true, {QString::number(pages)}));
    // What runs: where the pages go; the page counter follows on the next row.
    const bool english = prog().LangNr == 2;
    QString destination;
    if (!confirmed)
        destination = english ? QStringLiteral("Cancelled") : QStringLiteral("Abgebrochen");
    else if (toPdf)
        destination = english ? QStringLiteral("To a PDF file") : QStringLiteral("In eine PDF-Datei");
    else if (archiveOnly)
        destination = english ? QStringLiteral("To the archive") : QStringLiteral("Ins Archiv");
    else
        destination = (english ? QStringLiteral("To the printer %1") : QStringLiteral("An den Drucker %1"))
                          .arg(currentPrinter().deviceName());
    list.Add(destination);
    list.Add(QString());
    list.Wait(2);

    bool ok = false;
    QString pdfPath;
    if (confirmed && !toPdf) {
        if (archiveOnly) {
            ok = true;
        } else {
            PrintDevice& printer = currentPrinter();
            const PrintOutcome outcome = printPages(printer, s.PrSeitenWahl, false);
            ok = outcome == PrintOutcome::Printed;
            if (outcome == PrintOutcome::Failed)
                tellPdfFailed(printer.outputFile(), printer.lastError());
            else if (ok && printer.writesPdf() && printer.namesOwnFile())
                tellPdfWritten(printer.outputFile());
        }
    } else if (confirmed) {
        QString directory = s.PdfDir.isEmpty() ? GetParam(prog().Cf, QStringLiteral("ResDir")) : s.PdfDir;
        QString proposed;
        if (!prog().ErgLnr.isEmpty())
            proposed = pdfNameOfTheRun(directory, prog().ErgLnr);
        if (choosePdfFile(directory, proposed)) {
            pdfPath = directory;
            s.PdfDir = folderOf(pdfPath);
            PdfPrintDevice pdf(nativePath(pdfPath));
            const PrintOutcome outcome = printPages(pdf, s.PrSeitenWahl, false);
            ok = outcome == PrintOutcome::Printed;
            s.PdfErzeugt = ok;
            if (outcome == PrintOutcome::Failed)
                tellPdfFailed(pdf.outputFile(), pdf.lastError());
        }
    }

    if (!ok) {
        title = QStringLiteral("ABBRUCH");
    } else if (archiveWanted) {
        s.PrArchWahl = QString(s.PrArchTab.isEmpty() ? 0 : pageCount(PageSource::Archive), u'+');
        QString made = s.PdfErzeugt ? pdfPath : QString();
        ArchivPdf(title, made);
    }
    list.Finish();
    return result;
}

void PrTestSeite()
{
    if (!PrInit())
        return;
    PrintState& s = printState();
    PrKopf(QStringLiteral("Titel"), QStringLiteral("Rechts"));
    const struct {
        double size;
        int position;
    } rows[] = {{10, 40}, {9, 30}, {7.5, 20}};
    for (const auto& row : rows) {
        PrFont(row.size);
        const int p = row.position;
        PrTextZS(p + 1, p + 1, plainNumber(row.size, true), " Pt ");
        PrTextZS(p + 2, p + 1, QString::number(s.PrSpalten), " cpl ");
        PrTextZS(p + 3, p + 1, QString::number(s.PrZeilen), " lpp ");
        for (int c = 0; c < s.PrSpalten; ++c)
            PrTextZS(p, c, QString::number(c % 10));
        for (int r = 0; r < s.PrZeilen; ++r)
            PrTextZS(r, p, QString::number(r % 10));
    }
    PrLinie(0, 9, s.PrLinks, s.PrOben, s.PrRechts, s.PrOben);
    PrLinie(0, 9, s.PrLinks, s.PrOben, s.PrLinks, s.PrUnten);
    PrLinie(0, 9, s.PrRechts, s.PrOben, s.PrRechts, s.PrUnten);
    PrLinie(0, 9, s.PrLinks, s.PrUnten, s.PrRechts, s.PrUnten);
    for (const double a : {1440.0, 567.0}) {
        PrLinie(0, 9, 0, 0, a, 0);
        PrLinie(0, 9, 0, 0, 0, a);
        PrLinie(0, 9, a, 0, a, a);
        PrLinie(0, 9, 0, a, a, a);
    }
    PrNeueSeite(true, false);
    QString title;
    PrAusgabe(title, 1);
}

bool WahlErgDatei(QString& directory, const QString& numberOrTitle, const QString& extensionOrFile, QString& name,
                  int mode)
{
    if (mode != 0) {
        const QString base = prog().WorkStr[Slot::Qz] + leftPadOrCut(numberOrTitle, 5);
        const bool reserve = mode > 0;
        for (int k = 0; k <= 99; ++k) {
            const QString candidate = base + QStringLiteral("%1").arg(k, 2, 10, QChar(u'0')) + extensionOrFile;
            const QString path = directory + u'\\' + candidate;
            QString error;
            // Taking the name is making the file: a copy of the program that
            // looks at the same moment finds it taken and goes on to the next.
            const bool free = reserve ? reserveFile(nativePath(path), &error) : !Exist(path);
            if (free) {
                name = candidate;
                directory = path;
                return true;
            }
            if (!error.isEmpty()) {
                tellNoResultName(path, error);
                name.clear();
                return false;
            }
        }
        if (reserve)
            tellNoResultName(directory + u'\\' + base + QStringLiteral("??") + extensionOrFile,
                             prog().LangNr == 2 ? QStringLiteral("no free number (00 to 99 are used)")
                                                : QStringLiteral("keine freie Nummer (00 bis 99 sind belegt)"));
        name.clear();
        return false;
    }

    Question q;
    q.key = QStringLiteral("ergdatei");
    q.text = numberOrTitle;
    const Answer a =
        ui().askSaveFile(q, FileParams{directory, extensionOrFile, QStringLiteral("Alle Dateien (*.*)|*.*")});
    if (a.cancelled || a.text.isEmpty())
        return false;
    directory = a.text;
    const QString programDir = prog().WorkStr[Slot::ProgramDir];
    if (!programDir.isEmpty())
        QDir::setCurrent(nativePath(programDir));
    return true;
}
