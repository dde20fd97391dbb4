#include "prediction/prognoseqsl.h"
#include "calculation/calcinterface.h"
#include "frame/codepage.h"
#include "dialogue/dia.h"
#include "frame/database.h"
#include "frame/errptnr.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/outputfiles.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/runphases.h"
#include "frame/textlib.h"
#include "prediction/execqsl.h"
#include "prediction/ausgabewahl.h"
#include "prediction/execqslbtd.h"
#include "prediction/normwahl.h"
#include "prediction/paramwahl.h"
#include "prediction/profiles.h"
#include "prediction/proginit.h"
#include "prediction/runparams.h"
#include "printing/archiv.h"
#include "printing/printjob.h"
#include "printing/printoutput.h"
#include "report/druckqslprog.h"
#include "report/listing.h"
#include "report/paramtext.h"

#include <QDir>
#include <QFileInfo>
#include <array>


namespace {

const QString Abbruch = QStringLiteral("ABBRUCH");

bool isNewProfileMode(const QString& mode)
{
    return mode == QLatin1String("newprof.ql") || mode == QLatin1String("newprofspstd.ql") ||
           mode == QLatin1String("newprofspwahl.ql");
}

// Everything a run has opened is closed however the run ends: the progress
// window, the user failure-rate list, and the print job when the run did not
// reach its output (a job left open would only be dropped by the next run).
struct RunResources {
    bool infoOpen = false;
    bool jobOpen = false;
    ~RunResources()
    {
        Program& p = prog();
        p.AwsDb.reset();
        // The reference data may change between runs: the next run asks afresh.
        if (p.SystDb)
            p.SystDb->setLookupCache(false);
        if (infoOpen)
            ui().infoList().Finish();
        if (jobOpen) {
            QString none;
            try {
                PrAusgabe(none, -1);
            } catch (...) {
                closePageFiles();
            }
        }
        p.ErgLnr.clear();
    }
};

// A result file name taken before the report is written is given back when the
// run ends without writing the file, so that no empty file stays behind.
struct ReservedResultFile {
    QString nativeFile;
    ~ReservedResultFile()
    {
        if (!nativeFile.isEmpty())
            releaseReservedFile(nativeFile);
    }
};

// The rows a SYLK result file can address: its row cursor is 16-bit.
constexpr qint64 SylkRows = 32767;

// The position table of a result file takes a row per position below at least
// one head row: a list with more positions cannot be written, and is refused
// before anything is computed.
bool resultFileHolds(qint64 positions)
{
    if (positions + 1 <= SylkRows)
        return true;
    ui().messageBox(QStringLiteral("sylkzeilen"),
                    txt("Die Q-Liste hat %1 Positionen; die Ergebnisdatei (SYLK) fasst höchstens %2 Zeilen. Die "
                        "Prognose wird nicht gerechnet.",
                        "The Q-list has %1 positions; the result file (SYLK) holds at most %2 rows. The prediction "
                        "is not computed.")
                        .arg(positions)
                        .arg(SylkRows),
                    Mb::OKOnly | Mb::Exclamation);
    return false;
}

// The Q-list screen. False when the user cancelled it.
bool askQsl(QString criteria[4])
{
    Program& p = prog();
    QStringList& f = diaFields();
    const QString tsa = GetParam(p.Cf, QStringLiteral("Tsa"));
    while (true) {
        f[0] = p.WorkStr[Slot::Qz];
        f[1].clear();
        f[2].clear();
        f[3].clear();
        if (!tsa.contains(u'T'))
            f[2].clear();
        if (!tsa.contains(u'S'))
            f[3].clear();
        if (!tsa.contains(u'A'))
            f[4].clear();
        QString kz, startBis, ret;
        DiaDIN(p.LangDir + QStringLiteral("qsl\\kopfpos"), QStringLiteral("suchqz"), kz, startBis, f, ret);
        if (ret == Abbruch)
            return false;
        bool any = false;
        for (int i = 0; i < 4; ++i) {
            criteria[i] = f.value(i + 1).trimmed().toUpper();
            any = any || !criteria[i].isEmpty();
        }
        if (any) {
            p.WorkStr[Slot::Qz] = f.value(0).trimmed().toUpper();
            return true;
        }
    }
}

// Run flags that the parameters decide.
struct RunFlags {
    bool mainPath = false;
    bool specialList = false;
    bool weighting = false;
};

// The method the result file is written for, when it is written (it holds the
// results of one method only). False when the user cancelled the choice.
bool chooseFileMethod()
{
    Program& p = prog();
    QString& gl = GlPar();
    p.RunStr[RunSlot::Methods] = GetParam(gl, QStringLiteral("Norm"));
    const QString& norm = p.RunStr[RunSlot::Methods];
    std::array<bool, 4> marks{false, methodIn(norm, u'1'), methodIn(norm, u'3'), methodIn(norm, u'2')};
    const int count = int(marks[1]) + int(marks[2]) + int(marks[3]);
    int r = 0;
    if (count >= 2) {
        r = frmBEBez::NormWahl(marks);
        if (r == -1)
            return false;
    } else {
        for (int i = 1; i <= 3; ++i)
            if (marks[i])
                r = i;
    }
    // A method list without any method has nothing to store.
    if (r != 0 || count >= 2)
        gl += QStringLiteral(",Spnorm=") + QString::number(r);
    return true;
}

// The parameters as the listing describes them, for a last look. False when
// the user cancelled.
bool reviewParameters(QString& ret)
{
    Program& p = prog();
    ParamText(QStringLiteral("QC"), false, false);
    DiaBTX(QString(), QStringLiteral("#7"), p.ErgZeilenC, ret);
    p.WorkStr[Slot::Record] = emptyListRecord();
    ErgLf(-1, 0);
    return ret != Abbruch;
}

// Whether the run also computes the main path, when the output allows it.
void askMainPath(RunFlags& flags)
{
    Program& p = prog();
    QString& sy = SyPar();
    const QString qpsp = GetParam(sy, QStringLiteral("Qpsp"));
    if (!qpsp.isEmpty() && p.HwNwKonfig && !(qpsp.mid(2, 1) == QLatin1String("0") && qpsp.mid(6, 1) == QLatin1String("0")) &&
        !maxOnly(sy)) {
        if (MsgBoxRes(QStringLiteral("490"), Mb::YesNo | Mb::QuestionIcon, p.LangNr) == Mb::Yes) {
            flags.mainPath = true;
            sy += QStringLiteral(",HwNw=-1");
        }
    }
}

// Whether the norm rates come from the special failure-rate list. That list
// holds norm rates only, so the other methods are dropped with it.
void askSpecialList(RunFlags& flags)
{
    Program& p = prog();
    const int lang = p.LangNr;
    QString& sy = SyPar();
    QString& gl = GlPar();
    if (MsgBoxRes(QStringLiteral("526"), Mb::YesNo | Mb::QuestionIcon, lang) != Mb::Yes)
        return;
    flags.specialList = true;
    sy += QStringLiteral(",ARSoList=-1");
    const QString norm = GetParam(gl, QStringLiteral("Norm"));
    if (methodIn(norm, u'2') || methodIn(norm, u'3')) {
        MsgBoxRes(QStringLiteral("528"), Mb::OKOnly | Mb::Information, lang);
        SetParam(gl, QStringLiteral("Norm"), QStringLiteral("10000"));
        SetParam(gl, QStringLiteral("Envm"), QString());
        for (const char* k : {"Qk1m", "Qk2m", "Qk3m", "Qk4m", "Qk5m"})
            SetParam(gl, QString::fromLatin1(k), QString());
        if (readLeadingNumber(GetParam(gl, QStringLiteral("Spnorm"))) > 1)
            SetParam(gl, QStringLiteral("Spnorm"), QStringLiteral("1"));
    }
}

// The options of the norm method: the special list and the weighting of norm rates.
void askNormOptions(RunFlags& flags)
{
    Program& p = prog();
    QString& sy = SyPar();
    if (!methodIn(GetParam(GlPar(), QStringLiteral("Norm")), u'1'))
        return;
    if (p.SonderArKonfig)
        askSpecialList(flags);
    if (p.YkBewFaktor != 0) {
        if (MsgBoxRes(QStringLiteral("527"), Mb::YesNo | Mb::QuestionIcon, p.LangNr,
                      {plainNumber(p.YkBewFaktor, true)}) == Mb::Yes) {
            flags.weighting = true;
            sy += QStringLiteral(",ARBewert=-1");
        }
    }
}

// The parameter strings without a leading separator, and the result file's mode.
void tidyParameters(const QString& progmodus, bool withFile)
{
    QString& sy = SyPar();
    QString& gl = GlPar();
    if (sy.startsWith(u','))
        sy.remove(0, 1);
    if (gl.startsWith(u','))
        gl.remove(0, 1);
    if (withFile)
        SetParam(sy, QStringLiteral("File"),
                 progmodus == QLatin1String("newprofspstd.ql") ? QStringLiteral("Std") : QStringLiteral("Wahl"));
}

// The parameters stored under a name the user gives. Stored before the Q-list
// is asked: the profile stays even when the run is cancelled later.
void saveNewProfile(QString& name)
{
    name = frmProgProfil::SaveProfile();
    if (name == Abbruch)
        name.clear();
    if (!name.isEmpty() && !storeProfile(name, StoredProfile{GlPar(), SyPar()}))
        ui().messageBox(QStringLiteral("profilsave"),
                        txt("Das Prognose-Profil \"%1\" konnte nicht gespeichert werden.",
                            "The prediction profile \"%1\" could not be stored.")
                            .arg(name),
                        Mb::OKOnly | Mb::Exclamation);
}

// The new-profile path: the parameters are asked in the dialogs and may be
// stored as a profile. False when the user cancelled a dialog (the run then
// goes to its closing).
bool askNewProfile(const QString& progmodus, QString& name, RunFlags& flags)
{
    // 1. The parameters
    SetParam(SyPar(), QStringLiteral("Pw"), QStringLiteral("ProQs"));
    QString ret;
    ParamWahl(ret, false);
    if (ret == Abbruch)
        return false;
    // 2. The method of the result file
    const bool withFile = progmodus.contains(QLatin1String("newprofsp"));
    if (withFile && !chooseFileMethod())
        return false;
    // 3. A last look at the parameters
    if (ret != QLatin1String("Standard") && !reviewParameters(ret))
        return false;
    // 4. The output
    AusgabeWahl(ret, withFile);
    if (ret == Abbruch)
        return false;
    // 5. Main path, special list, weighting
    askMainPath(flags);
    askNormOptions(flags);
    // 6. Tidy parameter strings
    tidyParameters(progmodus, withFile);
    // 7. Store the profile when asked
    if (ret == QLatin1String("SPEICH"))
        saveNewProfile(name);
    return true;
}

// The stored-profile path. False when no profile was chosen or it is not stored.
bool readStoredProfile(const QString& progmodus, QString& name, RunFlags& flags)
{
    Program& p = prog();
    QString& sy = SyPar();
    QString& gl = GlPar();
    if (progmodus == QLatin1String("standardprof.ql"))
        name = QStringLiteral("Standard");
    else if (progmodus == QLatin1String("selectprof.ql")) {
        name = frmProgProfil::SelProfile(2);
        if (name == Abbruch)
            return false;
    } else
        name = progmodus.trimmed();
    // A profile that cannot give the run its methods and conditions stops the
    // run before anything is computed: the user learns what to mend.
    if (const QString problem = storedProfileProblem(name); !problem.isEmpty()) {
        ui().messageBox(QStringLiteral("profil"), problem, Mb::OKOnly | Mb::Exclamation);
        return false;
    }
    const std::optional<StoredProfile> profile = readProfile(name);
    if (!profile) {
        // A run under an unknown name would compute no method at all and still
        // print an empty report as if it had succeeded.
        ui().messageBox(QStringLiteral("profil"),
                        txt("Das Prognose-Profil \"%1\" ist nicht gespeichert.",
                            "The prediction profile \"%1\" is not stored.")
                            .arg(name),
                        Mb::OKOnly | Mb::Exclamation);
        return false;
    }
    gl = profile->methods;
    sy = profile->control;

    const QString qpsp = GetParam(sy, QStringLiteral("Qpsp"));
    flags.mainPath = flagSet(sy, QStringLiteral("HwNw")) && !maxOnly(sy) && !qpsp.isEmpty() && p.HwNwKonfig &&
                     !(qpsp.mid(2, 1) == QLatin1String("0") && qpsp.mid(6, 1) == QLatin1String("0"));
    // A profile that includes the special failure-rate list is computed with it
    // or not at all: without it the rates would differ from those asked for.
    if (flagSet(sy, QStringLiteral("ARSoList")) && (!p.SonderArKonfig || !Exist(p.SonderArDatei))) {
        ui().messageBox(QStringLiteral("SonderAR"),
                        p.SonderArKonfig
                            ? txt("Das Prognose-Profil \"%1\" schließt die Sonder-Ausfallratenliste ein, aber die "
                                  "Datei %2 ist nicht vorhanden.",
                                  "The prediction profile \"%1\" includes the special failure-rate list, but the "
                                  "file %2 does not exist.")
                                  .arg(name, QDir::toNativeSeparators(nativePath(p.SonderArDatei)))
                            : txt("Das Prognose-Profil \"%1\" schließt die Sonder-Ausfallratenliste ein, aber tarn.ini "
                                  "nennt keine (Abschnitt [Sonder-AR], Schlüssel ARListe).",
                                  "The prediction profile \"%1\" includes the special failure-rate list, but tarn.ini "
                                  "names none (section [Sonder-AR], key ARListe).")
                                  .arg(name),
                        Mb::OKOnly | Mb::Exclamation);
        return false;
    }
    flags.specialList = flagSet(sy, QStringLiteral("ARSoList")) && p.SonderArKonfig;
    flags.weighting = flagSet(sy, QStringLiteral("ARBewert")) && p.YkBewFaktor != 0;
    return true;
}

// What the steps of a run share.
struct PredictionRun {
    QString name;  // the profile's name, shown in the progress window
    RunFlags flags;
    QString qpsp;  // what the result file holds
    QString resDir;
    QString ErgFile, ProgFehlFile;
    bool autoName = false;  // the result file is named after the Q-list once it is known
    bool resultFileWanted = false;
    bool lean = false;
    QString norm;
    QString Lnr, head;
    QStringList cycles;
};

// The run's parameters: asked as a new profile or read from a stored one.
// False when the run does not go on.
bool chooseProfile(const QString& progmodus, bool ADruck, PredictionRun& run)
{
    if (!isNewProfileMode(progmodus))
        return readStoredProfile(progmodus, run.name, run.flags);
    if (ADruck) {
        // New profiles are asked in dialogs; without a person they cannot be made.
        ui().messageBox(QStringLiteral("newprof"),
                        txt("Neue Profile werden im Dialog erstellt; %1 ist hier nicht möglich.",
                            "New profiles are made in dialogs; %1 is not possible here.")
                            .arg(progmodus),
                        Mb::OKOnly | Mb::Exclamation);
        return false;
    }
    return askNewProfile(progmodus, run.name, run.flags);
}

// An archive that should keep this run but could not be opened at start:
// a batch job would end without its archive entry, so it does not run.
bool archiveReady(bool ADruck)
{
    const PrintState& ps = printState();
    if (!ADruck || ps.archiveProblem.isEmpty() || !ps.ArchivArt.contains(QLatin1String("PROGQL")))
        return true;
    ui().messageBox(QStringLiteral("archiv"),
                    txt("Das Archiv in %1 ist nicht lesbar (%2); die Prognose wird nicht gerechnet.",
                        "The archive in %1 cannot be read (%2); the prediction is not computed.")
                        .arg(QDir::toNativeSeparators(nativePath(ps.ArchivDir)), ps.archiveProblem),
                    Mb::OKOnly | Mb::Exclamation);
    return false;
}

// The Q-list, from the job's description or asked on screen, entered in the
// run's parameters. False when the user cancelled.
bool chooseQsl(const QString& desc)
{
    Program& p = prog();
    QString& sy = SyPar();
    QString crit[4]; // number, type, item number, user number
    if (desc.isEmpty()) {
        if (!askQsl(crit))
            return false;
    } else {
        const char* keys[] = {"Ln", "Typ", "Yk", "An"};
        for (int i = 0; i < 4; ++i) {
            const QString v = GetParam(desc, QString::fromLatin1(keys[i]));
            if (!v.isEmpty()) {
                crit[i] = v;
                break;
            }
        }
    }
    SetParam(sy, QStringLiteral("Qz"), p.WorkStr[Slot::Qz]);
    const char* qkeys[] = {"Qlnr", "Qtyp", "Qyk", "Qan"};
    for (int i = 0; i < 4; ++i)
        if (!crit[i].isEmpty())
            sy += u',' + QString::fromLatin1(qkeys[i]) + u'=' + crit[i];
    return true;
}

// Where the result file goes: a fixed name, a name made later from the
// Q-list, or a name the user chooses now. False when the user cancelled.
bool chooseResultFile(bool ADruck, PredictionRun& run)
{
    Program& p = prog();
    run.resDir = GetParam(p.Cf, QStringLiteral("ResDir"));
    const QString file = GetParam(SyPar(), QStringLiteral("File"));
    if (file.isEmpty()) {
    } else if (file.size() > 4 && file.startsWith(QLatin1String("Std|"))) {
        run.ErgFile = run.resDir + u'\\' + file.mid(4);
        run.ProgFehlFile = run.ErgFile + QStringLiteral("_Fehl");
    } else if (ADruck || file == QLatin1String("Std")) {
        run.autoName = true;
        run.ErgFile = run.resDir;
    } else {
        QString dir = run.resDir, chosen;
        if (!WahlErgDatei(dir, ResText(QStringLiteral("299"), p.LangNr, true), QString(), chosen, 0))
            return false;
        run.ErgFile = dir;
    }
    // A result directory that is not there yet (a new installation) is made,
    // rather than computing the whole run and then failing to write its file.
    if (!run.ErgFile.isEmpty())
        QDir().mkpath(nativePath(run.resDir));
    return true;
}

// The progress window, titled with the profile's name.
void openProgress(const PredictionRun& run, RunResources& res)
{
    const int lang = prog().LangNr;
    InfoList& info = ui().infoList();
    QString title = ResText(QStringLiteral("214"), lang, true);
    if (!run.name.isEmpty())
        title += (lang == 2 ? QStringLiteral("          Profile:  ") : QStringLiteral("          Profil:  ")) + run.name;
    info.Begin(title);
    res.infoOpen = true;
    info.Add(lang == 2 ? QStringLiteral("Expanding the Q-list") : QStringLiteral("Auflösen der Q-Liste"));
    info.Add(QString());
    info.Wait(2);
}

// The Q-list expanded into its positions. False when the expansion was
// cancelled or the result file could not hold the positions.
bool expandQsl(PredictionRun& run)
{
    Program& p = prog();
    const QString& sy = SyPar();
    p.WorkStr[Slot::Qz] = GetParam(sy, QStringLiteral("Qz"));
    const QString qpdr = GetParam(sy, QStringLiteral("Qpdr"));
    run.norm = GetParam(GlPar(), QStringLiteral("Norm"));
    p.RunStr[RunSlot::Methods] = run.norm;
    run.lean = qpdr == QLatin1String("00000070") && run.qpsp == QLatin1String("0000007");

    // Only a result file with the position table needs a row per position.
    run.resultFileWanted = run.qpsp != QLatin1String("0000000");
    const bool positionRows =
        !run.ErgFile.isEmpty() && run.resultFileWanted && run.qpsp.mid(2, 1) == QLatin1String("3");
    run.head = ExecQslBtd(run.lean, run.Lnr, run.flags.specialList, &run.cycles, [&](qint64 positions) {
        return !positionRows || resultFileHolds(positions);
    });
    if (run.head == Abbruch)
        return false;
    ui().infoList().Add(QString(20, QChar(0x2500)));
    return true;
}

// The user failure-rate list, when its method is computed. Without it the run
// cannot compute what was asked; the run ends, the program goes on.
bool openUserList(const QString& norm)
{
    Program& p = prog();
    if (!methodIn(norm, u'3'))
        return true;
    try {
        p.AwsDb = Database::open(joinDesignPath(p.WorkStr[Slot::AwsDir], QStringLiteral("ARAWS.sqlite")), true);
        p.AwsDb->setLookupCache(true);
    } catch (const DbError& e) {
        MsgBoxRes(QStringLiteral("473"), Mb::OKOnly, p.LangNr,
                  {QStringLiteral("  XHAP: PrognoseQsl !   "), QString::number(e.nativeCode()),
                   AnsiToOem(e.message())});
        return false;
    }
    return true;
}

// The names under which the archive keeps the run's printout and result file.
struct ArchiveNames {
    QString archive, print, file;
};

ArchiveNames archiveNames(const PredictionRun& run, bool writesFile)
{
    const PrintState& ps = printState();
    ArchiveNames names;
    if (!ps.ArchivAktiv)
        return names;
    names.archive = ArchivBez(run.head, QStringLiteral("PROGQL"), prog().WorkStr[Slot::Qz], run.Lnr);
    if (names.archive.isEmpty())
        return names;
    const QString& typ = ps.ProgTyp;
    if (typ == QLatin1String("PRT") || typ == QLatin1String("PRT1"))
        names.print = names.archive;
    else if (typ == QLatin1String("DAT1"))
        (writesFile ? names.file : names.print) = names.archive;
    else if (typ == QLatin1String("DAT"))
        names.file = names.archive;
    return names;
}

// The printout closed (as PDF or on paper) and the result file archived.
void closeOutput(const PredictionRun& run, ArchiveNames& names, bool ADruck, RunResources& res)
{
    const PrintState& ps = printState();
    res.jobOpen = false;
    {
        PhaseScope phase(QStringLiteral("PDF"));
        PrAusgabe(names.print, ADruck ? 1 : 0);
    }
    if (names.archive.isEmpty())
        return;
    if ((ps.ProgTyp == QLatin1String("PRT1") && names.print == Abbruch && !run.ErgFile.isEmpty()) ||
        run.flags.mainPath)
        names.file = names.archive;
    // A profile may ask for the main path without a result file; there is
    // then nothing to store.
    if (!names.file.isEmpty() && !run.ErgFile.isEmpty() && Exist(run.ErgFile)) {
        PhaseScope phase(QStringLiteral("archive"));
        ArchivSpeichern(names.file, run.ErgFile, QStringLiteral("slk"));
    }
}

// The report, the result file and the archive copies. False when the run
// did not give a complete result.
bool writeOutput(PredictionRun& run, bool ADruck, RunResources& res)
{
    Program& p = prog();
    // A name is taken only for a file that will be written.
    ReservedResultFile reserved;
    if (run.autoName && !run.resultFileWanted) {
        run.ErgFile.clear();
    } else if (run.autoName) {
        QString dir = run.resDir, fileName;
        if (!WahlErgDatei(dir, run.Lnr, QStringLiteral(".slk"), fileName, 1))
            return false;
        run.ErgFile = dir;
        reserved.nativeFile = nativePath(run.ErgFile);
    }
    const bool writesFile = !run.ErgFile.isEmpty() && run.resultFileWanted;
    p.ErgLnr = run.Lnr;

    ArchiveNames names = archiveNames(run, writesFile);
    bool onlyErrors = false;
    {
        PhaseScope phase(QStringLiteral("report"));
        DruckQslProg(ADruck, run.ErgFile, run.ProgFehlFile, !names.print.isEmpty(), onlyErrors,
                     run.flags.specialList, run.flags.weighting);
    }
    if (onlyErrors)
        names = {};
    // A result file that should have been written and was not (the report said
    // why) fails the run, even though the printout goes on.
    const bool fileMissing = writesFile && !onlyErrors && QFileInfo(nativePath(run.ErgFile)).size() == 0;
    p.AwsDb.reset();
    ui().infoList().Finish();
    res.infoOpen = false;

    closeOutput(run, names, ADruck, res);
    // A Q-list that contains itself gives a result without the positions of
    // that circle: it is printed with its error list, but the run is not a
    // complete one (a batch job stays and says so in its exit status). So is a
    // run whose printout, PDF or archive copy could not be written.
    return run.cycles.isEmpty() && !fileMissing && !printState().outputFailed;
}

bool runPrediction(const QString& desc, const QString& progmodus, bool ADruck, RunResources& res)
{
    Program& p = prog();
    PredictionRun run;
    // 1. A fresh run: the system database is read-only during the run, so
    // every look-up is answered once and then from memory.
    SyPar().clear();
    runPhases().clear();
    if (p.SystDb)
        p.SystDb->setLookupCache(true);
    // 2. The parameters, from the dialogs or a stored profile
    if (!chooseProfile(progmodus, ADruck, run))
        return false;
    // 3. A batch job needs its archive
    if (!archiveReady(ADruck))
        return false;
    run.qpsp = GetParam(SyPar(), QStringLiteral("Qpsp"));
    // 4. The Q-list
    if (!chooseQsl(desc))
        return false;
    // 5. The result file
    if (!chooseResultFile(ADruck, run))
        return false;
    // 6. The progress window
    openProgress(run, res);
    // 7. Expansion
    if (!expandQsl(run))
        return false;
    // 8. The user failure-rate list
    if (!openUserList(run.norm))
        return false;
    // 9. Calculation
    if (ExecQsl(run.lean, run.flags.mainPath, run.flags.weighting) == Abbruch)
        return false;
    // 10. Report, result file, archive
    return writeOutput(run, ADruck, res);
}

} // namespace

bool PrognoseQsl(const QString& desc, const QString& progmodus, bool ADruck)
{
    ErrPtnr::CallStack(QStringLiteral("[XHAP] Sub PrognoseQsl(desc$, progmodus$, ADruck)"));
    ErrPtnr::CallStackParam(QStringLiteral("desc"), desc);
    ErrPtnr::CallStackParam(QStringLiteral("progmodus"), progmodus);
    ErrPtnr::CallStackParam(QStringLiteral("ADruck"), ADruck);

    if (!ProgInit())
        return false;
    if (!PrInit())
        return false;
    return ErrPtnr::guarded(QStringLiteral("XHAP"), QStringLiteral("PrognoseQsl"), false, [&] {
        RunResources res;
        res.jobOpen = true;
        try {
            return runPrediction(desc, progmodus, ADruck, res);
        } catch (const CalculationAborted&) {
            // Message 473 was shown; the run ends with what it has opened closed.
            return false;
        }
    });
}
