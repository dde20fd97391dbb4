#include "prediction/paramwahl.h"
#include "frame/workslots.h"
#include "component_entry/milqkwahl.h"
#include "dialogue/beprogein.h"
#include "dialogue/dia.h"
#include "frame/launcher.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "prediction/runparams.h"

namespace {

const QString Abbruch = QStringLiteral("ABBRUCH");

QString lang(const char* relative)
{
    return prog().LangDir + QString::fromLatin1(relative);
}

// A menu of "btx\div": inside the selection-menu window or in a window of its
// own. The chosen code, or "ABBRUCH", "BACK", "HELP".
QString divMenu(const QString& chapter, int addButt, bool MMenu)
{
    if (!MMenu)
        return frmBEProgEin::RunWahlBacsonst(QStringLiteral("btx\\div"), chapter, 4, nullptr, addButt);
    QString kz;
    int top = 0;
    switch (frmBEProgEin::BEBacTecWahl(lang("btx\\div"), chapter, QString(), kz, QString(), 2, top, addButt)) {
    case 0: return kz;
    case 1: return Abbruch;
    case 2: return QStringLiteral("BACK");
    case 4: return QStringLiteral("HELP");
    default: return QString();
    }
}

bool absent(const QString& list, const char* key)
{
    return GetParam(list, QString::fromLatin1(key)).isEmpty();
}

// Temperature and fan speed; false when the screen was cancelled.
bool askTemperature(QString& Ret)
{
    Program& p = prog();
    QStringList& f = diaFields();
    f[0] = QStringLiteral("40");
    f[1] = QStringLiteral("0");
    QString kz, startBis;
    DiaDIN(lang("btx\\glob"), QStringLiteral("tuvl"), kz, startBis, f, Ret);
    if (Ret == Abbruch)
        return false;
    p.RunStr[RunSlot::Tu] = f[0].trimmed().isEmpty() ? QStringLiteral("0") : f[0].trimmed();
    p.RunStr[RunSlot::Vl] = f[1].trimmed().isEmpty() ? QStringLiteral("0") : f[1].trimmed();
    SetParam(GlPar(), QStringLiteral("Tu"), p.RunStr[RunSlot::Tu]);
    SetParam(GlPar(), QStringLiteral("Vl"), p.RunStr[RunSlot::Vl]);
    return true;
}

// A key-choice screen of "btx\envm"; the key chosen in capitals, "" after a cancel.
QString envmKey(const QString& chapter)
{
    QString kz;
    const int r = frmDia::DIK(lang("btx\\envm"), chapter, kz);
    return r == 0 ? kz.toUpper() : QString();
}

// The MIL-HDBK-217F environment. A cancel leaves Envm absent, so that a later
// dialog asks it again, rather than taking whatever an earlier choice left.
void askMilEnvironment()
{
    Program& p = prog();
    QString key;
    while (true) {
        QString kz;
        const int r = frmDia::DIK(lang("btx\\envm"), QStringLiteral("grob"), kz, 4);
        if (r == 4) {
            QString page;
            DiaBTX(lang("btx\\envmg.txt"), QString(), 0, page);
            continue;
        }
        if (r != 0)
            return;
        key = kz.toUpper();
        break;
    }
    QString envm;
    if (key == QLatin1String("1"))
        envm = QStringLiteral("Gb");
    else if (key == QLatin1String("2"))
        envm = QStringLiteral("Gf");
    else if (key == QLatin1String("3"))
        envm = QStringLiteral("Gm");
    else if (key == QLatin1String("4")) {
        p.RunStr[RunSlot::Scratch] = QStringLiteral("1=naval,2=air,3=mis");
        p.RunStr[RunSlot::EnvmGroup] = envmKey(QStringLiteral("menu"));
        const QString next = p.RunStr[RunSlot::EnvmGroup].isEmpty() ? QString() : GetParam(p.RunStr[RunSlot::Scratch], p.RunStr[RunSlot::EnvmGroup]);
        if (next.isEmpty())
            return;
        p.RunStr[RunSlot::EnvmEntry] = envmKey(next);
        if (p.RunStr[RunSlot::EnvmEntry].isEmpty())
            return;
        p.RunStr[RunSlot::Scratch] = QStringLiteral("11=Ns,12=Nu,21=Aic,22=Aif,23=Auc,24=Auf,25=Arw,31=Sf,32=Mf,33=Ml,34=Cl");
        envm = GetParam(p.RunStr[RunSlot::Scratch], p.RunStr[RunSlot::EnvmGroup] + p.RunStr[RunSlot::EnvmEntry]);
    }
    if (envm.isEmpty())
        return;
    p.RunStr[RunSlot::Envm] = envm;
    SetParam(GlPar(), QStringLiteral("Envm"), envm);
}

void askMilQuality(QString& Ret)
{
    Program& p = prog();
    QString& gl = GlPar();
    QString key;
    while (true) {
        QString kz;
        const int r = frmDia::DIK(lang("btx\\milq"), QStringLiteral("milqvgl"), kz, 4);
        if (r == 4) {
            QString page;
            DiaBTX(lang("btx\\qklm.txt"), QString(), 0, page);
            continue;
        }
        key = r == 0 ? kz.toUpper() : QString();
        break;
    }
    if (key == QLatin1String("1")) {
        const char* families[] = {"1", "2", "4", "5"};
        for (int i = 0; i < 4; ++i) {
            QString cls;
            MilQkWahl(QString::fromLatin1(families[i]), cls);
            p.RunStr[RunSlot::MilQk + i] = cls;
            gl += QStringLiteral(",Qk%1m=").arg(QString::fromLatin1(families[i])) + cls;
        }
    } else if (key == QLatin1String("2")) {
        QStringList& f = diaFields();
        for (int i = 0; i < 4; ++i)
            f[i].clear();
        QString kz, startBis;
        DiaDIN(lang("btx\\milq"), QStringLiteral("piqegl"), kz, startBis, f, Ret);
        // A cancelled pi-factor screen counts as neither choice: no half-entered
        // factors reach the method list.
        if (Ret == Abbruch)
            return;
        const char* families[] = {"1", "2", "4", "5"};
        for (int i = 0; i < 4; ++i) {
            p.RunStr[RunSlot::MilPiQ + i] = f[i].trimmed();
            gl += u',' + QString(PiMark) + QStringLiteral("q%1em=").arg(QString::fromLatin1(families[i])) +
                  p.RunStr[RunSlot::MilPiQ + i];
        }
    }
}

} // namespace

