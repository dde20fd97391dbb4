#include "frame/tarnstart.h"
#include "frame/workslots.h"
#include "frame/codepage.h"
#include "frame/database.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/formatters.h"
#include "frame/inifile.h"
#include "frame/instancelock.h"
#include "frame/interaction.h"
#include "frame/launcher.h"
#include "frame/links.h"
#include "frame/numbers.h"
#include "frame/outputfiles.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/textlib.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

namespace {

const StartProcedures& startProcedures()
{
    return links<StartProcedures>();
}

QString ini(const QString& section, const QString& key, int buffer)
{
    return GetProfileStr(section, key, buffer, prog().IniFile);
}

// Section "fewe" as a key list "key=value,key=value".
QString readFeweList()
{
    Program& p = prog();
    QString names = GetProfileStr(QStringLiteral("fewe"), std::nullopt, 1024, p.IniFile);
    if (names.endsWith(QChar(0)))
        names.chop(1);
    QString list;
    int pos = 1;
    while (true) {
        const QString name = ParseString(pos, names, QString(QChar(0)));
        if (name.isEmpty())
            break;
        list += name + u'=' + GetProfileStr(QStringLiteral("fewe"), name, 128, p.IniFile) + u',';
        if (pos == 0)
            break;
    }
    if (!list.isEmpty())
        list.chop(1);
    return list;
}

// Runs one start-up step under the error handler of Main. Returns false when
// start-up must stop (answer 2 leaves Main, answer 3 ends the program).
bool runStep(const std::function<void()>& step)
{
    for (int attempt = 0;; ++attempt) {
        try {
            step();
            return true;
        } catch (const std::exception& e) {
            const int answer = ErrPtnr::OnError(QStringLiteral("TarnStart"), QStringLiteral("Main"), e);
            if (answer == 0 && attempt < 3)
                continue; // repeat the statement, a bounded number of times
            if (answer == 1 || answer == 0)
                return true;
            return false;
        }
    }
}

} // namespace

QString programDirectoryOf(const QString& programFile)
{
    qsizetype i = -1;
    for (qsizetype k = programFile.size() - 1; k >= 0; --k)
        if (programFile[k] == u'\\' || programFile[k] == u'/') {
            i = k;
            break;
        }
    if (i < 0)
        return programFile;
    if (i > 0 && programFile[i - 1] == u':')
        return programFile.left(i + 1);
    if (i == 0)
        return programFile.left(1); // the file system root keeps its separator
    return programFile.left(i);
}

void fillQslFieldTables()
{
    Program& p = prog();
    const struct { const char* name; const char* column; int width; } fields[] = {
        {"Ln", "LN", 5},     {"Typ", "TYP", 20}, {"Yk", "YK", 17},      {"Stand", "STAND", 2}, {"An", "AN", 20},
        {"Tec", "TEC", 3},   {"Code", "CODE", 12}, {"Anlage", "ANL", 12}, {"Be", "BE", 148}};
    for (int i = 0; i < 9; ++i)
        p.QslFeldTab[i + 1] = {QString::fromLatin1(fields[i].name), QString::fromLatin1(fields[i].column), fields[i].width};
    const int widths[] = {5, 20, 17, 20, 12, 12, 20, 1};
    for (int i = 0; i < 8; ++i)
        p.QlSuchArt[i + 1] = widths[i];
    for (int i = 1; i <= 9; ++i) {
        p.QslRec[i].clear();
        p.QslRecAlt[i].clear();
    }
}

