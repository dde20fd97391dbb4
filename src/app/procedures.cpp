#include "app/procedures.h"
#include "frame/workslots.h"
#include "calculation/names.h"
#include "calculation/systdb.h"
#include "component_editor/bebez.h"
#include "component_editor/btedit.h"
#include "component_editor/btsearch.h"
#include "component_entry/classparameters.h"
#include "component_entry/eingabebauteil.h"
#include "component_entry/posstress.h"
#include "component_file/awsedit.h"
#include "component_file/neuinh.h"
#include "component_file/ratetable.h"
#include "dialogue/beprogein.h"
#include "dialogue/dia.h"
#include "main_window/menutarn.h"
#include "component_file/mixbt.h"
#include "main_window/konfiguration.h"
#include "frame/program.h"
#include "frame/tarnstart.h"
#include "printing/archiv.h"
#include "printing/printjob.h"
#include "printing/printoutput.h"
#include "printing/protocolprint.h"
#include "qlist/fehlqsbt.h"
#include "qlist/printqsl.h"
#include "prediction/profiles.h"
#include "prediction/execqslbelist.h"
#include "prediction/prognosebt.h"
#include "prediction/prognoseqsl.h"
#include "qlist/qslcommands.h"
#include "qlist/qslimport.h"
#include "qlist/qslneu.h"
#include "qlist/qslsave.h"
#include "qlist_ui/qldblist.h"
#include "qlist_ui/qsledit.h"
#include "qlist/neuposeingabe.h"

#include <memory>
#include <utility>

namespace {
// The predictions run in the selection-menu window: the Q-list run with the key
// as its profile mode, the single-component run asking the component itself.
const char* const kQslPredictions[] = {"standardprof.ql", "selectprof.ql", "newprof.ql", "newprofspstd.ql",
                                       "newprofspwahl.ql"};

// The Q-list database page: create a new database or rebuild the current one.
void qslDatabaseService()
{
    QString kz, startBis, param;
    QStringList anEin;
    QString ret = prog().WorkStr[Slot::Qz];
    DiaDIN(prog().LangDir + QStringLiteral("qsl\\isam"), QStringLiteral("menu"), kz, startBis, anEin, ret);
    if (ret == QLatin1String("CREATE"))
        NeuQslDb(param);
    else if (ret == QLatin1String("RECREATE"))
        NeuDbInh();
}

} // namespace

void installProcedures()
{
    frmBEProgEin::Procedures p;
    p.PrognoseQsl = [](const QString& desc, const QString& mode, bool print) { PrognoseQsl(desc, mode, print); };
    p.EingabeBauteil = [](QString& Ret) { EingabeBauteil(Ret); };
    p.PosStressEingabe = [](QString& Pos, int M_Edit) { PosStressEingabe(Pos, M_Edit != 0); };
    p.PrognoseBt = [](const QString& key) {
        QString k = key;
        PrognoseBt(k);
    };
    frmBEProgEin::setDefaultProcedures(p);

    // The stress entry of a Q-list position opens the component editor on the
    // position's component; the line being replaced is shown above the record.
    // The line is held by the two links that pass it on, not by the program.
    auto qslLine = std::make_shared<QString>();
    ComponentEditorLink& editor = componentEditorLink();
    editor.setQslLine = [qslLine](const QString& text) { *qslLine = text; };
    editor.Show0 = [qslLine](QString& Adr, const QString& MSuch) {
        const QString line = std::exchange(*qslLine, QString());
        frmBtEdit::Show0(Adr, MSuch, line);
    };

    // The Q-list editor: opened by the Q-list commands, fed new positions by the
    // component editor while it is open, and told the class parameters of a
    // position's component for its popup.
    qslEditorLink() = [](const QString& Ln) { frmQslEdit::Run(Ln); };
    // The rate-table windows choose their component group in the selection menu.
    rateTableGroupMenu() = [](const QString& popStr) {
        return frmBEProgEin::RunWahlBacsonst(QStringLiteral("btx\\bac"), popStr, 3, nullptr, 1);
    };
    // The component editor's search and result list.
    installBtSearch();
    btEditLinks().NeuPosEingabe = [](const QString& designation) {
        return prog().QslEdit != nullptr && NeuPosEingabe(designation);
    };
    qslEditLinks().ExecQslBEList = [](const QString& desc) {
        QString Lnr = desc;
        ExecQslBEList(Lnr);
    };
    qslEditLinks().classParameters = ClassParameterList;

    StartProcedures start;
    start.ArchivStart = [] { ArchivStart(); };
    start.RecoverQslSaves = [] { recoverAllQslSaves(); };
    start.FehlQsBt = [](QString& LnFehl) { return FehlQsBt(LnFehl, true, true, true); };
    start.PrintQSL = [](const QString& desc) { return PrintQSL(desc, true).isEmpty(); };
    start.PrognoseQsl = [](const QString& desc, const QString& profile) { return PrognoseQsl(desc, profile, true); };
    start.MixBt = [](const QString& list, const QString& target) {
        return MixBt(QStringLiteral("be.mixbl"), list, target);
    };
    setStartProcedures(start);

    KonfigPrinting printing;
    // A print job started with the new margins and closed without output tells
    // whether the printer can hold the area (PrInit shows message 442 when not).
    printing.checkPrintArea = [](const std::array<double, 4>& r) {
        Program& program = prog();
        // The margins in effect come back on every way out, a failure included.
        struct Restore {
            std::array<double, 4>& target;
            std::array<double, 4> kept;
            ~Restore() { target = kept; }
        } restore{program.Raender, program.Raender};
        program.Raender = r;
        const bool ok = PrInit();
        if (ok) {
            QString title;
            PrAusgabe(title, -1);
        }
        return ok;
    };
    printing.PrTestSeite = [] { PrTestSeite(); };
    setKonfigPrinting(printing);

    // The error dialog's print button prints the protocol through the print layer.
    static ProtocolPrintout protocolPrintout;
    ErrPtnr::setProtocolPrinter(&protocolPrintout);
}

