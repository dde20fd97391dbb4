#include "qlist/qslimport.h"
#include "frame/workslots.h"
#include "component_file/btdatei.h"
#include "dialogue/dia.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/getdirfile.h"
#include "frame/interaction.h"
#include "frame/itemnumber.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "workbook/workbook.h"
#include "qlist/lesenslexcel.h"
#include "qlist/qldb.h"
#include "qlist/qslaufloesen.h"
#include "qlist/qslfile.h"
#include "qlist/qslhead.h"
#include "qlist/qslsuch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

struct Entry {
    QString key;
    int kind; // search kind of SuchLn_Db
    QString value;
    bool renamed = false;
};

const QString kNo = QStringLiteral("no");

// The file dialogs and the folder chooser move the current folder; relative file
// names elsewhere (dialogue files, reports) rely on the program folder.
void backToProgramFolder()
{
    const QString dir = prog().WorkStr[Slot::ProgramDir];
    if (!dir.isEmpty())
        QDir::setCurrent(nativePath(dir));
}

QByteArray readWhole(const QString& designPath)
{
    QFile f(nativePath(designPath));
    if (!f.open(QIODevice::ReadOnly))
        throw TarnError(QStringLiteral("Cannot read '%1': %2").arg(designPath, f.errorString()), ErrNo::PathFileAccess);
    return f.readAll();
}

// Physical lines of bytes with their line ends (CR LF, LF or CR) kept.
QList<QByteArray> physicalLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        lines << bytes.mid(start, i + 1 - start);
        start = i + 1;
    }
    if (start < n)
        lines << bytes.mid(start);
    return lines;
}

QByteArray withoutLineEnd(QByteArray line)
{
    while (!line.isEmpty() && (line.endsWith('\r') || line.endsWith('\n')))
        line.chop(1);
    return line;
}

void writeWhole(const QString& designPath, const QByteArray& bytes)
{
    QSaveFile f(nativePath(designPath));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        throw TarnError(QStringLiteral("Cannot write '%1': %2").arg(designPath, f.errorString()), ErrNo::PathFileAccess);
}

// One look-up in its own open and close of the database; nullopt when the
// database could not be opened (Open_Db has said why).
std::optional<SuchLnResult> lookUp(const QString& letter, int kind, const QString& value)
{
    const OpenQlDb db(prog().WorkStr[Slot::VqlDbase] + letter, 0);
    if (!db)
        return std::nullopt;
    return SuchLn_Db(letter, db.slot(), kind, value, QStringLiteral("1"));
}

// Typ and An fit their 20-character columns; an item number is well formed.
// False after message 504 or 120.
bool designationValid(const QString& key, const QString& value)
{
    Program& p = prog();
    if (key == QLatin1String("Yk")) {
        QString normal, stand;
        YkNorm(value, normal, stand);
        if (normal.startsWith(QLatin1String("Fehler!")) || normal.startsWith(QLatin1String("Error!"))) {
            MsgBoxRes(QStringLiteral("120"), 0, p.LangNr, {AnsiToOem(normal) + QStringLiteral(":  Yk=") + value});
            return false;
        }
        return true;
    }
    if (value.size() > 20) {
        MsgBoxRes(QStringLiteral("504"), 0, p.LangNr, oemArgs({key + u'=' + value}));
        return false;
    }
    return true;
}

// Makes the designation of e free in the database of letter, renaming it where
// the mode allows. False when refused or cancelled.
bool freeDesignation(int mode, Entry& e, const QString& letter)
{
    Program& p = prog();
    while (true) {
        const std::optional<SuchLnResult> r = lookUp(letter, e.kind, e.value);
        if (!r || r->found == QLatin1String("ERROR"))
            return false;
        if (r->found.isEmpty())
            return true;
        if (mode != 4 || e.renamed) {
            const QStringList args{e.key + u'=' + e.value, letter, QslPfad(letter, r->found)};
            if (mode == 2) {
                MsgBoxRes(QStringLiteral("107"), 0, p.LangNr, args);
                return false;
            }
            MsgBoxRes(QStringLiteral("108"), 0, p.LangNr, args);
        }
        // An emptied designation would leave the copy without the name it clashed
        // in; the screen is shown again.
        QString edited;
        do {
            QString kz, startBis;
            QStringList anEin{e.value};
            QString ret = e.key;
            DiaDIN(p.LangDir + QStringLiteral("qsl\\kopie"), QStringLiteral("edsuch"), kz, startBis, anEin, ret);
            if (ret == QLatin1String("ABBRUCH"))
                return false;
            edited = anEin.value(0).trimmed().toUpper();
            // The new name must pass the checks the file's own name passed.
            if (!edited.isEmpty() && !designationValid(e.key, edited))
                edited.clear();
        } while (edited.isEmpty());
        e.value = edited;
        e.renamed = true;
    }
}

} // namespace

