#include "app/procedures.h"
#include "frame/workslots.h"
#include "component_editor/bebez.h"
#include "component_editor/btedit.h"
#include "component_file/awsedit.h"
#include "component_file/neuinh.h"
#include "component_file/ratetable.h"
#include "dialogue/beprogein.h"
#include "dialogue/dia.h"
#include "main_window/menutarn.h"
#include "frame/program.h"
#include "prediction/profiles.h"
#include "qlist/qslcommands.h"
#include "qlist/qslimport.h"
#include "qlist/qslneu.h"
#include "qlist_ui/qldblist.h"

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
