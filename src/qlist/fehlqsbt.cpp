#include "qlist/fehlqsbt.h"
#include "frame/workslots.h"
#include "component_file/btdatei.h"
#include "component_file/btsuch.h"
#include "frame/codepage.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/itemnumber.h"
#include "frame/markers.h"
#include "frame/numbers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "printing/printjob.h"
#include "printing/printoutput.h"
#include "qlist/qldb.h"
#include "qlist/qslfile.h"

#include <QDir>
#include <QSaveFile>
#include <array>
#include <vector>

namespace {

// The list holds at most this many faults; a Q-list with more is not a parts
// list any more, and the check stops with an error rather than drop entries.
constexpr int kMaxEntries = 5000;

struct Entry {
    QString designation; // value of the designation
    QString key;         // "Typ", "Yk" or "An"
    QString kind;        // "QL" sub-Q-list, "BE" component
    QString message;     // message text 495, 496 or 497
    QString shown;       // stand found, or the reference designator of a missing component
    QString note;        // "Fehler", "Stand" or the position's comment
    bool written = false;
};

QString msg(int id) { return ResText(QString::number(id), prog().LangNr, true); }

QString headDesignation(const QString& head)
{
    if (const QString yk = GetParam(head, QStringLiteral("Yk")); !yk.isEmpty())
        return QStringLiteral("Yk:  ") + yk;
    if (const QString an = GetParam(head, QStringLiteral("An")); !an.isEmpty())
        return QStringLiteral("An:  ") + an;
    return QStringLiteral("Typ:  ") + GetParam(head, QStringLiteral("Typ"));
}

QString entryLine(const Entry& e)
{
    QString line = FormStr(e.designation, 22, QStringLiteral(" ")) + FormStr(e.key, 5, QStringLiteral(" "));
    if (e.note == QLatin1String("Fehler"))
        return line + QStringLiteral("  ") + e.message;
    if (e.note == QLatin1String("Stand"))
        return line + QStringLiteral("  ") + e.message + QStringLiteral(":  ") + e.shown;
    return line + QStringLiteral("  ") + FormStr(e.shown, 15, QStringLiteral(" ")) + e.note;
}

// Where the lines come from: the Q-list file or the editor's grid.
class LineSource {
public:
    LineSource(bool fromFile, const QString& path) : mFromFile(fromFile)
    {
        if (mFromFile) {
            if (!mFile.open(path))
                throw TarnError(QStringLiteral("File not found: %1").arg(path), ErrNo::FileNotFound);
            return;
        }
        mGrid = prog().QslEdit;
        if (!mGrid)
            throw TarnError(QStringLiteral("The Q-list editor is not open"), ErrNo::InvalidArgument);
        mRemembered = mGrid->currentRow();
    }
    bool next(QString& line)
    {
        if (mFromFile) {
            if (mFile.atEnd())
                return false;
            line = QslZeileLesen(mFile);
            return true;
        }
        if (mRow >= mGrid->rowCount())
            return false;
        mGrid->setCurrentRow(mRow++);
        line = mGrid->currentText();
        return true;
    }
    void finish()
    {
        if (mFromFile)
            mFile.close();
        else
            mGrid->setCurrentRow(mRemembered);
    }

private:
    bool mFromFile;
    QslLineReader mFile;
    QslEditGrid* mGrid = nullptr;
    int mRow = 0;
    int mRemembered = 0;
};

// Looks a sub-Q-list up in the current database; found is empty when none.
SuchLnResult findSubList(int kind, const QString& designation)
{
    Program& p = prog();
    const QString Qz = p.WorkStr[Slot::Qz];
    const OpenQlDb db(p.WorkStr[Slot::VqlDbase] + Qz, 0);
    if (!db)
        return {};
    return SuchLn_Db(Qz, db.slot(), kind, designation, QStringLiteral("0"));
}

class FaultList {
public:
    FaultList(std::vector<Entry> entries, QString headDesignation, QString number)
        : mEntries(std::move(entries)), mHead(std::move(headDesignation)), mNumber(std::move(number))
    {
        dropDuplicates();
    }

