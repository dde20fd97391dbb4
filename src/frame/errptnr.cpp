#include "frame/errptnr.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/inifile.h"
#include "frame/interaction.h"
#include "frame/launcher.h"
#include "frame/links.h"
#include "frame/program.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMetaType>
#include <QObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <QVersionNumber>
#include <new>
#include <stdexcept>

#ifndef TARN_VERSION
#define TARN_VERSION "0.0.0"
#endif

namespace {

std::function<QDateTime()> gClock;
std::optional<ErrPtnr::PlatformInfo> gPlatform;

QDateTime now()
{
    return gClock ? gClock() : QDateTime::currentDateTime();
}

// The time of a history line. Busy loops (a merge) call this for every record:
// the local time is formatted once per second.
QString stamp()
{
    if (gClock)
        return gClock().time().toString(QStringLiteral("hh:mm:ss"));
    static qint64 second = -1;
    static QString text;
    const qint64 s = QDateTime::currentMSecsSinceEpoch() / 1000;
    if (s != second) {
        second = s;
        text = QDateTime::currentDateTime().time().toString(QStringLiteral("hh:mm:ss"));
    }
    return text;
}

void trimHistory(QStringList& h)
{
    while (h.size() > ErrPtnr::HistorySize)
        h.removeLast();
}

const QString Separator = QString(70, u'-');
const QString Indent = QString(10, u' ');
const QString Crlf = QStringLiteral("\r\n");
// The start of every protocol in the protocol file; trimming cuts only here.
const QByteArray ProtocolStart = (QString(70, u'-') + QStringLiteral("\r\nF E H L E R")).toLatin1();

bool writeAll(QIODevice& f, const QByteArray& bytes)
{
    return f.write(bytes) == bytes.size();
}

bool isArray(const QVariant& v)
{
    const int t = v.typeId();
    return t == QMetaType::QVariantList || t == QMetaType::QStringList || t == QMetaType::QByteArrayList ||
           (v.canConvert<QVariantList>() && t != QMetaType::QString && t != QMetaType::QByteArray &&
            t != QMetaType::QVariantMap && t != QMetaType::QVariantHash && !v.canConvert<QObject*>());
}

} // namespace

namespace ErrPtnr {

// ---- history

void CallStack(const QString& signature)
{
    QStringList& h = prog().ErrHistory;
    h.prepend(stamp() + u' ' + signature);
    trimHistory(h);
}

void CallStackParam(const QString& paramName, const QVariant& value)
{
    QStringList& h = prog().ErrHistory;
    const QString entry = u'\t' + paramName + QStringLiteral(":\t") + ParamText(value);
    // Directly below the newest signature; a history without one (a caller
    // that skipped CallStack) just takes the entry.
    h.insert(h.isEmpty() ? 0 : 1, entry);
    trimHistory(h);
}

QString ParamText(const QVariant& value)
{
    // The common kinds first: every call of a busy procedure records its
    // parameters, and the tests below are costly.
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::LongLong: return value.toString();
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default: break;
    }
    if (isArray(value))
        return QStringLiteral("[ARRAY]");
    if (value.typeId() == QMetaType::Nullptr)
        return QStringLiteral("[NULL]");
    if (!value.isValid())
        return QStringLiteral("[EMPTY]");
    if (value.canConvert<QObject*>() && (value.metaType().flags() & QMetaType::PointerToQObject)) {
        const QObject* o = value.value<QObject*>();
        if (!o)
            return QStringLiteral("[NOTHING]");
        return QStringLiteral("[OBJECT:%1]").arg(QString::fromLatin1(o->metaObject()->className()));
    }
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: return QString::number(value.toDouble(), 'g', value.typeId() == QMetaType::Float ? 7 : 15);
    case QMetaType::QDate: return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::QDateTime: return value.toDateTime().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    default: return value.toString();
    }
}

QStringList history()
{
    return prog().ErrHistory;
}

