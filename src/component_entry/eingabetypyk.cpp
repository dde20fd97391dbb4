#include "component_entry/eingabetypyk.h"
#include "frame/workslots.h"
#include "component_entry/entrysteps.h"
#include "dialogue/dia.h"
#include "frame/formatters.h"
#include "frame/itemnumber.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"

void EingabeTypYk(QString& Ident, QString& Key, QString& Ret)
{
    Program& p = prog();
    entry::felder() = QStringList(4);
    Ident.clear();
    Key.clear();
    Ret.clear();
    p.WorkStr[Slot::TsaMode] = GetParam(p.Cf, QStringLiteral("Tsa"));

    for (;;) {
        QString kz, startBis;
        DiaDIN(entry::langFile(QStringLiteral("btx\\tsabrth")), QStringLiteral("tsa"), kz, startBis, entry::felder(),
               Ret);
        if (Ret == QLatin1String("ABBRUCH"))
            return;

        const QString t = entry::field(1).toUpper();
        if (!t.isEmpty()) {
            Ident = QStringLiteral("Typ=") + t;
            Key = FormStr(t, 18, QStringLiteral(" ")) + u'T';
        }
        const QString s = entry::field(2).toUpper();
        if (!s.isEmpty()) {
            const QString n = SachNrForm(s);
            if (n.left(7) == QLatin1String("Fehler!") || n.left(6) == QLatin1String("Error!")) {
                MsgBoxRes(QStringLiteral("67"), 0, p.LangNr, {s});
                entry::felder() = QStringList{QString(), QString(), s, QString()};
                continue;
            }
            Ident = QStringLiteral("Yk=") + s;
            Key = FormStr(n, 18, QStringLiteral(" ")) + u'S';
        }
        const QString u = entry::field(3).toUpper();
        if (!u.isEmpty()) {
            Ident = QStringLiteral("An=") + u;
            Key = FormStr(u, 18, QStringLiteral(" ")) + u'A';
        }
        return;
    }
}
