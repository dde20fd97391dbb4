#include "prediction/execqslbtd.h"
#include "frame/workslots.h"
#include "frame/errptnr.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/inifile.h"
#include "frame/paths.h"
#include "frame/runphases.h"
#include "prediction/specialratelist.h"
#include "prediction/workpass.h"
#include "report/reportstate.h"
#include "position_line/posline.h"
#include "qlist/qslaufloesen.h"
#include "qlist/qslsuch.h"

#include "component_file/btreads.h"
#include "component_file/btrecord.h"
#include "component_file/btsuch.h"

#include <QHash>

namespace {

const QString Abbruch = QStringLiteral("ABBRUCH");

// The component records a run has read, by the keys the look-up searched (not
// by the whole identity: positions of one component differ in their
// designators): a component used at many positions is read from the file once.
using RecordsRead = QHash<QString, QString>;

// Completes one position line (split into the work strings) with its component
// record. False when the component file could not be read.
bool completePosition(QString& line, bool lean, const SpecialRateList* special, bool& drop,
                      RecordsRead& recordsRead)
{
    Program& p = prog();
    auto& w = p.WorkStr;
    QString Stc;
    PosTrenn(line, Stc);
    const QString ownIdentity = w[Slot::Ident];

    QString record;
    const QString searched = componentSearchKeys(ownIdentity).join(u'\n');
    const auto known = recordsRead.constFind(searched);
    if (known != recordsRead.constEnd()) {
        record = *known;
    } else {
        QString blockFile, blockText;
        // A damaged component file stops the run: its records would be reported missing.
        const int found = SuchBtTsa(0, blockFile, blockText, record);
        if (found == 0 || found == -2)
            return false;
        recordsRead.insert(searched, record);
    }
    QString recordType;
    if (record.isEmpty()) {
        w[Slot::F] += QStringLiteral(",Err=Btd");
    } else if (record == QLatin1String("FehlerYk")) {
        w[Slot::F] += QStringLiteral(",Err=FehlerYk");
    } else {
        BtdTrenn(record);
        recordType = GetParam(w[Slot::Ident], QStringLiteral("Typ"));
        // Class 69 marks records that are kept in the file but never predicted.
        if (GetParam(w[Slot::Q], QStringLiteral("Bac")).startsWith(QLatin1String("69")))
            drop = true;
    }
    w[Slot::Ident] = ownIdentity;
    if (GetParam(ownIdentity, QStringLiteral("Typ")).isEmpty() && !recordType.isEmpty())
        w[Slot::Ident] = QStringLiteral("Typ=") + recordType + u',' + ownIdentity;
    if (special) {
        // The position's own designation: item number, else user number, else type.
        QString designation = GetParam(ownIdentity, QStringLiteral("Yk"));
        QString kind = QStringLiteral("S");
        if (designation.isEmpty()) {
            designation = GetParam(ownIdentity, QStringLiteral("An"));
            kind = QStringLiteral("A");
        }
        if (designation.isEmpty()) {
            designation = GetParam(ownIdentity, QStringLiteral("Typ"));
            kind = QStringLiteral("T");
        }
        if (const std::optional<QString> rate = special->rate(designation, kind))
            SetParam(w[Slot::S], QStringLiteral("Arx"), *rate);
    }
    if (lean)
        w[Slot::B].clear();
    PosFueg(Stc, line);
    return true;
}

// The positions of the expanded list: lines that are neither markers nor
// sub-list references.
qint64 positionsOfQpo()
{
    QslLineReader in(WorkFilePass::qpoPath());
    qint64 positions = 0;
    if (!in.atEnd())
        in.readPhysicalLine(); // the head
    while (!in.atEnd()) {
        const QString line = in.readPhysicalLine();
        positions += quantityOf(line) > -1 && GetParam(line, QStringLiteral("Qm")).isEmpty();
    }
    return positions;
}

QString run(bool& MLahm, QString& Lnr, bool& M_ARSoList_act, QStringList* cycles,
            const std::function<bool(qint64)>& expanded)
{
    Program& p = prog();
    InfoList& info = ui().infoList();

    std::optional<SpecialRateList> special;
    if (M_ARSoList_act) {
        // The connect string named the old engine's spreadsheet driver; the
        // workbook reader needs none, so the value is read for its place only.
        (void)GetProfileStr(QStringLiteral("versionen"), QStringLiteral("Excel"), 128, p.IniFile);
        // Computing without the list would give other rates than the user asked
        // for: a list that cannot be read ends the run.
        QString error;
        special = readSpecialRateList(nativePath(p.SonderArDatei), &error);
        if (!special) {
            ui().messageBox(QStringLiteral("SonderAR"), error, Mb::OKOnly | Mb::Exclamation);
            return Abbruch;
        }
        if (special->version)
            reportState().SonderArVersion = *special->version;
        else
            ui().messageBox(QStringLiteral("SonderARVersion"),
                            QStringLiteral("Keine Versionsangabe in der Ausfallratenliste !"), Mb::OKOnly);
    }

    QString number, path, status;
    QslSuch(QStringLiteral("Pro"), p.WorkStr[Slot::Qz], number, path, status);
    if (path.isEmpty() || status == Abbruch)
        return Abbruch;

    info.Update(ResText(QStringLiteral("65"), p.LangNr, true));
    {
        PhaseScope phase(QStringLiteral("expansion"));
        if (QslAufloesen(number, path, cycles) == Abbruch || info.Canceled())
            return Abbruch;
    }
    if (expanded && !expanded(positionsOfQpo()))
        return Abbruch;

    Lnr = number;
    info.Update(ResText(QStringLiteral("105"), p.LangNr, true));

    bool stopped = false;
    QString head;
    RecordsRead recordsRead;
    {
        PhaseScope phase(QStringLiteral("completion"));
        // The components of the positions lie in few blocks and index pages.
        const ComponentReadScope keepReads;
        WorkFilePass pass;
        head = pass.readLine();
        pass.writeLine(head);
        while (!pass.atEnd()) {
            QString line = pass.readLine();
            if (quantityOf(line) <= -1) {
                pass.writeLine(line);
                continue;
            }
            const QString qm = GetParam(line, QStringLiteral("Qm"));
            if (qm == QLatin1String("Qsl")) {
                SetParam(line, QStringLiteral("Aufl"), QString());
                pass.writeLine(line);
                continue;
            }
            if (qm == QLatin1String("Ende")) {
                if (info.Canceled()) {
                    stopped = true;
                    break;
                }
                pass.writeLine(line);
                continue;
            }
            if (!qm.isEmpty()) {
                pass.writeLine(line);
                continue;
            }
            bool drop = false;
            if (!completePosition(line, MLahm, special ? &*special : nullptr, drop, recordsRead)) {
                stopped = true;
                break;
            }
            if (!drop) {
                pass.writeLine(line);
                info.Update(line);
            }
        }
        pass.finish();
    }
    if (stopped || info.Canceled())
        return Abbruch;
    return head;
}

} // namespace

QString ExecQslBtd(bool& MLahm, QString& Lnr, bool& M_ARSoList_act, QStringList* cycles,
                   const std::function<bool(qint64)>& expanded)
{
    ErrPtnr::CallStack(QStringLiteral("[XHAP] Function ExecQslBtd(MLahm, Lnr$, M_ARSoList_act)"));
    ErrPtnr::CallStackParam(QStringLiteral("MLahm"), MLahm);
    ErrPtnr::CallStackParam(QStringLiteral("Lnr"), Lnr);
    ErrPtnr::CallStackParam(QStringLiteral("M_ARSoList_act"), M_ARSoList_act);
    return ErrPtnr::guarded(QStringLiteral("XHAP"), QStringLiteral("ExecQslBtd"), Abbruch,
                            [&] { return run(MLahm, Lnr, M_ARSoList_act, cycles, expanded); });
}
