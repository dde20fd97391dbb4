#include "report/druckqslprog.h"
#include "frame/workslots.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/inifile.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/runphases.h"
#include "printing/printjob.h"
#include "qlist/qslfile.h"
#include "report/anteilgruppen.h"
#include "report/bewertung.h"
#include "report/btgruppen.h"
#include "report/druckkopf.h"
#include "report/fehlpos.h"
#include "report/gesamt.h"
#include "report/listing.h"
#include "report/pfui.h"
#include "report/pfuidruck.h"
#include "report/poslist.h"
#include "report/positionen.h"
#include "report/qrm.h"
#include "report/reportstate.h"
#include "report/reporttext.h"
#include "report/sylk.h"
#include "report/totals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <set>

namespace {

// Leaves the report at a cancel check.
struct Cancelled {};

void cancelCheck()
{
    if (ui().infoList().Canceled())
        throw Cancelled();
}

QString twoLanguages(const char* german, const char* english)
{
    return prog().LangNr == 2 ? QString::fromUtf8(english) : QString::fromUtf8(german);
}

// Appends the row buffer to "ergfile" unchanged: the records end in CRLF already.
void writeRows(QFile& ergfile)
{
    QString& rows = prog().WorkStr[Slot::SylkHead];
    if (rows.isEmpty())
        return;
    if (ergfile.write(toAnsi(rows)) < 0)
        throw TarnError(QStringLiteral("Cannot write %1: %2").arg(ergfile.fileName(), ergfile.errorString()),
                        ErrNo::PathFileAccess);
}

// Appends every line of qpo to the file of configuration key "Res", then two
// lines of two blanks.
void appendToResFile()
{
    const QString res = GetParam(prog().Cf, QStringLiteral("Res"));
    if (res.trimmed().isEmpty())
        return;
    QFile out(nativePath(res));
    if (!out.open(QIODevice::Append))
        throw TarnError(QStringLiteral("Cannot write %1: %2").arg(res, out.errorString()), ErrNo::PathFileAccess);
    QFile in(nativePath(scratchFile(Slot::Tp2, QStringLiteral("qpo"))));
    if (in.open(QIODevice::ReadOnly)) {
        while (!in.atEnd()) {
            QByteArray line = in.readLine();
            while (line.endsWith('\n') || line.endsWith('\r'))
                line.chop(1);
            out.write(line + "\r\n");
        }
    }
    out.write("  \r\n  \r\n");
}

// Empties a scratch directory except the files that are still open (the print
// job's page files, the listing records); errors are ignored.
void emptyScratch(const QString& designDir, const std::set<QString>& keep)
{
    if (designDir.trimmed().isEmpty())
        return;
    QDir dir(nativePath(designDir));
    if (!dir.exists())
        return;
    for (const QFileInfo& fi : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
        if (keep.count(fi.canonicalFilePath()) == 0)
            QFile::remove(fi.absoluteFilePath());
    }
}

std::set<QString> openFiles()
{
    std::set<QString> keep;
    auto add = [&](const QFile* f) {
        if (f && f->isOpen())
            keep.insert(QFileInfo(f->fileName()).canonicalFilePath());
    };
    const PrintState& ps = printState();
    add(ps.pageFile.get());
    add(ps.archFile.get());
    add(prog().ListFile6.get());
    add(prog().ListFile7.get());
    return keep;
}

void cleanUp()
{
    const std::set<QString> keep = openFiles();
    emptyScratch(prog().WorkStr[Slot::Tp1], keep);
    emptyScratch(prog().WorkStr[Slot::Tp2], keep);
    SetParam(prog().WorkStr[Slot::SyPar], QStringLiteral("Pw"), QStringLiteral("Hmenu"));
}

// Column widths of the position table, by the stored method.
QString positionWidths(bool mainPath)
{
    QString list = numParam(prog().WorkStr[Slot::GlPar], QStringLiteral("Spnorm")) == 3
                       ? QStringLiteral("5,16,16,9,8,8,8,13,4,9,6,5,5,10,4,4,9,9,9")
                       : QStringLiteral("5,16,16,9,8,8,8,4,6,4,4,9,9,9");
    if (mainPath)
        list += QStringLiteral(",9");
    return list;
}

struct Run {
    bool ADruck;
    QString& ErgFile;
    QString& ProgFehlFile;
    bool MArchPage;
    bool& MNurFehl;
    bool M_ARSoList;
    bool M_ARBew;

    SectionFlags dr{}, sp{};
    SlkWidths SlkBreite{};
    QString SoFormStr{};
    bool mainPath = false;
    bool noPrint = false, noHead = false;
    bool fileOn = false;
    QFile ergfile{};
    QString qpdr{}, qpsp{};
    bool qrmOnly = false;

