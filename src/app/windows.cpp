#include "app/windows.h"
#include "component_editor/frmbebez.h"
#include "component_editor/frmbtedit.h"
#include "component_file/frmratetables.h"
#include "dialogue/frmbeprogein.h"
#include "dialogue/frmdia.h"
#include "frame/frmedit.h"
#include "frame/frmwahlsyst.h"
#include "frame/qtinteraction.h"
#include "prediction/frmprogprofil.h"
#include "printing/qtprinting.h"
#include "qlist/frmqslneu.h"
#include "qlist/qtqslimport.h"
#include "qlist_ui/frmqldblist.h"
#include "qlist_ui/frmqsledit.h"

void registerWindows(QtInteraction& qtUi)
{
    registerDialogueWindows(qtUi);
    registerSelectionMenuWindows(qtUi);
    registerEditWindow(qtUi);
    registerQslNeuWindow(qtUi);
    registerQslImportWindows(qtUi);
    registerQldbListWindow(qtUi);
    registerQslEditWindow(qtUi);
    registerRateTableWindows(qtUi);
    registerBtEditWindow(qtUi);
    registerBEBezWindow(qtUi);
    registerPrintWindows(qtUi);
    registerPredictionWindows(qtUi);
    QtInteraction* ui = &qtUi;
    qtUi.registerHandler(QuestionKind::DirectoryOrFile,
                         [ui](const Question& q) { return frmWahlSyst::ask(q, ui->owner()); });
}