bool QslInDb(int mode, const QString& source, QString& target, const QString& letter, QString& number)
{
    Program& p = prog();
    if (!QslDateiStatus(source).isEmpty()) {
        MsgBoxRes(QStringLiteral("106"), 0, p.LangNr, oemArgs({source}));
        return false;
    }
    QString identity, rest;
    KopfTrenn(source, identity, rest);

    std::vector<Entry> entries{{QStringLiteral("Typ"), 2, GetParam(identity, QStringLiteral("Typ"))},
                               {QStringLiteral("Yk"), 7, GetParam(identity, QStringLiteral("Yk"))},
                               {QStringLiteral("An"), 4, GetParam(identity, QStringLiteral("An"))}};
    // Item number first, then the lengths of Typ and An.
    for (const Entry& e : {entries[1], entries[0], entries[2]})
        if (!e.value.isEmpty() && !designationValid(e.key, e.value))
            return false;
    // A Q-list without any designation could never be found again; such a file is
    // not a Q-list the database can index.
    if (std::all_of(entries.begin(), entries.end(), [](const Entry& e) { return e.value.isEmpty(); })) {
        MsgBoxRes(QStringLiteral("10"), 0, p.LangNr);
        return false;
    }
    for (Entry& e : entries)
        if (!e.value.isEmpty() && !freeDesignation(mode, e, letter))
            return false;
    if (!KopfToRec(source))
        return false;

    // The new file: head line 1 from the free designations and the other head
    // items, then the source unchanged from its second logical line on.
    QStringList head;
    for (const Entry& e : entries)
        if (!e.value.isEmpty())
            head << e.key + u'=' + e.value;
    QString others = rest;
    SetParam(others, QStringLiteral("Be"), QString());
    if (!others.isEmpty())
        head << others;
    const QList<QByteArray> lines = physicalLines(readWhole(source));
    qsizetype first = 0;
    // Head line 1 may go on over further physical lines (continuation mark).
    while (first < lines.size() && withoutLineEnd(lines[first]).endsWith(char(195)))
        ++first;
    ++first;
    QByteArray bytes = toAnsi(head.join(u',')) + "\r\n";
    for (qsizetype i = first; i < lines.size(); ++i)
        bytes += lines[i];

    const OpenQlDb db(p.WorkStr[Slot::VqlDbase] + letter, 0);
    if (!db)
        return false;
    const int slot = db.slot();
    const QString ln = allocateQslNumber(letter, slot);
    if (ln.isEmpty())
        return false;
    const QString path = QslPfad(letter, ln);
    QslNumberReservation reserved(slot, ln);
    writeWhole(path, bytes);
    reserved.fileWritten();
    if (!KopfToRec(path)) {
        QFile::remove(nativePath(path));
        reserved.giveBack();
        return false;
    }
    if (NewRec_Db(slot) != 1) {
        // Locked (message 429), or another user took a designation since the
        // check: no file without its row, no copy without its name.
        QFile::remove(nativePath(path));
        reserved.giveBack();
        return false;
    }
    target = path;
    number = ln;
    return true;
}

