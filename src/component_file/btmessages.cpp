#include "component_file/btmessages.h"
#include "frame/interaction.h"
#include "frame/program.h"

QString btText(const QString& german, const QString& english, const QStringList& args)
{
    QString t = prog().LangNr == 2 ? english : german;
    for (qsizetype i = args.size(); i >= 1; --i)
        t.replace(QStringLiteral("@%1").arg(i), args[i - 1]);
    return t;
}

void btMessage(const QString& key, const QString& german, const QString& english, const QStringList& args)
{
    ui().messageBox(key, btText(german, english, args), 0);
}
