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
        Program& p = prog();
        auto& W = p.WorkStr;
        for (int i = Slot::GlPar; i <= Slot::R; ++i)
            W[i].clear();
        W[Slot::SyPar] = QStringLiteral("Pw=ProBt");

        QString kz;
        int comTop = 0;
        if (frmBEProgEin::BEBacTecWahl(p.LangDir + QStringLiteral("btx\\div"), QStringLiteral("refber"), QString(),
                                       kz, QString(), 2, comTop, 1)
            == 1)
            return false;
        W[Slot::SyPar] += kz == QLatin1String("1") ? QStringLiteral(",Re=Ref") : QStringLiteral(",Re=Ber");
        W[Slot::SyPar] += QStringLiteral(",Vd=2");

        if (!ProgInit())
            return false;
        if (!PrInit())
            return false;
        bool keyGiven = !key.isEmpty();
        QString previous; // the last answer of the next-step menu
        Step step = Step::Parameters;

        while (step != Step::End) {
            QString ret;
            if (step == Step::Parameters) {
                ParamWahl(ret, true);
                if (ret == Abbruch) {
                    discardJob();
                    return false;
                }
            }
            const bool again = previous == QLatin1String("GL") || previous == QLatin1String("SD");

            frmBEProgEin::AnzQbSdTxt(1, W[Slot::Q]);
            frmBEProgEin::AnzQbSdTxt(2, W[Slot::S]);
            p.RunStr[RunSlot::Methods] = GetParam(W[Slot::GlPar], QStringLiteral("Norm"));
            ParamText(QStringLiteral("E"), false, false);
            if (showPage() == Abbruch) {
                if (again) {
                    step = Step::Parameters;
                    continue;
                }
                discardJob();
                return false;
            }
            bool archivePage = false;
            QString archiveTitle;

            if (!again) {
                W[Slot::Ident].clear();
                QString componentKey;
                if (keyGiven) {
                    componentKey = keyOfArgument(key);
                } else {
                    EingabeTypYk(key, componentKey, ret);
                    if (ret == Abbruch) {
                        discardJob();
                        return false;
                    }
                }
                if (!key.isEmpty()) {
                    QString blockFile, blockText, record;
                    const int found = HolBtInh(0, componentKey, blockFile, blockText, record);
                    if (found == -2) {
                        MsgBoxRes(QStringLiteral("170"), 0, p.LangNr, {componentKey, AnsiToOem(blockFile)});
                        discardJob();
                        return false;
                    }
                    if (found == 0) {
                        // The component file could not be read (the user was told
                        // which file): entering the component as missing would
                        // hide that.
                        discardJob();
                        return false;
                    }
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
                }
                p.RunStr[RunSlot::Bac] = GetParam(W[Slot::Q], QStringLiteral("Bac"));
                if (p.RunStr[RunSlot::Bac].startsWith(QLatin1String("69"))) {
                    MsgBoxRes(QStringLiteral("64"), 0, p.LangNr, {designationOf(W[Slot::Ident])});
                    discardJob();
                    return false;
                }
                if (p.RunStr[RunSlot::Bac].isEmpty()) {
                    // A designation the component file lacks (a typing error, or
                    // a component never stored) is said before its data are asked.
                    if (!key.isEmpty())
                        MsgBoxRes(QStringLiteral("53"), 0, p.LangNr,
                                  {designationOf(W[Slot::Ident]), ResText(QStringLiteral("483"), p.LangNr, false)});
                    EingabeBauteil(ret);
                    if (ret == Abbruch) {
                        discardJob();
                        return false;
                    }
                    p.RunStr[RunSlot::Bac] = GetParam(W[Slot::Q], QStringLiteral("Bac"));
                }
                frmBEProgEin::AnzQbSdTxt(1, W[Slot::Q]);
                PruefBtDaten();
                if (showPage() == Abbruch) {
                    discardJob();
                    return false;
                }
            }
            if (previous != QLatin1String("GL")) {
                frmBEProgEin::AnzQbSdTxt(1, W[Slot::Q]);
                if (previous == QLatin1String("SD"))
                    PruefBtDaten();
                BelastEin(QStringLiteral("EBT"), ret);
                if (ret == Abbruch) {
                    discardJob();
                    return false;
                }
                PruefQkBelast();
                if (showPage() == Abbruch) {
                    discardJob();
                    return false;
                }
            } else {
                PruefBtDaten();
                PruefQkBelast();
            }
            previous.clear();

            PosBelastung(0);
            const QString digits = p.RunStr[RunSlot::Methods];
            bool computed = false;
            try {
                computed = compute(digits);
            } catch (const CalculationAborted&) {
                // Message 473 was shown by the look-up that failed.
                computed = false;
            }
            if (!computed) {
                // This component's printout is dropped; the run offers the next
                // step, so that another component or other methods can follow.
                discardJob();
            } else {
                ErgFehlList();
                ErgTabelle(digits);
                if (showPage() == Abbruch) {
                    discardJob();
                } else {
                    const QString Vd = GetParam(W[Slot::SyPar], QStringLiteral("Vd"));
                    const QString bac = GetParam(W[Slot::Q], QStringLiteral("Bac"));
                    p.RunStr[RunSlot::Bac] = bac;
                    p.RunStr[RunSlot::Bac1] = bac.left(1);
                    if (Vd <= QLatin1String("2") && bac.startsWith(u'1'))
                        KommErg();
                    const QString comments = showPage();
                    const PrintState& ps = printState();
                    if (ps.ArchivAktiv && ps.ArchivArt.contains(QLatin1String("PROGBE"))) {
                        archivePage = true;
                        archiveTitle = ArchivBez(key, QStringLiteral("PROGBE"), QString(), QString());
                    }
                    if (Vd > QLatin1String("1")) {
                        if (comments == Abbruch) {
                            discardJob();
                            return false;
                        }
                        DruckBtProg(archivePage);
                    }
                    PrAusgabe(archiveTitle, 0);
                }
            }

            previous = WeiterWahl();
            if (previous != Abbruch && !PrInit())
                return false;
            keyGiven = false;
            if (previous == QLatin1String("KB")) {
                step = Step::Component;
            } else if (previous == QLatin1String("GL") || previous == QLatin1String("SD")) {
                step = Step::Parameters;
            } else {
                discardJob();
                step = Step::End;
            }
        }
        return true;
    });
}
