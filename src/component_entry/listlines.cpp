#include "component_entry/listlines.h"
#include "frame/workslots.h"
#include "frame/formatters.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "listing/listingfiles.h"

namespace listing {

QString text(int id, const QStringList& args)
{
    return ResText(QString::number(id), prog().LangNr, false, args);
}

void line(const QString& letter, const QString& line, int nC, int nT)
{
    prog().WorkStr[Slot::Record] = (letter + line + EndeZeichen).leftJustified(ListRecordLength, u' ', true);
    ErgLf(nC, nT);
}

void wrapped(const QString& text, int width, const QString& breakCharacters, int indent)
{
    QString piece = text;
    QString prefix;
    for (;;) {
        QString rest;
        TextUmbruch(piece, width, breakCharacters, rest);
        line(QStringLiteral("*"), prefix + piece);
        if (rest.isEmpty() || rest == piece)
            break;
        piece = rest;
        prefix = QString(indent, u' ');
    }
}

double num(const QString& text)
{
    return readLeadingNumber(text);
}

} // namespace listing
