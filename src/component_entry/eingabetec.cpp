#include "component_entry/eingabetec.h"
#include "frame/workslots.h"
#include "component_entry/entrysteps.h"
#include "calculation/systdb.h"
#include "dialogue/dia.h"
#include "frame/formatters.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/program.h"

namespace {

const QString kTec = QStringLiteral("btx\\tec");

// How a pass of the questions ended.
enum class Pass { Done, Cancel, Back, Again };

// Writes code at position pos (from 1) over at most len characters of tec, and
// no more than the code has.
void writeAt(QString& tec, int pos, int len, const QString& code)
{
    const int n = std::min<int>(len, int(code.size()));
    if (n > 0)
        tec.replace(pos - 1, n, code.left(n));
}

int num(const QString& text)
{
    return int(readLeadingNumber(text));
}

class TecQuestions {
public:
    explicit TecQuestions(const QString& bac) : Bac(bac)
    {
        d1 = Bac.left(1);
        d2 = Bac.left(2);
        d3 = Bac.left(3);
        V1 = num(d1);
        V2 = num(d2);
        V3 = num(d3);
    }

    // One pass of the class rules; Tec holds the code when it ends Done.
    Pass run(QString& Tec);

private:
    // A menu of "btx\tec"; withList shows the component data in the panel
    // while a submenu is open. again: back starts the questions anew.
    Pass ask(const QString& chapter, QString& code, bool again, bool withList = false,
             const QString& listSuffix = QString())
    {
        const QString bez = withList ? prog().WorkStr[Slot::Q] + QStringLiteral(",Tec=") + listSuffix : QStringLiteral(",Tec=");
        const int m = entry::menu(kTec, chapter, code, bez, 2, 3);
        if (m == 1)
            return Pass::Cancel;
        if (m == 2)
            return again ? Pass::Again : Pass::Back;
        return Pass::Done;
    }
    void panel(const QString& code) { entry::panel(prog().WorkStr[Slot::Q] + QStringLiteral(",Tec=") + code); }
    Pass milScreen(bool again);

    Pass group1(QString& Tec);
    Pass group2(QString& Tec);
    Pass group3(QString& Tec);
    Pass group4(QString& Tec);
    Pass group5(QString& Tec);

