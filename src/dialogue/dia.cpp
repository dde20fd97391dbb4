#include "dialogue/dia.h"
#include "frame/workslots.h"
#include "dialogue/chapterfile.h"
#include "frame/codepage.h"
#include "listing/listingfiles.h"
#include "frame/errors.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <QFile>
#include <memory>

namespace {

QString withoutLangDir(const QString& path)
{
    const QString& lang = prog().LangDir;
    if (!lang.isEmpty() && path.startsWith(lang, Qt::CaseInsensitive))
        return path.mid(lang.size());
    return path;
}

// The message of a missing dialogue file or chapter, always in German.
void reportMissingChapter(const QString& Adia, const QString& Kap)
{
    MsgBoxRes(QStringLiteral("100"), Mb::OKOnly, 1, oemArgs({Adia + QStringLiteral(".dia"), Kap}));
}

int resultNumber(const QString& word)
{
    if (word == QLatin1String("ABBRUCH"))
        return 1;
    if (word == QLatin1String("BACK"))
        return 2;
    if (word == QLatin1String("HELP"))
        return 4;
    return 0;
}

void askScreen(DiaModel& model, QuestionKind kind, const QString& key, const QString& screenType)
{
    Question q;
    q.key = key;
    q.text = model.caption.isEmpty() ? key : model.caption;
    ScreenParams params{screenType};
    auto* screen = dynamic_cast<DiaScreen*>(&model);
    for (;;) {
        applyDialogueAnswer(model, kind == QuestionKind::TextPage ? ui().askTextPage(q, model, params)
                                                                  : ui().askScreen(q, model, params));
        if (model.ended() || !screen || screen->refusedField < 0)
            return;
        // The entries stay as typed; the same screen is asked again.
        showRefusal(screen->takeRefusal());
    }
}

// A number of units (the multiple factor, the units in use), or "H" for the
// help the screen offers. Complexities ("64K", "2.5M") are checked by their own
// reader and are not in the table below.
CheckedValue checkUnitsOrHelp(QStringView text)
{
    if (text.trimmed().compare(QLatin1String("H"), Qt::CaseInsensitive) == 0)
        return CheckedValue{};
    return checkMagnitude(text);
}

struct FieldKind {
    const char* file; // without the language directory
    const char* chapter;
    int field;
    ValueCheck check;
};

// The numeric entry fields of the input screens (both language directories
// hold the same chapters and field digits).
const FieldKind kFieldKinds[] = {
    {"btx\\glob", "tuvl", 0, checkTemperature},      // ambient temperature (degrees C)
    {"btx\\glob", "tuvl", 1, checkMagnitude},        // cooling air speed (m/s)
    {"btx\\glob", "zfgl", 0, checkPercentage},       // factor on the failure rates (%)
    {"btx\\milq", "piqegl", 0, checkFactor},         // quality factors of the four families
    {"btx\\milq", "piqegl", 1, checkFactor},
    {"btx\\milq", "piqegl", 2, checkFactor},
    {"btx\\milq", "piqegl", 3, checkFactor},
    {"btx\\milq", "piqe", 1, checkFactor},
    {"btx\\hl", "tumaxe", 1, checkTemperature},
    {"btx\\hl", "tjmaxe", 1, checkTemperature},
    {"btx\\hl", "teie", 1, checkTemperatureRisePair}, // self-heating (K), or a min/max pair
    {"btx\\hl", "nmw", 1, checkMagnitude},           // power (mW)
    {"btx\\div", "ntyp", 1, checkMagnitude},
    {"btx\\div", "nmax", 1, checkMagnitude},
    {"btx\\div", "hisch", 1, checkCount},            // auxiliary contacts
    {"btx\\div", "degr", 1, checkPercentage},
    {"btx\\div", "tei", 1, checkTemperatureRisePair},
    {"btx\\div", "sh", 1, checkMagnitude},           // switching operations per hour
    {"btx\\kom", "asac", 1, checkMagnitude},         // chip and active area (mm2)
    {"btx\\kom", "asac", 2, checkMagnitude},
    {"btx\\kom", "asice", 1, checkPercentage},
    {"btx\\kom", "asice", 2, checkPercentage},
    {"btx\\tsabrth", "rth", 1, checkMagnitude},      // thermal resistance (K/W)
    {"btx\\tsabrth", "rtk", 1, checkMagnitude},
    {"btx\\uif", "ubmax", 1, checkNumber},
    {"btx\\uif", "unen", 1, checkNumber},
    {"btx\\uif", "ibmax", 1, checkNumber},
    {"btx\\uif", "fnen", 1, checkMagnitude},         // frequency (Hz)
    {"btx\\uif", "inen", 1, checkNumber},
    {"btx\\uif", "ub", 1, checkNumber},
    {"btx\\uif", "ib", 1, checkNumber},
    {"btx\\vftbzf", "vf", 1, checkUnitsOrHelp},
    {"btx\\vftbzf", "tbmax", 1, checkTemperature},
    {"btx\\vftbzf", "are", 1, checkRate},
    {"btx\\vftbzf", "ari", 1, checkRate},
    {"btx\\vftbzf", "zfe", 1, checkPercentage},
    {"btx\\vftbzf", "vfi", 1, checkUnitsOrHelp},
    {"qsl\\kopfpos", "dtu", 1, checkNumber},         // temperature difference to the ambient (K)
    {"qsl\\kopfpos", "neube", 1, checkQuantity},
    {"qsl\\para", "prozqs", 0, checkPercentage},
    {"qsl\\para", "prozbt", 0, checkPercentage},
};

void setFieldChecks(DiaScreen& s, const QString& key)
{
    for (EntryField& f : s.fields)
        f.check = entryFieldCheck(key, f.index);
}

[[noreturn]] void notEnded(const DiaModel& model, const Answer& a)
{
    throw TarnError(QStringLiteral("The answer \"%1\" (code %2) does not end the screen %3")
                        .arg(a.text)
                        .arg(a.code)
                        .arg(model.caption));
}

int clickWord(DiaModel& model, const QString& word)
{
    for (int i = 0; i < model.buttons.size(); ++i) {
        const QString& tag = model.buttons[i].tag;
        const bool match = (word == QLatin1String("ABBRUCH") && (tag == QLatin1String("ESC") || tag == QLatin1String("DIKESC"))) ||
                           (word == QLatin1String("BACK") && (tag == QLatin1String("BACK") || tag == QLatin1String("DIKBACK"))) ||
                           (word == QLatin1String("HELP") && tag == QLatin1String("HELP"));
        if (match) {
            model.clickButton(i);
            return i;
        }
    }
    return -1;
}

QStringList recordsOfFile(const QString& path, int wanted)
{
    QFile f(nativePath(path));
    if (!f.open(QIODevice::ReadOnly))
        throw TarnError(QStringLiteral("File not found: %1").arg(path), ErrNo::FileNotFound);
    const int available = int(f.size() / ListRecordLength);
    const int count = (wanted < 0 || wanted > available) ? available : wanted;
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << fromBytes(f.read(ListRecordLength));
    return out;
}

QStringList recordsOfTextFile(const QString& Aetx)
{
    const auto lines = readOemLines(Aetx);
    if (!lines)
        throw TarnError(QStringLiteral("File not found: %1").arg(Aetx), ErrNo::FileNotFound);
    QStringList out;
    for (const QString& line : *lines)
        out << textPageRecord(line);
    // The page's scratch copy in Tp1, rebuilt for every text-file page.
    QFile scratch(nativePath(joinDesignPath(prog().WorkStr[Slot::Tp1], QStringLiteral("btx.tmp"))));
    if (scratch.exists())
        scratch.remove();
    if (!scratch.open(QIODevice::WriteOnly))
        throw TarnError(QStringLiteral("Cannot create %1").arg(scratch.fileName()), ErrNo::PathFileAccess);
    for (const QString& r : out)
        scratch.write(toBytes(r));
    return out;
}

} // namespace