    // The four passes: malformed numbers, other stands, missing sub-lists,
    // missing components; each heading only when its pass writes something.
    template <class Heading, class Line>
    void passes(Heading&& heading, Line&& line)
    {
        struct Pass {
            int heading; // 0 none
            bool (*matches)(const Entry&);
        };
        const Pass all[] = {
            {0, [](const Entry& e) { return e.note == QLatin1String("Fehler"); }},
            {498, [](const Entry& e) { return e.note == QLatin1String("Stand"); }},
            {500, [](const Entry& e) { return e.kind == QLatin1String("QL"); }},
            {499, [](const Entry& e) { return e.kind == QLatin1String("BE"); }},
        };
        for (const Pass& pass : all) {
            bool first = true;
            for (Entry& e : mEntries) {
                if (e.written || !pass.matches(e))
                    continue;
                if (first && pass.heading != 0)
                    heading(msg(pass.heading) + QStringLiteral("    :"));
                first = false;
                line(entryLine(e));
                e.written = true;
            }
        }
    }

    void print(bool ADruck)
    {
        const Program& p = prog();
        const QString title = msg(441);
        const QString right = mHead + QString(10, u' ') + p.WorkStr[Slot::Qz] + u' ' + mNumber;
        bool pageOpen = false;
        auto roomForLine = [&] {
            if (pageOpen && !PrPlatz(1))
                return;
            if (pageOpen)
                PrNeueSeite(false, false);
            PrKopf(title, right);
            pageOpen = true;
        };
        passes(
            [&](const QString& heading) {
                roomForLine();
                PrLf();
                PrFont(8.5, true, false, QStringLiteral("Arial"));
                PrText(heading);
                PrFont(10, false, false, QStringLiteral("Courier New"));
                PrLf(1.5);
            },
            [&](const QString& text) {
                roomForLine();
                PrText(text);
                PrLf();
            });
        PrNeueSeite(true, false);
        InfoList& list = ui().infoList();
        QString noTitle;
        if (ADruck) {
            list.Finish();
            PrAusgabe(noTitle, 1);
            return;
        }
        if (!PrAusgabe(noTitle))
            list.Wait(0);
        list.Finish();
    }

    // False when the user cancelled the Save-As dialog.
    bool write(const QString& listTitle)
    {
        Program& p = prog();
        Question q;
        q.key = QStringLiteral("fehlliste"); // the dialog keeps its own title
        const Answer a = ui().askSaveFile(
            q, FileParams{GetParam(p.Cf, QStringLiteral("ResDir")),
                          mHead.mid(mHead.indexOf(u':') + 1).trimmed() + QStringLiteral("_fehl.txt"),
                          QStringLiteral("Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*")});
        if (!p.WorkStr[Slot::ProgramDir].isEmpty())
            QDir::setCurrent(nativePath(p.WorkStr[Slot::ProgramDir]));
        if (a.cancelled || a.text.isEmpty())
            return false;

        // A text list: a name typed without extension gets ".txt", so that the
        // desktop opens the file with an editor.
        const QString file = withExtension(a.text, QStringLiteral("txt"));
        QSaveFile out(nativePath(file));
        if (!out.open(QIODevice::WriteOnly))
            throw TarnError(QStringLiteral("Cannot write %1: %2").arg(file, out.errorString()), ErrNo::PathFileAccess);
        auto writeLine = [&](const QString& text) { out.write(toAnsi(text + QStringLiteral("\r\n"))); };
        writeLine(listTitle + QStringLiteral("   ") + mHead + QStringLiteral("   ") + p.WorkStr[Slot::Qz] + u' ' + mNumber);
        passes([&](const QString& heading) { writeLine(heading.trimmed()); }, writeLine);
        if (!out.commit())
            throw TarnError(QStringLiteral("Cannot write %1: %2").arg(file, out.errorString()), ErrNo::PathFileAccess);
        return true;
    }

private:
    void dropDuplicates()
    {
        std::vector<Entry> kept;
        for (const Entry& e : mEntries) {
            const bool seen = std::any_of(kept.begin(), kept.end(), [&](const Entry& k) {
                return k.designation == e.designation && k.key == e.key && k.kind == e.kind && k.message == e.message;
            });
            if (!seen)
                kept.push_back(e);
        }
        mEntries = std::move(kept);
    }