    QString Bac, d1, d2, d3;
    int V1 = 0, V2 = 0, V3 = 0;
};

#define ASK(...)                                                                                                       \
    do {                                                                                                               \
        const Pass p_ = ask(__VA_ARGS__);                                                                              \
        if (p_ != Pass::Done)                                                                                          \
            return p_;                                                                                                 \
    } while (0)

Pass TecQuestions::run(QString& Tec)
{
    switch (V1) {
    case 1:
        return group1(Tec);
    case 2:
        return group2(Tec);
    case 3:
        return group3(Tec);
    case 4:
        return group4(Tec);
    case 5:
        return group5(Tec);
    default: { // 6 and 7
        QString c;
        ASK(d3, c, false);
        Tec = (c + QStringLiteral("0000")).left(4);
        return Pass::Done;
    }
    }
}

Pass TecQuestions::group1(QString& Tec)
{
    Tec.clear();
    QString code;
    if (V3 == 133 || V3 == 168) {
        if (Bac == QLatin1String("1683")) {
            Tec = QStringLiteral("6000");
            return Pass::Done;
        }
        ASK(QStringLiteral("s1hfhv"), code, false);
        Tec = code + QStringLiteral("000");
        return Pass::Done;
    }
    if (V3 >= 161 && V3 <= 164) {
        ASK(QStringLiteral("s1opver"), code, false);
        Tec = code + QStringLiteral("000");
        return Pass::Done;
    }
    ASK(QStringLiteral("s1"), code, false);
    Tec = code;
    panel(Tec);
    if (V3 == 112) {
        const int first = num(Tec.left(1));
        if (first >= 3 && first <= 5) {
            Tec += u'0';
            ASK(QStringLiteral("s3zyk"), code, true);
            Tec += code;
        }
    } else if (V3 == 137) {
        ASK(QStringLiteral("s2pld"), code, true);
        Tec += code;
    } else if (V3 == 141 || V3 == 142) {
        const int n = num(Tec);
        if (n == 1 || n == 2 || n == 4 || n == 5) {
            ASK(QStringLiteral("s2t") + Tec, code, true);
            Tec += code;
        }
    }
    Tec = FormStr(Tec, 4, QStringLiteral("0"));
    return Pass::Done;
}

Pass TecQuestions::group2(QString& Tec)
{
    Tec.clear();
    QString code;
    if (d2 == QLatin1String("21")) {
        if (d3 == QLatin1String("211") || d3 == QLatin1String("213") || d3 == QLatin1String("214") ||
            d3 == QLatin1String("216")) {
            ASK(d3, code, false, true);
            Tec = code;
        } else if (d3 == QLatin1String("218")) {
            ASK(QStringLiteral("216"), code, false, true);
            Tec = code;
        } else if (d3 == QLatin1String("217")) {
            Tec = QStringLiteral("6000");
        } else if (d3 == QLatin1String("212")) {
            ASK(QStringLiteral("212"), code, false, true, QStringLiteral("1"));
            Tec = u'1' + code;
        }
    }
    Tec = FormStr(Tec, 4, QStringLiteral("0"));
    return Pass::Done;
}

Pass TecQuestions::group3(QString& Tec)
{
    Tec = QStringLiteral("0000");
    QString p1, p2, p3, p4, code;
    switch (V3) {
    case 311:
        ASK(QStringLiteral("t4"), p4, false, true);
        break;
    case 312:
        if (Bac != QLatin1String("3120")) {
            ASK(Bac, code, false, true);
            panel(code);
            if (code.size() > 1) {
                p1 = code.left(1);
                p2 = code.mid(1);
            } else {
                p1 = code;
            }
            ASK(QStringLiteral("t4"), p4, true, true);
        } else {
            p1 = QStringLiteral("1");
            ASK(QStringLiteral("t4"), p4, false, true);
        }
        break;
    case 321:
    case 341:
        ASK(d3, p2, false, true);
        break;
    case 322:
        if (Bac == QLatin1String("3227"))
            ASK(QStringLiteral("3227"), p1, false, true);
        break;
    case 323:
    case 324:
    case 328:
    case 331:
    case 343:
    case 346:
    case 371:
    case 373:
    case 377:
        ASK(V3 == 373 ? QStringLiteral("371") : d3, code, false, true);
        if (code.size() > 2) {
            p3 = code.mid(2);
            code = code.left(2);
        }
        if (code.size() > 1) {
            p2 = code.mid(1, 1);
            p1 = code.left(1);
        } else {
            p1 = code;
        }
        if (V3 == 323) {
            panel(p1);
            ASK(QStringLiteral("t4"), p4, true, true);
        }
        break;
    case 325:
        ASK(Bac, p1, false, true);
        p4 = QStringLiteral("1");
        break;
    default:
        break;
    }
    writeAt(Tec, 1, 1, p1);
    writeAt(Tec, 2, 1, p2);
    writeAt(Tec, 3, 1, p3);
    writeAt(Tec, 4, 1, p4);
    return Pass::Done;
}

Pass TecQuestions::milScreen(bool again)
{
    Program& p = prog();
    if (!GetParam(p.WorkStr[Slot::GlPar], QStringLiteral("Norm")).contains(u'2'))
        return Pass::Done;
    QString kz;
    const int m = frmDia::DIK(entry::langFile(QStringLiteral("btx\\tecm")), d3, kz, 3);
    if (m == 1)
        return Pass::Cancel;
    if (m == 2)
        return again ? Pass::Again : Pass::Back;
    // The MIL technology parameter of the chosen key is looked up, as the models
    // know it, but not stored: the MIL models read the technology from Tec.
    const QString parameters = DalesXls(QStringLiteral("MILFUNKT"), QStringLiteral("Kl"), QStringLiteral("Tec") + d3,
                                        QStringLiteral("Param"));
    (void)GetParam(parameters, kz);
    return Pass::Done;
}

Pass TecQuestions::group4(QString& Tec)
{
    Tec = QStringLiteral("0000");
    QString c1, code;
    ASK(d3, c1, false);
    writeAt(Tec, 1, 1, c1);
    panel(Tec);
    switch (V3) {
    case 411:
        if (c1 == QLatin1String("2") || c1 == QLatin1String("3")) {
            ASK(QStringLiteral("411t2"), code, true);
            writeAt(Tec, 2, 1, code);
            panel(Tec);
        }
        return milScreen(true);
    case 412:
        if (c1 == QLatin1String("1")) {
            ASK(QStringLiteral("t4"), code, true);
            writeAt(Tec, 4, 1, code);
            panel(Tec);
        }
        return milScreen(true);
    case 413:
    case 415:
        return milScreen(true);
    case 426:
    case 427:
        return milScreen(false);
    default:
        return Pass::Done;
    }
}

Pass TecQuestions::group5(QString& Tec)
{
    Tec = QStringLiteral("0000");
    QString c;
    switch (V2) {
    case 52:
        if (V3 == 521 || V3 == 524) {
            ASK(d2, c, false);
            writeAt(Tec, 1, 1, c);
        }
        break;
    case 53:
        if (V3 == 531) {
            ASK(d3, c, false);
            const int n = num(c);
            if (n > 1 && n < 10)
                c += u'2';
            writeAt(Tec, 1, 2, c);
        } else if (V3 == 532 || V3 == 533 || V3 == 535 || V3 == 536) {
            ASK(QStringLiteral("532"), c, false);
            writeAt(Tec, 1, 2, c);
        }
        panel(Tec);
        ASK(QStringLiteral("5t3"), c, true);
        writeAt(Tec, 3, 1, c);
        break;
    case 54:
        if (V3 == 544 || V3 == 545) {
            ASK(QStringLiteral("5t"), c, false);
            writeAt(Tec, 1, 1, c);
            if (V3 == 545) {
                panel(Tec);
                ASK(d3, c, true);
                writeAt(Tec, 2, 1, c);
            }
        }
        break;
    case 58:
        ASK(Bac, c, false);
        writeAt(Tec, 1, 1, c);
        if (Tec != QLatin1String("0000")) {
            panel(Tec);
            ASK(QStringLiteral("5t"), c, true);
            writeAt(Tec, 2, 1, c);
            panel(Tec);
            ASK(QStringLiteral("5t3"), c, true);
            writeAt(Tec, 3, 1, c);
            panel(Tec);
        }
        break;
    case 59:
        ASK(Bac, c, false, true);
        Tec = (c + QStringLiteral("0000")).left(4);
        panel(Tec);
        break;
    default:
        break;
    }
    return Pass::Done;
}

#undef ASK

} // namespace

int EingabeTec(const QString& Bac, QString& Tec)
{
    TecQuestions questions(Bac);
    const int v1 = int(readLeadingNumber(Bac.left(1)));
    if (v1 < 1 || v1 > 7)
        return 0;
    for (;;) {
        entry::panel(prog().WorkStr[Slot::Q]);
        QString tec;
        switch (questions.run(tec)) {
        case Pass::Done:
            Tec = tec;
            return 0;
        case Pass::Cancel:
            Tec.clear();
            return 1;
        case Pass::Back:
            Tec.clear();
            return 2;
        case Pass::Again:
            break;
        }
    }
}