QString dialogueKey(const QString& Adia, const QString& Kap)
{
    return withoutLangDir(Adia) + u'#' + Kap;
}

ValueCheck entryFieldCheck(const QString& key, int field)
{
    const qsizetype hash = key.lastIndexOf(u'#');
    const QStringView file = QStringView(key).left(hash < 0 ? 0 : hash);
    const QStringView chapter = QStringView(key).mid(hash + 1);
    for (const FieldKind& k : kFieldKinds)
        if (k.field == field && file.compare(QLatin1String(k.file), Qt::CaseInsensitive) == 0 &&
            chapter.compare(QLatin1String(k.chapter), Qt::CaseInsensitive) == 0)
            return k.check;
    return nullptr;
}

DiaScreen* screenOf(const Question& q)
{
    return q.kind == QuestionKind::Screen ? static_cast<DiaScreen*>(modelOf<DiaModel>(q)) : nullptr;
}

TextPage* textPageOf(const Question& q)
{
    return q.kind == QuestionKind::TextPage ? static_cast<TextPage*>(modelOf<DiaModel>(q)) : nullptr;
}

void applyDialogueAnswer(DiaModel& model, const Answer& a)
{
    if (model.ended())
        return;
    if (a.applied) {
        // The window went away without an answer of the screen's own.
        model.forceCancel();
        return;
    }
    auto* page = dynamic_cast<TextPage*>(&model);
    if (a.cancelled) {
        if (page && model.buttonIndex(QStringLiteral("ESC")) < 0)
            model.pressEnter(); // a page that cannot be cancelled can only be read on
        else
            model.forceCancel();
        return;
    }
    if (auto* s = dynamic_cast<DiaScreen*>(&model)) {
        for (auto it = a.toggles.constBegin(); it != a.toggles.constEnd(); ++it) {
            if (!s->setToggle(it.key(), it.value()))
                throw TarnError(QStringLiteral("The screen %1 has no toggle %2").arg(model.caption, QString(it.key())));
        }
        for (int i = 0; i < a.values.size(); ++i) {
            const int f = s->fieldOfIndex(i);
            if (f >= 0)
                s->setFieldText(f, a.values[i]);
            else if (!a.values[i].isEmpty())
                throw TarnError(QStringLiteral("The screen %1 has no entry field %2").arg(model.caption).arg(i));
        }
        for (const QChar c : a.keys) {
            if (model.ended())
                break;
            s->pressKey(c);
        }
    }
    if (page && a.scroll)
        page->scrollTo(*a.scroll);
    if (model.ended())
        return;

    if (a.code == 13)
        model.pressEnter();
    else if (a.code == 27)
        model.pressEscape();
    else if (a.text.isEmpty())
        model.pressEnter();
    else if (const int b = model.buttonIndex(a.text); b >= 0)
        model.clickButton(b);
    else if (a.text == QLatin1String("ABBRUCH") || a.text == QLatin1String("BACK") || a.text == QLatin1String("HELP")) {
        if (clickWord(model, a.text) < 0 && a.text == QLatin1String("ABBRUCH"))
            model.pressEscape();
    } else if (a.text.size() == 1)
        model.pressKey(a.text[0]);
    if (auto* s = dynamic_cast<DiaScreen*>(&model); s && s->refusedField >= 0)
        return;
    if (!model.ended())
        notEnded(model, a);
}

