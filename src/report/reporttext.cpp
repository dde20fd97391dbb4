#include "report/reporttext.h"
#include "frame/workslots.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "printing/printjob.h"
#include "report/listing.h"

QString msgAnsi(int id, int language, const QStringList& args)
{
    return ResText(QString::number(id), language, true, args);
}

QString msgOem(int id, int language, const QStringList& args)
{
    return ResText(QString::number(id), language, false, args);
}

double numParam(const QString& list, const QString& key)
{
    return readLeadingNumber(GetParam(list, key));
}

void setListRecord(const QString& letter, const QString& text)
{
    prog().WorkStr[Slot::Record] = (letter + text + EndeZeichen).leftJustified(ListRecordLength, u' ', true);
}

double printWidth(const QString& text)
{
    return currentPrinter().textWidth(printState().font, text);
}

QString scratchFile(int slot, const QString& name)
{
    return joinDesignPath(prog().WorkStr[size_t(slot)], name);
}
