#include "component_file/recordcheck.h"
#include "component_file/btdatei.h"
#include "component_file/btmessages.h"
#include "component_file/btrecord.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/valuecheck.h"

#include <cfloat>
#include <cmath>

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 32 || c.unicode() == 127;
}

// A value that is a number as a whole (sign, digits, point, exponent), so that a
// designation such as "1N4148" is not taken for one.
bool wholeNumber(const QString& value)
{
    const QString v = value.trimmed();
    if (v.isEmpty())
        return false;
    qsizetype i = 0;
    if (v[i] == u'+' || v[i] == u'-')
        ++i;
    bool digits = false;
    while (i < v.size() && v[i].isDigit()) {
        ++i;
        digits = true;
    }
    if (i < v.size() && v[i] == u'.') {
        ++i;
        while (i < v.size() && v[i].isDigit()) {
            ++i;
            digits = true;
        }
    }
    if (!digits)
        return false;
    if (i < v.size() && (v[i] == u'E' || v[i] == u'e')) {
        ++i;
        if (i < v.size() && (v[i] == u'+' || v[i] == u'-'))
            ++i;
        bool exponent = false;
        while (i < v.size() && v[i].isDigit()) {
            ++i;
            exponent = true;
        }
        if (!exponent)
            return false;
    }
    return i == v.size();
}

} // namespace

int longestRecord()
{
    // Into an empty block, as the store places records: block + record < limit.
    return BlockLimit - 1;
}

QString recordRefusal(const QString& record, const QString& cf)
{
    for (qsizetype i = 0; i < record.size(); ++i)
        if (isControl(record[i]))
            return btText(QStringLiteral("Steuerzeichen (Code @1) an Stelle @2 nicht zulässig"),
                          QStringLiteral("Control character (code @1) at position @2 not allowed"),
                          {QString::number(record[i].unicode()), QString::number(i + 1)});

    const QString identity = identityPart(record);
    bool designation = false;
    for (const QString& item : identity.split(u',')) {
        const qsizetype eq = item.indexOf(u'=');
        const QString key = item.left(eq).trimmed();
        if (eq < 0 || (key != QLatin1String("Typ") && key != QLatin1String("Yk") && key != QLatin1String("An")))
            continue;
        if (item.mid(eq + 1).trimmed().isEmpty())
            return btText(QStringLiteral("Leere Bezeichnung @1= nicht zulässig"),
                          QStringLiteral("Empty designation @1= not allowed"), {key});
        designation = true;
    }
    if (!designation)
        return btText(QStringLiteral("Keine Bezeichnung (Typ=, Yk= oder An=)"),
                      QStringLiteral("No designation (Typ=, Yk= or An=)"));

    if (record.size() > longestRecord())
        return btText(QStringLiteral("Datensatz zu lang: @1 Zeichen, ein Block fasst höchstens @2"),
                      QStringLiteral("Record too long: @1 characters, a block holds at most @2"),
                      {QString::number(record.size()), QString::number(longestRecord())});

    // The description behind ",B," is free text; the data items before it are
    // read as numbers by the calculation (in single precision).
    QString data = record;
    if (const qsizetype b = data.indexOf(QLatin1String(",B,")); b >= 0)
        data.truncate(b);
    const QStringList items = data.split(u',');
    for (qsizetype n = 0; n < items.size(); ++n) {
        const QString& item = items[n];
        const qsizetype eq = item.indexOf(u'=');
        if (eq < 0)
            continue;
        const QString value = item.mid(eq + 1);
        if (!wholeNumber(value))
            continue;
        // "K1=0,5" splits into "K1=0" and a bare "5": merged, it would read 0.
        if (n + 1 < items.size() && !items[n + 1].contains(u'=') && wholeNumber(items[n + 1]))
            return item.left(eq).trimmed() + QStringLiteral(": ") +
                   checkNumber(QString(value + u',' + items[n + 1])).refusal;
        const double v = readLeadingNumber(value);
        if (!std::isfinite(v) || std::fabs(v) > double(FLT_MAX))
            return btText(QStringLiteral("Zahl außerhalb des zulässigen Bereichs: @1=@2"),
                          QStringLiteral("Number out of range: @1=@2"), {item.left(eq), value.trimmed()});
    }

    const QString bac = GetParam(record, QStringLiteral("Bac"));
    const QString group = bac.left(2);
    const bool digits = group.size() == 2 && group[0].isDigit() && group[1].isDigit();
    if (!digits || group.toInt() < 11 || GetParam(cf, QStringLiteral("G") + group).isEmpty())
        return btText(QStringLiteral("Bauelemente-Gruppe @1 (Bac=@2) ist nicht konfiguriert"),
                      QStringLiteral("Component group @1 (Bac=@2) is not configured"), {group, bac});
    return QString();
}
