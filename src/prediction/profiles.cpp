#include "prediction/profiles.h"
#include "frame/codepage.h"
#include "frame/errptnr.h"
#include "frame/inifile.h"
#include "frame/paramstring.h"
#include "frame/valuecheck.h"
#include "frame/interaction.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "prediction/runparams.h"

namespace {

const QString SectionGl = QStringLiteral("profil-gl");
const QString SectionSy = QStringLiteral("profil-sy");

QString iniFile()
{
    return prog().IniFile;
}

// One value of tarn.ini as it stands in the file, or nullopt when the key is
// missing. Read whole: a buffer would cut a long method list and the run would
// go on with a part of it.
std::optional<QString> wholeValue(const QString& section, const QString& name)
{
    IniStore store(iniFile());
    store.load();
    return store.value(section, name);
}

QString iface(int id)
{
    return ResStr(0, id, prog().LangNr);
}

Answer askName(const QString& key, const QStringList& names, const QString& caption, const QString& ok,
               const QString& hint, bool editable)
{
    Question q;
    q.key = key;
    q.text = caption;
    q.choices = names;
    return ui().askProfile(q, ProfileParams{caption, ok, iface(1501), hint, editable, ProfileNameMax});
}

} // namespace

QStringList profileNames()
{
    QString names = GetProfileStr(SectionGl, std::nullopt, ProfileNamesBuffer, iniFile());
    QStringList out;
    if (names.endsWith(QChar(0)))
        names.chop(1);
    if (names == Leer) // no such section
        return out;
    for (const QString& n : names.split(QChar(0))) {
        if (n.isEmpty())
            break;
        out << n;
    }
    return out;
}

std::optional<StoredProfile> readProfile(const QString& name)
{
    if (name.trimmed().isEmpty())
        return std::nullopt;
    const std::optional<QString> gl = wholeValue(SectionGl, name);
    if (!gl || gl->trimmed() == Leer)
        return std::nullopt;
    StoredProfile p;
    p.methods = methodListFromStored(gl->trimmed());
    const std::optional<QString> sy = wholeValue(SectionSy, name);
    p.control = sy ? sy->trimmed() : QString();
    return p;
}

QString storedProfileProblem(const QString& name)
{
    const bool en = prog().LangNr == 2;
    const QString shown = u'"' + name + u'"';
    const std::optional<QString> gl = wholeValue(SectionGl, name);
    if (!gl || name.trimmed().isEmpty())
        return QString();
    if (!wholeValue(SectionSy, name))
        return (en ? QStringLiteral("The prediction profile %1 has no entry in section [%2] of %3.")
                   : QStringLiteral("Das Prognose-Profil %1 hat keinen Eintrag im Abschnitt [%2] von %3."))
            .arg(shown, SectionSy, QStringLiteral("tarn.ini"));
    const QString methods = methodListFromStored(gl->trimmed());
    const QString norm = GetParam(methods, QStringLiteral("Norm"));
    bool known = false, unknown = false;
    for (const QChar c : norm) {
        known = known || (c >= u'1' && c <= u'3');
        unknown = unknown || !(c >= u'0' && c <= u'3');
    }
    if (norm.isEmpty() || !known || unknown)
        return (en ? QStringLiteral("The prediction profile %1 names no known method (Norm=%2; the digits are 1 "
                                    "YK 70412, 2 MIL-HDBK-217F, 3 the user list).")
                   : QStringLiteral("Das Prognose-Profil %1 nennt kein bekanntes Verfahren (Norm=%2; die Ziffern "
                                    "sind 1 YK 70412, 2 MIL-HDBK-217F, 3 die Anwenderliste)."))
            .arg(shown, norm);
    using Check = CheckedValue (*)(QStringView);
    for (const auto& [key, check] : {std::pair<const char*, Check>{"Tu", checkTemperature},
                                     std::pair<const char*, Check>{"Zf", checkPercentage}}) {
        const QString k = QString::fromLatin1(key);
        if (findParamKey(methods, k) < 0)
            continue;
        const CheckedValue v = check(typedParamValue(methods, k));
        if (!v.ok())
            return (en ? QStringLiteral("The prediction profile %1: %2: %3")
                       : QStringLiteral("Das Prognose-Profil %1: %2: %3"))
                .arg(shown, k, v.refusal);
    }
    return QString();
}

