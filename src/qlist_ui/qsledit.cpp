#include "qlist_ui/qsledit.h"
#include "frame/workslots.h"
#include "component_entry/posstress.h"
#include "dialogue/beprogein.h"
#include "frame/codepage.h"
#include "frame/editvar.h"
#include "frame/database.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/interaction.h"
#include "frame/links.h"
#include "frame/itemnumber.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "prediction/proginit.h"
#include "prediction/prognoseqsl.h"
#include "qlist/neuposeingabe.h"
#include "qlist/pospruef.h"
#include "position_line/posline.h"
#include "qlist/printqsl.h"
#include "qlist/qldb.h"
#include "qlist/qslcommands.h"
#include "qlist/qslfile.h"
#include "qlist/qslimport.h"
#include "qlist/qslsave.h"

#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <optional>

namespace {

constexpr int Offset = 1601;

const QStringList kGroup = {
    QStringLiteral("checkprint"),    QStringLiteral("checkfile"),       QStringLiteral("cancel"),
    QStringLiteral("standardprof.ql"), QStringLiteral("selectprof.ql"), QStringLiteral("newprof.ql"),
    QStringLiteral("newprofspstd.ql"), QStringLiteral("newprofspwahl.ql"), QStringLiteral("3kopie"),
    QStringLiteral("4kopie"),        QStringLiteral("5kopie"),          QStringLiteral("belist")};
const QStringList kProfiles = {QStringLiteral("standardprof.ql"), QStringLiteral("selectprof.ql"),
                               QStringLiteral("newprof.ql"), QStringLiteral("newprofspstd.ql"),
                               QStringLiteral("newprofspwahl.ql")};

QClipboard* clipboard()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}
QString clipText()
{
    QClipboard* c = clipboard();
    return c ? c->text() : QString();
}
void setClipText(const QString& text)
{
    if (QClipboard* c = clipboard()) {
        c->clear();
        c->setText(text);
    }
}

// A row as the file holds it: the pi marker in place of the Greek pi.
QString toStored(const QString& text)
{
    QString s = text;
    s.replace(PiChar, PiMark);
    return s;
}
QString toShown(const QString& text)
{
    QString s = text;
    s.replace(PiMark, PiChar);
    return s;
}

int msg(const char* id, int buttons, const QStringList& args = {})
{
    return MsgBoxRes(QString::fromLatin1(id), buttons, prog().LangNr, args);
}

} // namespace

QslEditView* openQslEditorView()
{
    const auto* model = dynamic_cast<const QslEditModel*>(prog().QslEdit);
    return model ? model->view : nullptr;
}

QslEditModel::QslEditModel() = default;

QslEditModel::~QslEditModel()
{
    if (prog().QslEdit == this)
        prog().QslEdit = nullptr;
}

QString QslEditModel::captionText(int n)
{
    return localiseCaption(QString::number(n), Offset).text;
}

QString QslEditModel::captionToolTip(int n)
{
    return localiseCaption(QString::number(n), Offset).toolTip.value_or(QString());
}

QString QslEditModel::toolTipText(int k)
{
    return ResStr(1770, k, prog().LangNr);
}

QString QslEditModel::path() const
{
    return QslPfad(prog().WorkStr[Slot::Qz], QslLn);
}