namespace {

QString feweValue(const QString& fewe, const char* key)
{
    return GetParam(fewe, QString::fromLatin1(key));
}

// Language and the start of the configuration string. An unknown or missing De
// gives German rather than a language directory at the root.
void readLanguage(Program& p, const QString& fewe)
{
    QString de = feweValue(fewe, "De").toLower();
    if (de != QLatin1String("dd") && de != QLatin1String("de"))
        de = QStringLiteral("dd");
    p.LangDir = de + u'\\';
    p.LangNr = (p.LangDir == QLatin1String("de\\")) ? 2 : 1;
    p.LangDruck = p.LangNr;
    p.Cf = QStringLiteral("De=") + p.LangDir + QStringLiteral(",L=") + QString::number(p.LangNr);
    p.WorkStr[Slot::AwsDir] = feweValue(fewe, "Aws");
}

// Work directories (relative to the program directory): emptied only when no
// other copy of this installation runs; otherwise folders of this copy's own.
void readWorkDirectories(Program& p)
{
    const InstanceLock& instance = claimWorkDirectories();
    p.WorkStr[Slot::Tp1] = instance.tp1();
    p.WorkStr[Slot::Tp2] = instance.tp2();
    p.WorkStr[Slot::Tqs] = p.WorkStr[Slot::Tp1] + QStringLiteral("\\tqs");
    p.Cf += QStringLiteral(",Aws=") + p.WorkStr[Slot::AwsDir] + QStringLiteral(",Tp1=") + p.WorkStr[Slot::Tp1] +
            QStringLiteral(",Tp2=") + p.WorkStr[Slot::Tp2] + QStringLiteral(",Tqs=") + p.WorkStr[Slot::Tqs];
}

void readComponentFileFolders(Program& p, const QString& fewe)
{
    p.BinDir = feweValue(fewe, "Bin");
    p.BexDir = feweValue(fewe, "Bex");
    p.SinDir = p.BinDir + QStringLiteral("\\i\\ss");
    p.SexDir = p.BexDir + QStringLiteral("\\i\\ss");
    p.Cf += QStringLiteral(",Bin=") + p.BinDir + QStringLiteral(",Bex=") + p.BexDir + QStringLiteral(",Sin=") +
            p.SinDir + QStringLiteral(",Sex=") + p.SexDir;
}

// A number that does not fit is named with its key: a bare "Overflow" tells
// the user nothing about which of the file's values is wrong.
void readPrintSettings(Program& p, const QString& fewe)
{
    auto fv = [&](const char* key) { return feweValue(fewe, key); };
    const double qd = readLeadingNumber(fv("QslDruck"));
    if (!(std::nearbyint(qd) >= -32768.0 && std::nearbyint(qd) <= 32767.0))
        throw OverflowError(QStringLiteral("Overflow: [fewe] QslDruck=%1 (%2)").arg(fv("QslDruck"), p.IniFile));
    p.QslDruckNr = toInt16(qd);
    p.Cf += QStringLiteral(",Lpt=") + fv("Lpt") + QStringLiteral(",Tsa=") + fv("Tsa").toUpper() +
            QStringLiteral(",QslDruck=") + QString::number(p.QslDruckNr) + QStringLiteral(",ResDir=") + fv("ResDir") +
            QStringLiteral(",Font=") + fv("Font") + QStringLiteral(",Paf=") + fv("Paf") + QStringLiteral(",Res=") +
            fv("Res");
}

// Temporary output files whose writer was killed (a result file or a PDF
// under its private name) go; those of copies still running stay.
void removeStaleOutput(Program& p, const QString& fewe)
{
    const QString resDir = feweValue(fewe, "ResDir");
    removeStalePartFiles(nativePath(resDir.isEmpty() || resDir == Leer ? p.WorkStr[Slot::ProgramDir] : resDir));
}

void readQlistSettings(Program& p, const QString& fewe)
{
    p.WorkStr[Slot::Vql] = feweValue(fewe, "Vql");
    p.WorkStr[Slot::VqlDir] = p.WorkStr[Slot::Vql] + u'\\';
    p.WorkStr[Slot::VqlDbase] = p.WorkStr[Slot::VqlDir] + QStringLiteral("dbase_");
    p.WorkStr[Slot::Qz] = feweValue(fewe, "Qz").toUpper();
    p.Cf += QStringLiteral(",Vql=") + p.WorkStr[Slot::Vql] + QStringLiteral(",Qz=") + p.WorkStr[Slot::Qz];
    p.HwNwKonfig = readLeadingNumber(feweValue(fewe, "HwNw")) != 0;
    p.WorkStr[Slot::TsaMode] = feweValue(fewe, "Tsa").toUpper();
}

// "vg": its lines are appended unchanged. A missing file is reported once and
// start-up goes on without extra lines.
void appendVgLines(Program& p)
{
    QFile vg(nativePath(joinDesignPath(p.WorkStr[Slot::SystemDir], QStringLiteral("vg"))));
    if (!vg.open(QIODevice::ReadOnly)) {
        runStep([&] { throw TarnError(QStringLiteral("File not found: %1").arg(vg.fileName()), ErrNo::FileNotFound); });
        return;
    }
    QString all = fromAnsi(vg.readAll());
    all.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = all.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    for (const QString& line : lines)
        p.Cf += line;
}

// "userini": start each command, without waiting.
void startUserCommands(Program& p)
{
    QString names = GetProfileStr(QStringLiteral("userini"), std::nullopt, 1024, p.IniFile);
    if (names.trimmed() == Leer + QChar(0) || names.trimmed() == Leer)
        return;
    if (names.endsWith(QChar(0)))
        names.chop(1);
    int pos = 1;
    while (true) {
        const QString name = ParseString(pos, names, QString(QChar(0)));
        if (name.isEmpty())
            break;
        const QString command = GetProfileStr(QStringLiteral("userini"), name, 1024, p.IniFile);
        runStep([&] {
            if (!launcher().startCommand(command))
                throw TarnError(QStringLiteral("Cannot start: %1").arg(command), ErrNo::FileNotFound);
        });
        if (pos == 0)
            break;
    }
}

// "cf.sys": Cf as it stands now, one line.
void writeCfSys(Program& p)
{
    runStep([&] {
        QSaveFile f(nativePath(joinDesignPath(p.WorkStr[Slot::SystemDir], QStringLiteral("cf.sys"))));
        if (!f.open(QIODevice::WriteOnly))
            throw TarnError(QStringLiteral("Path/File access error: %1").arg(f.fileName()), ErrNo::PathFileAccess);
        f.write(toAnsi(p.Cf) + "\r\n");
        if (!f.commit())
            throw TarnError(QStringLiteral("Path/File access error: %1").arg(f.fileName()), ErrNo::PathFileAccess);
    });
}

// Units and margins; DefUnit first, because ValUnit takes it for bare numbers.
void readUnitsAndMargins(Program& p, const QString& fewe)
{
    p.EinhListe = ini(QStringLiteral("einheiten"), QStringLiteral("Units"), 256);
    QString defUnit = ini(QStringLiteral("einheiten"), QStringLiteral("DefUnit"), 256);
    if (defUnit == Leer)
        defUnit = QStringLiteral("cm");
    SetParam(p.Cf, QStringLiteral("DefUnit"), defUnit);
    for (int i = 0; i < 4; ++i) {
        const QString v = GetParam(fewe, QStringLiteral("Rand") + QString::number(i));
        double twips = 0;
        ValUnit(v, twips);
        p.Raender[i] = twips;
        SetParam(p.Cf, QStringLiteral("Rand") + QString::number(i), v);
    }
}

void readTitles(Program& p)
{
    QString titel = ini(QStringLiteral("usertitel"), QStringLiteral("Titel"), 80);
    if (titel.trimmed() == Leer)
        titel.clear();
    p.ProgTitel = ExpandText(QStringLiteral("TARN @V"));
    p.TitelAnw = (titel + QString(30, u' ')).left(30);
}

// Abbreviation lists and the keys of PDF output.
void readAbbreviationsAndPdfKeys(Program& p)
{
    const char* abk[] = {"Bebez", "Bedat", "Zubedat", "Qslkopf", "Qslstress"};
    for (int i = 0; i < 5; ++i)
        p.AbkListen[i + 1] = ini(QStringLiteral("abbreviations"), QString::fromLatin1(abk[i]), 512);
    p.MilParam = ini(QStringLiteral("abbreviations"), QStringLiteral("MilParam"), 512);
    p.InfoParam = ini(QStringLiteral("abbreviations"), QStringLiteral("InfoParam"), 512);
    p.QslParam = ini(QStringLiteral("abbreviations"), QStringLiteral("QslParam"), 512);
    p.SonderParam = ini(QStringLiteral("abbreviations"), QStringLiteral("SonderParam"), 512);
    p.PdfPrint = ini(QStringLiteral("fewe"), QStringLiteral("PdfPrint"), 96);
    p.PdfConvert = ini(QStringLiteral("fewe"), QStringLiteral("PdfConvert"), 96);
    p.Ghost = ini(QStringLiteral("fewe"), QStringLiteral("Ghost"), 96);
    p.PsFile = ini(QStringLiteral("fewe"), QStringLiteral("PsFile"), 96);
}

// The archive, when configured, and a Q-list save that a killed run left half
// done: it is finished or undone before anything reads the Q-lists.
void startArchiveAndRecovery()
{
    if (ini(QStringLiteral("archive"), QStringLiteral("ArchivFlag"), 96) == QLatin1String("1"))
        runStep([] { startProcedures().ArchivStart(); });
    if (startProcedures().RecoverQslSaves)
        runStep([] { startProcedures().RecoverQslSaves(); });
}

void readSpecialList(Program& p)
{
    p.SonderArDatei = ini(QStringLiteral("Sonder-AR"), QStringLiteral("ARListe"), 96);
    p.SonderArKonfig = !p.SonderArDatei.isEmpty() && p.SonderArDatei != Leer;
    const QString ykBew = ini(QStringLiteral("Sonder-AR"), QStringLiteral("YKBewertung"), 96);
    p.YkBewFaktor = toSingle(readLeadingNumber(ykBew));
    if (!std::isfinite(p.YkBewFaktor))
        throw OverflowError(QStringLiteral("Overflow: [Sonder-AR] YKBewertung=%1 (%2)").arg(ykBew, p.IniFile));
    p.YkBewKonfig = p.YkBewFaktor != 0;
}

} // namespace