    void main();
    void readProfile();
    void applySpecialFormat(const QString& soform);
    void chooseSections();
    void totalsSections(const QString& res, const ErrCounts& Errg);
    void groupShares(const QString& res);
    void positionFile();
    void evaluation();
    void positions();
    void closingSections();
    void componentLists();
    void resultFile();
};

void Run::main()
{
    // 1. Settings of the report profile.
    InitDruck();
    ui().infoList().Add(QString(20, QChar(0x2550)));
    readProfile();
    // 2. The list of faulty positions; the user may stop the report there.
    if (FehlPos(ADruck, ProgFehlFile) == QLatin1String("ABBRUCH")) {
        MNurFehl = true;
        return;
    }
    // 3. Sections to print and to write, and the result file's work file.
    chooseSections();
    // 4. Totals of the run.
    QString res;
    ErrCounts Errg;
    TotalSum(res, Errg, mainPath, dr[2] || sp[2]);
    cancelCheck();
    // 5. Head and total result.
    totalsSections(res, Errg);
    // 6. Shares of the groups.
    groupShares(res);
    cancelCheck();
    // 7. The position file of the sections that list positions.
    positionFile();
    cancelCheck();
    // 8. Evaluation of the sub-Q-lists.
    evaluation();
    cancelCheck();
    // 9. Ranking of the sub-Q-lists.
    if (dr[6]) {
        PfuiQsDatei();
        SortPfui(QStringLiteral("qs"), ADruck);
        DruckPfui(QStringLiteral("qs"), MArchPage);
    }
    cancelCheck();
    // 10. The positions.
    positions();
    cancelCheck();
    // 11. Component lists, the last page, the Q-list tree and the result file.
    closingSections();
}

// Language, Q-list marker, sections, maximum values, special format and main
// path from the report profile in SyPar.
void Run::readProfile()
{
    Program& p = prog();
    const QString& sy = p.WorkStr[Slot::SyPar];
    // The report's language is the profile's; a profile that names none (the
    // shipped "Standard") prints in the language of the user.
    const int ld = int(numParam(sy, QStringLiteral("Ld")));
    p.LangDruck = ld == 1 || ld == 2 ? ld : p.LangNr;
    const QString qz = GetParam(sy, QStringLiteral("Qz"));
    if (!qz.isEmpty())
        p.WorkStr[Slot::Qz] = qz.toUpper();
    qpdr = GetParam(sy, QStringLiteral("Qpdr"));
    qpsp = GetParam(sy, QStringLiteral("Qpsp"));
    reportState().MaxWerte = numParam(sy, QStringLiteral("Mmax")) != 0;
    const QString soform = GetParam(sy, QStringLiteral("Soform"));
    mainPath = numParam(sy, QStringLiteral("HwNw")) != 0;
    if (!soform.isEmpty())
        applySpecialFormat(soform);
}

// The special format of the result file and its switches.
void Run::applySpecialFormat(const QString& soform)
{
    SoFormStr = GetProfileStr(QStringLiteral("Sonder-Formate"), soform, 512, prog().IniFile);
    if (SoFormStr == QLatin1String("leer")) {
        // An unknown format would leave a file without any frame that no
        // program reads; say so and write the SYLK file instead.
        ui().messageBox(QStringLiteral("soform"),
                        twoLanguages("Das Sonder-Format \"%1\" ist nicht definiert; die Ergebnisdatei wird im "
                                     "SYLK-Format geschrieben.",
                                     "The special format \"%1\" is not defined; the result file is written "
                                     "in SYLK format.")
                            .arg(soform),
                        0x30);
        SoFormStr.clear();
    } else {
        noPrint = GetParam(SoFormStr, QStringLiteral("NichtDruck")) == QLatin1String("1");
        noHead = GetParam(SoFormStr, QStringLiteral("NichtKopf")) == QLatin1String("1");
        if (GetParam(SoFormStr, QStringLiteral("FehlFile")) != QLatin1String("1"))
            ProgFehlFile.clear();
    }
}

// The print and file flags of the sections; opens the work file of the result
// file when there is one to write.
void Run::chooseSections()
{
    ReportState& rs = reportState();
    rs.SlkY = 1;
    rs.SlkX = 1;
    rs.SlkXMax = 0;
    for (int i = 1; i <= 8; ++i) {
        dr[size_t(i)] = qpdr.mid(i - 1, 1) == QString::number(i);
        sp[size_t(i)] = qpsp.mid(i - 1, 1) == QString::number(i);
    }
    qrmOnly = qpdr == QLatin1String("00000008");
    ErgFile = ErgFile.trimmed();
    fileOn = !ErgFile.isEmpty() && qpsp != QLatin1String("0000000");

    if (fileOn) {
        ergfile.setFileName(nativePath(scratchFile(Slot::Tp1, QStringLiteral("ergfile"))));
        if (!ergfile.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw TarnError(QStringLiteral("Cannot write %1: %2").arg(ergfile.fileName(), ergfile.errorString()),
                            ErrNo::PathFileAccess);
    }
}

// The head and the total result, printed and written.
void Run::totalsSections(const QString& res, const ErrCounts& Errg)
{
    if (qrmOnly && !fileOn)
        return;
    Program& p = prog();
    if (!noHead) {
        QString kind;
        DruckKopf(kind, !qrmOnly && !noPrint, fileOn, M_ARBew);
        if (fileOn)
            writeRows(ergfile);
    }
    if (!noPrint)
        DruckGesamt(res, Errg, dr, qpdr != QLatin1String("00000070"), M_ARBew, M_ARSoList);
    if (fileOn) {
        p.WorkStr[Slot::SylkHead].clear();
        AusFileSumme(res, Errg, sp, qpsp != QLatin1String("0000007"), SlkBreite, mainPath, M_ARBew, M_ARSoList);
        writeRows(ergfile);
        mergeSlkWidths(SlkBreite, QStringLiteral("4,16,13,10,8"));
    }
}

// The shares of the groups, printed and written.
void Run::groupShares(const QString& res)
{
    if (!dr[2] && !sp[2])
        return;
    Program& p = prog();
    p.WorkStr[Slot::SylkHead].clear();
    AnteilGruppen(res, dr[2], sp[2] && fileOn, MArchPage);
    if (!p.WorkStr[Slot::SylkHead].trimmed().isEmpty() && sp[2] && fileOn) {
        writeRows(ergfile);
        mergeSlkWidths(SlkBreite, QStringLiteral("5,16,13,9,7"));
    }
}

// A fresh position file, when a section lists positions.
void Run::positionFile()
{
    if (dr[1] || dr[2]) {
        PrFont(7.5, true, false, QStringLiteral("Courier New"));
        PrLf(1);
    }
    QFile::remove(nativePath(scratchFile(Slot::Tp2, QStringLiteral("pol"))));
    if (dr[3] || dr[6] || dr[7] || dr[8] || sp[3] || sp[7])
        PosList(mainPath);
}

// The evaluation of the sub-Q-lists, printed and written.
void Run::evaluation()
{
    if (!QFile::exists(nativePath(scratchFile(Slot::Tp2, QStringLiteral("pol")))))
        return;
    prog().WorkStr[Slot::SylkHead].clear();
    if (dr[7] || sp[7])
        BewertungQsl(dr[7], sp[7] && fileOn, ErgFile, MArchPage, mainPath, M_ARBew, ergfile);
    if (sp[7] && fileOn) {
        writeRows(ergfile);
        QString widths = QStringLiteral("4,18,13,7,7,6,2,9,7,5");
        if (mainPath)
            widths += QStringLiteral(",9");
        mergeSlkWidths(SlkBreite, widths);
    }
}

// The positions, printed and written.
void Run::positions()
{
    if (!dr[3] && !sp[3])
        return;
    prog().WorkStr[Slot::SylkHead].clear();
    DruckPositionen(dr[3], sp[3] && fileOn, SoFormStr, MArchPage, mainPath, M_ARSoList, M_ARBew, ergfile);
    if (sp[3] && fileOn) {
        writeRows(ergfile);
        if (SoFormStr.isEmpty())
            mergeSlkWidths(SlkBreite, positionWidths(mainPath));
    }
}

// The component lists, the last page, the Q-list tree and the result file.
void Run::closingSections()
{
    if (dr[4] || dr[5] || sp[4])
        componentLists();

    if (!noPrint)
        PrNeueSeite(true, MArchPage);
    cancelCheck();

    if (dr[8]) {
        SetParam(prog().WorkStr[Slot::SyPar], QStringLiteral("Qpbt"), QStringLiteral("12345"));
        PrNeueSeite(true, false);
        DruckQrm(M_ARSoList, M_ARBew);
    }

    if (fileOn)
        resultFile();
}

// The component ranking, the component list rows of the result file and the
// component list by groups, all from the group files.
void Run::componentLists()
{
    double unassigned = 0;
    GruppenDateien(unassigned);
    ComponentRankingFiles files;
    files.open();
    ui().infoList().Add(QStringLiteral(" "));
    for (int n = 1; n <= 99; ++n) {
        const QString name = scratchFile(Slot::Tp2, QStringLiteral("gr.") + QString::number(n));
        ui().infoList().Update(name + QLatin1Char(' '));
        if (QFile::exists(nativePath(name)))
            PfuiBtDatei(name, files);
    }
    files.close();
    // The rows go to "ergfile", which exists only while the file is on.
    if (sp[4] && fileOn) {
        AusFileBtListe(M_ARBew, ergfile);
        writeRows(ergfile);
        const int spNorm = int(numParam(prog().WorkStr[Slot::GlPar], QStringLiteral("Spnorm")));
        if (spNorm == 1 || spNorm == 2)
            mergeSlkWidths(SlkBreite, QStringLiteral("5,16,16,9,8,8,8,4,6,4,4,9,9,9,5"));
        else if (spNorm == 3)
            mergeSlkWidths(SlkBreite, QStringLiteral("5,16,16,9,8,8,8,13,4,9,6,5,5,10,4,4,9,9,9,5"));
    }
    if (dr[4]) {
        SortPfui(QStringLiteral("bt"), ADruck);
        DruckPfui(QStringLiteral("bt"), MArchPage);
    }
    if (dr[5])
        DruckBtGruppen(unassigned, MArchPage, M_ARSoList, M_ARBew);
}

void Run::resultFile()
{
    PhaseScope phase(QStringLiteral("result file"));
    ergfile.close();
    if (!SoFormStr.isEmpty())
        copyResultLines(nativePath(ErgFile), ergfile.fileName());
    else
        writeSylkFrame(nativePath(ErgFile), nativePath(joinDesignPath(prog().WorkStr[Slot::SystemDir], QStringLiteral("slk-kopf.txt"))),
                       ergfile.fileName(), SlkBreite);
}

} // namespace

void DruckQslProg(bool ADruck, QString& ErgFile, QString& ProgFehlFile, bool MArchPage, bool& MNurFehl,
                  bool M_ARSoList, bool M_ARBew)
{
    ErrPtnr::CallStack(QStringLiteral(
        "[XHAP] Sub DruckQslProg(ADruck As Boolean, ErgFile$, ProgFehlFile$, MArchPage As Boolean,MNurFehl As "
        "Boolean, M_ARSoList As Boolean, M_ARBew As Boolean)"));
    ErrPtnr::CallStackParam(QStringLiteral("M_ARBew"), M_ARBew);
    ErrPtnr::CallStackParam(QStringLiteral("M_ARSoList"), M_ARSoList);
    ErrPtnr::CallStackParam(QStringLiteral("MNurFehl"), MNurFehl);
    ErrPtnr::CallStackParam(QStringLiteral("MArchPage"), MArchPage);
    ErrPtnr::CallStackParam(QStringLiteral("ProgFehlFile"), ProgFehlFile);
    ErrPtnr::CallStackParam(QStringLiteral("ErgFile"), ErgFile);
    ErrPtnr::CallStackParam(QStringLiteral("ADruck"), ADruck);

    Run run{ADruck, ErgFile, ProgFehlFile, MArchPage, MNurFehl, M_ARSoList, M_ARBew};
    bool completed = false;
    try {
        run.main();
        completed = true;
    } catch (const Cancelled&) {
        // A cancelled report makes no result file; the work files go with the
        // clean-up below.
        ui().infoList().Add(twoLanguages("Bericht abgebrochen, keine Ergebnisdatei geschrieben.",
                                         "Report cancelled, no result file written."));
    } catch (const ProgramEndRequested&) {
        run.ergfile.close();
        cleanUp();
        throw;
    } catch (const std::exception& e) {
        // Whatever the answer, nothing goes on with a half-written report: the
        // result file is never left incomplete (it is written in one piece), and
        // the user is told that there is none.
        const int answer = ErrPtnr::OnError(QStringLiteral("XHAP"), QStringLiteral("DruckQslProg"), e);
        run.ergfile.close();
        if (ErrPtnr::actionFor(answer) == ErrPtnr::ErrorAction::End) {
            cleanUp();
            throw ProgramEndRequested();
        }
        if (run.fileOn)
            ui().messageBox(QStringLiteral("ergfile"),
                            twoLanguages("Die Ergebnisdatei %1 wurde nicht geschrieben.",
                                         "The result file %1 was not written.")
                                .arg(ErgFile),
                            0x30);
    }
    run.ergfile.close();
    if (completed) {
        try {
            appendToResFile();
        } catch (const std::exception& e) {
            ErrPtnr::OnError(QStringLiteral("XHAP"), QStringLiteral("DruckQslProg"), e);
        }
    }
    cleanUp();
}