    std::vector<Entry> mEntries;
    QString mHead;
    QString mNumber;
};

// What the check of the positions finds.
struct CheckTally {
    std::vector<Entry> entries;
    QString head;
    bool subLists = false, components = false, faultySubLists = false, faultyComponents = false;
};

// What the check of one position gives.
enum class Check { Fine, Fault, Unreadable };

// A position line with a count: only such lines are parts of the list.
bool isCountedPosition(const QString& line)
{
    return line.contains(QLatin1String("Stck=")) && readLeadingNumber(GetParam(line, QStringLiteral("Stck"))) > -1;
}

// The position's designation (type, item number or user number) and its
// comment; the comment is cut from the line and the identity left in the
// work string. kind is the look-up kind of the designation.
Entry identifyPosition(QString& line, int& kind)
{
    QString& identity = prog().WorkStr[Slot::Ident];
    Entry e;
    if (const qsizetype bang = line.indexOf(u'!'); bang >= 0) {
        e.note = line.mid(bang, 30).section(EndeZeichen, 0, 0);
        line.truncate(bang);
    }
    const qsizetype s = line.indexOf(QLatin1String(",S,"));
    identity = s >= 0 ? line.left(s) : line;
    kind = 2;
    e.key = QStringLiteral("Typ");
    e.designation = GetParam(identity, e.key);
    if (e.designation.isEmpty()) {
        kind = 7;
        e.key = QStringLiteral("Yk");
        e.designation = GetParam(identity, e.key);
    }
    if (e.designation.isEmpty()) {
        kind = 4;
        e.key = QStringLiteral("An");
        e.designation = GetParam(identity, e.key);
    }
    return e;
}

// A sub-Q-list position: a malformed item number, a list not in the database,
// or a list found at another stand is a fault.
Check checkSubList(Entry& e, int kind, CheckTally& t)
{
    prog().WorkStr[Slot::Ident].clear();
    e.kind = QStringLiteral("QL");
    t.subLists = true;
    bool fault = false;
    QString yk, stand;
    if (kind == 7)
        YkNorm(e.designation, yk, stand);
    if (kind == 7 && isItemNumberError(yk)) {
        e.message = msg(495);
        e.note = QStringLiteral("Fehler");
        fault = true;
    } else {
        SuchLnResult r;
        if (!e.designation.isEmpty())
            r = findSubList(kind, e.designation);
        if (r.found.isEmpty() || r.found == QLatin1String("ERROR")) {
            e.message = msg(496);
            fault = true;
        } else if (!r.standNote.isEmpty()) {
            e.message = msg(497);
            e.shown = r.shown;
            e.note = QStringLiteral("Stand");
            fault = true;
        }
    }
    t.faultySubLists = t.faultySubLists || fault;
    return fault ? Check::Fault : Check::Fine;
}

// A component position: a malformed item number or a component the component
// file lacks is a fault. Unreadable when the component file cannot be read.
Check checkComponent(Entry& e, int searchKind, CheckTally& t)
{
    e.kind = QStringLiteral("BE");
    t.components = true;
    QString blockFile, blockText, record;
    const QString sl = GetParam(prog().WorkStr[Slot::Ident], QStringLiteral("Sl"));
    const int found = SuchBtTsa(searchKind, blockFile, blockText, record);
    if (found == 0 || found == -2)
        return Check::Unreadable;
    bool fault = false;
    if (record == QLatin1String("FehlerYk")) {
        e.message = msg(495);
        e.note = QStringLiteral("Fehler");
        fault = true;
    } else if (record.isEmpty()) {
        e.message = msg(496);
        e.shown = sl;
        fault = true;
    }
    t.faultyComponents = t.faultyComponents || fault;
    return fault ? Check::Fault : Check::Fine;
}

// A faulty position shown in the progress window and kept for the list.
void addFault(CheckTally& t, const Entry& e, int index)
{
    ui().infoList().Add(QStringLiteral("Pos.: ") + QString::number(index + 1) + QStringLiteral(",  ") + e.designation +
                        QString(8, u' ') + e.kind + u' ' + e.message);
    if (int(t.entries.size()) >= kMaxEntries)
        throw TarnError(QStringLiteral("Subscript out of range: more than %1 faulty positions").arg(kMaxEntries),
                        ErrNo::SubscriptOutOfRange);
    t.entries.push_back(e);
}

// Every position of the list checked. False when the component file could not
// be read (the progress window and the source are then closed).
bool checkPositions(LineSource& source, CheckTally& t)
{
    Program& p = prog();
    const int searchKind = p.BexDir.isEmpty() ? 1 : 0;
    InfoList& list = ui().infoList();
    QString& line = p.WorkStr[Slot::Line];
    for (int i = 0; source.next(line); ++i) {
        if (i == 0) {
            t.head = headDesignation(line);
            list.Add(t.head);
            list.Add(QString(20, u'_'));
            continue;
        }
        if (!isCountedPosition(line))
            continue;
        int kind = 2;
        Entry e = identifyPosition(line, kind);
        const Check c = !GetParam(line, QStringLiteral("Qm")).isEmpty() ? checkSubList(e, kind, t)
                                                                         : checkComponent(e, searchKind, t);
        if (c == Check::Unreadable) {
            // The component file cannot be read: a list now would be wrong.
            list.Finish();
            source.finish();
            return false;
        }
        if (c == Check::Fault)
            addFault(t, e, i);
    }
    return true;
}

// The progress window shows what the check found, kind by kind.
void showSummary(const CheckTally& t)
{
    InfoList& list = ui().infoList();
    list.Clear();
    list.Add(t.head);
    if (t.subLists)
        list.Add(msg(t.faultySubLists ? 500 : 502));
    if (t.components)
        list.Add(msg(t.faultyComponents ? 499 : 501));
    else if (!t.subLists)
        list.Add(msg(499));
}

// The fault list printed or written to a text file, when there are faults.
void reportFaults(CheckTally& t, const QString& number, const QString& listTitle, bool MDruck, bool ADruck)
{
    InfoList& list = ui().infoList();
    if (t.entries.empty()) {
        if (ADruck)
            list.Finish();
        else
            list.Wait(0, true);
        return;
    }
    FaultList faults(std::move(t.entries), t.head, number);
    if (MDruck) {
        faults.print(ADruck);
        return;
    }
    faults.write(listTitle);
    list.Finish();
}

bool checkQsl(QString& LnFehl, bool MDruck, bool QslLesen, bool ADruck)
{
    Program& p = prog();
    // 1. The editor's list marked as checked by a batch job; the component
    // file and the print job started
    if (ADruck && p.QslEdit)
        p.QslEdit->setTag(QStringLiteral("1"));
    if (!InitBtDatei())
        return false;
    if (MDruck && !PrInit())
        return false;
    // 2. The lines' source and the progress window
    if (QslLesen)
        LnFehl = (QStringLiteral("00000") + LnFehl).right(5);
    const QString Qz = p.WorkStr[Slot::Qz];
    LineSource source(QslLesen, QslPfad(Qz, LnFehl));
    const QString number = LnKurz(LnFehl);
    const QString listTitle = QStringLiteral("TARN ") + GetParam(p.Cf, QStringLiteral("Vers")) + QStringLiteral("  ") +
                              msg(441) + Qz + u' ' + number;
    ui().infoList().Begin(listTitle);
    // 3. Every position checked
    CheckTally tally;
    if (!checkPositions(source, tally))
        return false;
    // 4. What was found, in the progress window
    showSummary(tally);
    source.finish();
    // 5. The fault list
    reportFaults(tally, number, listTitle, MDruck, ADruck);
    return true;
}

} // namespace

bool FehlQsBt(QString& LnFehl, bool MDruck, bool QslLesen, bool ADruck)
{
    ErrPtnr::CallStack(
        QStringLiteral("[EQSL] Sub FehlQsBt(LnFehl$, MDruck As Boolean, QslLesen As Boolean, ADruck As Boolean)"));
    ErrPtnr::CallStackParam(QStringLiteral("LnFehl"), LnFehl);
    ErrPtnr::CallStackParam(QStringLiteral("MDruck"), MDruck);
    ErrPtnr::CallStackParam(QStringLiteral("QslLesen"), QslLesen);
    ErrPtnr::CallStackParam(QStringLiteral("ADruck"), ADruck);
    Program& p = prog();
    p.WorkStr[Slot::Q].clear();
    const bool done = ErrPtnr::guarded(QStringLiteral("EQSL"), QStringLiteral("FehlQsBt"), false,
                                       [&] { return checkQsl(LnFehl, MDruck, QslLesen, ADruck); });
    p.WorkStr[Slot::Q].clear();
    return done;
}
