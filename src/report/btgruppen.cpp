#include "report/btgruppen.h"
#include "frame/workslots.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "printing/printjob.h"
#include "position_line/posline.h"
#include "qlist/qslfile.h"
#include "report/pfui.h"
#include "report/posfile.h"
#include "report/positionen.h"
#include "report/printroutines.h"
#include "report/reportstate.h"
#include "report/reporttext.h"
#include "report/sylk.h"

#include <QFileInfo>

void DruckBtGruppen(double unassigned, bool MArchPage, bool M_ARSoList, bool M_ARBew)
{
    Program& p = prog();
    PrFont(7.5, true, false, QStringLiteral("Courier New"));
    ui().infoList().Add(QString());
    bool printed = false;
    for (int group = 1; group <= 99; ++group) {
        const QString file = scratchFile(Slot::Tp2, QStringLiteral("gr.") + QStringLiteral("%1").arg(group, 2, 10, QLatin1Char('0')));
        const QFileInfo info(nativePath(file));
        if (!info.exists() || info.size() == 0)
            continue;
        QslLineReader in(file);
        if (!in.isOpen())
            throw TarnError(QStringLiteral("Cannot read %1: %2").arg(file, in.errorString()), ErrNo::PathFileAccess);
        while (!in.atEnd()) {
            const QString line = in.readPhysicalLine();
            if (!line.startsWith(QLatin1String("Stck=")) || numParam(line, QStringLiteral("Stck")) <= 0)
                continue;
            QString Stc;
            PosTrenn(line, Stc);
            QStringList lines{QString()};
            int16_t count = 0;
            AusBtPos(Stc, lines, count);
            ReportBlock block(lines.begin(), lines.end());
            if (!printed) {
                double needed = count + 7.5;
                DruckUeberschrift(QStringLiteral("BE"), needed, MArchPage, true, M_ARSoList, M_ARBew);
                printed = true;
            }
            DruckBlock(block, count, MArchPage);
        }
    }
    if (!printed) {
        double lines = unassigned > 0 ? 4.5 : 3.0;
        DruckUeberschrift(QStringLiteral("BE"), lines, MArchPage, false, M_ARSoList, M_ARBew);
    }
    if (unassigned > 0) {
        PrLf(0.5);
        PrFont(7.5, true, false, QStringLiteral("Courier New"));
        PrText(msgAnsi(271, p.LangDruck, {FormZahl(unassigned, 10, 0)}));
        PrLf(1);
    }
}

void AusFileBtListe(bool M_ARBew, QIODevice& ergfile)
{
    Program& p = prog();
    const int spNorm = int(numParam(p.WorkStr[Slot::GlPar], QStringLiteral("Spnorm")));
    PrFont(7.5, false);
    const int dr = p.LangDruck;
    QString& rows = p.WorkStr[Slot::SylkHead];
    // Without a stored method there is no component list file and no total.
    if (spNorm < 1 || spNorm > 3)
        return;
    if (reportState().FitSumOk[size_t(spNorm)][1] == 0) {
        rows += SylkZeile(msgAnsi(144, dr), 1, 0, 9);
        rows += SylkZeile(msgAnsi(255, dr), 1, 0, 9);
        return;
    }
    const bool maxOnly = reportState().MaxWerte;
    int titles = 460, units = maxOnly ? 454 : 453;
    if (spNorm == 1 && M_ARBew) {
        titles = 536;
        units = maxOnly ? 535 : 534;
    } else if (spNorm == 3) {
        titles = 462;
        units = maxOnly ? 458 : 457;
    }

    const QString file = scratchFile(Slot::Tp2, QStringLiteral("filebt") + methodSuffix(spNorm));
    QslLineReader in;
    if (!in.open(file))
        throw TarnError(QStringLiteral("Cannot read %1: %2").arg(file, in.errorString()), ErrNo::PathFileAccess);
    bool first = true;
    while (!in.atEnd()) {
        const QString line = in.readPhysicalLine();
        if (!(numParam(line, QStringLiteral("Stck")) > -1))
            continue;
        if (first) {
            rows += SylkZeile(msgAnsi(144, dr), 1, 0, 9);
            rows += SylkZeile(msgAnsi(titles, dr), 1, -1, 9, QStringLiteral("C"));
            rows += SylkZeile(msgAnsi(units, dr) + QStringLiteral("\t%"), 1, -1, 9, QStringLiteral("C"));
            first = false;
        }
        QString Stc;
        PosTrenn(line, Stc);
        AusFileBtDetail(Stc, int16_t(spNorm), false, M_ARBew);
        if (ergfile.write(toAnsi(rows)) < 0)
            throw TarnError(QStringLiteral("Cannot write the result rows: %1").arg(ergfile.errorString()),
                            ErrNo::PathFileAccess);
        rows.clear();
    }
}
