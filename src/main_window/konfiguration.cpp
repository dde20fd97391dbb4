#include "main_window/konfiguration.h"
#include "frame/workslots.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/formatters.h"
#include "frame/inifile.h"
#include "frame/links.h"
#include "frame/interaction.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/textlib.h"


namespace {
constexpr double kPrintWidth = 9638;       // twips, A4 and Letter
constexpr double kPrintHeightA4 = 15080;   // twips
constexpr double kPrintHeightLetter = 14060;

// A twip value in DefUnit with two, one or no decimals, whichever keeps the text
// within four characters.
QString sizeText(double twips, double a, double b)
{
    const double v = twips / a * b;
    for (int decimals = 2; decimals >= 0; --decimals) {
        const QString t = fixedNumber(v, decimals);
        if (t.size() <= 4 || decimals == 0)
            return t;
    }
    return QString();
}

QString keyValue(const QString& cf, const char* key)
{
    return GetParam(cf, QString::fromLatin1(key));
}
} // namespace

KonfigModel::KonfigModel() : checkPrintArea(links<KonfigPrinting>().checkPrintArea) {}

void KonfigModel::LoadKonfig()
{
    Program& p = prog();
    defUnit = GetParam(p.Cf, QStringLiteral("DefUnit"));
    lang = p.LangNr == 2 ? 2 : 1;
    qslDruck = (p.QslDruckNr >= 1 && p.QslDruckNr <= 3) ? p.QslDruckNr : 1;
    QString title = p.TitelAnw;
    while (title.endsWith(u' '))
        title.chop(1);
    be[0] = title;
    be[1] = p.BinDir;
    be[2] = p.BexDir;
    be[3] = GetParam(p.Cf, QStringLiteral("ResDir"));
    be[4] = p.WorkStr[Slot::AwsDir];
    be[5] = p.WorkStr[Slot::Vql];
    qsl = p.WorkStr[Slot::Qz];
    const QString list = ResText(QStringLiteral("443"), p.LangNr, true);
    paperList.clear();
    for (int i = 0;; ++i) {
        const QString item = GetParam(list, QString::number(i));
        if (item.isEmpty())
            break;
        paperList << item;
    }
    int paf = int(readLeadingNumber(GetParam(p.Cf, QStringLiteral("Paf"))));
    if (paf < 0 || paf > 2)
        paf = 0;
    for (auto& r : rand)
        r.clear();
    paperChosen(paf);
    for (int i = 0; i < 4; ++i) {
        const QString v = GetParam(p.Cf, QStringLiteral("Rand") + QString::number(i));
        if (!v.isEmpty())
            rand[i] = v;
    }
}

void KonfigModel::paperChosen(int position)
{
    paper = position;
    if (position != 0 && position != 1)
        return;
    const ParamPair f = GetParamPair(prog().EinhListe, GetParam(prog().Cf, QStringLiteral("DefUnit")));
    if (f.textMin.isEmpty() || f.valueMin == 0 || f.valueMax == 0)
        return; // no factor for DefUnit: the fields keep what they show
    rand[2] = sizeText(kPrintWidth, f.valueMin, f.valueMax);
    rand[3] = sizeText(position == 0 ? kPrintHeightA4 : kPrintHeightLetter, f.valueMin, f.valueMax);
}

bool KonfigModel::typedInQsl(QChar c)
{
    const QChar u = c.toUpper();
    if (u >= u'A' && u <= u'Z') {
        qsl = QString(u);
        return true;
    }
    return false;
}

bool KonfigModel::readMargin(const QString& text, double& value)
{
    if (ValUnit(text, value))
        return true;
    // The unit names are the keys of the unit list ("cm=1440/2.54,in=1440/1").
    QStringList units;
    for (const QString& item : prog().EinhListe.split(u',', Qt::SkipEmptyParts)) {
        const QString name = item.section(u'=', 0, 0).trimmed();
        if (!name.isEmpty())
            units << name;
    }
    MsgBoxRes(QStringLiteral("539"), Mb::OKOnly, prog().LangNr,
              {unicodeTextToOem(text.trimmed()), units.join(QStringLiteral(", "))});
    return false;
}

