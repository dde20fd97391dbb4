#include "dialogue/oemtext.h"
#include "frame/markers.h"
#include "frame/restext.h"

QString screenText(const QString& oem)
{
    QString out;
    out.reserve(oem.size());
    for (const QChar c : oem)
        out += (c == PiMark) ? PiChar : oemToUnicode(c);
    out.replace(QLatin1String("{p}"), QString(PiChar));
    return out;
}

QString interfaceText(int number, int language)
{
    return AnsiToOem(ResStr(0, number, language));
}

QString fieldToDisplay(const QString& memory)
{
    QString out;
    out.reserve(memory.size());
    for (const QChar c : memory)
        out += (c.unicode() > 0xFF) ? c : oemToUnicode(c);
    return out;
}

QString fieldFromDisplay(const QString& shown)
{
    QString out;
    out.reserve(shown.size());
    for (const QChar c : shown) {
        if (c == PiChar) {
            out += c;
            continue;
        }
        const QChar o = unicodeToOem(c);
        out += o.isNull() ? QChar(u'?') : o;
    }
    return out;
}
