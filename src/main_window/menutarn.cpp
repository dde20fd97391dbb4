#include "main_window/menutarn.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/inifile.h"
#include "frame/interaction.h"
#include "frame/launcher.h"
#include "frame/numbers.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/tarnstart.h"

#include <QDir>
#include <QFileInfo>

const std::vector<MenuEntry>& menuTree()
{
    static const std::vector<MenuEntry> tree = {
        {0, 1, "1 Datei", "", 1},
        {1, 0, "2 #config", ""},
        {1, 1, "-", ""},
        {1, 2, "3 #yk", ""},
        {1, 3, "4 #aws", ""},
        {1, 4, "-", ""},
        {1, 5, "5 #exit", "F5"},
        {0, 2, "6 QSL", "", 2},
        {2, 0, "7 #ql.edit", ""},
        {2, 1, "8 #ql.new", ""},
        {2, 2, "-", ""},
        {2, 3, "9 #ql.view", "F3"},
        {2, 4, "-", ""},
        {2, 5, "10 #ql.del", "Ctrl+F5"},
        {2, 6, "-", ""},
        {2, 7, "11 #0kopie", "Shift+F9"},
        {2, 8, "-", ""},
        {2, 9, "12 ql.imprt", "", 6},
        {6, 1, "13 #1kopie", "Shift+F11"},
        {6, 2, "14 #2kopie", "Shift+F12"},
        {2, 10, "15 #4kopie", "F9"},
        {2, 11, "16 ql.exprt", "", 7},
        {7, 1, "17 #5kopie", "F11"},
        {7, 2, "18 #3kopie", "F12"},
        {2, 12, "-", ""},
        {2, 13, "19 #ql.db", ""},
        {0, 3, "20 QSLBerech", "", 3},
        {3, 0, "21 #standardprof.ql", ""},
        {3, 1, "22 #selectprof.ql", ""},
        {3, 2, "-", ""},
        {3, 3, "23 #newprof.ql", ""},
        {3, 4, "24 newprofsp.ql", "", 8},
        {8, 1, "25 #newprofspstd.ql", ""},
        {8, 2, "26 #newprofspwahl.ql", ""},
        {3, 5, "-", ""},
        {3, 6, "27 #delprof.ql", ""},
        {0, 4, "28 BE", "", 4},
        {4, 0, " 29 #be.edit", "F4"},
        {4, 1, "-", ""},
        {4, 2, "30 be.mix", "", 9},
        {9, 1, "31 #be.mixbl", ""},
        {9, 2, "32 #be.mixdat", ""},
        {4, 3, "-", ""},
        {4, 4, "33 #be.add", ""},
        {4, 5, "-", ""},
        {4, 6, "34 #be.db", ""},
        {0, 5, "35 #calc.bt", ""},
        {0, 6, "36 info", "", 5},
        {5, 1, "37 #hdbk", ""},
        {5, 2, "38 #short", ""},
        {5, 3, "-", ""},
        {5, 4, "39 #calcservice", ""},
        {5, 5, "-", ""},
        {5, 6, "40 #tarnbild", ""},
        {5, 7, "41 #qebild", ""},
        {5, 8, "-", ""},
        {5, 9, "42 #www", ""},
        {5, 10, "43 #mail", ""},
    };
    return tree;
}

DesignCaption parseDesignCaption(const QString& caption)
{
    DesignCaption d;
    QString c = caption;
    const qsizetype tip = c.lastIndexOf(u'\\');
    if (tip >= 0 && tip + 1 < c.size() && c.mid(tip + 1).trimmed().toInt() > 0) {
        d.toolTip = c.mid(tip + 1).trimmed().toInt();
        c = c.left(tip);
    }
    const QString t = c.trimmed();
    if (t.isEmpty() || !t[0].isDigit())
        return d;
    d.numbered = true;
    d.number = int(readLeadingNumber(t));
    const qsizetype hash = t.indexOf(u'#');
    d.key = hash >= 0 ? t.mid(hash + 1).trimmed() : QString::number(d.number);
    return d;
}