QString QslEditModel::rowText(const QString& text)
{
    QString s = text;
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

QString QslEditModel::withoutMarks(const QString& text)
{
    QString s = text;
    s.remove(FolgeZeichen);
    s.remove(EndeZeichen);
    return s;
}

// ---------------------------------------------------------------- opening

bool QslEditModel::Open(const QString& Ln)
{
    Program& p = prog();
    ProgOk = links<QslEditLinks>().progInit ? links<QslEditLinks>().progInit() : ProgInit();
    FindText.clear();
    RowSettled = false;
    if (Ln.isEmpty())
        return false;
    caption = localiseCaption(QStringLiteral("0"), Offset, {p.WorkStr[Slot::Qz], LnKurz(Ln)}).text;
    const qsizetype colon = caption.indexOf(u':');
    CaptPrefix = (colon >= 0 ? caption.left(colon + 1) : caption) + QStringLiteral("   ");
    QslLn = Ln;
    rows = QStringList{QString()};
    row = RowSel = topRow = 0;
    QslChanged = false;
    const QFileInfo file(nativePath(path()));
    if (file.exists() && file.size() == 0) {
        // Two empty head rows, so that the window has what it relies on.
        msg("112", 0, {AnsiToOem(path())});
        rows = QStringList{QString(), QString()};
    } else {
        rows.clear();
        for (const QString& line : readQslFile(path()))
            rows << toShown(line);
        while (rows.size() < 2)
            rows << QString();
        GetQslHead(p.QslRecAlt);
        p.QslRecAlt[1] = Ln;
    }
    row = RowSel = 0;
    if (GetParam(rows[0], QStringLiteral("Typ")) == QLatin1String("FREI")) {
        msg("162", 0, {QStringLiteral("Ln=") + Ln, p.WorkStr[Slot::Qz]});
        Tag = QStringLiteral("1");
        return false;
    }
    RowSettled = true;
    row = RowSel = 1;
    HighlRow = colouredRow = 1;
    AktbtLoaded = true;
    AktbtOrig = rows[1];
    setAktBT(rows[1]);
    const bool clip = !clipText().trimmed().isEmpty();
    btPasteEnabled = pasteEnabled = clip;
    cutEnabled = copyEnabled = false;
    Tag = QStringLiteral("0");
    if (!ProgOk) {
        Tag = QStringLiteral("1");
        return false;
    }
    renewCaption();
    return true;
}

// ---------------------------------------------------------------- row change

void QslEditModel::renewCaption()
{
    caption = CaptPrefix + QString::number(rows.size()) + u'/' + QString::number(row + 1);
}

void QslEditModel::ResetHighl()
{
    colouredRow = row;
}

bool QslEditModel::UpdateHighlCaptAktbt(bool MColorCapt, bool MAktbtNeu, bool MNotAktSel)
{
    if (MColorCapt) {
        ResetHighl();
        renewCaption();
    }
    if (row != HighlRow) {
        if (row < topRow)
            topRow = std::max(0, row);
        else if (row > topRow + VisRows - 1)
            topRow = row - VisRows + 1;
        if (!MNotAktSel && lineChanged()) {
            const int moved = row;
            row = HighlRow;
            if (msg("103", 4) == 6)
                storeLine(HighlRow, AktbtText);
            row = moved;
        }
        HighlRow = row;
    } else if (!MAktbtNeu) {
        return false;
    }
    AktbtOrig = rows.value(row);
    setAktBT(rows.value(row));
    RowSel = row;
    if (view)
        view->refresh();
    return true;
}

void QslEditModel::storeLine(int r, const QString& text)
{
    if (r < 0 || r >= rows.size())
        return;
    rows[r] = rowText(withoutMarks(text));
    QslChanged = true;
}

void QslEditModel::changed()
{
    QslChanged = true;
}

// ---------------------------------------------------------------- the line editor

void QslEditModel::setAktBT(const QString& text)
{
    AktbtText = text;
    selStart = int(text.size());
    selLength = 0;
}

void QslEditModel::AktBT_Change(const QString& text, int start, int length)
{
    // The continuation and end marks cannot be typed; pasted in, they would split
    // the line in the file.
    AktbtText = withoutMarks(text);
    selStart = std::clamp(start - int(text.size() - AktbtText.size()), 0, int(AktbtText.size()));
    selLength = AktbtText.size() == text.size() ? length : 0;
    cutEnabled = copyEnabled = selLength != 0;
}

void QslEditModel::AktBT_Select(int start, int length)
{
    selStart = start;
    selLength = length;
    cutEnabled = copyEnabled = length != 0;
}

bool QslEditModel::moveUp(int shift)
{
    if (row <= 0)
        return false;
    if (shift == 0)
        row -= 1;
    else if (shift == 1)
        row -= std::min(PageRows, row);
    else if (shift == 2)
        row = 0;
    else
        return false;
    return true;
}

bool QslEditModel::moveDown(int shift)
{
    const int last = int(rows.size()) - 1;
    if (row >= last)
        return false;
    if (shift == 0)
        row += 1;
    else if (shift == 1)
        row += std::min(PageRows, last - row);
    else if (shift == 2)
        row = last;
    else
        return false;
    return true;
}

bool QslEditModel::AktBT_KeyDown(int keyCode, int shift)
{
    if (keyCode == 33) {
        keyCode = 38;
        shift = 1;
    } else if (keyCode == 34) {
        keyCode = 40;
        shift = 1;
    }
    if (keyCode == 13) {
        if (lineChanged()) {
            AktbtOrig = AktbtText;
            storeLine(row, AktbtText);
        }
        if (row < rows.size() - 1) {
            ++row;
            RowSel = row;
            AktbtLoaded = UpdateHighlCaptAktbt(true, false, true);
        }
        if (view)
            view->refresh();
        return true;
    }
    bool moved = false;
    if (keyCode == 38)
        moved = moveUp(shift);
    else if (keyCode == 40)
        moved = moveDown(shift);
    if (moved)
        RowSel = row;
    if ((keyCode >= 1 && keyCode <= 15) || keyCode > 18)
        AktbtLoaded = UpdateHighlCaptAktbt(true, false);
    return moved;
}

QslEditModel::Typed QslEditModel::AktBT_KeyPress(int code)
{
    if (AktbtLoaded) {
        AktbtOrig = AktbtText;
        AktbtLoaded = false;
    }
    if ((code >= 32 && code <= 194) || (code >= 196 && code <= 253))
        return Typed::Insert;
    switch (code) {
    case 6:
    case 8:
    case 9:
    case 23:
    case 255:
        return Typed::Insert;
    case 10:
        if (RowSettled && row >= 0 && row < rows.size())
            setAktBT(rows[row]);
        return Typed::Drop;
    case 13:
        AktBT_KeyDown(13, 0);
        return Typed::Drop;
    case 16:
        return Typed::Pi;
    default:
        ui().beep();
        return Typed::Beep;
    }
}

void QslEditModel::AktBT_KeyUp(int keyCode, int shift)
{
    if (!((keyCode == 45 && (shift & 1)) || (keyCode == 86 && (shift & 2))))
        return;
    int p = std::clamp(selStart + selLength, 0, int(AktbtText.size()));
    QString t = AktbtText;
    bool removed = false;
    while (p >= 1 && (t[p - 1] == u'\r' || t[p - 1] == u'\n')) {
        t.remove(p - 1, 1);
        --p;
        removed = true;
    }
    if (removed) {
        setAktBT(t);
        selStart = p;
    }
}

// ---------------------------------------------------------------- grid events

void QslEditModel::BT_RowColChange(int newRow, int newRowSel)
{
    if (newRow < 0 || newRow >= rows.size())
        return;
    row = newRow;
    RowSel = std::clamp(newRowSel, 0, int(rows.size()) - 1);
    ResetHighl();
    renewCaption();
}

void QslEditModel::BT_Click(int mouseRow)
{
    if (mouseRow >= 0 && mouseRow < rows.size() && mouseRow != row)
        BT_RowColChange(mouseRow, mouseRow);
    AktbtLoaded = UpdateHighlCaptAktbt(false, false);
}

// A double or right click makes the clicked row current and takes its line as
// the unchanged original; false when the click was below the last row.
bool QslEditModel::takeClickedRow(int mouseRow)
{
    if (mouseRow < 0 || mouseRow >= rows.size())
        return false;
    row = RowSel = mouseRow;
    ResetHighl();
    AktbtLoaded = UpdateHighlCaptAktbt(false, false);
    if (AktbtLoaded) {
        AktbtOrig = AktbtText;
        AktbtLoaded = false;
    }
    return true;
}

void QslEditModel::BT_DblClick(int mouseRow)
{
    if (!takeClickedRow(mouseRow))
        return;
    MenuQSL(QStringLiteral("edit"));
}

void QslEditModel::BT_RightClick(int mouseRow)
{
    if (!takeClickedRow(mouseRow))
        return;
    ParamPopup();
    if (view)
        view->refresh();
}

void QslEditModel::BT_Scroll(int newTop)
{
    topRow = std::max(0, newTop);
    const int last = int(rows.size()) - 1;
    int r = row;
    if (r < topRow)
        r = topRow;
    else if (r > topRow + PageRows)
        r = topRow + PageRows;
    r = std::clamp(r, 0, last);
    if (r != row) {
        row = RowSel = r;
        AktbtLoaded = UpdateHighlCaptAktbt(true, false);
    }
}

void QslEditModel::appendRow(const QString& text)
{
    rows << rowText(withoutMarks(toShown(text)));
}

// ---------------------------------------------------------------- commands

void QslEditModel::runHidden(const std::function<void()>& command)
{
    if (view)
        view->hideWindow();
    command();
    if (view)
        view->showWindow();
}

void QslEditModel::MenuQSL(const QString& what)
{
    ErrPtnr::CallStack(QStringLiteral("[frmQslEdit] Private Sub MenuQSL(what As Variant)"));
    ErrPtnr::CallStackParam(QStringLiteral("what"), what);
    ErrPtnr::guarded(QStringLiteral("frmQslEdit"), QStringLiteral("MenuQSL"), false, [&] {
        const QString desc = QStringLiteral("Ln=") + QslLn;
        const bool group = kGroup.contains(what);

        // Stage 1: the line in the editor was changed.
        bool saveNow = false;
        if (lineChanged() && !settleChangedLine(what, group, saveNow))
            return true;

        // Stage 2: the command.
        if (what == QLatin1String("save")) {
            if (QslChanged)
                SaveQsl();
            else
                msg("119", 0);
        } else if (what == QLatin1String("print")) {
            printCommand(desc);
        } else if (group) {
            groupCommand(what, desc, saveNow);
        } else if (what == QLatin1String("del")) {
            if (LoeschQsl(desc) == QLatin1String("T"))
                Tag = QStringLiteral("1");
        } else if (what == QLatin1String("import")) {
            importCommand();
        } else if (what == QLatin1String("new")) {
            if (NeuPosEingabe()) {
                row = RowSel = int(rows.size()) - 1;
                AktbtLoaded = UpdateHighlCaptAktbt(true, false);
                changed();
            }
        } else if (what == QLatin1String("find") || what == QLatin1String("findnext")) {
            search(what == QLatin1String("findnext"));
        } else if (what == QLatin1String("bt.cut") || what == QLatin1String("bt.copy") ||
                   what == QLatin1String("bt.del")) {
            blockCommand(what);
        } else if (what == QLatin1String("bt.paste") || what == QLatin1String("ln.paste")) {
            pasteCommand(what);
        } else if (what == QLatin1String("cut") || what == QLatin1String("copy") || what == QLatin1String("paste")) {
            textCommand(what);
        } else if (what == QLatin1String("edit") || what == QLatin1String("dias")) {
            stressCommand(what == QLatin1String("dias"));
        }
        return true;
    });
    if (view)
        view->refresh();
}

// Save and print keep or drop the changed line as the user says; the commands
// of the group may also save the list with it, or not run at all.
bool QslEditModel::settleChangedLine(const QString& what, bool group, bool& saveNow)
{
    if (what == QLatin1String("save") || what == QLatin1String("print")) {
        if (msg("103", 4) == 6)
            storeLine(row, AktbtText);
        else
            setAktBT(rows.value(row));
        AktbtOrig = AktbtText;
    } else if (group) {
        const int r = msg("122", 3);
        if (r == 6) {
            storeLine(row, AktbtText);
            saveNow = true;
        } else if (r == 7) {
            setAktBT(rows.value(row));
        } else {
            return false;
        }
    }
    return true;
}

void QslEditModel::printCommand(const QString& desc)
{
    if (QslChanged) {
        if (msg("153", 1) != 1)
            return;
        // A list that cannot be saved is not printed from its old file.
        if (!SaveQsl())
            return;
    }
    runHidden([&] { PrintQSL(desc, false); });
}

// The commands that work on the saved file: the checks, the predictions, the
// imports, the component list and closing.
void QslEditModel::groupCommand(const QString& what, const QString& desc, bool saveNow)
{
    if (what == QLatin1String("cancel"))
        Tag = QStringLiteral("1");
    bool saved = true;
    if (saveNow) {
        saved = SaveQsl();
    } else if (QslChanged) {
        const int r = msg("163", 3);
        if (r == 6) {
            saved = SaveQsl();
        } else if (r == 2) {
            if (what == QLatin1String("cancel"))
                Tag = QStringLiteral("0");
        }
    }
    // A save the user asked for that stopped at a check keeps the window
    // open on the faulty line and runs no command: closing would drop
    // every edit.
    if (!saved) {
        Tag = QStringLiteral("0");
        return;
    }
    if (what == QLatin1String("checkprint") || what == QLatin1String("checkfile")) {
        runHidden([&] {
            QString ln = QslLn;
            prog().QslEdit = this;
            FehlQsBt(ln, what == QLatin1String("checkprint"), false, false);
        });
    } else if (kProfiles.contains(what)) {
        runHidden([&] { PrognoseQsl(desc, what, false); });
    } else if (what.endsWith(QLatin1String("kopie"))) {
        QslImport(what.left(1).toInt(), desc);
    } else if (what == QLatin1String("belist")) {
        if (links<QslEditLinks>().ExecQslBEList)
            links<QslEditLinks>().ExecQslBEList(desc);
    }
}

// Components taken over from the component editor join the list at its end.
void QslEditModel::importCommand()
{
    const int before = int(rows.size());
    runHidden([&] {
        QString adr;
        if (links<ComponentEditorLink>().Show0)
            links<ComponentEditorLink>().Show0(adr, QStringLiteral("add"));
    });
    if (rows.size() > before) {
        changed();
        row = RowSel = int(rows.size()) - 1;
        AktbtLoaded = UpdateHighlCaptAktbt(true, false);
    }
}

// The stress data of the current row, entered as a list or through the dialogue.
void QslEditModel::stressCommand(bool dialogue)
{
    QString text = toStored(rows.value(row));
    if (dialogue) {
        frmBEProgEin::RunDiaStress(text, nullptr, 0);
        if (view)
            view->showWindow();
    } else {
        PosStressEingabe(text, true);
    }
    setAktBT(toShown(text));
}

void QslEditModel::blockCommand(const QString& what)
{
    if (row < 2 || RowSel < 2) {
        msg("446", 0);
        return;
    }
    const int first = std::min(row, RowSel);
    const int last = std::min(std::max(row, RowSel), int(rows.size()) - 1);
    if (what != QLatin1String("bt.del")) {
        setClipText(rows.mid(first, last - first + 1).join(u'\r'));
        if (!clipText().trimmed().isEmpty()) {
            btPasteEnabled = true;
            pasteEnabled = false;
        }
        if (what == QLatin1String("bt.copy"))
            return;
    }
    row = last == rows.size() - 1 ? first - 1 : first;
    for (int r = last; r >= first; --r)
        rows.removeAt(r);
    changed();
    HighlRow = std::min(int(rows.size()) - 1, HighlRow);
    RowSel = row;
    AktbtLoaded = UpdateHighlCaptAktbt(true, true);
}

void QslEditModel::pasteCommand(const QString& what)
{
    if (row < 2) {
        msg("447", 0);
        return;
    }
    if (what == QLatin1String("ln.paste")) {
        rows.insert(row, QString());
        changed();
        ++HighlRow;
    } else {
        const int s0 = row;
        QString s = clipText();
        while (!s.isEmpty()) {
            const qsizetype cr = s.indexOf(u'\r');
            QString piece = cr < 0 ? s : s.left(cr);
            s = cr < 0 ? QString() : s.mid(cr + 1);
            if (cr >= 0 && s.startsWith(u'\n'))
                s.remove(0, 1);
            changed();
            rows.insert(row, rowText(withoutMarks(piece)));
            ++row;
        }
        HighlRow = row;
        row = s0;
    }
    RowSel = row;
    AktbtLoaded = UpdateHighlCaptAktbt(true, false);
}

void QslEditModel::textCommand(const QString& what)
{
    const QString t = AktbtText;
    const int s0 = std::clamp(selStart, 0, int(t.size()));
    const int len = std::clamp(selLength, 0, int(t.size()) - s0);
    if (what == QLatin1String("paste")) {
        const QString c = withoutMarks(clipText());
        if (c.isEmpty())
            return;
        AktbtText = t.left(s0) + c + t.mid(s0 + len);
        selStart = s0 + int(c.size());
        selLength = 0;
        cutEnabled = copyEnabled = false;
        return;
    }
    if (len == 0)
        return;
    setClipText(t.mid(s0, len));
    if (!clipText().trimmed().isEmpty()) {
        btPasteEnabled = false;
        pasteEnabled = true;
    }
    if (what == QLatin1String("copy"))
        return;
    if (len >= t.trimmed().size()) {
        setAktBT(QString());
        return;
    }
    AktbtText = t.left(s0) + t.mid(s0 + len);
    selStart = s0;
    selLength = 0;
}

void QslEditModel::search(bool next)
{
    int start;
    const int s0 = row;
    if (!next) {
        Question q;
        q.key = QStringLiteral("1514");
        q.text = ResStr(1500, 15, prog().LangNr);
        const Answer a = ui().askInput(q, InputParams{ResStr(1500, 14, prog().LangNr), FindText});
        if (!a.cancelled && !a.text.isEmpty())
            FindText = a.text;
        start = 1;
    } else {
        start = s0 < rows.size() - 1 ? s0 + 1 : 0;
    }
    RowSettled = false;
    int found = -1;
    for (int i = start; i < rows.size(); ++i) {
        if (rows[i].contains(FindText, Qt::CaseInsensitive)) {
            found = i;
            break;
        }
    }
    row = s0;
    RowSettled = true;
    if (found >= 0) {
        row = RowSel = found;
        AktbtLoaded = UpdateHighlCaptAktbt(true, false);
    }
}

// ---------------------------------------------------------------- saving

void QslEditModel::GetQslHead(std::array<QString, 10>& head)
{
    row = 0;
    const QString t = rows.value(0);
    head[2] = GetParam(t, QStringLiteral("Typ")).toUpper();
    const QString y = GetParam(t, QStringLiteral("Yk"));
    if (!y.isEmpty()) {
        YkNorm(y, head[3], head[4], false);
    } else {
        head[3].clear();
        head[4].clear();
    }
    head[5] = GetParam(t, QStringLiteral("An")).toUpper();
    head[6] = GetParam(t, QStringLiteral("Tec")).toUpper();
    head[7] = GetParam(t, QStringLiteral("Code")).toUpper();
    head[8] = GetParam(t, QStringLiteral("Anlage")).toUpper();
    row = 1;
    head[9] = GetParam(rows.value(1), QStringLiteral("Be"));
}

bool QslEditModel::stop(const QString& id, const QStringList& args, int r)
{
    RowSettled = true;
    row = RowSel = r;
    MsgBoxRes(id, 0, prog().LangNr, args);
    AktbtLoaded = UpdateHighlCaptAktbt(false, false);
    return false;
}

namespace {

// Why a save stops at a check: the message with its arguments and the row it
// points at.
struct Refusal {
    QString id;
    QStringList args;
    int row = 0;
};

// The identity items of the head row in the record (fields 1 to 8). Refused
// when the item number is malformed.
std::optional<Refusal> readIdentity(QslEditModel& m, std::array<QString, 10>& rec)
{
    rec[1] = m.QslLn;
    m.row = 0;
    const QString t = toStored(m.rows.value(0));
    rec[2] = GetParam(t, QStringLiteral("Typ")).toUpper();
    const QString y = GetParam(t, QStringLiteral("Yk"));
    if (!y.isEmpty()) {
        QString n, stand;
        YkNorm(y, n, stand, true);
        if (n.startsWith(QLatin1String("Fehler!")) || n.startsWith(QLatin1String("Error!")))
            return Refusal{QStringLiteral("120"), {AnsiToOem(n) + QStringLiteral(":  Yk=") + AnsiToOem(y)}, 0};
        rec[3] = n;
        rec[4] = stand;
    } else {
        rec[3].clear();
        rec[4].clear();
    }
    rec[5] = GetParam(t, QStringLiteral("An")).toUpper();
    rec[6] = GetParam(t, QStringLiteral("Tec")).toUpper();
    rec[7] = GetParam(t, QStringLiteral("Code")).toUpper();
    rec[8] = GetParam(t, QStringLiteral("Anlage")).toUpper();
    return std::nullopt;
}

// The head record from the first two rows. Refused for a malformed item
// number, a designation too long, or a quote the database cannot store.
std::optional<Refusal> readHeadRecord(QslEditModel& m)
{
    auto& rec = prog().QslRec;
    if (std::optional<Refusal> refusal = readIdentity(m, rec))
        return refusal;
    QString e;
    if (rec[2].size() > 20)
        e = QStringLiteral("Typ=") + rec[2];
    else if (rec[5].size() > 20)
        e = QStringLiteral("An=") + rec[5];
    if (!e.isEmpty())
        return Refusal{QStringLiteral("504"), {AnsiToOem(e)}, 0};
    m.row = 1;
    rec[9] = GetParam(toStored(m.rows.value(1)), QStringLiteral("Be"));
    for (int i = 1; i <= 9; ++i)
        if (rec[i].contains(u'\''))
            return Refusal{QStringLiteral("31"), {AnsiToOem(rec[i])}, i == 9 ? 1 : 0};
    return std::nullopt;
}

// The identity may not be another Q-list's. The list's own number is no
// collision (a second save of a changed identity finds the first), and an
// item number that was removed is looked up nowhere.
std::optional<Refusal> identityTaken(const QslEditModel& m)
{
    Program& p = prog();
    const QString qz = p.WorkStr[Slot::Qz];
    const auto& rec = p.QslRec;
    const auto& alt = p.QslRecAlt;
    struct Key {
        QString key;
        int kind;
    };
    std::vector<Key> keys;
    if (rec[2] != alt[2])
        keys.push_back({rec[2].trimmed(), 2});
    if ((rec[3] != alt[3] || rec[4] != alt[4]) && !rec[3].isEmpty())
        keys.push_back({rec[3] + u'-' + rec[4], 7});
    if (rec[5] != alt[5])
        keys.push_back({rec[5].trimmed(), 4});
    for (const Key& k : keys) {
        if (k.key.isEmpty())
            continue;
        SuchLnResult found;
        {
            const OpenQlDb db(p.WorkStr[Slot::VqlDbase] + qz);
            if (!db)
                throw TarnError(QStringLiteral("Cannot open the Q-list database %1").arg(qz), ErrNo::PathFileAccess);
            found = SuchLn_Db(qz, db.slot(), k.kind, k.key, QStringLiteral("2"));
        }
        if (!found.found.isEmpty() && found.found != QLatin1String("ERROR") && found.found != m.QslLn)
            return Refusal{QStringLiteral("107"), {AnsiToOem(k.key), QslPfad(qz, found.found), QString()}, 1};
    }
    return std::nullopt;
}

// The first position line that its check refuses, without its comment.
std::optional<Refusal> faultyPosition(QslEditModel& m)
{
    for (int k = 2; k < m.rows.size(); ++k) {
        m.row = k;
        QString line = toStored(m.rows[k]);
        const qsizetype bang = line.indexOf(u'!');
        if (bang >= 0)
            line = line.left(bang);
        if (!line.contains(QLatin1String("Yk=")) && !line.contains(QLatin1String("Stck=")) &&
            !line.contains(QLatin1String("Typ=")))
            continue;
        const QString message = AnsiToOem(PosPruef(line, prog().AbkListen[5]));
        if (!message.isEmpty())
            return Refusal{QStringLiteral("120"), {message}, k};
    }
    return std::nullopt;
}

// The file and its record are one unit: a failure (or a killed run) leaves
// both as they were, and a failure reaches the error handler.
void writeFileAndRecord(const QslEditModel& m)
{
    QStringList lines;
    for (const QString& r : m.rows)
        lines << QslEditModel::rowText(QslEditModel::withoutMarks(toStored(r)));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    if (saveQslWithRecord(prog().WorkStr[Slot::VqlDbase] + prog().WorkStr[Slot::Qz], m.path(), lines) == 0)
        throw TarnError(QStringLiteral("The record of Q-list %1 could not be written").arg(m.QslLn),
                        ErrNo::PathFileAccess);
}

} // namespace

bool QslEditModel::SaveQsl()
{
    RowSettled = false;
    // Settled again on every way out, also when a failure throws to the error
    // handler: an unsettled row would leave Ctrl+Enter dead for the session.
    struct Settle {
        bool& settled;
        ~Settle() { settled = true; }
    } settle{RowSettled};
    const int r0 = row;
    // 1. The head record, 2. an identity of its own, 3. sound positions
    std::optional<Refusal> refusal = readHeadRecord(*this);
    if (!refusal)
        refusal = identityTaken(*this);
    if (!refusal)
        refusal = faultyPosition(*this);
    if (refusal)
        return stop(refusal->id, refusal->args, refusal->row);
    // 4. The file and its record written
    writeFileAndRecord(*this);
    QslChanged = false;
    msg("110", 0, {AnsiToOem(path())});
    row = r0;
    RowSettled = true;
    return true;
}

// ---------------------------------------------------------------- parameter popup

namespace {
// The parameters a line offers: a position line those of the stress data
// (a sub-list's line marks the parameters it passes down), the head line those
// of the component data.
struct PopupKind {
    bool position = false;
    bool subList = false;
    QString list;
};

// Nullopt for a line that offers no parameters.
std::optional<PopupKind> popupKind(const Program& p, const QString& line, int row)
{
    PopupKind k;
    if (line.startsWith(QLatin1String("Stck="))) {
        k.position = true;
        k.subList = line.contains(QLatin1String(",Qm=Qsl"));
        k.list = p.AbkListen[5];
    } else if (row == 0 && (line.startsWith(QLatin1String("Typ")) || line.startsWith(QLatin1String("Yk")) ||
                            line.startsWith(QLatin1String("An")))) {
        k.list = p.AbkListen[4];
    } else {
        return std::nullopt;
    }
    // An empty parameter list has nothing to offer.
    if (k.list.isEmpty() || k.list.startsWith(u','))
        return std::nullopt;
    return k;
}

// The parameters of the component's class, marked in the popup.
QString classParameterList(const QString& identity)
{
    if (!links<QslEditLinks>().classParameters)
        return QString();
    QString bac, tec;
    QString classList = links<QslEditLinks>().classParameters(identity, bac, tec);
    if (tec.isEmpty())
        tec = QStringLiteral("0000");
    if (classList.startsWith(u','))
        classList.remove(0, 1);
    // The chip parameter belongs to the classes of chips in thin-film
    // technology only.
    if (!(tec.endsWith(u'3') && bac.startsWith(u'1'))) {
        const qsizetype at = classList.indexOf(QLatin1String("Chpf"));
        if (at == 0)
            classList = classList.size() < 6 ? QString() : classList.mid(5);
        else if (at > 1)
            classList.remove(at, 5);
    }
    return classList;
}

// The mark of a parameter in the popup: passed down to a sub-list, shown for
// information, special, used by the handbook model, or one of the class.
QString parameterMarker(const Program& p, const QString& abk, bool subList, const QString& classList)
{
    const QString comma = QStringLiteral(",");
    if (subList)
        return InListe(p.QslParam, abk, comma) ? QStringLiteral("  >>     ") : QString(13, u' ');
    if (InListe(p.InfoParam, abk, comma))
        return QStringLiteral("   i         ");
    if (InListe(p.SonderParam, abk, comma))
        return QStringLiteral("   *        ");
    if (InListe(p.MilParam, abk, comma))
        return QStringLiteral("  Mil       ");
    if (InListe(classList, abk, comma))
        return QStringLiteral("  >>     ");
    return QString(13, u' ');
}

// The popup's captions (key, mark, name) and their tags "key,value".
struct PopupItems {
    QStringList captions, tags;
};

PopupItems popupItems(const Program& p, const PopupKind& kind, const QString& classList)
{
    PopupItems items;
    for (const QString& item : kind.list.split(u',')) {
        if (item.isEmpty())
            break;
        const qsizetype eq = item.indexOf(u'=');
        const QString abk = eq >= 0 ? item.left(eq) : item;
        QString text;
        if (p.AbkRs && p.AbkRs->findFirst(QStringLiteral("Abk"), abk))
            text = p.AbkRs->text(p.LangNr == 2 ? 2 : 1);
        items.captions << toShown(abk) + u'\t' + parameterMarker(p, abk, kind.subList, classList) + text;
        items.tags << abk + u',' + (eq >= 0 ? item.mid(eq + 1) : item);
    }
    return items;
}

// The new "key=value" of the parameter chosen: from its own selection menu, or
// typed ("key=" removes it); empty or "ABBRUCH" when nothing changes.
QString askParameterValue(const Program& p, const QString& line, const QString& chosen, const QString& list)
{
    if (chosen == QLatin1String("Rw"))
        return QStringLiteral("Rw=1");
    const QString current = GetParam(toStored(line), chosen);
    QString pop;
    if (p.AbkRs && p.AbkRs->findFirst(QStringLiteral("Abk"), chosen))
        pop = p.AbkRs->text(QStringLiteral("Pop"));
    if (pop.startsWith(u'@') && pop.contains(u',')) {
        const qsizetype comma = pop.indexOf(u',');
        const QString code = frmBEProgEin::RunWahlBacsonst(pop.mid(comma + 1), pop.mid(1, comma - 1), 5, nullptr, 1);
        return code == QLatin1String("ABBRUCH") ? code : chosen + u'=' + code;
    }
    // OK with an empty value removes the parameter from the line.
    QString result;
    if (frmEdit::EditVar(chosen, current, result, list, nullptr, false) == 0 && result.isEmpty())
        result = chosen + u'=';
    return result;
}
} // namespace

void QslEditModel::ParamPopup()
{
    Program& p = prog();
    // 1. The line without its comment, and what it offers
    QString line = AktbtText;
    QString comment;
    const qsizetype bang = line.indexOf(u'!');
    if (bang >= 0) {
        comment = line.mid(bang);
        line = line.left(bang);
    }
    const std::optional<PopupKind> kind = popupKind(p, line, row);
    if (!kind) {
        ui().beep();
        return;
    }
    QString stc;
    PosTrenn(toStored(line), stc);
    const QString identity = p.WorkStr[Slot::Ident];
    QString section = p.WorkStr[Slot::S];
    const QString classList = kind->subList ? QString() : classParameterList(identity);

    // 2. The popup
    const PopupItems items = popupItems(p, *kind, classList);
    Question q;
    q.key = QStringLiteral("up");
    q.choices = items.captions;
    const Answer a = ui().askQslPopup(q, *this, PopupParams{items.tags, {}, {}});
    const QString chosen = a.cancelled ? QString() : a.text.section(u',', 0, 0);

    // 3. The new value into the stress data of a position, or into the line
    const QString result = chosen.isEmpty() ? QString() : askParameterValue(p, line, chosen, kind->list);
    if (!result.isEmpty() && result != QLatin1String("ABBRUCH")) {
        const qsizetype eq = result.indexOf(u'=');
        const QString key = eq >= 0 ? result.left(eq) : result;
        const QString value = eq >= 0 ? result.mid(eq + 1) : QString();
        if (kind->position) {
            SetParam(section, key, value);
            if (section.startsWith(u','))
                section.remove(0, 1);
            line = stc + u',' + identity;
            if (!section.isEmpty())
                line += QStringLiteral(",S,") + section;
        } else {
            line = toStored(line);
            SetParam(line, key, value);
        }
    }
    line += comment;
    line.replace(QLatin1String("{pi}"), QString(PiChar));
    setAktBT(toShown(line));
}

// ---------------------------------------------------------------- the window

void frmQslEdit::Run(const QString& Ln)
{
    ErrPtnr::CallStack(QStringLiteral("[frmQslEdit] Sub Run(Ln$)"));
    ErrPtnr::CallStackParam(QStringLiteral("Ln$"), Ln);
    Program& p = prog();
    QslEditModel model;
    QslEditGrid* before = p.QslEdit;
    p.QslEdit = &model;
    ErrPtnr::guarded(QStringLiteral("frmQslEdit"), QStringLiteral("Run"), false, [&] {
        if (!model.Open(Ln))
            return true;
        Question q;
        q.key = QStringLiteral("frmQslEdit");
        q.text = model.caption;
        ui().askQslEditor(q, model);
        return true;
    });
    p.QslEdit = before;
}
