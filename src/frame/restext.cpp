#include "frame/restext.h"
#include "frame/paramstring.h"
#include "frame/program.h"

QString ExpandText(const QString& text, const QVariantList& args)
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
            out += k < args.size() ? args[k].toString() : QString();
            ++i;
        } else if (n == u'/') {
            out += QStringLiteral("\r\n");
            ++i;
        } else if (n == u'U') {
            out += prog().TitelAnw;
            ++i;
        } else if (n == u'V') {
            out += GetParam(prog().Cf, QStringLiteral("Vers"));
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}