void installEntryProcedures(MenuDispatcher& d)
{
    for (const char* key : kQslPredictions) {
        const QString k = QString::fromLatin1(key);
        d.setCommand(k, [k] { frmBEProgEin::RunPrognoseQSL(k); });
    }
    d.setCommand(QStringLiteral("calc.bt"), [] {
        QString ret;
        frmBEProgEin::RunPrognoseBE(ret);
    });
    d.setCommand(QStringLiteral("be.edit"), [] { frmBtEdit::Show0(); });
    d.setCommand(QStringLiteral("be.add"), [] { frmBEBez::Run(); });
    d.setCommand(QStringLiteral("ql.view"), [] { frmQldbList::Show0(); });
    d.setCommand(QStringLiteral("yk"), [] { frmYKedit::Show0(); });
    d.setCommand(QStringLiteral("aws"), [] { frmAWSedit::Show0(); });
    d.setCommand(QStringLiteral("delprof.ql"), [] { frmProgProfil::DeleteProfiles(); });
    for (const char* key : {"be.mixbl", "be.mixdat", "be.db"}) {
        const QString k = QString::fromLatin1(key);
        d.setCommand(k, [k] { RunComponentFileCommand(k); });
    }
    d.setCommand(QStringLiteral("ql.new"), [] { frmQslNeu::Run(0); });
    d.setCommand(QStringLiteral("ql.edit"), [] { frmQslNeu::Run(1); });
    d.setCommand(QStringLiteral("ql.del"), [] { frmQslNeu::Run(2); });
    d.setCommand(QStringLiteral("ql.db"), [] { qslDatabaseService(); });
    for (const int mode : {0, 1}) {
        d.setCommand(QString::number(mode) + QStringLiteral("kopie"), [mode] {
            const QString r = QslImport(mode);
            if (r != QLatin1String("no"))
                OeffneQsl(r);
        });
    }
    d.setCommand(QStringLiteral("2kopie"), [] { QslImport(2); });
    d.setCommand(QStringLiteral("4kopie"), [] { frmQslNeu::Run(4, QStringLiteral("4")); });
    d.setCommand(QStringLiteral("5kopie"), [] { frmQslNeu::Run(5, QStringLiteral("5")); });
    d.setCommand(QStringLiteral("3kopie"), [] { frmQslNeu::Run(5, QStringLiteral("3")); });
}

void installCalculationLinks()
{
    // The component editor names its components and marks the MIL parameters of
    // their class through the calculation; both read the system database, which
    // only the program's start opens.
    btEditLinks().componentName = [](int language) { return PosBtName(language); };
    btEditLinks().milParameters = [](const QString& bacTec) {
        QString list;
        try {
            LesSin(bacTec, 0, QStringLiteral("Parameter"), list, {}, {}, {}, 3);
        } catch (const std::exception&) {
            list.clear(); // no markers rather than no popup
        }
        return list;
    };
}