namespace {
// Literal texts of the dispatcher, German and English.
// The menu entry of a command key as the user saw it: its caption in the
// current language, without the "&" of its access key.
QString menuEntryName(const QString& key)
{
    for (const MenuEntry& e : menuTree()) {
        const DesignCaption d = parseDesignCaption(e.designCaption);
        if (!d.numbered || d.key != key)
            continue;
        QString name = ResStr(1557, d.number, prog().LangNr).trimmed();
        name.remove(QLatin1String("&&"));
        name.remove(u'&');
        if (!name.isEmpty() && !name.startsWith(u'#'))
            return name;
    }
    return key;
}
} // namespace

MenuDispatcher::MenuDispatcher(MainView& view) : mView(view)
{
    // The window's own commands; the subsystems' commands are registered by the
    // composition root (src/app) through setCommand.
    mCommands[QStringLiteral("config")] = [this] {
        mView.showConfiguration();
        mView.relocalize();
    };
    mCommands[QStringLiteral("exit")] = [this] { mView.endProgram(); };
    mCommands[QStringLiteral("tarnbild")] = [this] { mView.showAbout(QStringLiteral("TARN")); };
    mCommands[QStringLiteral("qebild")] = [this] { mView.showAbout(QStringLiteral("QE")); };
}

void MenuDispatcher::setCommand(const QString& key, Command command)
{
    mCommands[key] = std::move(command);
}

void MenuDispatcher::MenuTARN(const QString& what)
{
    Program& p = prog();
    if (p.MenuRunning) {
        ui().beep();
        return;
    }
    mView.setMenusEnabled(false);
    mView.setStatusLine(QString());
    p.MenuRunning = true;
    mView.hidePicture();
    mBusy = true;

    // Whatever the command does, the busy state and the menus come back.
    struct Restore {
        MenuDispatcher& d;
        ~Restore()
        {
            prog().MenuRunning = false;
            d.mBusy = false;
            d.mView.focusMain();
            d.mView.setMenusEnabled(true);
        }
    };
    {
        Restore restore{*this};
        const auto it = mCommands.find(what);
        if (it != mCommands.end()) {
            try {
                it->second();
            } catch (const ProgramEndRequested&) {
                // An error dialog's "end": never let it cross the event loop.
                mView.endProgram();
            } catch (const std::exception& e) {
                // A failure that escaped a command reaches the error dialog; the
                // program goes on (or ends when the answer says so).
                if (ErrPtnr::OnError(QStringLiteral("frmTARN"), QStringLiteral("MenuTARN"), e) == 3)
                    mView.endProgram();
            }
        }
    }
    openAfterProtocol(what);
}

void MenuDispatcher::openAfterProtocol(const QString& what)
{
    Program& p = prog();
    QString target;
    if (what == QLatin1String("hdbk"))
        target = p.LangDir + QStringLiteral("hdbk.pdf");
    else if (what == QLatin1String("short"))
        target = p.LangDir + QStringLiteral("tarn-start.pdf");
    else if (what == QLatin1String("calcservice"))
        target = p.LangDir + QStringLiteral("reliability-services.pdf");
    else if (what == QLatin1String("www") || what == QLatin1String("mail")) {
        const bool web = what == QLatin1String("www");
        const QString value =
            GetProfileStr(QStringLiteral("fewe"), web ? QStringLiteral("WebSite") : QStringLiteral("HotlineMail"), 128,
                          p.IniFile)
                .trimmed();
        // A missing or empty key is said, not handed to the desktop as "leer".
        if (value.isEmpty() || value == Leer) {
            ui().messageBox(QStringLiteral("0"),
                            web ? txt("Es ist keine Web-Adresse eingestellt ([fewe] WebSite).",
                                      "No web address is configured ([fewe] WebSite).")
                                : txt("Es ist keine E-Mail-Adresse eingestellt ([fewe] HotlineMail).",
                                      "No e-mail address is configured ([fewe] HotlineMail)."),
                            Mb::Information);
            return;
        }
        target = web ? value : QStringLiteral("mailto:") + value;
        launcher().openUrl(target);
        return;
    } else {
        return;
    }
    // A document that is not installed is said, rather than nothing happening.
    const QString file = nativePath(target);
    if (!QFileInfo::exists(file)) {
        ui().messageBox(QStringLiteral("0"),
                        txt("Das Dokument \"%1\" ist nicht installiert.\n(%2)",
                            "The document \"%1\" is not installed.\n(%2)")
                            .arg(menuEntryName(what), QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath())),
                        Mb::Exclamation);
        return;
    }
    openDocument(file);
}
