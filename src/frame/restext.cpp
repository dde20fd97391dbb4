#include "frame/restext.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "printing/printjob.h"

// Placeholder text tables until the resource tables are in: every id reads as
// its number, so callers and tests can already see which message was meant.
QString ResStr(int base, int number, int language)
{
    return QStringLiteral("#%1").arg(base + number + language * 2000);
}

QString ResText(const QString& number, int language, bool, const QStringList& args)
{
    if (number.trimmed().isEmpty())
        return QString();
    return ExpandText(ResStr(0, int(readLeadingNumber(number)), language), args, language);
}

int MsgBoxRes(const QString& number, int buttons, int language, const QStringList& args)
{
    const QString text = ExpandText(ResStr(0, int(readLeadingNumber(number)), language), args, language);
    return ui().messageBox(number.trimmed(), text, buttons);
}

QString ExpandText(const QString& text, const QStringList& args, int)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'@' || i + 1 >= text.size()) {
            out += c;
            continue;
        }
        const QChar n = text[i + 1];
        if (n >= u'1' && n <= u'9') {
            const int k = n.unicode() - u'1';
            out += k < args.size() ? args[k] : QString();
            ++i;
        } else if (n == u'/') {
            out += QChar(10);
            ++i;
        } else if (n.toUpper() == u'U') {
            out += prog().TitelAnw;
            ++i;
        } else if (n.toUpper() == u'P') {
            out += QString::number(PrSeiteNr());
            ++i;
        } else if (n.toUpper() == u'V') {
            out += GetParam(prog().Cf, QStringLiteral("Vers"));
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}
