#include "qlist/qslaufloesen.h"
#include "frame/workslots.h"
#include "frame/errors.h"
#include "frame/interaction.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "qlist/qldb.h"
#include "qlist/qslfile.h"
#include "qlist/qslhead.h"
#include "qlist/positionvalues.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <filesystem>
#include <map>

namespace {
QString workFile(const char* name)
{
    return joinDesignPath(prog().WorkStr[Slot::Tp2], QString::fromLatin1(name));
}

// A position whose values cannot be read ends the expansion (the user has been
// told which): counted as 0 pieces, or with a value cut short, it would give a
// result that looks sound.
struct PositionRefused {};

QString placeOf(const QString& path, int lineNo)
{
    return (prog().LangNr == 2 ? QStringLiteral("Q-list %1, line %2") : QStringLiteral("Q-Liste %1, Zeile %2"))
        .arg(QDir::toNativeSeparators(nativePath(path)))
        .arg(lineNo);
}

// The lines after the two head lines: a line naming a component or a sub-list
// needs a quantity, and every value of it must read as what it is.
void checkPosition(const QString& path, int lineNo, const QString& line)
{
    if (lineNo <= 2)
        return;
    if (GetParam(line, QStringLiteral("Stck")).isEmpty()) {
        bool named = !GetParam(line, QStringLiteral("Qm")).isEmpty();
        for (const char* key : {"Typ", "Yk", "An"})
            named = named || !GetParam(line, QString::fromLatin1(key)).isEmpty();
        if (named) {
            MsgBoxRes(QStringLiteral("63"), 0, prog().LangNr,
                      oemArgs({line + QStringLiteral("   (") + placeOf(path, lineNo) + u')'}));
            throw PositionRefused{};
        }
        return;
    }
    const QString problem = positionValueProblem(line);
    if (problem.isEmpty())
        return;
    ui().messageBox(QStringLiteral("Wert"), placeOf(path, lineNo) + QStringLiteral(": ") + problem + u'\n' + line,
                    Mb::OKOnly | Mb::Exclamation);
    throw PositionRefused{};
}

// Copies the lines of a Q-list file through the line writer of the work file;
// true when a written line refers to a sub-list.
bool copyPositions(const QString& path, QslLineWriter& out, const QString& Rw, const QString& Chpf)
{
    QslLineReader in;
    if (!in.open(path))
        throw TarnError(QStringLiteral("File not found: %1").arg(path), ErrNo::FileNotFound);
    QString& line = prog().WorkStr[Slot::Line];
    bool sublist = false;
    int lineNo = 0;
    while (!in.atEnd()) {
        line = QslZeileLesen(in);
        checkPosition(path, ++lineNo, line);
        if (QslZeileSchreiben(out, line, Rw, Chpf))
            sublist = true;
    }
    return sublist;
}

// Replaces qpo by qpoh in one step (the rename replaces the target atomically).
void replaceWorkFile(const QString& from, const QString& to)
{
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(from.toStdString()), std::filesystem::path(to.toStdString()), ec);
    if (ec)
        throw TarnError(QStringLiteral("Cannot rename '%1' to '%2': %3").arg(from, to, QString::fromStdString(ec.message())),
                        ErrNo::PathFileAccess);
}

struct Reference {
    QString number; // empty: not found
    QString shown;
    QString note;
};

// The Q-list databases that the references are looked up in: each is opened at
// its first reference and stays open until the expansion ends, rather than once
// per reference. A database that cannot be opened is tried again at the next
// reference, so each of them gets its message as before.
class ReferenceDatabases {
public:
    // The slot of the database of letter qz; 0 when it cannot be opened.
    int slot(const QString& qz)
    {
        const auto known = mOpen.find(qz);
        if (known != mOpen.end())
            return known->second.slot();
        OpenQlDb opened(prog().WorkStr[Slot::VqlDbase] + qz, 0);
        const int slot = opened.slot();
        if (opened)
            mOpen.emplace(qz, std::move(opened));
        return slot;
    }

private:
    std::map<QString, OpenQlDb> mOpen;
};

Reference lookUp(ReferenceDatabases& databases, const QString& qz, int kind, const QString& designation)
{
    Reference r;
    const int slot = databases.slot(qz);
    if (slot == 0)
        return r; // Open_Db has told the user; the reference counts as missing
    const SuchLnResult found = SuchLn_Db(qz, slot, kind, designation, QStringLiteral("0"));
    if (found.found != QLatin1String("ERROR"))
        r.number = found.found;
    r.shown = found.shown;
    r.note = found.standNote;
    return r;
}

// A list on the way from the Q-list down to a line: its number in the work
// file ("A3") and its designation.
struct Enclosing {
    QString lnr;
    QString designation;
};

QString designationIn(const QString& line)
{
    for (const char* key : {"Typ", "Yk", "An"}) {
        const QString d = GetParam(line, QString::fromLatin1(key));
        if (!d.isEmpty())
            return d;
    }
    return QString();
}

QString shown(const Enclosing& e)
{
    return e.designation.isEmpty() ? e.lnr : e.designation + QStringLiteral(" (") + e.lnr + u')';
}