void readConfiguration()
{
    Program& p = prog();
    const QString fewe = readFeweList();
    // 1. Language; the configuration string Cf begins
    readLanguage(p, fewe);
    // 2. Work directories
    readWorkDirectories(p);
    // 3. Component file folders
    readComponentFileFolders(p, fewe);
    // 4. Printing and output settings
    readPrintSettings(p, fewe);
    removeStaleOutput(p, fewe);
    // 5. Q-list folders and modes
    readQlistSettings(p, fewe);
    // 6. The lines of "vg"
    appendVgLines(p);
    // 7. The user's start commands
    startUserCommands(p);
    // 8. Cf so far to "cf.sys"; the colour codes follow it
    writeCfSys(p);
    p.Cf += u',' + ini(QStringLiteral("colorcodes"), QStringLiteral("Crt"), 256);
    // 9. Q-list field tables
    fillQslFieldTables();
    // 10. Units, margins, titles, abbreviations
    readUnitsAndMargins(p, fewe);
    readTitles(p);
    readAbbreviationsAndPdfKeys(p);
    // 11. Archive and unfinished Q-list saves
    startArchiveAndRecovery();
    // 12. Special list
    readSpecialList(p);
}

void openSystemDatabase()
{
    Program& p = prog();
    const QString path = joinDesignPath(p.WorkStr[Slot::SystemDir], QStringLiteral("SYST_DB.sqlite"));
    if (!runStep([&] { p.SystDb = Database::open(path, true); }))
        throw ProgramEndRequested();
    runStep([&] {
        if (!p.SystDb)
            throw DbError(QStringLiteral("Object variable not set: SystDb"), 91);
        p.AbkRs = std::make_unique<Snapshot>(p.SystDb->snapshot(QStringLiteral("SELECT * FROM [AbkTxt]")));
    });
    runStep([&] {
        if (!p.SystDb)
            throw DbError(QStringLiteral("Object variable not set: SystDb"), 91);
        p.BacTecListe = std::make_unique<Snapshot>(
            p.SystDb->snapshot(QStringLiteral("SELECT DISTINCT [BacTec],[Parameter] FROM [ARMILQRM]")));
    });
}

