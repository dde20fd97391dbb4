#include "prediction/prognoseqsl.h"
#include "calculation/calcinterface.h"
#include "dialogue/dia.h"
#include "frame/database.h"
#include "frame/errptnr.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/textlib.h"
#include "prediction/execqsl.h"
#include "prediction/execqslbtd.h"
#include "prediction/profiles.h"
#include "prediction/proginit.h"
#include "prediction/runparams.h"
#include "printing/archiv.h"
#include "printing/printjob.h"
#include "printing/printoutput.h"
#include "report/druckqslprog.h"

#include <QDir>


namespace {

const QString Abbruch = QStringLiteral("ABBRUCH");

QString txt(const char* de, const char* en)
{
    return prog().LangNr == 2 ? QString::fromUtf8(en) : QString::fromUtf8(de);
}

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

// The Q-list screen. False when the user cancelled it.
bool askQsl(QString criteria[4])
{
    Program& p = prog();
    QStringList& f = p.DiaFelder;
    const QString tsa = GetParam(p.Cf, QStringLiteral("Tsa"));
    while (true) {
        f[0] = p.WorkStr[16];
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
            p.WorkStr[16] = f.value(0).trimmed().toUpper();
            return true;
        }
    }
}

void runStoredProfile(const QString& desc, const QString& progmodus, bool ADruck, RunResources& res)
{
    Program& p = prog();
    const int lang = p.LangNr;
    QString& sy = SyPar();
    QString& gl = GlPar();
    sy.clear();

    if (isNewProfileMode(progmodus)) {
        // New profiles are asked in dialogs; without a person they cannot be made.
        ui().messageBox(QStringLiteral("newprof"),
                        txt("Neue Profile werden im Dialog erstellt; %1 ist hier nicht möglich.",
                            "New profiles are made in dialogs; %1 is not possible here.")
                            .arg(progmodus),
                        Mb::OKOnly | Mb::Exclamation);
        return;
    }

    // The profile.
    QString name;
    if (progmodus == QLatin1String("standardprof.ql"))
        name = QStringLiteral("Standard");
    else if (progmodus == QLatin1String("selectprof.ql")) {
        name = frmProgProfil::SelProfile(2);
        if (name == Abbruch)
            return;
    } else
        name = progmodus.trimmed();
    const std::optional<StoredProfile> profile = readProfile(name);
    if (!profile) {
        // A run under an unknown name would compute no method at all and still
        // print an empty report as if it had succeeded.
        ui().messageBox(QStringLiteral("profil"),
                        txt("Das Prognose-Profil \"%1\" ist nicht gespeichert.",
                            "The prediction profile \"%1\" is not stored.")
                            .arg(name),
                        Mb::OKOnly | Mb::Exclamation);
        return;
    }
    gl = profile->methods;
    sy = profile->control;

    const QString qpsp = GetParam(sy, QStringLiteral("Qpsp"));
    bool mainPath = flagSet(sy, QStringLiteral("HwNw")) && !maxOnly(sy) && !qpsp.isEmpty() && p.HwNwKonfig &&
                    !(qpsp.mid(2, 1) == QLatin1String("0") && qpsp.mid(6, 1) == QLatin1String("0"));
    bool specialList = flagSet(sy, QStringLiteral("ARSoList")) && p.SonderArKonfig && Exist(p.SonderArDatei);
    bool weighting = flagSet(sy, QStringLiteral("ARBewert")) && p.YkBewFaktor != 0;

    // The Q-list.
    QString crit[4]; // number, type, item number, user number
    if (desc.isEmpty()) {
        if (!askQsl(crit))
            return;
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
    SetParam(sy, QStringLiteral("Qz"), p.WorkStr[16]);
    const char* qkeys[] = {"Qlnr", "Qtyp", "Qyk", "Qan"};
    for (int i = 0; i < 4; ++i)
        if (!crit[i].isEmpty())
            sy += u',' + QString::fromLatin1(qkeys[i]) + u'=' + crit[i];

    // The result file.
    const QString resDir = GetParam(p.Cf, QStringLiteral("ResDir"));
    const QString file = GetParam(sy, QStringLiteral("File"));
    QString ErgFile, ProgFehlFile;
    bool autoName = false;
    if (file.isEmpty()) {
    } else if (file.size() > 4 && file.startsWith(QLatin1String("Std|"))) {
        ErgFile = resDir + u'\\' + file.mid(4);
        ProgFehlFile = ErgFile + QStringLiteral("_Fehl");
    } else if (ADruck || file == QLatin1String("Std")) {
        autoName = true;
        ErgFile = resDir;
    } else {
        QString dir = resDir, chosen;
        if (!WahlErgDatei(dir, ResText(QStringLiteral("299"), lang, true), QString(), chosen, 0))
            return;
        ErgFile = dir;
    }

    // A result directory that is not there yet (a new installation) is made,
    // rather than computing the whole run and then failing to write its file.
    if (!ErgFile.isEmpty())
        QDir().mkpath(nativePath(resDir));

    // Expansion and calculation.
    InfoList& info = ui().infoList();
    QString title = ResText(QStringLiteral("214"), lang, true);
    if (!name.isEmpty())
        title += (lang == 2 ? QStringLiteral("          Profile:  ") : QStringLiteral("          Profil:  ")) + name;
    info.Begin(title);
    res.infoOpen = true;
    info.Add(QStringLiteral("Proc: ExecQslBtd"));
    info.Add(QString());
    info.Wait(2);

    p.WorkStr[16] = GetParam(sy, QStringLiteral("Qz"));
    const QString qpdr = GetParam(sy, QStringLiteral("Qpdr"));
    const QString norm = GetParam(gl, QStringLiteral("Norm"));
    p.RunStr[RunSlot::Methods] = norm;
    bool lean = qpdr == QLatin1String("00000070") && qpsp == QLatin1String("0000007");

    QString Lnr;
    const QString head = ExecQslBtd(lean, Lnr, specialList);
    if (head == Abbruch)
        return;
    info.Add(QString(20, QChar(0x2500)));

    if (methodIn(norm, u'3')) {
        try {
            p.AwsDb = Database::open(joinDesignPath(p.WorkStr[9], QStringLiteral("ARAWS.sqlite")), true);
        } catch (const DbError& e) {
            // Without the user list the run cannot compute what was asked; the
            // run ends, the program goes on.
            MsgBoxRes(QStringLiteral("473"), Mb::OKOnly, lang,
                      {QStringLiteral("  XHAP: PrognoseQsl !   "), QString::number(e.number()), e.message()});
            return;
        }
    }

    if (ExecQsl(lean, mainPath, weighting) == Abbruch)
        return;

    // Output.
    if (autoName) {
        QString dir = resDir, fileName;
        if (!WahlErgDatei(dir, Lnr, QStringLiteral(".slk"), fileName, 1))
            return;
        ErgFile = dir;
    }
    p.ErgLnr = Lnr;

    PrintState& ps = printState();
    QString archiveBez, printBez, fileBez;
    if (ps.ArchivAktiv) {
        archiveBez = ArchivBez(head, QStringLiteral("PROGQL"), p.WorkStr[16], Lnr);
        if (!archiveBez.isEmpty()) {
            const QString& typ = ps.ProgTyp;
            if (typ == QLatin1String("PRT") || typ == QLatin1String("PRT1"))
                printBez = archiveBez;
            else if (typ == QLatin1String("DAT1"))
                (ErgFile.isEmpty() ? printBez : fileBez) = archiveBez;
            else if (typ == QLatin1String("DAT"))
                fileBez = archiveBez;
        }
    }
    const bool archPage = !printBez.isEmpty();
    bool onlyErrors = false;
    DruckQslProg(ADruck, ErgFile, ProgFehlFile, archPage, onlyErrors, specialList, weighting);
    if (onlyErrors) {
        archiveBez.clear();
        printBez.clear();
        fileBez.clear();
    }
    p.AwsDb.reset();
    info.Finish();
    res.infoOpen = false;

    // Closing.
    res.jobOpen = false;
    PrAusgabe(printBez, ADruck ? 1 : 0);
    if (!archiveBez.isEmpty()) {
        if ((ps.ProgTyp == QLatin1String("PRT1") && printBez == Abbruch && !ErgFile.isEmpty()) || mainPath)
            fileBez = archiveBez;
        // A profile may ask for the main path without a result file; there is
        // then nothing to store.
        if (!fileBez.isEmpty() && !ErgFile.isEmpty() && Exist(ErgFile))
            ArchivSpeichern(fileBez, ErgFile, QStringLiteral("slk"));
    }
}

} // namespace

void PrognoseQsl(const QString& desc, const QString& progmodus, bool ADruck)
{
    ErrPtnr::CallStack(QStringLiteral("[XHAP] Sub PrognoseQsl(desc$, progmodus$, ADruck)"));
    ErrPtnr::CallStackParam(QStringLiteral("desc"), desc);
    ErrPtnr::CallStackParam(QStringLiteral("progmodus"), progmodus);
    ErrPtnr::CallStackParam(QStringLiteral("ADruck"), ADruck);

    if (!ProgInit())
        return;
    if (!PrInit())
        return;
    ErrPtnr::guarded(QStringLiteral("XHAP"), QStringLiteral("PrognoseQsl"), false, [&] {
        RunResources res;
        res.jobOpen = true;
        try {
            runStoredProfile(desc, progmodus, ADruck, res);
        } catch (const CalculationAborted&) {
            // Message 473 was shown; the run ends with what it has opened closed.
        }
        return true;
    });
}
