#include "prediction/runparams.h"
#include "frame/workslots.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"

namespace {
const QString PiText = QStringLiteral("{pi}");
}

QString& SyPar()
{
    return prog().WorkStr[Slot::SyPar];
}

QString& GlPar()
{
    return prog().WorkStr[Slot::GlPar];
}

bool flagSet(const QString& list, const QString& key)
{
    return readLeadingNumber(GetParam(list, key)) != 0;
}

bool maxOnly(const QString& list)
{
    return readLeadingNumber(GetParam(list, QStringLiteral("Mmax"))) == -1;
}

bool methodIn(const QString& digits, QChar digit)
{
    return digits.contains(digit);
}

QString methodListToStored(QString methods)
{
    methods.replace(QChar(PiMark), PiText);
    return methods;
}

QString methodListFromStored(QString stored)
{
    stored.replace(PiText, QString(QChar(PiMark)));
    return stored;
}