void ParamWahl(QString& Ret, bool MMenu)
{
    Program& p = prog();
    QString& gl = GlPar();
    const QString pw = GetParam(SyPar(), QStringLiteral("Pw"));
    const QString atEntry = gl;
    Ret.clear();
    p.RunStr[RunSlot::Methods] = GetParam(gl, QStringLiteral("Norm"));

    // Methods.
    if (absent(gl, "Norm")) {
        p.RunStr[RunSlot::Methods] = QStringLiteral("00000");
        QString kz, startBis = QStringLiteral("1=1,2=0,3=0");
        if (frmDia::DIN(lang("btx\\glob"), QStringLiteral("norm"), kz, startBis, diaFields(), Ret) == 1) {
            Ret = Abbruch;
            return;
        }
        for (int i = 1; i <= 5; ++i)
            if (GetParam(startBis, QString::number(i)).remove(u'@') == QLatin1String("1"))
                p.RunStr[RunSlot::Methods][i - 1] = QChar(u'0' + i);
        gl += QStringLiteral(",Norm=") + p.RunStr[RunSlot::Methods];
    }
    const QString norm = p.RunStr[RunSlot::Methods];
    const bool mil = methodIn(norm, u'2');

    // Operating conditions.
    bool askEnvironments = true;
    if (!atEntry.isEmpty()) {
        if (absent(gl, "Tu") && absent(gl, "Vl") && !askTemperature(Ret))
            return;
    } else {
        p.RunStr[RunSlot::Choice] = divMenu(QStringLiteral("menu"), 1, MMenu);
        if (p.RunStr[RunSlot::Choice] == Abbruch) {
            Ret = Abbruch;
            return;
        }
        if (p.RunStr[RunSlot::Choice] == QLatin1String("1")) {
            gl += QStringLiteral(",Tu=40,Vl=0,Env=Gb");
            if (mil)
                gl += QStringLiteral(",Envm=Gb");
            Ret = QStringLiteral("Standard");
            askEnvironments = false;
        } else if (p.RunStr[RunSlot::Choice] == QLatin1String("2")) {
            if (!askTemperature(Ret))
                return;
            gl += QStringLiteral(",Env=Gb");
            if (mil)
                gl += QStringLiteral(",Envm=Gb");
            askEnvironments = false;
        } else if (p.RunStr[RunSlot::Choice] == QLatin1String("3")) {
            if (!askTemperature(Ret))
                return;
        }
    }

    if (askEnvironments) {
        if (absent(gl, "Env") && (methodIn(norm, u'1') || methodIn(norm, u'3'))) {
            Ret = EnvWahl(MMenu);
            if (Ret == Abbruch)
                return;
        }
        if (absent(gl, "Envm") && mil)
            askMilEnvironment();
    }

    // Factor.
    if (pw == QLatin1String("ProQs") && norm != QLatin1String("02000")) {
        QStringList& f = diaFields();
        f[0] = QStringLiteral("100");
        QString kz, startBis;
        DiaDIN(lang("btx\\glob"), QStringLiteral("zfgl"), kz, startBis, f, Ret);
        if (Ret == Abbruch)
            return;
        QString zf = f[0];
        while (zf.endsWith(u' '))
            zf.chop(1);
        gl += QStringLiteral(",Zf=") + zf + u'%';
    }

    // MIL-HDBK-217F quality.
    if (pw == QLatin1String("ProQs") && mil)
        askMilQuality(Ret);

    if (gl.startsWith(u','))
        gl.remove(0, 1);
}