QString LPSTRToVBString(const QString& text)
{
    const qsizetype zero = text.indexOf(QChar(0));
    return zero < 0 ? QString() : text.left(zero);
}

// ---- protocol

bool ErrorDialogContent::showsButton(int index) const
{
    // Repeat (0) and leave (2) never show; continue needs bit 2, end bit 8.
    switch (index) {
    case 1: return (contBits & 2) != 0;
    case 3: return (contBits & 8) != 0;
    default: return false;
    }
}

QString BuildProtocol(const ErrorDialogContent& c)
{
    QStringList l;
    l << Separator << QStringLiteral("F E H L E R P R O T O K O L L vom ErrorPartner") << Separator << c.caption
      << Separator << QStringLiteral("Fehlerbeschreibung:").toUpper();
    for (int i = 0; i < 4; ++i)
        l << Indent + QString::fromUtf8(ErrorTitles[i]) + u'\t' + c.values[i];
    l << Indent + QStringLiteral("Datum/Uhrzeit:\t") + c.when.toString(QStringLiteral("MM-dd-yyyy")) +
             QStringLiteral(" / ") + c.when.toString(QStringLiteral("hh:mm:ss"));
    l << Separator << QStringLiteral("CallStack:").toUpper();
    for (const QString& e : c.callStack)
        l << Indent + e;
    l << Separator << QStringLiteral("SYSTEMINFO:");
    l << Indent + QStringLiteral("Plattform:\t") + c.platform.name;
    l << Indent + QStringLiteral("Version:\t%1.%2").arg(c.platform.major).arg(c.platform.minor);
    l << Indent + QStringLiteral("Build:\t%1   ").arg(c.platform.build & 0xFFFF) +
             LPSTRToVBString(c.platform.servicePack);
    l << Separator;
    return l.join(Crlf) + Crlf;
}