std::optional<DiaScreen> loadInputScreen(const QString& Adia, const QString& Kap, const QString& startBis, int entries,
                                         const QString& ret)
{
    const Chapter ch = readChapter(Adia + QStringLiteral(".dia"), Kap);
    if (ch.status != ChapterStatus::Found)
        return std::nullopt;
    DiaScreen s;
    s.caption = AnsiToOem(Adia + QStringLiteral(".dia, ") + Kap); // a path: ANSI, the screen holds OEM
    QStringList anEin;
    for (int i = 0; i < entries; ++i)
        anEin << QString();
    s.buildInput(ch.lines, startBis, anEin, ret, std::nullopt);
    setFieldChecks(s, dialogueKey(Adia, Kap));
    return s;
}

std::optional<DiaScreen> loadKeyChoiceScreen(const QString& Adia, const QString& Kap, std::optional<int> AddButt)
{
    const Chapter ch = readChapter(Adia + QStringLiteral(".dia"), Kap);
    if (ch.status != ChapterStatus::Found)
        return std::nullopt;
    DiaScreen s;
    s.buildKeyChoice(ch.lines, AddButt);
    return s;
}

namespace frmDia {

int DIN(const QString& Adia, const QString& Kap, QString& kz, QString& startBis, QStringList& anEin, QString& Ret,
        std::optional<int> AddButt)
{
    const Chapter ch = readChapter(Adia + QStringLiteral(".dia"), Kap);
    if (ch.status != ChapterStatus::Found) {
        reportMissingChapter(Adia, Kap);
        Ret = QStringLiteral("ABBRUCH");
        return 1;
    }
    DiaScreen s;
    s.caption = AnsiToOem(Adia + QStringLiteral(".dia, ") + Kap); // a path: ANSI, the screen holds OEM
    s.buildInput(ch.lines, startBis, anEin, Ret, AddButt);
    setFieldChecks(s, dialogueKey(Adia, Kap));
    askScreen(s, QuestionKind::Screen, dialogueKey(Adia, Kap), QStringLiteral("DIN"));
    anEin = s.entryCopy;
    startBis = s.edited;
    Ret = s.resultWord;
    const int r = resultNumber(Ret);
    if (r == 0)
        kz = s.keyResult;
    return r;
}

int DIK(const QString& Adia, const QString& Kap, QString& kz, std::optional<int> AddButt)
{
    kz.clear();
    const Chapter ch = readChapter(Adia + QStringLiteral(".dia"), Kap);
    if (ch.status != ChapterStatus::Found) {
        reportMissingChapter(Adia, Kap);
        return 1;
    }
    DiaScreen s;
    s.buildKeyChoice(ch.lines, AddButt);
    askScreen(s, QuestionKind::Screen, dialogueKey(Adia, Kap), QStringLiteral("DIK"));
    const int r = resultNumber(s.resultWord);
    if (r == 0)
        kz = s.resultWord;
    return r;
}

void BTX(const QString& Aetx, const QString& aAbtx, int Azeilen, QString& Ret, bool NichtAbbruch)
{
    Program& p = prog();
    p.WorkStr[Slot::Tp1] = GetParam(p.Cf, QStringLiteral("Tp1"));
    Ret.clear();
    QStringList records;
    if (aAbtx == QLatin1String("#7")) {
        if (Azeilen == 0)
            return;
        const int available = listingRecordCount(7);
        const int count = (Azeilen < 0 || Azeilen > available) ? available : Azeilen;
        for (int i = 1; i <= count; ++i)
            records << readListingRecord(7, i);
    } else if (!aAbtx.isEmpty()) {
        if (Azeilen == 0)
            return;
        records = recordsOfFile(aAbtx, Azeilen);
    } else {
        records = recordsOfTextFile(Aetx);
    }
    TextPage page;
    page.source = aAbtx;
    page.setup(records, !NichtAbbruch);
    askScreen(page, QuestionKind::TextPage, aAbtx.isEmpty() ? withoutLangDir(Aetx) : aAbtx, QString());
    Ret = page.resultWord;
}

} // namespace frmDia

void DiaDIN(const QString& Adia, const QString& Kap, QString& kz, QString& startBis, QStringList& anEin, QString& Ret,
            std::optional<int> AddButt)
{
    frmDia::DIN(Adia, Kap, kz, startBis, anEin, Ret, AddButt);
}

void DiaDIK(const QString& Adia, const QString& Kap, QString& kz, std::optional<int> AddButt)
{
    frmDia::DIK(Adia, Kap, kz, AddButt);
}

void DiaBTX(const QString& Aetx, const QString& aAbtx, int Azeilen, QString& Ret, bool NichtAbbruch)
{
    frmDia::BTX(Aetx, aAbtx, Azeilen, Ret, NichtAbbruch);
}

namespace {
struct DiaFieldTexts {
    QStringList fields = QStringList(9);
};
} // namespace

QStringList& diaFields()
{
    std::shared_ptr<DiaFieldTexts>& held = prog().Subsystems.held<DiaFieldTexts>();
    if (!held)
        held = std::make_shared<DiaFieldTexts>();
    return held->fields;
}