QString EnvWahl(bool MMenu)
{
    Program& p = prog();
    while (true) {
        const QString kind = divMenu(QStringLiteral("env"), 1, MMenu);
        if (kind == Abbruch)
            return Abbruch;
        QString env;
        if (kind == QLatin1String("1")) {
            // The norm's own environments.
            QString code;
            while (true) {
                code = divMenu(QStringLiteral("envsn"), 7, MMenu);
                if (code != QLatin1String("HELP"))
                    break;
                QString page;
                DiaBTX(lang("btx\\envsn.txt"), QString(), 0, page);
            }
            if (code == Abbruch)
                return Abbruch;
            if (code == QLatin1String("BACK"))
                continue;
            if (code == QLatin1String("1"))
                env = QStringLiteral("Gb");
            else if (code == QLatin1String("2"))
                env = QStringLiteral("YKKfz");
            else if (code == QLatin1String("3"))
                env = QStringLiteral("YKEss");
        } else {
            // The IEC 61709 environments, with a dust class for the ground ones.
            QString code;
            while (true) {
                code = divMenu(QStringLiteral("enviec"), 7, MMenu);
                if (code != QLatin1String("HELP"))
                    break;
                openDocument(nativePath(lang("btx\\IEC61709Env.pdf")));
            }
            if (code == Abbruch)
                return Abbruch;
            if (code == QLatin1String("BACK"))
                continue;
            const int n = int(readLeadingNumber(code));
            if (n == 1)
                env = QStringLiteral("Gb");
            else if (n == 2 || n == 3) {
                const QString dust = divMenu(QStringLiteral("enviecstaub"), 3, MMenu);
                if (dust == Abbruch)
                    return Abbruch;
                if (dust == QLatin1String("BACK"))
                    continue;
                env = QStringLiteral("IE") + (int(readLeadingNumber(dust)) == 1 ? QStringLiteral("St") : QString()) +
                      (n == 2 ? QStringLiteral("Gf") : QStringLiteral("Gm"));
            }
        }
        // A code the menus do not offer leaves the environment as it was.
        if (!env.isEmpty()) {
            p.RunStr[RunSlot::Env] = env;
            SetParam(GlPar(), QStringLiteral("Env"), env);
        }
        return QString();
    }
}