QString runPass(QslLineReader& in, QslLineWriter& out, int& more, ReferenceDatabases& databases, QStringList& cycles)
{
    Program& p = prog();
    const QString qz = p.WorkStr[Slot::Qz];
    more = 0;
    if (in.atEnd())
        return QString();
    const QString head = in.readPhysicalLine();
    out.writeLine(head);
    // The lists that enclose the current line: a reference to one of them would
    // expand without end.
    std::vector<Enclosing> enclosing{{GetParam(head, QStringLiteral("Lnr")), designationIn(head)}};

    const QString key[3] = {QStringLiteral("Typ"), QStringLiteral("Yk"), QStringLiteral("An")};
    const int kinds[3] = {2, 7, 4};
    while (!in.atEnd()) {
        QString line = in.readPhysicalLine();
        const QString lnr = GetParam(line, QStringLiteral("Lnr"));
        const QString q = GetParam(line, QStringLiteral("Qm"));
        if (!lnr.isEmpty()) {
            if (q == QLatin1String("Ende")) {
                if (enclosing.size() > 1)
                    enclosing.pop_back();
            } else if (GetParam(line, QStringLiteral("Aufl")) == QLatin1String("ja")) {
                enclosing.push_back({lnr, designationIn(line)});
            }
        }
        if (readLeadingNumber(GetParam(line, QStringLiteral("Stck"))) < 0) {
            out.writeLine(line);
            continue;
        }
        if (q != QLatin1String("Qsl")) {
            if (q.isEmpty() || q == QLatin1String("Ende"))
                out.writeLine(line);
            else
                MsgBoxRes(QStringLiteral("130"), 0, p.LangNr, oemArgs({q, line}));
            continue;
        }
        const QString err = GetParam(line, QStringLiteral("Err"));
        if (GetParam(line, QStringLiteral("Aufl")) == QLatin1String("ja") || err == QLatin1String("QslFehlt") ||
            err == QLatin1String("QslZyklus")) {
            out.writeLine(line);
            continue;
        }
        QString designation;
        int kind = 0;
        for (int i = 0; i < 3 && kind == 0; ++i) {
            designation = GetParam(line, key[i]);
            if (!designation.isEmpty())
                kind = kinds[i];
        }
        if (kind == 0) {
            // Dropping the line would lose a position silently; the report lists it.
            out.writeLine(line + QStringLiteral(",F,Err=QslFehlt"));
            continue;
        }
        const Reference ref = lookUp(databases, qz, kind, designation);
        const QString subPath = ref.number.isEmpty() ? QString() : QslPfad(qz, ref.number);
        if (subPath.isEmpty() || !QslDateiStatus(subPath).isEmpty()) {
            out.writeLine(line + QStringLiteral(",F,Err=QslFehlt"));
            continue;
        }
        const QString subLnr = qz + LnKurz(ref.number);
        const auto again = std::find_if(enclosing.begin(), enclosing.end(), [&](const Enclosing& e) {
            return e.lnr.compare(subLnr, Qt::CaseInsensitive) == 0;
        });
        if (again != enclosing.end()) {
            // The reference stays as a position that cannot be computed; its
            // path from the list it comes back to names every list of the circle.
            QStringList path;
            for (auto e = again; e != enclosing.end(); ++e)
                path << shown(*e);
            path << shown(*again);
            const QString text = path.join(QStringLiteral(" > "));
            if (!cycles.contains(text))
                cycles << text;
            out.writeLine(line + QStringLiteral(",F,Err=QslZyklus,Zyklus=") + text);
            continue;
        }
        if (!ref.shown.isEmpty())
            SetParam(line, QStringLiteral("Yk"), ref.shown);
        if (!ref.note.isEmpty())
            line += QStringLiteral(",F,Warn=") + ref.note;

        QString identity, rest;
        KopfTrenn(subPath, identity, rest);
        const QString Rw = GetParam(rest, QStringLiteral("Rw"));
        const QString Chpf = GetParam(rest, QStringLiteral("Chpf"));
        out.writeLine(QStringLiteral("Lnr=") + subLnr + u',' + line + QStringLiteral(",Aufl=ja,B,") + rest);
        if (copyPositions(subPath, out, Rw, Chpf))
            more = 1;
        out.writeLine(QStringLiteral("Lnr=") + subLnr + QStringLiteral(",Qm=Ende"));
        if (ui().infoList().Canceled())
            return QStringLiteral("ABBRUCH");
    }
    return QString();
}
} // namespace

QString QslDateiStatus(const QString& path)
{
    const QFileInfo fi(nativePath(path));
    if (path.isEmpty() || !fi.isFile())
        return QStringLiteral("FEHL");
    if (fi.size() == 0)
        return QStringLiteral("LEER");
    QslLineReader r;
    if (!r.open(path))
        throw TarnError(QStringLiteral("Permission denied: %1").arg(path), ErrNo::PermissionDenied);
    QString line = r.readPhysicalLine().mid(1);
    if (line.endsWith(EndeZeichen))
        line.chop(1);
    return GetParam(line, QStringLiteral("Typ")) == QLatin1String("FREI") ? QStringLiteral("FREI") : QString();
}

