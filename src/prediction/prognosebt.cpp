#include "prediction/prognosebt.h"
#include "calculation/calcinterface.h"
#include "calculation/conditions.h"
#include "calculation/mil.h"
#include "calculation/norm.h"
#include "component_entry/belastein.h"
#include "component_entry/eingabebauteil.h"
#include "component_entry/eingabetypyk.h"
#include "component_entry/ergliste.h"
#include "component_entry/kommerg.h"
#include "component_entry/pruefbtdaten.h"
#include "component_entry/pruefqkbelast.h"
#include "component_entry/weiterwahl.h"
#include "component_file/btrecord.h"
#include "component_file/btsuch.h"
#include "dialogue/beprogein.h"
#include "dialogue/dia.h"
#include "frame/codepage.h"
#include "frame/database.h"
#include "frame/errptnr.h"
#include "frame/itemnumber.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/workslots.h"
#include "frame/restext.h"
#include "prediction/druckbtprog.h"
#include "prediction/paramwahl.h"
#include "prediction/proginit.h"
#include "printing/archiv.h"
#include "printing/printjob.h"
#include "printing/printoutput.h"
#include "report/listing.h"
#include "report/paramtext.h"

namespace {

const QString Abbruch = QStringLiteral("ABBRUCH");

// Shows what the screen listing holds since its last page and starts the next.
QString showPage()
{
    QString ret;
    DiaBTX(QString(), QStringLiteral("#7"), prog().ErgZeilenC, ret);
    ErgLf(-1, 0);
    return ret;
}

void discardJob()
{
    QString none;
    PrAusgabe(none, -1);
}

QString designationOf(const QString& ident)
{
    for (const char* k : {"Typ", "Yk", "An"}) {
        const QString v = GetParam(ident, QLatin1String(k));
        if (!v.isEmpty())
            return v;
    }
    return QString();
}

// The component key of an identity item given by the caller.
QString keyOfArgument(const QString& key)
{
    const qsizetype eq = key.indexOf(u'=');
    const QString value = eq >= 0 ? key.mid(eq + 1) : QString();
    if (key.contains(QLatin1String("Yk")))
        return SachNrForm(value).leftJustified(DesignationLength, u' ', true) + u'S';
    if (key.contains(QLatin1String("Typ")))
        return value.leftJustified(DesignationLength, u' ', true) + u'T';
    if (key.contains(QLatin1String("An")))
        return value.leftJustified(DesignationLength, u' ', true) + u'A';
    return QString();
}

enum class Step { Parameters, Component, End };

// What the passes of the component loop share.
struct ComponentRun {
    QString& key;
    bool keyGiven = false;
    QString previous; // the last answer of the next-step menu
    Step step = Step::Parameters;
    QString ret;      // the last answer of a dialog in this pass
};

// The norm and user-list rates, and the MIL-HDBK-217F rates, of the component in
// the work strings. The user list is open only around the norm calculation.
// False when the user list could not be opened (message 473 shown).
bool compute(const QString& digits)
{
    Program& p = prog();
    if (digits.contains(u'1') || digits.contains(u'3')) {
        const bool userList = digits.contains(u'3');
        if (userList) {
            try {
                p.AwsDb = awsOpener()(joinDesignPath(p.WorkStr[Slot::AwsDir], QStringLiteral("ARAWS.sqlite")));
            } catch (const DbError& e) {
                MsgBoxRes(QStringLiteral("473"), Mb::OKOnly, p.LangNr,
                          {QStringLiteral("  XHAP: PrognoseBt !   "), QString::number(e.nativeCode()),
                           AnsiToOem(e.message())});
                return false;
            }
        }
        struct Closer {
            bool active;
            ~Closer()
            {
                if (active)
                    prog().AwsDb.reset();
            }
        } closer{userList};
        FitNorm(0);
    }
    if (digits.contains(u'2'))
        FitMil();
    return true;
}

// How the pass goes on after one of its steps.
enum class Pass { On, Restart, Stop };

// A fresh run: the work strings emptied and the reference asked. False when
// the user cancelled.
bool startRun()
{
    Program& p = prog();
    auto& W = p.WorkStr;
    for (int i = Slot::GlPar; i <= Slot::R; ++i)
        W[i].clear();
    W[Slot::SyPar] = QStringLiteral("Pw=ProBt");

    QString kz;
    int comTop = 0;
    if (frmBEProgEin::BEBacTecWahl(p.LangDir + QStringLiteral("btx\\div"), QStringLiteral("refber"), QString(), kz,
                                   QString(), 2, comTop, 1)
        == 1)
        return false;
    W[Slot::SyPar] += kz == QLatin1String("1") ? QStringLiteral(",Re=Ref") : QStringLiteral(",Re=Ber");
    W[Slot::SyPar] += QStringLiteral(",Vd=2");
    return true;
}

// The parameters shown for a look. Cancelled, they are asked again when the
// user came back to change them, and the run ends otherwise.
Pass showParameters(bool again)
{
    Program& p = prog();
    auto& W = p.WorkStr;
    frmBEProgEin::AnzQbSdTxt(1, W[Slot::Q]);
    frmBEProgEin::AnzQbSdTxt(2, W[Slot::S]);
    p.RunStr[RunSlot::Methods] = GetParam(W[Slot::GlPar], QStringLiteral("Norm"));
    ParamText(QStringLiteral("E"), false, false);
    if (showPage() != Abbruch)
        return Pass::On;
    if (again)
        return Pass::Restart;
    discardJob();
    return Pass::Stop;
}

// The component's data read from the component file into the work strings.
// False when the file could not give them (the user was told).
bool readStoredComponent(const QString& key, const QString& componentKey)
{
    Program& p = prog();
    auto& W = p.WorkStr;
    QString blockFile, blockText, record;
    const int found = HolBtInh(0, componentKey, blockFile, blockText, record);
    if (found == -2) {
        MsgBoxRes(QStringLiteral("170"), 0, p.LangNr, {componentKey, AnsiToOem(blockFile)});
        return false;
    }
    // The component file could not be read (the user was told which file):
    // entering the component as missing would hide that.
    if (found == 0)
        return false;
    if (found > 0 && !record.isEmpty()) {
        SetParam(W[Slot::SyPar], QStringLiteral("Badr"), blockFile);
        BtdTrenn(record);
        const bool byNumber = key.contains(QLatin1String("An")) || key.contains(QLatin1String("Yk"));
        const QString typ = GetParam(W[Slot::Ident], QStringLiteral("Typ"));
        if (byNumber && !typ.isEmpty())
            W[Slot::Ident] = QStringLiteral("Typ=") + typ + u',' + key;
        else if (!byNumber)
            W[Slot::Ident] = key;
    } else {
        W[Slot::Ident] = key;
        SetParam(W[Slot::SyPar], QStringLiteral("Badr"), QString());
    }
    return true;
}

// The component's class: refused for the classes without a model, and asked
// when the component file lacks the component. False when the run ends.
bool settleComponentClass(ComponentRun& run)
{
    Program& p = prog();
    auto& W = p.WorkStr;
    p.RunStr[RunSlot::Bac] = GetParam(W[Slot::Q], QStringLiteral("Bac"));
    if (p.RunStr[RunSlot::Bac].startsWith(QLatin1String("69"))) {
        MsgBoxRes(QStringLiteral("64"), 0, p.LangNr, {designationOf(W[Slot::Ident])});
        return false;
    }
    if (p.RunStr[RunSlot::Bac].isEmpty()) {
        // A designation the component file lacks (a typing error, or
        // a component never stored) is said before its data are asked.
        if (!run.key.isEmpty())
            MsgBoxRes(QStringLiteral("53"), 0, p.LangNr,
                      {designationOf(W[Slot::Ident]), ResText(QStringLiteral("483"), p.LangNr, false)});
        EingabeBauteil(run.ret);
        if (run.ret == Abbruch)
            return false;
        p.RunStr[RunSlot::Bac] = GetParam(W[Slot::Q], QStringLiteral("Bac"));
    }
    return true;
}

// The component: given by the caller or asked, read, checked and shown.
// False when the run ends (its print job is then dropped).
bool chooseComponent(ComponentRun& run)
{
    Program& p = prog();
    auto& W = p.WorkStr;
    W[Slot::Ident].clear();
    QString componentKey;
    if (run.keyGiven) {
        componentKey = keyOfArgument(run.key);
    } else {
        EingabeTypYk(run.key, componentKey, run.ret);
        if (run.ret == Abbruch)
            return false;
    }
    if (!run.key.isEmpty() && !readStoredComponent(run.key, componentKey))
        return false;
    if (!settleComponentClass(run))
        return false;
    frmBEProgEin::AnzQbSdTxt(1, W[Slot::Q]);
    PruefBtDaten();
    return showPage() != Abbruch;
}

// The component's stress: asked and shown, or only checked when the user came
// back to change the parameters. False when the run ends.
bool enterStress(ComponentRun& run)
{
    auto& W = prog().WorkStr;
    if (run.previous == QLatin1String("GL")) {
        PruefBtDaten();
        PruefQkBelast();
        return true;
    }
    frmBEProgEin::AnzQbSdTxt(1, W[Slot::Q]);
    if (run.previous == QLatin1String("SD"))
        PruefBtDaten();
    BelastEin(QStringLiteral("EBT"), run.ret);
    if (run.ret == Abbruch)
        return false;
    PruefQkBelast();
    return showPage() != Abbruch;
}

// The rates of the methods asked for. False when they could not be computed.
bool computeRates(const QString& digits)
{
    try {
        return compute(digits);
    } catch (const CalculationAborted&) {
        // Message 473 was shown by the look-up that failed.
        return false;
    }
}

// The results on screen and, when asked, printed and archived. False when the
// user cancelled the comments before the printout.
bool showResults(const QString& key, const QString& digits)
{
    Program& p = prog();
    auto& W = p.WorkStr;
    ErgFehlList();
    ErgTabelle(digits);
    if (showPage() == Abbruch) {
        discardJob();
        return true;
    }
    const QString Vd = GetParam(W[Slot::SyPar], QStringLiteral("Vd"));
    const QString bac = GetParam(W[Slot::Q], QStringLiteral("Bac"));
    p.RunStr[RunSlot::Bac] = bac;
    p.RunStr[RunSlot::Bac1] = bac.left(1);
    if (Vd <= QLatin1String("2") && bac.startsWith(u'1'))
        KommErg();
    const QString comments = showPage();
    bool archivePage = false;
    QString archiveTitle;
    const PrintState& ps = printState();
    if (ps.ArchivAktiv && ps.ArchivArt.contains(QLatin1String("PROGBE"))) {
        archivePage = true;
        archiveTitle = ArchivBez(key, QStringLiteral("PROGBE"), QString(), QString());
    }
    if (Vd > QLatin1String("1")) {
        if (comments == Abbruch)
            return false;
        DruckBtProg(archivePage);
    }
    PrAusgabe(archiveTitle, 0);
    return true;
}

// The next step as the user chooses it. False when the next print job could
// not be started.
bool chooseNextStep(ComponentRun& run)
{
    run.previous = WeiterWahl();
    if (run.previous != Abbruch && !PrInit())
        return false;
    run.keyGiven = false;
    if (run.previous == QLatin1String("KB")) {
        run.step = Step::Component;
    } else if (run.previous == QLatin1String("GL") || run.previous == QLatin1String("SD")) {
        run.step = Step::Parameters;
    } else {
        discardJob();
        run.step = Step::End;
    }
    return true;
}

// One pass of the loop: parameters, component, stress, rates, results, next
// step. Stop when the run ends before the next-step menu.
Pass runPass(ComponentRun& run)
{
    Program& p = prog();
    run.ret.clear();
    // 1. The parameters
    if (run.step == Step::Parameters) {
        ParamWahl(run.ret, true);
        if (run.ret == Abbruch) {
            discardJob();
            return Pass::Stop;
        }
    }
    const bool again = run.previous == QLatin1String("GL") || run.previous == QLatin1String("SD");
    switch (showParameters(again)) {
    case Pass::On:
        break;
    case Pass::Restart:
        run.step = Step::Parameters;
        return Pass::On;
    case Pass::Stop:
        return Pass::Stop;
    }
    // 2. The component, unless only the parameters or stress change
    // 3. Its stress
    if ((!again && !chooseComponent(run)) || !enterStress(run)) {
        discardJob();
        return Pass::Stop;
    }
    run.previous.clear();
    // 4. Rates and results. A component whose rates could not be computed has
    // its printout dropped; the run offers the next step, so that another
    // component or other methods can follow.
    PosBelastung(0);
    const QString digits = p.RunStr[RunSlot::Methods];
    if (!computeRates(digits)) {
        discardJob();
    } else if (!showResults(run.key, digits)) {
        discardJob();
        return Pass::Stop;
    }
    // 5. The next step
    return chooseNextStep(run) ? Pass::On : Pass::Stop;
}

} // namespace

AwsOpener& awsOpener()
{
    static AwsOpener opener = [](const QString& path) { return Database::open(path, true); };
    return opener;
}

void PrognoseBt(QString& key)
{
    ErrPtnr::CallStack(QStringLiteral("[XHAP] Sub PrognoseBt(key$)"));
    ErrPtnr::CallStackParam(QStringLiteral("key$"), key);
    ErrPtnr::guarded(QStringLiteral("XHAP"), QStringLiteral("PrognoseBt"), false, [&] {
        // 1. The reference, then the run's and the print job's start
        if (!startRun())
            return false;
        if (!ProgInit())
            return false;
        if (!PrInit())
            return false;
        // 2. Component after component until the user ends the run
        ComponentRun run{key, !key.isEmpty(), QString(), Step::Parameters, QString()};
        while (run.step != Step::End) {
            if (runPass(run) == Pass::Stop)
                return false;
        }
        return true;
    });
}