StartResult Main(const QString& programFile, const QString& commandLine)
{
    Program& p = prog();
    ErrPtnr::CallStack(QStringLiteral("[TarnStart] Sub Main()"));
    p.ProgramFile = programFile;
    p.ProgramName = QFileInfo(programFile).completeBaseName();
    p.WorkStr[Slot::ProgramDir] = programDirectoryOf(programFile);
    // The program's paths use "\\" as separator, so a folder whose name holds a
    // backslash cannot be named in them: the program then works from inside its
    // folder and names it ".".
    if (const QString nativeDir = QFileInfo(programFile).absolutePath();
        nativeDir.contains(u'\\') && QDir::setCurrent(nativeDir))
        p.WorkStr[Slot::ProgramDir] = QStringLiteral(".");
    // The program directory is a native path; the System directory is kept with
    // "\" separators like every path the program stores (a root directory gives
    // two separators in a row) and resolved by nativePath.
    p.WorkStr[Slot::SystemDir] = p.WorkStr[Slot::ProgramDir] + QStringLiteral("\\System");
    const QString cmd = commandLine.trimmed().toLower();
    p.IniFile = p.WorkStr[Slot::SystemDir] + QStringLiteral("\\tarn.ini");

    StartResult result;
    // Start-up asks the ini file many questions: it is read once.
    const IniMemoryScope iniRead(p.IniFile);
    try {
        if (!runStep([&] {
                if (!QDir::setCurrent(nativePath(p.WorkStr[Slot::ProgramDir])))
                    throw TarnError(QStringLiteral("Path not found: %1").arg(p.WorkStr[Slot::ProgramDir]), ErrNo::PathNotFound);
            }))
            return {StartAction::End, {}};
        if (!runStep([] { readConfiguration(); }))
            return {StartAction::End, {}};
        openSystemDatabase();
    } catch (const ProgramEndRequested&) {
        return {StartAction::End, {}};
    }
    p.Interaktiv = true;

    if (cmd == QLatin1String("/configneu"))
        result.action = StartAction::ConfigThenMain;
    else if (cmd == QLatin1String("/fl") || cmd == QLatin1String("/dr") || cmd == QLatin1String("/pr") ||
             cmd == QLatin1String("/mb")) {
        result.action = StartAction::Batch;
        result.batchSwitch = cmd;
    }
    return result;
}