bool storeProfile(const QString& name, const StoredProfile& profile)
{
    return WriteProfileStr(SectionGl, name, methodListToStored(profile.methods), iniFile()) &&
           WriteProfileStr(SectionSy, name, profile.control, iniFile());
}

bool deleteProfile(const QString& name)
{
    const bool gl = WriteProfileStr(SectionGl, name, std::nullopt, iniFile());
    const bool sy = WriteProfileStr(SectionSy, name, std::nullopt, iniFile());
    return gl && sy;
}

namespace frmProgProfil {

QStringList PrepareList()
{
    return profileNames();
}

QString SelProfile(int vartxt)
{
    const int lang = prog().LangNr;
    const QString caption = ResStr(0, 1736 + vartxt, lang);
    const QString key = vartxt == 1 ? QStringLiteral("delete") : QStringLiteral("select");
    const QStringList names = PrepareList();
    while (true) {
        const Answer a = askName(key, names, caption, iface(1500), QString(), false);
        if (a.cancelled)
            return QStringLiteral("ABBRUCH");
        const QString name = a.text.trimmed();
        if (!name.isEmpty())
            return name;
        MsgBoxRes(QStringLiteral("178"), Mb::OKOnly, lang);
        if (!ui().isInteractive())
            return QStringLiteral("ABBRUCH"); // nobody can pick another name
    }
}

QString SaveProfile()
{
    const int lang = prog().LangNr;
    const QString caption = iface(1736);
    const QString hint = ResText(QStringLiteral("184"), lang, true, {QString::number(ProfileNameMax)});
    const QStringList names = PrepareList();
    const bool full = names.size() > ProfileCountMax - 1;
    while (true) {
        const Answer a = askName(QStringLiteral("save"), names, caption, iface(1739), hint, true);
        if (a.cancelled)
            return QStringLiteral("ABBRUCH");
        const QString name = a.text.trimmed();
        if (name.size() > ProfileNameMax) {
            MsgBoxRes(QStringLiteral("183"), Mb::OKOnly, lang, {QString::number(ProfileNameMax)});
        } else if (name.contains(u',') || name.contains(u'=')) {
            // The name is an ini key and a value of the run's lists: a comma or an
            // equals sign would store it under another name than the one typed.
            MsgBoxRes(QStringLiteral("505"), Mb::OKOnly, lang);
        } else if (name.isEmpty()) {
            MsgBoxRes(QStringLiteral("178"), Mb::OKOnly, lang);
        } else if (GetProfileStr(SectionGl, name, 256, iniFile()) != Leer) {
            const int r = MsgBoxRes(QStringLiteral("181"), Mb::YesNoCancel, lang);
            if (r == Mb::Yes)
                return name;
            if (r == Mb::No)
                return QString();
        } else if (full) {
            if (MsgBoxRes(QStringLiteral("182"), Mb::YesNo, lang, {QString::number(ProfileCountMax)}) == Mb::No)
                return QString();
        } else {
            return name;
        }
        if (!ui().isInteractive())
            return QStringLiteral("ABBRUCH");
    }
}

void DeleteProfiles()
{
    while (true) {
        const QString name = SelProfile(1);
        if (name == QLatin1String("ABBRUCH"))
            return;
        if (MsgBoxRes(QStringLiteral("506"), Mb::YesNo | Mb::DefaultButton2, prog().LangNr,
                      {unicodeTextToOem(name)}) == Mb::Yes)
            deleteProfile(name);
    }
}

} // namespace frmProgProfil
