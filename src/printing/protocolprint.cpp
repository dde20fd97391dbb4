#include "printing/protocolprint.h"
#include "frame/program.h"
#include "printing/printjob.h"
#include "printing/printoutput.h"

#include <algorithm>
#include <cmath>
#include <utility>

QString protocolPrintLine(const QString& line)
{
    QString out;
    for (const QChar c : line) {
        if (c == u'\t')
            out += QString(8 - out.size() % 8, u' ');
        else
            out += c;
    }
    return out;
}

bool ProtocolPrintout::printLines(const QStringList& lines, QString* error)
{
    (void)error; // the print layer tells its own failures (messages 442, 487)
    Program& p = prog();
    PrintJobAside aside;
    // The protocol is no printout of the run: its PDF is not named after the run's result file.
    struct KeptRun {
        Program& p;
        QString lnr = std::exchange(p.ErgLnr, QString());
        ~KeptRun() { p.ErgLnr = lnr; }
    } keptRun{p};

    if (!PrInit())
        return false;
    QStringList printed;
    qsizetype widest = 0;
    for (const QString& line : lines) {
        printed << protocolPrintLine(line);
        widest = std::max(widest, printed.back().size());
    }
    const QString title = p.LangNr == 2 ? QStringLiteral("Error protocol") : QStringLiteral("Fehlerprotokoll");
    PrKopf(title, QString());
    // Continuation lines reach 93 columns and more: the font is made smaller
    // (in half points) until the widest line fits the print area.
    const PrintState& s = printState();
    double size = 10;
    PrFont(size, false, false, QStringLiteral("Courier New"));
    if (widest > s.PrSpalten && s.PrSpalten > 0) {
        size = std::max(5.0, std::floor(2 * size * s.PrSpalten / double(widest)) / 2);
        PrFont(size);
    }
    PrTextZS(0, 0, QString());
    for (const QString& line : printed) {
        if (PrPlatz(1)) {
            PrNeueSeite();
            PrKopf();
            PrFont(size, false, false, QStringLiteral("Courier New"));
            PrTextZS(0, 0, QString());
        }
        PrText(line);
        PrLf();
    }
    PrNeueSeite(true);
    QString archiveTitle; // not archived
    PrAusgabe(archiveTitle, 0);
    return true;
}
