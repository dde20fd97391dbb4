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

bool checkQsl(QString& LnFehl, bool MDruck, bool QslLesen, bool ADruck)
{
    Program& p = prog();
    if (ADruck && p.QslEdit)
        p.QslEdit->setTag(QStringLiteral("1"));
    if (!InitBtDatei())
        return false;
    if (MDruck && !PrInit())
        return false;
    const int searchKind = p.BexDir.isEmpty() ? 1 : 0;

    if (QslLesen)
        LnFehl = (QStringLiteral("00000") + LnFehl).right(5);
    const QString Qz = p.WorkStr[Slot::Qz];
    LineSource source(QslLesen, QslPfad(Qz, LnFehl));
    const QString number = LnKurz(LnFehl);
    const QString listTitle = QStringLiteral("TARN ") + GetParam(p.Cf, QStringLiteral("Vers")) + QStringLiteral("  ") +
                              msg(441) + Qz + u' ' + number;
    InfoList& list = ui().infoList();
    list.Begin(listTitle);

    std::vector<Entry> entries;
    QString head;
    bool subLists = false, components = false, faultySubLists = false, faultyComponents = false;
    QString& line = p.WorkStr[Slot::Line];
    QString& identity = p.WorkStr[Slot::Ident];
    for (int i = 0; source.next(line); ++i) {
        if (i == 0) {
            head = headDesignation(line);
            list.Add(head);
            list.Add(QString(20, u'_'));
            continue;
        }
        if (!line.contains(QLatin1String("Stck=")) ||
            !(readLeadingNumber(GetParam(line, QStringLiteral("Stck"))) > -1))
            continue;
        Entry e;
        if (const qsizetype bang = line.indexOf(u'!'); bang >= 0) {
            e.note = line.mid(bang, 30).section(EndeZeichen, 0, 0);
            line.truncate(bang);
        }
        const qsizetype s = line.indexOf(QLatin1String(",S,"));
        identity = s >= 0 ? line.left(s) : line;
        int kind = 2;
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

        bool fault = false;
        if (!GetParam(line, QStringLiteral("Qm")).isEmpty()) {
            identity.clear();
            e.kind = QStringLiteral("QL");
            subLists = true;
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
            faultySubLists = faultySubLists || fault;
        } else {
            e.kind = QStringLiteral("BE");
            components = true;
            QString blockFile, blockText, record;
            const QString sl = GetParam(identity, QStringLiteral("Sl"));
            const int found = SuchBtTsa(searchKind, blockFile, blockText, record);
            if (found == 0 || found == -2) {
                // The component file cannot be read: a list now would be wrong.
                list.Finish();
                source.finish();
                return false;
            }
            if (record == QLatin1String("FehlerYk")) {
                e.message = msg(495);
                e.note = QStringLiteral("Fehler");
                fault = true;
            } else if (record.isEmpty()) {
                e.message = msg(496);
                e.shown = sl;
                fault = true;
            }
            faultyComponents = faultyComponents || fault;
        }
        if (!fault)
            continue;
        list.Add(QStringLiteral("Pos.: ") + QString::number(i + 1) + QStringLiteral(",  ") + e.designation +
                 QString(8, u' ') + e.kind + u' ' + e.message);
        if (int(entries.size()) >= kMaxEntries)
            throw TarnError(QStringLiteral("Subscript out of range: more than %1 faulty positions").arg(kMaxEntries),
                            ErrNo::SubscriptOutOfRange);
        entries.push_back(e);
    }

    list.Clear();
    list.Add(head);
    if (subLists)
        list.Add(msg(faultySubLists ? 500 : 502));
    if (components)
        list.Add(msg(faultyComponents ? 499 : 501));
    else if (!subLists)
        list.Add(msg(499));
    source.finish();

    if (entries.empty()) {
        if (ADruck)
            list.Finish();
        else
            list.Wait(0, true);
        return true;
    }
    FaultList faults(std::move(entries), head, number);
    if (MDruck) {
        faults.print(ADruck);
        return true;
    }
    faults.write(listTitle);
    list.Finish();
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
