#include "qlist/qslneu.h"
#include "frame/workslots.h"
#include "frame/clock.h"
#include "frame/codepage.h"
#include "frame/interaction.h"
#include "frame/itemnumber.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "qlist/qslimport.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "qlist/qslcommands.h"


const std::array<const char*, QslNeuModel::FieldCount> QslNeuModel::Keys{"Typ",  "Yk",     "An", "Tec",
                                                                         "Code", "Anlage", "Be", "Ln"};
const std::array<int, QslNeuModel::FieldCount> QslNeuModel::MaxLength{20, 20, 20, 3, 12, 12, 148, 0};
const std::array<int, QslNeuModel::FieldCount> QslNeuModel::TabOrder{Ln, Typ, Yk, An, Tec, Code, Anlage, Be};

namespace {
constexpr int LabelOffset = 1516;
const char* const LabelCaptions[QslNeuModel::FieldCount] = {"6 Typ",  "7 yk",   "8 an",   "9 tec",
                                                            "10 code", "11 anl", "12 be", "13 nr"};

// Upper case of a text held in OEM codes, by the characters the codes stand for.
// Upper-casing the codes as if they were ANSI would turn the pi mark (227) into the
// continuation mark (195) and OEM letters into box characters.
QString oemUpper(const QString& oem)
{
    QString out = oem;
    for (QChar& c : out) {
        if (c == PiMark)
            continue;
        const QChar up = oemToUnicode(c).toUpper();
        const QChar back = unicodeToOem(up);
        if (!back.isNull())
            c = back;
    }
    return out;
}
} // namespace

QslNeuModel::QslNeuModel(int runmode, const QString& QSL)
{
    mode = (runmode < 0 || runmode > 5) ? 0 : runmode;
    if (mode == 4 || mode == 5)
        copyKind = int(readLeadingNumber(QSL));
}

void QslNeuModel::Form_Load()
{
    const QString qz = prog().WorkStr[Slot::Qz];
    for (int i = 0; i < FieldCount; ++i)
        labels[i] = localiseCaption(QString::fromLatin1(LabelCaptions[i]), LabelOffset).text;
    frames[0] = localiseCaption(QStringLiteral("14 id"), LabelOffset).text;
    frames[1] = localiseCaption(QStringLiteral("15 kz"), LabelOffset).text;
    title = localiseCaption(QStringLiteral("0 qsl xxx"), LabelOffset + mode, {qz}).text;
    commandCaption = localiseCaption(QStringLiteral("0 &Erstellen"), 1508 + mode).text;
    exitCaption = localiseCaption(QStringLiteral("0 A&bbrechen"), 1502).text;
    if (mode == 0)
        fields[Be] = shortDate(currentDate(), prog().LangNr);
}

std::optional<QChar> headFieldKey(QChar c, bool& beep)
{
    beep = false;
    const char16_t u = c.unicode();
    if (u == 3 || u == 8)
        return c;
    if (u == 16)
        return PiMark;
    if (c == u',' || c == u'=') {
        beep = true;
        return std::nullopt;
    }
    // The typed character in the ANSI code page; one it lacks is refused.
    const QByteArray ansi = toAnsi(QString(c));
    const int code = static_cast<unsigned char>(ansi.at(0));
    const bool unmappable = code == '?' && c != u'?';
    if (unmappable || code < 32 || code == 195 || code == 254) {
        beep = true;
        return std::nullopt;
    }
    return AnsiToOem(fromAnsi(ansi)).at(0);
}

void QslNeuModel::fieldLeft(int index)
{
    if (index >= 0 && index < FieldCount)
        fields[index] = oemUpper(fields[index]);
}

QString QslNeuModel::headList() const
{
    QString head;
    for (int i = 0; i < FieldCount; ++i) {
        if (fields[i].isEmpty())
            continue;
        const QString value = i == Ln ? (QStringLiteral("00000") + fields[i]).right(5) : oemUpper(fields[i]);
        head += u',' + QString::fromLatin1(Keys[i]) + u'=' + value;
    }
    return head.mid(1);
}

int QslNeuModel::refusedHead() const
{
    // The same checks, in the same order and with the same messages, as the
    // editor's save: a head created here must never be one the editor cannot
    // store again.
    const int lang = prog().LangNr;
    const QString yk = fields[Yk].trimmed();
    if (!yk.isEmpty()) {
        QString n, stand;
        YkNorm(OemToAnsi(yk), n, stand, true);
        if (n.startsWith(QLatin1String("Fehler!")) || n.startsWith(QLatin1String("Error!"))) {
            MsgBoxRes(QStringLiteral("120"), 0, lang, {AnsiToOem(n) + QStringLiteral(":  Yk=") + yk});
            return Yk;
        }
    }
    for (const Field f : {Typ, An}) {
        if (fields[f].size() > 20) {
            MsgBoxRes(QStringLiteral("504"), 0, lang,
                      {QString::fromLatin1(Keys[f]) + u'=' + oemUpper(fields[f])});
            return f;
        }
    }
    for (const Field f : {Typ, Yk, An, Tec, Code, Anlage, Be}) {
        if (fields[f].contains(u'\'')) {
            MsgBoxRes(QStringLiteral("31"), 0, lang, {fields[f]});
            return f;
        }
    }
    return -1;
}

int QslNeuModel::CmdQSL_Click()
{
    if (fields[Typ].isEmpty() && fields[Yk].isEmpty() && fields[An].isEmpty() && fields[Ln].isEmpty()) {
        MsgBoxRes(QStringLiteral("10"), 0, prog().LangNr);
        return -1;
    }
    if (mode == 0) {
        if (const int refused = refusedHead(); refused >= 0)
            return refused;
    }
    const QString head = headList();
    int focus = -1;
    switch (mode) {
    case 0: {
        const QString r = NeueQsl(head);
        if (r == QLatin1String("Typ"))
            focus = Typ;
        else if (r == QLatin1String("Yk"))
            focus = Yk;
        else if (r == QLatin1String("An"))
            focus = An;
        break;
    }
    case 1:
        OeffneQsl(head);
        break;
    case 2:
        if (LoeschQsl(head) == QLatin1String("T"))
            for (int i : {int(Ln), int(Typ), int(Yk), int(An)})
                fields[i].clear();
        break;
    case 4:
    case 5:
        if (QslImport(copyKind, head) != QLatin1String("no"))
            tag = QStringLiteral("1");
        break;
    default:
        break;
    }
    return focus;
}

void frmQslNeu::Run(int runmode, const QString& QSL)
{
    QslNeuModel model(runmode, QSL);
    model.tag = QStringLiteral("0");
    model.Form_Load();
    Question q;
    q.key = QStringLiteral("frmQslNeu");
    q.text = model.title;
    const Answer a = ui().askNewQsl(q, model);
    if (a.applied)
        return;
    if (a.cancelled || a.text == QLatin1String("ABBRUCH"))
        return;
    for (int i = 0; i < QslNeuModel::FieldCount && i < a.values.size(); ++i)
        model.fields[i] = a.values[i];
    model.CmdQSL_Click();
}
