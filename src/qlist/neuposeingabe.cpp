#include "qlist/neuposeingabe.h"
#include "dialogue/dia.h"
#include "position_line/posline.h"
#include "frame/numbers.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "qlist/fehlqsbt.h"

#include <cmath>

namespace {

QString screenFile()
{
    return prog().LangDir + QStringLiteral("qsl\\kopfpos");
}

// The leading number of a quantity, to the nearest whole number (a half to the
// even one); text that is no number gives 0.
double wholeQuantity(const QString& text)
{
    return std::nearbyint(readLeadingNumber(text));
}

// An Sl value holding an item separator would break the line into stray items
// ("Sl=R1,R2" gives an item "R2"); such an entry is asked again.
bool breaksTheLine(const QString& sl)
{
    return sl.contains(u',') || sl.contains(u'=') || sl.contains(u'!');
}

void append(const QString& line)
{
    prog().QslEdit->appendRow(line);
}

} // namespace

bool NeuPosEingabe()
{
    Program& p = prog();
    if (!p.QslEdit)
        return false;
    bool appended = false;
    int added = 0;
    QString lastAdded;
    QStringList anEin(4);
    while (true) {
        QString kz;
        // The screen comes back with the last entry still in its fields: it says
        // what was added so far, so that a repeated Enter does not add the same
        // position again unseen.
        QString ret = added == 0 ? QString()
                                 : ResText(QStringLiteral("507"), p.LangNr, false,
                                           {QString::number(added), lastAdded})
                                       .left(76);
        QString startBis = QStringLiteral("VarS=1");
        DiaDIN(screenFile(), QStringLiteral("neupos"), kz, startBis, anEin, ret);
        if (ret == QLatin1String("ABBRUCH"))
            return appended;
        const QString s = anEin.value(1).trimmed().toUpper();
        const QString sl = anEin.value(2).trimmed();
        const QString comment = anEin.value(3).trimmed();
        const qsizetype c1 = s.indexOf(u',');
        const qsizetype c2 = c1 < 0 ? -1 : s.indexOf(u',', c1 + 1);
        const qsizetype c3 = c2 < 0 ? -1 : s.indexOf(u',', c2 + 1);
        if (c1 < 0 || c2 < 0) {
            MsgBoxRes(QStringLiteral("200"), 0, p.LangNr);
            continue;
        }
        if (c1 == 0 || wholeQuantity(s) == 0) {
            MsgBoxRes(QStringLiteral("201"), 0, p.LangNr);
            continue;
        }
        const QString kind = s.mid(c2 + 1, 1).trimmed();
        QString key;
        if (kind == QLatin1String("T"))
            key = QStringLiteral(",Typ=");
        else if (kind == QLatin1String("S"))
            key = QStringLiteral(",Yk=");
        else if (kind == QLatin1String("A"))
            key = QStringLiteral(",An=");
        if (key.isEmpty()) {
            MsgBoxRes(QStringLiteral("202"), 0, p.LangNr);
            continue;
        }
        // A position without a designation names no component at all.
        const QString designation = s.mid(c1 + 1, c2 - c1 - 1);
        if (designation.trimmed().isEmpty()) {
            MsgBoxRes(QStringLiteral("10"), 0, p.LangNr);
            continue;
        }
        if (breaksTheLine(sl))
            continue;
        const bool subList = c3 >= 0 && s.mid(c3 + 1, 1) == QLatin1String("Q");
        lastAdded = positionLine(s.left(c1) + key + designation, sl, subList, comment);
        append(lastAdded);
        appended = true;
        ++added;
    }
}

bool NeuPosEingabe(const QString& identity)
{
    Program& p = prog();
    if (!p.QslEdit)
        return false;
    QStringList anEin(4);
    while (true) {
        QString kz;
        QString ret = identity;
        QString startBis = QStringLiteral("VarS=1");
        DiaDIN(screenFile(), QStringLiteral("neube"), kz, startBis, anEin, ret);
        if (ret == QLatin1String("ABBRUCH"))
            return false;
        const QString quantity = anEin.value(1).trimmed();
        const QString sl = anEin.value(2).trimmed();
        const QString comment = anEin.value(3).trimmed();
        if (quantity.isEmpty())
            continue;
        const double n = wholeQuantity(quantity);
        if (n == 0) {
            MsgBoxRes(QStringLiteral("201"), 0, p.LangNr);
            continue;
        }
        if (breaksTheLine(sl))
            continue;
        append(positionLine(plainNumber(n) + u',' + identity, sl, false, comment));
        return true;
    }
}
