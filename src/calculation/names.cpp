#include "calculation/names.h"
#include "calculation/calcinterface.h"
#include "frame/codepage.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"

namespace {
void setCharAt(QString& text, int position, QChar c)
{
    if (position >= 1 && position <= text.size())
        text[position - 1] = c;
}

int numberOf(const QString& digits)
{
    return int(readLeadingNumber(digits));
}

// Complexity classes by the count of the class's unit.
QString generalScale(double v)
{
    if (v >= 1 && v <= 10)
        return QStringLiteral("SSI");
    if (v >= 11 && v <= 100)
        return QStringLiteral("MSI");
    if (v >= 101 && v <= 1000)
        return QStringLiteral("LSI");
    if (v >= 1001 && v <= 10000)
        return QStringLiteral("VLSI");
    if (v >= 10001 && v <= 100000)
        return QStringLiteral("ULSI");
    if (v >= 100001 && v <= 1000000)
        return QStringLiteral("SLSI");
    return QString();
}

// Only the capital letters multiply here; "5kg" is five gates.
double countWithMultiplier(const QString& text)
{
    double v = readLeadingNumber(text);
    if (text.contains(u'K'))
        v *= 1000;
    if (text.contains(u'M'))
        v *= 1000000;
    return v;
}

} // namespace

void KomplexText(const QString& ComponentData, QString& Kompl, QString& Text)
{
    const QString bac = GetParam(ComponentData, QStringLiteral("Bac"));
    QString k1 = GetParam(ComponentData, QStringLiteral("K1"));
    QString k2 = GetParam(ComponentData, QStringLiteral("K2"));
    QString u1, u2, bound;
    if (!k1.isEmpty()) {
        u1 = k1.right(1);
        k1.chop(1);
        bound = GetParamPair(QStringLiteral("K1=") + k1, QStringLiteral("K1")).textMax;
    }
    if (!k2.isEmpty()) {
        u2 = k2.right(1);
        k2.chop(1);
    }
    const QString group = bac.left(2);
    const QString bac3 = bac.left(3);
    const QString counted = k1 + u' ' + u1;

    auto setClass = [&](const QString& cls) {
        Kompl = cls;
        Text = cls + u' ' + counted;
    };

    if (group == QLatin1String("11")) {
        Kompl = k1;
        Text = counted;
    } else if (group == QLatin1String("12")) {
        if (bac3 == QLatin1String("121") || bac3 == QLatin1String("122") || bac3 == QLatin1String("123")) {
            Text = counted;
            if (!k2.isEmpty()) {
                Kompl = k2 + u' ' + u2;
                Text += QStringLiteral(" + ") + k2 + u' ' + u2;
            }
        } else if (bac3 == QLatin1String("126")) {
            setClass(generalScale(countWithMultiplier(bound)));
        }
    } else if (group == QLatin1String("16")) {
        if (bac3 == QLatin1String("165") || bac3 == QLatin1String("166") || bac3 == QLatin1String("167")) {
            const double v = readLeadingNumber(bound);
            QString cls;
            if (v <= 10)
                cls = QStringLiteral("SSI");
            else if (v >= 12 && v <= 14)
                cls = QStringLiteral("MSI");
            else if (v >= 16)
                cls = QStringLiteral("LSI");
            setClass(cls);
        } else {
            const double v = countWithMultiplier(bound);
            QString cls;
            if (v >= 1 && v <= 30)
                cls = QStringLiteral("SSI");
            else if (v >= 31 && v <= 300)
                cls = QStringLiteral("MSI");
            else if (v >= 301 && v <= 3000)
                cls = QStringLiteral("LSI");
            setClass(cls);
        }
    } else {
        setClass(generalScale(countWithMultiplier(bound)));
    }
}

QString BtName(const QString& ComponentData, const QString& NameColumn)
{
    Program& p = prog();
    const QString bac = GetParam(ComponentData, QStringLiteral("Bac"));
    QString tec = GetParam(ComponentData, QStringLiteral("Tec"));
    if (tec.isEmpty())
        tec = QStringLiteral("0000");
    p.RunStr[RunSlot::Bac] = bac;
    p.RunStr[RunSlot::Bac2] = bac.left(2);
    p.RunStr[RunSlot::Bac3] = bac.left(3);
    p.RunStr[RunSlot::Bac1] = bac.left(1);
    p.RunStr[RunSlot::Tec] = tec;

    // Classes whose variants share one name: the distinguishing characters of
    // the key are neutralised.
    QString key = bac + tec.left(3);
    switch (numberOf(bac.left(2))) {
    case 37:
        setCharAt(key, 5, u'0');
        setCharAt(key, 6, u'0');
        break;
    case 53: {
        setCharAt(key, 4, u'0');
        setCharAt(key, 7, u'0');
        const int bac3 = numberOf(bac.left(3));
        if (bac3 >= 532 && bac3 <= 536)
            setCharAt(key, 6, u'0');
        break;
    }
    case 54:
        setCharAt(key, 5, u'0');
        break;
    case 58:
        setCharAt(key, 6, u'0');
        setCharAt(key, 7, u'0');
        break;
    default:
        break;
    }

    const bool english = NameColumn == QLatin1String("N2");
    QString name;
    try {
        if (NameColumn != QLatin1String("N1") && !english)
            throw DbError(QStringLiteral("Item not found in this collection: %1").arg(NameColumn), 3265);
        Database* db = p.SystDb.get();
        if (!db)
            throw DbError(QStringLiteral("Object variable not set: SystDb"), 91);
        const Snapshot s =
            db->snapshot(QStringLiteral("SELECT [%1] FROM [SINNAME] WHERE [BacTec] = ?").arg(NameColumn), {key});
        if (s.recordCount() > 0)
            name = AnsiToOem(s.text(0));
        else
            appendWarn(QStringLiteral("BtName"));
    } catch (const DbError& e) {
        abortOnDbError(QStringLiteral("  XHAP: BtName !   "), e);
    }

    const QString group = bac.left(2);
    const QString vf = GetParam(ComponentData, QStringLiteral("Vf"));
    if (bac.startsWith(u'1')) {
        QString kompl, text;
        KomplexText(ComponentData, kompl, text);
        name += u' ' + kompl;
    } else if (group == QLatin1String("52") && !vf.isEmpty()) {
        name += u' ' + vf + (english ? QStringLiteral(" pins") : QStringLiteral(" polig"));
    } else if ((group == QLatin1String("53") || group == QLatin1String("54")) && !vf.isEmpty()) {
        name += u' ' + vf + (english ? QStringLiteral(" contacts") : QStringLiteral(" KS"));
    }
    return name;
}

QString PosBtName(int Language)
{
    Program& p = prog();
    const QString bac = GetParam(p.WorkStr[Slot::Q], QStringLiteral("Bac"));
    p.RunStr[RunSlot::Bac] = bac;
    if (bac == QLatin1String("0000"))
        return QStringLiteral("Qsl");
    if (bac == QLatin1String("0100"))
        return QStringLiteral("Modul mit eigener Qsl");
    const QString column = QStringLiteral("N") + QString::number(Language);
    QString name = BtName(p.WorkStr[Slot::Q], column);
    const QString z = p.WorkStr[Slot::Z];
    if (!z.isEmpty() && z.contains(QLatin1String("Bac="))) {
        const QStringList entries = splitSubComponents(z);
        // A component record holds at most nine sub-components.
        for (qsizetype i = 0; i < entries.size() && i < 9; ++i) {
            const QString sub = BtName(entries[i], column);
            if (!sub.isEmpty())
                name += QStringLiteral(" + ") + sub;
        }
    }
    return name;
}
