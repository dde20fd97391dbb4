#include "component_file/interim_texts.h"
#include "frame/program.h"

#include <QtCore5Compat/QTextCodec>

namespace {
QString itemNumberError(int id, int block, int width = 0)
{
    const bool en = prog().LangNr == 2;
    QString t;
    switch (id) {
    case 288:
        t = en ? QStringLiteral("Error!  Block @1 must start with a character")
               : QStringLiteral("Fehler!  Block @1 muß mit einem Buchstaben beginnen");
        break;
    case 289:
        t = en ? QStringLiteral("Error!  Block @1 must not have numerals except in first position")
               : QStringLiteral("Fehler!  Block @1 darf außer am Blockanfang nur Ziffern enthalten");
        break;
    default:
        t = en ? QStringLiteral("Error!  Block @1 must not be longer than @2 characters")
               : QStringLiteral("Fehler!  Block @1 darf nicht länger als @2 Zeichen sein");
        break;
    }
    return t.replace(QLatin1String("@1"), QString::number(block)).replace(QLatin1String("@2"), QString::number(width));
}
} // namespace

QString SachNrForm(const QString& number)
{
    QString t = number;
    while (!t.isEmpty() && t[0] == u' ')
        t.remove(0, 1);
    t = t.toUpper();
    QString r;
    const int widths[3] = {6, 5, 4};
    for (int k = 1; k <= 3; ++k) {
        const int w = widths[k - 1];
        QChar c;
        if (!t.isEmpty()) {
            c = t[0];
            if (!(c == u'+' || c == u'*' || (c >= u'A' && c <= u'Z')))
                return itemNumberError(288, k);
            t.remove(0, 1);
        }
        while (!t.isEmpty() && t[0] == u' ')
            t.remove(0, 1);
        const qsizetype p = t.indexOf(u'-');
        QString d;
        if (p + 1 > w)
            return itemNumberError(290, k, w);
        if (p >= 0) {
            d = t.left(p);
            t = t.mid(p + 1);
            while (!t.isEmpty() && t[0] == u' ')
                t.remove(0, 1);
        } else {
            d = t;
            t.clear();
            if (d.size() > w - 1)
                return itemNumberError(290, k, w);
        }
        for (QChar ch : d)
            if (!(ch.isDigit() || ch == u'*'))
                return itemNumberError(289, k);
        r += (c.isNull() ? QString() : QString(c)) + d.rightJustified(w - 1, u' ', true) + u'-';
        if (k == 3 || t.isEmpty())
            break;
    }
    if (r.endsWith(u'-'))
        r.chop(1);
    return r.leftJustified(17, u' ', true);
}

QString OemToAnsiIfOem(const QString& text)
{
    static const char16_t umlauts[] = {132, 148, 129, 142, 153, 154, 225};
    bool oem = false;
    for (char16_t u : umlauts)
        if (text.contains(QChar(u)))
            oem = true;
    if (!oem)
        return text;
    QTextCodec* codec = QTextCodec::codecForName("IBM 850");
    if (!codec)
        return text;
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text)
        bytes.append(char(ch.unicode() & 0xFF));
    return codec->toUnicode(bytes);
}
