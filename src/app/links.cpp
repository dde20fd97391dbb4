#include "app/links.h"
#include "calculation/names.h"
#include "calculation/systdb.h"
#include "component_editor/btedit.h"
#include "component_entry/classparameters.h"
#include "component_entry/eingabebauteil.h"
#include "component_entry/posstress.h"
#include "component_file/mixbt.h"
#include "component_file/ratetable.h"
#include "dialogue/beprogein.h"
#include "frame/errptnr.h"
#include "main_window/konfiguration.h"
#include "frame/program.h"
#include "frame/tarnstart.h"
#include "prediction/execqslbelist.h"
#include "prediction/prognosebt.h"
#include "prediction/prognoseqsl.h"
#include "printing/archiv.h"
#include "printing/printjob.h"
#include "printing/printoutput.h"
#include "printing/protocolprint.h"
#include "qlist/fehlqsbt.h"
#include "qlist/neuposeingabe.h"
#include "qlist/printqsl.h"
#include "qlist/qslcommands.h"
#include "qlist/qslsave.h"
#include "qlist_ui/qsledit.h"

#include <array>
#include <utility>

namespace {

// A print job started with the margins r and closed without output tells
// whether the printer can hold the area (PrInit shows message 442 when not).
bool checkPrintArea(const std::array<double, 4>& r)
{
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
}

// The MIL-HDBK-217F parameter list of a class ("Bac=..,Tec=..") from the system
// database, which only the program's start opens.
QString milParameters(const QString& bacTec)
{
    QString list;
    try {
        LesSin(bacTec, 0, QStringLiteral("Parameter"), list, {}, {}, {}, 3);
    } catch (const std::exception&) {
        list.clear(); // no markers rather than no popup
    }
    return list;
}

} // namespace

LinkSet wireLinks(std::function<std::unique_ptr<PrintDevice>()> systemPrinter)
{
    LinkSet set;

    // The start-up and the batch switches (frame).
    StartProcedures start;
    start.ArchivStart = [] { ArchivStart(); };
    start.RecoverQslSaves = [] { recoverAllQslSaves(); };
    start.FehlQsBt = [](QString& LnFehl) { return FehlQsBt(LnFehl, true, true, true); };
    start.PrintQSL = [](const QString& desc) { return PrintQSL(desc, true).isEmpty(); };
    start.PrognoseQsl = [](const QString& desc, const QString& profile) { return PrognoseQsl(desc, profile, true); };
    start.MixBt = [](const QString& list, const QString& target) {
        return MixBt(QStringLiteral("be.mixbl"), list, target);
    };
    set.put(std::move(start));

    // The configuration dialog checks the margins and prints its test page
    // through the print layer (frame).
    set.put(KonfigPrinting{checkPrintArea, [] { PrTestSeite(); }});

    // The error dialog's print button prints the protocol through the print
    // layer (frame).
    set.put(ErrPtnr::ProtocolPrinting{std::make_shared<ProtocolPrintout>()});

    // The print layer's printer: the system's, else PDF files (printing).
    set.put(PrinterLinks{std::move(systemPrinter)});

    // The selection-menu window starts the predictions and the component entry
    // (dialogue).
    frmBEProgEin::Procedures procedures;
    procedures.PrognoseQsl = [](const QString& desc, const QString& mode, bool print) {
        PrognoseQsl(desc, mode, print);
    };
    procedures.EingabeBauteil = [](QString& Ret) { EingabeBauteil(Ret); };
    procedures.PosStressEingabe = [](QString& Pos, int M_Edit) { PosStressEingabe(Pos, M_Edit != 0); };
    procedures.PrognoseBt = [](const QString& key) {
        QString k = key;
        PrognoseBt(k);
    };
    set.put(std::move(procedures));

    // The rate-table windows choose their component group in the selection menu
    // (component_file -> dialogue).
    set.put(RateTableLinks{[](const QString& popStr) {
        return frmBEProgEin::RunWahlBacsonst(QStringLiteral("btx\\bac"), popStr, 3, nullptr, 1);
    }});

    // The Q-list commands open the Q-list editor (qlist -> qlist_ui).
    set.put(QslCommandLinks{[](const QString& Ln) { frmQslEdit::Run(Ln); }});

    // The stress entry of a Q-list position opens the component editor on the
    // position's component, the line being replaced shown above the record, and
    // hides the open Q-list editor meanwhile (component_entry -> component_editor,
    // qlist_ui). The line is held by the two links that pass it on, not by the
    // program.
    auto qslLine = std::make_shared<QString>();
    ComponentEditorLink editor;
    editor.Show0 = [qslLine](QString& Adr, const QString& MSuch) {
        const QString line = std::exchange(*qslLine, QString());
        frmBtEdit::Show0(Adr, MSuch, line);
    };
    editor.setQslLine = [qslLine](const QString& text) { *qslLine = text; };
    editor.hideQslEditor = [] {
        if (QslEditView* view = openQslEditorView())
            view->hideWindow();
    };
    editor.showQslEditor = [] {
        if (QslEditView* view = openQslEditorView())
            view->showWindow();
    };
    set.put(std::move(editor));

    // The component editor names its components and marks the MIL parameters
    // through the calculation, hands designations to the open Q-list editor, and
    // searches and lists with its own search (component_editor -> calculation,
    // qlist).
    BtEditLinks btEdit;
    btEdit.componentName = [](int language) { return PosBtName(language); };
    btEdit.milParameters = milParameters;
    btEdit.NeuPosEingabe = [](const QString& designation) {
        return prog().QslEdit != nullptr && NeuPosEingabe(designation);
    };
    btEdit.searchStart = [](BtEditModel& m, const QString& key) { m.SearchStart(key); };
    btEdit.displayPage = [](BtEditModel& m) { m.DisplayPage(); };
    set.put(std::move(btEdit));

    // The Q-list editor lists the components of a Q-list through the prediction
    // and shows the class parameters of a position's component (qlist_ui ->
    // prediction, component_entry). Its start-up work stays unbound: ProgInit.
    QslEditLinks qslEdit;
    qslEdit.ExecQslBEList = [](const QString& desc) {
        QString Lnr = desc;
        ExecQslBEList(Lnr);
    };
    qslEdit.classParameters = ClassParameterList;
    set.put(std::move(qslEdit));

    return set;
}