namespace {

// A file dialog of kind "open" or "save"; empty when cancelled (after a beep).
const QString kAllFiles = QStringLiteral("Alle Dateien (*.*)|*.*");

QString fileDialog(QuestionKind kind, const QString& key, const QString& titleId, const QString& dir,
                   const QString& filter = kAllFiles)
{
    Program& p = prog();
    Question q;
    q.key = key;
    q.text = ResText(titleId, p.LangNr, true);
    const FileParams params{dir, p.LastFileName, filter};
    const Answer a = kind == QuestionKind::SaveFile ? ui().askSaveFile(q, params) : ui().askOpenFile(q, params);
    if (a.cancelled || a.text.isEmpty() || a.text == QLatin1String("ABBRUCH")) {
        ui().beep();
        return QString();
    }
    backToProgramFolder();
    p.LastFileName = a.text;
    return a.text;
}

// The letter of an existing other database; empty when the user gave none.
QString targetLetter()
{
    Program& p = prog();
    const QString current = p.WorkStr[Slot::Qz];
    while (true) {
        Question q;
        q.key = QStringLiteral("15");
        q.text = ResText(QStringLiteral("14"), p.LangNr, true, {current});
        const Answer a = ui().askInput(q, InputParams{ResText(QStringLiteral("15"), p.LangNr, true), QString()});
        const QString letter = a.cancelled ? QString() : a.text.trimmed().toUpper();
        if (letter.isEmpty())
            return QString();
        if (letter.size() != 1 || letter[0].unicode() < 'A' || letter[0].unicode() > 'Z' || letter == current)
            continue;
        if (QFileInfo(nativePath(p.WorkStr[Slot::VqlDbase] + letter)).isDir())
            return letter;
        MsgBoxRes(QStringLiteral("4"), 0, p.LangNr, {letter});
    }
}

} // namespace

QString QslImport(int mode, const QString& head)
{
    Program& p = prog();
    const QString current = p.WorkStr[Slot::Qz];
    QString sourcePath;
    if (mode >= 3 && mode <= 5) {
        QString designation = head;
        QString status;
        QslSuch(QStringLiteral("Kopie"), current, designation, sourcePath, status);
        if (status == QLatin1String("ABBRUCH") || sourcePath.isEmpty())
            return kNo;
    }
    QString target, number;
    switch (mode) {
    case 0: {
        QString file = fileDialog(QuestionKind::OpenFile, QStringLiteral("0kopie"), QStringLiteral("297"),
                                  p.WorkStr[Slot::ProgramDir], workbookFileFilter());
        if (file.isEmpty())
            return kNo;
        // On success file names the Q-list text that the workbook became.
        if (!LesenSLExcel(file) || !QslInDb(0, file, target, current, number))
            return kNo;
        return QStringLiteral("Ln=") + LnFormat(number.toLong());
    }
    case 1: {
        const QString file = fileDialog(QuestionKind::OpenFile, QStringLiteral("1kopie"), QStringLiteral("297"),
                                        QString());
        if (file.isEmpty())
            return kNo;
        if (!QslInDb(1, file, target, current, number))
            return kNo;
        return QStringLiteral("Ln=") + LnFormat(number.toLong());
    }
    case 2: {
        const QString folder = GetDirFile(p.WorkStr[Slot::ProgramDir], ResText(QStringLiteral("296"), p.LangNr, true), true, false, 3);
        backToProgramFolder();
        if (folder == QLatin1String("ABBRUCH") || folder.isEmpty())
            return kNo;
        QStringList files;
        int count = 0;
        DirList(folder, QStringLiteral("File"), files, count);
        QString result = kNo;
        for (int i = 1; i <= count; ++i) {
            const QString name = files.value(i);
            // A file that cannot be read or stored must not stop the others.
            try {
                if (QslInDb(2, folder + u'\\' + name, target, current, number))
                    result = QStringLiteral("ok");
            } catch (const TarnError&) {
            }
        }
        return result;
    }
    case 3: {
        const QString letter = targetLetter();
        if (letter.isEmpty() || !QslInDb(3, sourcePath, target, letter, number))
            return kNo;
        MsgBoxRes(QStringLiteral("109"), 0, p.LangNr, {letter + number});
        return QStringLiteral("ok");
    }
    case 4:
        if (!QslInDb(4, sourcePath, target, current, number))
            return kNo;
        MsgBoxRes(QStringLiteral("109"), 0, p.LangNr, {current + number});
        return QStringLiteral("ok");
    case 5: {
        const QString file = fileDialog(QuestionKind::SaveFile, QStringLiteral("5kopie"), QStringLiteral("298"),
                                        QString());
        if (file.isEmpty())
            return kNo;
        // Every line as it stands, its marks included, each ended with CR LF.
        QByteArray bytes;
        for (const QByteArray& line : physicalLines(readWhole(sourcePath)))
            bytes += withoutLineEnd(line) + "\r\n";
        writeWhole(file, bytes);
        MsgBoxRes(QStringLiteral("110"), 0, p.LangNr, oemArgs({file}));
        return QStringLiteral("ok");
    }
    default:
        return kNo;
    }
}