namespace {

// A line of the batch log file, appended: the log may hold lines of the start.
void appendBatchLog(const QString& errFile, const QString& line)
{
    if (auto* batch = dynamic_cast<BatchInteraction*>(&ui())) {
        batch->log(line);
        return;
    }
    QFile e(nativePath(errFile));
    if (e.open(QIODevice::Append))
        e.write(toAnsi(line) + "\r\n");
}

QString batchText(const char* german, const char* english)
{
    return prog().LangNr == 2 ? QString::fromUtf8(english) : QString::fromUtf8(german);
}

// How a job file was written: the file is rewritten the same way, so that
// the names in its kept lines stay what they were.
struct JobFileForm {
    bool utf8 = false;
    bool bom = false;
};

// The lines of a job file. Job files come from Windows editors (Windows-1252,
// CRLF) and from scripts and editors here (UTF-8, perhaps with a byte-order mark,
// LF or a lone CR): all of them read alike, so a file name with umlauts is the
// name that was written and no mark is taken for part of a job.
QStringList jobLines(QByteArray bytes, JobFileForm& form)
{
    form.bom = bytes.startsWith("\xEF\xBB\xBF");
    if (form.bom)
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString all = utf8(bytes);
    form.utf8 = form.bom || !utf8.hasError();
    if (!form.utf8)
        all = fromAnsi(bytes);
    all.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    all.replace(u'\r', u'\n');
    QStringList lines = all.split(u'\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// Rewrites the job file with the lines that did not complete, or deletes it when
// every line completed.
bool keepJobLines(const QString& f, const QStringList& kept, const JobFileForm& form)
{
    if (kept.isEmpty())
        return QFile::remove(nativePath(f)) || !QFile::exists(nativePath(f));
    QSaveFile out(nativePath(f));
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (form.bom)
        out.write("\xEF\xBB\xBF");
    for (const QString& line : kept)
        out.write((form.utf8 ? line.toUtf8() : toAnsi(line)) + "\r\n");
    return out.commit();
}

} // namespace

QString batchConfigurationProblem()
{
    Program& p = prog();
    if (!QFileInfo::exists(nativePath(p.IniFile)))
        return batchText("Die Konfigurationsdatei @1 fehlt.", "The configuration file @1 is missing.")
            .replace(QLatin1String("@1"), QDir::toNativeSeparators(nativePath(p.IniFile)));
    if (p.BinDir.isEmpty() || p.BinDir == Leer)
        return batchText("In der Konfigurationsdatei @1 fehlt der Schlüssel Bin im Abschnitt [fewe] (die interne "
                         "Bauelemente-Datei).",
                         "The configuration file @1 has no key Bin in section [fewe] (the internal component file).")
            .replace(QLatin1String("@1"), QDir::toNativeSeparators(nativePath(p.IniFile)));
    return QString();
}

namespace {

// What the steps of one batch run share.
struct BatchRun {
    explicit BatchRun(const QString& batchSwitch)
        : sw(batchSwitch), f(batchSwitch.mid(1) + QStringLiteral(".dat")),
          errFile(batchSwitch.mid(1) + QStringLiteral(".err")), batch(dynamic_cast<BatchInteraction*>(&ui()))
    {
    }
    const QString sw;
    const QString f;       // the job file
    const QString errFile; // the log
    BatchInteraction* const batch;
    QStringList lines;
    JobFileForm form;
    QStringList kept;      // the lines that did not complete, as they stood
    QString pendingMarker; // a line "@," that the kept lines still need
    int failed = 0;
};

// A run-time error answered during a job (the error dialog, logged as
// "Abbruch (error ...)") fails the job, whatever its procedure returned.
int errorsLogged(const BatchRun& r)
{
    return r.batch ? int(r.batch->logged.filter(QRegularExpression(QStringLiteral("^Abbruch \\(error "))).size())
                   : 0;
}

// Reads the lines of the job file. Returns the exit code when the run cannot
// start, and nothing when there are jobs to run.
std::optional<int> readJobFile(BatchRun& r)
{
    if (!Exist(r.f)) {
        appendBatchLog(r.errFile, QStringLiteral("Meldung batch: ") +
                                      batchText("Die Input-Datei  @1  ist nicht vorhanden !",
                                                "The input file  @1  does not exist !")
                                          .replace(QLatin1String("@1"), r.f));
        return BatchCannotStart;
    }
    if (const QString problem = batchConfigurationProblem(); !problem.isEmpty()) {
        appendBatchLog(r.errFile,
                       QStringLiteral("Meldung konfig: ") + problem + QStringLiteral("   [") + r.f + u']');
        return BatchCannotStart;
    }
    const bool readable = runStep([&] {
        QFile in(nativePath(r.f));
        if (!in.open(QIODevice::ReadOnly))
            throw TarnError(QStringLiteral("Path/File access error: %1").arg(r.f), ErrNo::PathFileAccess);
        r.lines = jobLines(in.readAll(), r.form);
    });
    if (!readable)
        return BatchCannotStart;
    // A job file without a job is a mistake of whoever wrote it (an empty file,
    // a script that wrote nothing): the run says so instead of ending as done.
    const bool anyJob = std::any_of(r.lines.begin(), r.lines.end(), [](const QString& l) {
        QString t = l.trimmed();
        if (t.startsWith(QLatin1String("@,")))
            t = t.mid(2).trimmed();
        return !t.isEmpty();
    });
    if (!anyJob) {
        appendBatchLog(r.errFile, QStringLiteral("Meldung batch: ") +
                                      batchText("Die Input-Datei  @1  enthält keinen Auftrag !",
                                                "The input file  @1  holds no job !")
                                          .replace(QLatin1String("@1"), r.f));
        return BatchJobFailed;
    }
    return std::nullopt;
}

void refuseLine(const BatchRun& r, const QString& job, const QString& reason)
{
    appendBatchLog(r.errFile, QStringLiteral("Meldung zeile: ") +
                                  batchText("Zeile nicht ausführbar (@1)", "Line cannot be run (@1)")
                                      .replace(QLatin1String("@1"), reason) +
                                  job);
}

// "<Q-list>,<profile>": both parts are needed.
bool runPredictionJob(const BatchRun& r, const QString& line, const QString& job)
{
    const qsizetype comma = line.indexOf(u',');
    if (comma < 0) {
        refuseLine(r, job, batchText("kein Komma zwischen Q-Liste und Profil", "no comma between Q-list and profile"));
        return false;
    }
    const QString number = line.left(comma).trimmed();
    const QString profile = line.mid(comma + 1);
    if (number.isEmpty() || profile.trimmed().isEmpty()) {
        refuseLine(r, job,
                   number.isEmpty() ? batchText("keine Q-Liste", "no Q-list") : batchText("kein Profil", "no profile"));
        return false;
    }
    return startProcedures().PrognoseQsl(QStringLiteral("Ln=") + number, profile);
}

// Runs the procedure of the batch switch for one job line; true when it did
// its job.
bool runJob(const BatchRun& r, const QString& line, const QString& job)
{
    if (r.sw == QLatin1String("/fl")) {
        QString number = line.trimmed();
        return startProcedures().FehlQsBt(number);
    }
    if (r.sw == QLatin1String("/dr")) {
        QString n = line.trimmed();
        n = n.size() >= 5 ? n.left(5) : QString(5 - n.size(), u'0') + n;
        return startProcedures().PrintQSL(QStringLiteral("Ln=") + n);
    }
    if (r.sw == QLatin1String("/pr"))
        return runPredictionJob(r, line, job);
    if (r.sw == QLatin1String("/mb")) {
        const qsizetype comma = line.indexOf(u',');
        if (comma >= 0)
            return startProcedures().MixBt(line.left(comma), line.mid(comma + 1));
        return startProcedures().MixBt(line, QString());
    }
    return false;
}

// Runs one line of the job file; a job that did not complete is logged and
// kept, with the marker line it needs.
void runLine(BatchRun& r, const QString& original)
{
    QString line = original.trimmed();
    bool marker = false;
    if (line.startsWith(QLatin1String("@,"))) {
        prog().Interaktiv = false;
        line = line.mid(2).trimmed();
        marker = true;
    }
    if (line.isEmpty()) {
        if (marker)
            r.pendingMarker = original;
        return;
    }
    const QString job = QStringLiteral("   [") + r.f + QStringLiteral(": ") + line + u']';
    const int errorsBefore = errorsLogged(r);
    bool ok = false;
    const bool ran = runStep([&] { ok = runJob(r, line, job); });
    if (ran && ok && errorsLogged(r) == errorsBefore)
        return;
    ++r.failed;
    appendBatchLog(r.errFile, QStringLiteral("Meldung batch: ") +
                                  batchText("Auftrag nicht ausgeführt (Meldungen darüber), er bleibt in der "
                                            "Input-Datei",
                                            "Job not done (messages above); it stays in the input file") +
                                  job);
    if (!r.pendingMarker.isEmpty() && !original.trimmed().startsWith(QLatin1String("@,"))) {
        r.kept << r.pendingMarker;
        r.pendingMarker.clear();
    }
    r.kept << original;
}

} // namespace

int RunBatch(const QString& sw)
{
    Program& p = prog();
    p.MenuRunning = true;
    BatchRun r(sw);
    // 1. The jobs of the job file
    if (const std::optional<int> refused = readJobFile(r)) {
        p.MenuRunning = false;
        return *refused;
    }
    // 2. Each job in turn
    for (const QString& original : r.lines)
        runLine(r, original);
    // 3. The job file keeps the lines that did not complete
    runStep([&] {
        if (!keepJobLines(r.f, r.kept, r.form))
            throw TarnError(QStringLiteral("Permission denied: %1").arg(r.f), ErrNo::PermissionDenied);
    });
    p.MenuRunning = false;
    return r.failed == 0 ? BatchDone : BatchJobFailed;
}

void MsgNoHelp()
{
    MsgBoxRes(QStringLiteral("95"), 0, prog().LangNr);
}