void RecLeeren(const QString& mode, std::array<QString, 10>& rec)
{
    if (mode != QLatin1String("Del"))
        return;
    for (int i = 1; i <= 9; ++i)
        rec[i].clear();
}

bool isUnexpandedSubList(const QString& line)
{
    if (GetParam(line, QStringLiteral("Qm")) != QLatin1String("Qsl"))
        return false;
    const QString err = GetParam(line, QStringLiteral("Err"));
    return err == QLatin1String("QslFehlt") || err == QLatin1String("QslZyklus");
}

namespace {
// The output of a pass that an error broke off is removed, so that no half pass
// is ever taken for the next level.
class PartialPass {
public:
    explicit PartialPass(QString nativeFile) : mFile(std::move(nativeFile)) {}
    ~PartialPass()
    {
        if (!mComplete)
            QFile::remove(mFile);
    }
    PartialPass(const PartialPass&) = delete;
    PartialPass& operator=(const PartialPass&) = delete;
    void complete() { mComplete = true; }

private:
    QString mFile;
    bool mComplete = false;
};

// One level pass over qpo through qpoh; more is set to 1 when a line written from
// a sub-list refers to a further sub-list. "ABBRUCH" on cancel, otherwise empty.
// The reference look-ups keep their databases open over all passes of a run;
// cycles collects the paths of the sub-list circles met.
QString QslAufloesStufe(int& more, ReferenceDatabases& databases, QStringList& cycles)
{
    const QString qpo = nativePath(workFile("qpo"));
    const QString qpoh = nativePath(workFile("qpoh"));
    QString result;
    {
        QslLineReader in;
        if (!in.open(workFile("qpo")))
            throw TarnError(QStringLiteral("File not found: %1").arg(qpo), ErrNo::FileNotFound);
        // Declared before the writer, so that the file is closed before it goes.
        PartialPass partial(qpoh);
        QslLineWriter out;
        if (!out.open(workFile("qpoh")))
            throw TarnError(QStringLiteral("Cannot create '%1'").arg(qpoh), ErrNo::PathFileAccess);
        result = runPass(in, out, more, databases, cycles);
        out.close();
        partial.complete();
    }
    replaceWorkFile(qpoh, qpo);
    return result;
}
} // namespace

QString QslAufloesen(const QString& Ln, const QString& path, QStringList* cyclesFound)
{
    Program& p = prog();
    bool more = false;
    {
        QslLineWriter qpo;
        if (!qpo.open(workFile("qpo")))
            throw TarnError(QStringLiteral("Cannot create '%1'").arg(workFile("qpo")), ErrNo::PathFileAccess);
        if (!QslDateiStatus(path).isEmpty()) {
            // Its head cannot be read: the run stops here.
            MsgBoxRes(QStringLiteral("134"), 0, p.LangNr, oemArgs({path}));
            return QStringLiteral("ABBRUCH");
        }
        QString identity, rest;
        KopfTrenn(path, identity, rest);
        qpo.writeLine(QStringLiteral("Lnr=") + p.WorkStr[Slot::Qz] + LnKurz(Ln) + u',' + identity + QStringLiteral(",B,") + rest);
        try {
            more = copyPositions(path, qpo, GetParam(rest, QStringLiteral("Rw")), GetParam(rest, QStringLiteral("Chpf")));
        } catch (const PositionRefused&) {
            return QStringLiteral("ABBRUCH");
        }
        qpo.close();
    }
    QString result;
    int level = 1;
    int again = more ? 1 : 0;
    ReferenceDatabases databases;
    const QString text = p.LangNr == 2 ? QStringLiteral("hierarchy:  ") : QStringLiteral("Hierarchiestufe:  ");
    QStringList cycles;
    while (again == 1) {
        ui().infoList().Update(text + u' ' + QString::number(level));
        try {
            result = QslAufloesStufe(again, databases, cycles);
        } catch (const PositionRefused&) {
            return QStringLiteral("ABBRUCH");
        }
        if (result == QLatin1String("ABBRUCH"))
            return result;
        ++level;
    }
    if (!cycles.isEmpty()) {
        // The positions of a list inside itself cannot be counted: the user
        // learns which lists form the circle before the results are read.
        const bool en = p.LangNr == 2;
        ui().messageBox(
            QStringLiteral("QslZyklus"),
            (en ? QStringLiteral("The Q-list contains itself through its sub-lists:\n%1\nThese references are not "
                                 "expanded; the error list names them and the result lacks their positions.")
                : QStringLiteral("Die Q-Liste enthält sich selbst über ihre Unterlisten:\n%1\nDiese Verweise werden "
                                 "nicht aufgelöst; die Fehlerliste nennt sie, und dem Ergebnis fehlen ihre "
                                 "Positionen."))
                .arg(cycles.join(u'\n')),
            Mb::OKOnly | Mb::Exclamation);
    }
    if (cyclesFound)
        *cyclesFound = cycles;
    return result;
}