QString programDirectory()
{
    QString file = prog().ProgramFile;
    if (file.isEmpty())
        file = QCoreApplication::applicationFilePath();
    QString dir = QFileInfo(file).absolutePath();
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

QString programBaseName()
{
    if (!prog().ProgramName.isEmpty())
        return prog().ProgramName;
    const QString file = prog().ProgramFile.isEmpty() ? QCoreApplication::applicationFilePath() : prog().ProgramFile;
    return QFileInfo(file).completeBaseName();
}

QString protocolFile()
{
    return programDirectory() + programBaseName() + QStringLiteral(".EPT");
}

QString savedProtocolFile()
{
    return programDirectory() + programBaseName() + QStringLiteral(".ERR");
}

ProtocolWrite AppendProtocolTo(const QString& file, const QString& protocol, qint64 cap)
{
    const QByteArray entry = toAnsi(protocol + Crlf);
    QFile f(file);
    const qint64 size = f.exists() ? f.size() : 0;
    if (size + entry.size() <= cap) {
        if (f.open(QIODevice::Append) && writeAll(f, entry) && f.flush())
            return {file, false};
        return {};
    }
    // Over the cap: keep the newest protocols in about half of it, cut only at
    // the start of a protocol, and replace the file atomically.
    QByteArray all;
    if (f.open(QIODevice::ReadOnly)) {
        all = f.readAll();
        f.close();
    }
    all += entry;
    const qsizetype from = all.indexOf(ProtocolStart, all.size() - cap / 2);
    all = all.mid(from < 0 ? all.size() - entry.size() : from);
    QSaveFile out(file);
    if (out.open(QIODevice::WriteOnly) && writeAll(out, all) && out.commit())
        return {file, false};
    return {};
}

ProtocolWrite AppendProtocol(const QString& protocol, qint64 cap)
{
    const QString name = programBaseName() + QStringLiteral(".EPT");
    ProtocolWrite w = AppendProtocolTo(protocolFile(), protocol, cap);
    if (!w.file.isEmpty())
        return w;
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (!dir.isEmpty() && QDir().mkpath(dir)) {
        w = AppendProtocolTo(QDir(dir).filePath(name), protocol, cap);
        w.fallback = true;
    }
    if (w.file.isEmpty())
        w.fallback = true;
    return w;
}

QStringList PrintLines(const QString& protocol)
{
    QStringList out;
    const QString all = protocol + Crlf;
    qsizetype pos = 0;
    for (qsizetype end = all.indexOf(Crlf, pos); end >= 0; pos = end + 2, end = all.indexOf(Crlf, pos)) {
        const QString line = all.mid(pos, end - pos) + u' ';
        QString outLine;
        qsizetype count = 0;
        qsizetype w = 0;
        while (w < line.size()) {
            const qsizetype blank = line.indexOf(u' ', w);
            const QString word = line.mid(w, blank - w + 1);
            w = blank + 1;
            if (count + word.size() > 73) {
                if (!outLine.isEmpty())
                    out << outLine;
                outLine = QString(20, u' ');
                count = 0;
            }
            outLine += word;
            count += word.size();
        }
        if (!outLine.isEmpty())
            out << outLine;
    }
    return out;
}

void PrintProtocol(const QString& protocol)
{
    const std::shared_ptr<ProtocolPrinter>& printer = links<ProtocolPrinting>().printer;
    if (!printer)
        return;
    QString error;
    if (!printer->printLines(PrintLines(protocol), &error) && !error.isEmpty())
        ui().messageBox(QStringLiteral("ErrPtnr.print"),
                        (prog().LangNr == 2 ? QStringLiteral("The error protocol could not be printed: ")
                                            : QStringLiteral("Das Fehlerprotokoll konnte nicht gedruckt werden: ")) +
                            error,
                        Mb::OKOnly | Mb::Exclamation);
}

void SaveProtocol(const QString& protocol)
{
    const QString file = QDir::toNativeSeparators(savedProtocolFile());
    if (QFileInfo::exists(file) &&
        ui().messageBox(QStringLiteral("ErrPtnr.overwrite"),
                        QStringLiteral("Vorhandene Datei '") + file + QStringLiteral("' überschreiben ?"),
                        Mb::YesNo) != Mb::Yes)
        return;
    QSaveFile out(file);
    if (out.open(QIODevice::WriteOnly) && writeAll(out, toAnsi(protocol + Crlf)) && out.commit()) {
        ui().messageBox(QStringLiteral("ErrPtnr.saved"),
                        QStringLiteral("Das Fehlerprotokoll wurde in die Datei '") + file +
                            QStringLiteral("' geschrieben !"),
                        Mb::OKOnly);
        return;
    }
    ui().messageBox(QStringLiteral("ErrPtnr.saved"),
                    QStringLiteral("Das Fehlerprotokoll konnte nicht in die Datei '") + file +
                        QStringLiteral("' geschrieben werden: ") + out.errorString(),
                    Mb::OKOnly | Mb::Exclamation);
}

QString HotlineAddress()
{
    const QString a = GetProfileStr(QStringLiteral("fewe"), QStringLiteral("HotlineMail"), 512, prog().IniFile).trimmed();
    // A missing key reads as "leer", which is no address.
    if (a.isEmpty() || a == Leer)
        return DefaultHotlineMail;
    return a;
}

void MailProtocol(const QString& protocol)
{
    const QString address = HotlineAddress();
    ui().messageBox(
        QStringLiteral("ErrPtnr.mail"),
        QStringLiteral(
            "Es wird jetzt Ihr Standard-Email-Programm aufgerufen. Die Fehlerbeschreibung sowie das Fehlerprotokoll\r\n"
            "wurden zu Ihrer Bequemlichkeit in die Zwischenablage kopiert.\r\n"
            "\r\n"
            "Bitte fügen Sie den Inhalt der Zwischenablage in Ihre Email ein, indem Sie in Ihrem Email-Programm\r\n"
            "die Tasten [Strg] und [Einfg] gleichzeitig betätigen. Alternativ können Sie den Inhalt in die EMail\r\n"
            "einfügen, indem Sie den Befehl 'Einfügen' aus dem Menü 'Bearbeiten' ausführen."),
        Mb::OKOnly);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QClipboard* cb = QGuiApplication::clipboard();
        cb->clear();
        cb->setText(protocol);
    }
    launcher().openUrl(QStringLiteral("mailto:") + address);
}