KonfigModel::Result KonfigModel::CopyKonfigToCf()
{
    Program& p = prog();
    Result r;
    std::array<double, 4> raender{};
    for (int i = 0; i < 4; ++i) {
        if (!readMargin(rand[i], raender[i])) {
            r.check = Check::BadMargin;
            r.field = i;
            return r;
        }
    }
    if (checkPrintArea && !checkPrintArea(raender)) {
        r.check = Check::PrintArea;
        return r;
    }
    const QString letter = qsl.toUpper();
    const QString vql = be[5];
    // The database letter is checked before anything is taken over.
    if (DCount(vql + QStringLiteral("\\dbase_") + letter) == 0) {
        MsgBoxRes(QStringLiteral("131"), Mb::OKOnly, p.LangNr, {letter});
        r.check = Check::NoDatabase;
        return r;
    }

    p.LangNr = lang == 2 ? 2 : 1;
    p.LangDir = p.LangNr == 2 ? QStringLiteral("de\\") : QStringLiteral("dd\\");
    p.LangDruck = p.LangNr;
    SetParam(p.Cf, QStringLiteral("De"), p.LangDir);
    SetParam(p.Cf, QStringLiteral("L"), QString::number(p.LangNr));
    p.QslDruckNr = qslDruck;
    SetParam(p.Cf, QStringLiteral("QslDruck"), QString::number(p.QslDruckNr));
    p.BinDir = be[1];
    SetParam(p.Cf, QStringLiteral("Bin"), p.BinDir);
    p.SinDir = p.BinDir + QStringLiteral("\\i\\ss");
    SetParam(p.Cf, QStringLiteral("Sin"), p.SinDir);
    p.BexDir = be[2];
    SetParam(p.Cf, QStringLiteral("Bex"), p.BexDir);
    p.SexDir = p.BexDir + QStringLiteral("\\i\\ss");
    SetParam(p.Cf, QStringLiteral("Sex"), p.SexDir);
    SetParam(p.Cf, QStringLiteral("ResDir"), be[3]);
    p.WorkStr[Slot::AwsDir] = be[4];
    SetParam(p.Cf, QStringLiteral("Aws"), p.WorkStr[Slot::AwsDir]);
    p.WorkStr[Slot::Vql] = vql;
    SetParam(p.Cf, QStringLiteral("Vql"), vql);
    p.WorkStr[Slot::VqlDir] = vql + u'\\';
    p.WorkStr[Slot::VqlDbase] = p.WorkStr[Slot::VqlDir] + QStringLiteral("dbase_");
    p.WorkStr[Slot::Qz] = letter;
    SetParam(p.Cf, QStringLiteral("Qz"), letter);
    for (int i = 0; i < 4; ++i) {
        SetParam(p.Cf, QStringLiteral("Rand") + QString::number(i), rand[i]);
        p.Raender[i] = raender[i];
    }
    SetParam(p.Cf, QStringLiteral("Paf"), QString::number(paper));
    QString title = be[0];
    while (title.endsWith(u' '))
        title.chop(1);
    p.TitelAnw = (title + QString(30, u' ')).left(30);
    return r;
}

bool KonfigModel::SaveKonfig()
{
    if (CopyKonfigToCf().check != Check::Ok)
        return false;
    Program& p = prog();
    IniStore ini(p.IniFile);
    ini.load();
    const QString cf = p.Cf;
    // Each key is written on its own and only when its value changed, so that
    // other keys, comments and long values of the file stay as they are. A field
    // the user emptied is written empty.
    struct Item { const char* key; QString value; };
    const Item items[] = {
        {"De", p.LangNr == 2 ? QStringLiteral("de") : QStringLiteral("dd")},
        {"Bin", be[1]},
        {"Bex", be[2]},
        {"Rand0", rand[0]},
        {"Rand1", rand[1]},
        {"Rand2", rand[2]},
        {"Rand3", rand[3]},
        {"Vql", be[5]},
        {"Aws", be[4]},
        {"ResDir", be[3]},
        {"Qz", keyValue(cf, "Qz")},
        {"Paf", QString::number(paper)},
        {"QslDruck", QString::number(qslDruck)},
    };
    bool changed = false;
    for (const Item& it : items) {
        const QString key = QString::fromLatin1(it.key);
        const std::optional<QString> old = ini.value(QStringLiteral("fewe"), key);
        if (old.has_value() && *old == it.value)
            continue;
        if (!old.has_value() && it.value.isEmpty())
            continue;
        ini.setValue(QStringLiteral("fewe"), key, it.value);
        changed = true;
    }
    for (const char* key : {"BESuchDat", "BESuchNam"}) {
        const QString v = keyValue(cf, key);
        const QString k = QString::fromLatin1(key);
        if (!v.isEmpty() && ini.value(QStringLiteral("fewe"), k) != std::optional<QString>(v)) {
            ini.setValue(QStringLiteral("fewe"), k, v);
            changed = true;
        }
    }
    QString title = p.TitelAnw;
    while (title.endsWith(u' '))
        title.chop(1);
    p.TitelAnw = title;
    if (ini.value(QStringLiteral("usertitel"), QStringLiteral("Titel")) != std::optional<QString>(title)) {
        ini.setValue(QStringLiteral("usertitel"), QStringLiteral("Titel"), title);
        changed = true;
    }
    if (!changed)
        return true;
    try {
        ini.save();
    } catch (const TarnError& e) {
        ErrPtnr::OnError(QStringLiteral("frmKonfiguration"), QStringLiteral("SaveKonfig"), e);
        return false;
    }
    return true;
}