// ---- handler

std::pair<int, QString> describe(const std::exception& error)
{
    if (const auto* t = dynamic_cast<const TarnError*>(&error))
        return {t->number(), t->message()};
    if (dynamic_cast<const std::bad_alloc*>(&error))
        return {7, QStringLiteral("Out of memory")};
    if (dynamic_cast<const std::out_of_range*>(&error))
        return {ErrNo::SubscriptOutOfRange, QStringLiteral("Subscript out of range")};
    return {0, QString::fromLocal8Bit(error.what())};
}

namespace {
QString defaultProgInfo()
{
    const QVersionNumber v = QVersionNumber::fromString(QStringLiteral(TARN_VERSION));
    return programBaseName() +
           QStringLiteral("  V%1.%2.%3").arg(v.segmentAt(0)).arg(v.segmentAt(1)).arg(v.segmentAt(2));
}
} // namespace

int OnError(const QString& module, const QString& procedure, const std::exception& error, int contBits, int line)
{
    Program& p = prog();
    const auto [number, description] = describe(error);

    ErrorDialogContent c;
    c.values = {QStringLiteral("%1 (%2)").arg(number).arg(description), module, procedure, QString::number(line)};
    if (p.ProgInfo.isEmpty())
        p.ProgInfo = defaultProgInfo();
    c.caption = p.ProgInfo + QStringLiteral(" - Fehlermeldung");
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    c.callStack = p.ErrHistory;
    c.contBits = contBits;
    c.when = now();
    c.platform = currentPlatform();

    const QString protocol = BuildProtocol(c);
    const ProtocolWrite w = AppendProtocol(protocol);
    if (w.fallback && !w.file.isEmpty())
        c.comment = QStringLiteral("Das Programmverzeichnis ist nicht beschreibbar; das Fehlerprotokoll wurde an '") +
                    QDir::toNativeSeparators(w.file) + QStringLiteral("' angehängt.");
    else if (w.file.isEmpty())
        c.comment = QStringLiteral("Das Fehlerprotokoll konnte in keine Datei geschrieben werden.");

    ui().beep();
    Question q;
    q.key = module + u'.' + procedure;
    q.text = QStringLiteral("%1 in %2.%3").arg(c.values[0], module, procedure);
    const ::Answer a = ui().askError(q, c, ErrorParams{number, line, contBits, protocol, w.file});
    // Without a person (batch) there is no choice: the procedure is left.
    if (a.cancelled)
        return LeaveProcedure;
    return (a.code >= Repeat && a.code <= EndProgram) ? a.code : LeaveProcedure;
}

ErrorAction actionFor(int answer)
{
    switch (answer) {
    case Repeat: return ErrorAction::RunAgain;
    case EndProgram: return ErrorAction::End;
    default: return ErrorAction::Leave;
    }
}

void setClock(std::function<QDateTime()> clock)
{
    gClock = std::move(clock);
}

void setPlatform(std::optional<PlatformInfo> platform)
{
    gPlatform = std::move(platform);
}

PlatformInfo currentPlatform()
{
    if (gPlatform)
        return *gPlatform;
    PlatformInfo info;
    info.name = QSysInfo::prettyProductName();
    const QVersionNumber k = QVersionNumber::fromString(QSysInfo::kernelVersion());
    info.major = k.segmentAt(0);
    info.minor = k.segmentAt(1);
    info.build = k.segmentAt(2);
    info.servicePack = QSysInfo::kernelVersion().left(127) + QChar(0);
    return info;
}

} // namespace ErrPtnr
