#include "component_editor/btedit.h"
#include "frame/workslots.h"
#include "component_editor/btsearch.h"
#include "component_file/btmessages.h"
#include "component_file/btrecord.h"
#include "frame/codepage.h"
#include "frame/errptnr.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/links.h"
#include "frame/launcher.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/paths.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "printing/printjob.h"
#include "printing/printoutput.h"

#include <QDir>
#include <QSaveFile>
#include <cmath>
#include <optional>

namespace {

// A number with the blank of its sign place, as the list's position shows it.
QString signed_(qint64 v) { return v < 0 ? QString::number(v) : u' ' + QString::number(v); }

QChar kindLetter(int kind) { return QChar(u"TSA"[std::clamp(kind, 0, 2)]); }

} // namespace

// ---------------------------------------------------------------- paging arithmetic

int pagedScale(qint32 count, int rows, int scale)
{
    if (count <= rows)
        return scale;
    scale = 1;
    for (qint32 d = count - rows; d >= 32768; d /= 2)
        scale *= 2;
    return scale;
}

int pagedBarMaximum(qint32 count, int rows, int scale, int minimum)
{
    if (count < rows)
        return minimum;
    const double v = double(count - rows + scale) / double(scale) + minimum - 1;
    return int(std::nearbyint(v)); // a half goes to the even neighbour
}

IndexPrintLayout indexPrintLayout(qint32 entries, int charsPerLine, int linesPerPage)
{
    IndexPrintLayout out;
    // A narrow page still prints one column (no gap to divide then).
    out.cols = std::max(1, (charsPerLine + 3) / 27);
    out.gap = out.cols > 1 ? (charsPerLine + 3 - 24 * out.cols) / (out.cols - 1) : 0;
    linesPerPage = std::max(1, linesPerPage);
    out.perPage = linesPerPage * out.cols;
    out.places.reserve(size_t(std::max<qint32>(entries, 0)));
    for (qint32 j = 0; j < entries; ++j) {
        const int page = int(j / out.perPage);
        const int k = int(j % out.perPage);
        out.places.push_back({page, k % linesPerPage, (k / linesPerPage) * (out.gap + 24)});
    }
    if (entries % out.perPage != 0) {
        out.countPage = int(entries / out.perPage);
        out.countLine = linesPerPage - 1;
        out.countColumn = (out.cols - 1) * (out.gap + 24);
    }
    return out;
}

// ---------------------------------------------------------------- the paged list

void BtEditModel::AdjustScroller()
{
    ++IdxBusy;
    if (IdxCount > IdxRows) {
        IdxScale = pagedScale(IdxCount, IdxRows, IdxScale);
        VS.maximum = int(std::min<qint32>((IdxCount - IdxRows) / IdxScale, 32767));
    } else {
        VS.maximum = 0;
    }
    --IdxBusy;
}

void BtEditModel::ResizeGrid()
{
    IdxRows = std::max(1, pageRowsFit);
    if (BEGrid.rows.size() < 2)
        BEGrid.rows = {BEGrid.rows.value(0), QString()};
    AdjustScroller();
    VSLargeChange = IdxScale < IdxRows ? IdxRows / IdxScale : 1;
    VS.maximum = pagedBarMaximum(IdxCount, IdxRows, IdxScale, VS.minimum);
    VS.value = std::min(VS.value, VS.maximum);
}

void BtEditModel::positionText()
{
    if (ListArt == 1 || (ListArt == 0 && BEGrid.fixedRows == 1))
        Label3[1] = ListKopfText + signed_(IdxCount) + u'/' + signed_(qint64(BEGrid.row) + IdxTop);
    else
        Label3[1] = ListKopfText + u'/' + QString::number(BEGrid.row + 1);
}

void BtEditModel::DisplayPage(std::optional<int> first, std::optional<int> last)
{
    ErrPtnr::CallStack(
        QStringLiteral("[frmBtEdit] Sub DisplayPage(Optional first As Variant, Optional last As Variant)"));
    if (IdxBusy != 0)
        return;
    IdxBusy = 3;
    struct Clear {
        int& busy;
        ~Clear() { busy = 0; }
    } clear{IdxBusy};
    if (IdxCount == 0)
        return;
    int R = BEGrid.row;
    if (applyFilter) {
        applyFilter = false;
        const QString f = EdFilter.trimmed().toUpper();
        if (!f.isEmpty()) {
            qint32 k = 0;
            for (qint32 i = 1; i <= IdxCount; ++i) {
                if (IdxList[size_t(i - 1)].first.startsWith(f)) {
                    k = i;
                    break;
                }
            }
            if (k == 0) {
                MsgBoxRes(QStringLiteral("235"), 0, prog().LangNr);
                return;
            }
            IdxTop = k - 1;
            R = 1;
        }
    }
    VS.value = std::min(int(IdxTop / IdxScale), VS.maximum);
    int f1 = first.value_or(1);
    int l1 = std::min(last.value_or(IdxRows), IdxRows);
    if (IdxRows < 1)
        IdxRows = 1;
    while (BEGrid.rows.size() < IdxRows + 1)
        BEGrid.rows << QString();
    while (BEGrid.rows.size() > IdxRows + 1)
        BEGrid.rows.removeLast();
    for (int i = std::max(f1, 1); i <= std::min<qint64>(l1, IdxCount); ++i) {
        const qint64 e = qint64(IdxTop) + i;
        BEGrid.rows[i] = e > IdxCount ? QString()
                                      : IdxList[size_t(e - 1)].first + u'\t' + IdxList[size_t(e - 1)].second;
    }
    FrameSVisible = true;
    BEGrid.visible = true;
    VS.visible = true;
    BEGrid.row = std::clamp(R, 1, IdxRows);
    Cmd[10].caption = ResStr(1661, 24, prog().LangNr);
    Label3[1] = ListKopfText + signed_(IdxCount) + u'/' + signed_(qint64(BEGrid.row) + IdxTop);
    if (shown)
        focus = QStringLiteral("BEGrid");
    syncListCell();
}

void BtEditModel::syncListCell()
{
    if (BEGrid.fixedRows == 1)
        listCell = BEGrid.rows.value(BEGrid.row).section(u'\t', 0, 0);
    else
        datListRow = QString(BEGrid.rows.value(BEGrid.row)).replace(PiChar, PiMark);
}

void BtEditModel::VS_Change(int value)
{
    if (IdxBusy != 0)
        return;
    VS.value = value;
    EdFilter.clear();
    Cmd[11].enabled = false;
    IdxTop = qint32(value) * IdxScale;
    DisplayPage();
}

bool BtEditModel::BEGrid_KeyDown(int keyCode, int shift)
{
    if (keyCode == 36 || keyCode == 35) {
        openListPopup();
        return true;
    }
    if (ListArt != 1)
        return false;
    const bool ctrl = shift == 2;
    const qint32 before = IdxTop;
    switch (keyCode) {
    case 34:
    case 40:
        if (ctrl) {
            IdxTop = IdxCount > IdxRows ? IdxCount - IdxRows : 0;
            BEGrid.row = int(IdxCount - IdxTop);
            if (IdxTop != before)
                DisplayPage();
            else
                positionText();
            return true;
        }
        if (keyCode == 34) {
            if (qint64(IdxTop) + 2 * IdxRows <= IdxCount)
                IdxTop += IdxRows;
            else if (qint64(IdxTop) + IdxRows < IdxCount)
                IdxTop = IdxCount - IdxRows;
            if (IdxTop != before)
                DisplayPage();
            return true;
        }
        if (BEGrid.row >= IdxRows && qint64(BEGrid.row) + IdxTop < IdxCount) {
            BEGrid.rows.removeAt(1);
            BEGrid.rows << QString();
            ++IdxTop;
            BEGrid.row = IdxRows;
            DisplayPage(IdxRows, IdxRows);
        } else if (BEGrid.row < IdxRows && qint64(BEGrid.row) + IdxTop < IdxCount) {
            ++BEGrid.row; // inside the page the cursor moves as in any grid
            positionText();
        }
        return true;
    case 33:
    case 38:
        if (ctrl) {
            BEGrid.row = 1;
            if (IdxTop != 0) {
                IdxTop = 0;
                DisplayPage();
            } else {
                positionText();
            }
            return true;
        }
        if (keyCode == 33) {
            if (IdxTop >= IdxRows)
                IdxTop -= IdxRows;
            else if (IdxTop != 0)
                IdxTop = 0;
            if (IdxTop != before)
                DisplayPage();
            return true;
        }
        if (BEGrid.row <= 1 && IdxTop > 0) {
            BEGrid.rows.insert(1, QString());
            IdxTop = std::max<qint32>(IdxTop - IdxScale, 0);
            if (IdxScale == 1) {
                BEGrid.rows.removeLast();
                BEGrid.row = 1;
                DisplayPage(1, 1);
            } else {
                BEGrid.row = std::min(IdxScale, IdxRows);
                DisplayPage();
            }
        } else if (BEGrid.row > 1) {
            --BEGrid.row;
            positionText();
        }
        return true;
    default:
        return false;
    }
}

void BtEditModel::BEGrid_RowColChange(int row)
{
    BEGrid.row = row;
    positionText();
    syncListCell();
}

void BtEditModel::BEGrid_Click()
{
    Cmd[15].enabled = true;
    syncListCell();
}

void BtEditModel::BEGrid_DblClick()
{
    syncListCell();
    if (ListArt == 1 && IdxMouseRow > 0)
        MenuBT(QStringLiteral("oplistbe"));
    else if (ListArt == 2)
        MenuBT(QStringLiteral("opdatlistbe"));
}

void BtEditModel::BEGrid_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        BEGrid_DblClick();
}

void BtEditModel::BEGrid_GotFocus()
{
    EnableCmd(QStringLiteral("13,14"), false);
    if (ListArt == 1) {
        txAusg[0].clear();
        txAusg[1].clear();
        chkSuch = {};
        EingabeBereich = 1;
        FrameAusformVisible = false;
        if (BEGrid.row > 0) {
            Cmd[15].key = QStringLiteral("oplistbe");
            Cmd[15].enabled = true;
        }
    } else if (ListArt == 2) {
        EingabeBereich = 2;
        Cmd[15].key = QStringLiteral("opdatlistbe");
        Cmd[15].enabled = true;
    }
    syncListCell();
}

void BtEditModel::BEGrid_MouseDownRight() { openListPopup(); }

void BtEditModel::EdFilter_Change(const QString& text)
{
    EdFilter = text;
    Cmd[11].enabled = !text.trimmed().isEmpty();
}

void BtEditModel::openListPopup()
{
    Question q;
    q.key = QStringLiteral("up1");
    QStringList tags{QStringLiteral("lst.file"), QStringLiteral("lst.print"), QStringLiteral("lst.open")};
    for (int n : {41, 42, 43})
        q.choices << ResStr(1661, n, prog().LangNr);
    const Answer a = ui().askComponentPopup(q, *this, PopupParams{tags, {}, {}});
    if (!a.cancelled && tags.contains(a.text))
        up1cmd_Click(a.text);
}

// ---------------------------------------------------------------- list output

void BtEditModel::up1cmd_Click(const QString& tag)
{
    EnableCmd(QStringLiteral("3,13,14,15"), false);
    EnableFrames(false);
    Cmd[10].caption = ResStr(1661, 40, prog().LangNr);
    SuchStop = false;
    cursorBusy = true;
    if (BEGrid.visible)
        AusgabeListe(tag, ListArt);
    listCommonEnd();
    refresh();
}

QString BtEditModel::BEHead(int BiBe, const QString& bdir)
{
    const int l = prog().LangNr;
    const QString file = ResText(QStringLiteral("208"), l, true);
    if (BiBe == 1)
        return ResText(QStringLiteral("206"), l, true) + u' ' + file;
    if (BiBe == 2)
        return ResText(QStringLiteral("207"), l, true) + u' ' + file;
    return file + u' ' + bdir;
}

QString BtEditModel::selectionLine(int ModusDruck) const
{
    const QString all = ResText(QStringLiteral("199"), prog().LangNr, true);
    QString sel = SuchBegriffText;
    const QString& grp = ListGruppe;
    if (ModusDruck == 1) {
        if (sel == QLatin1String("*"))
            sel.clear();
        if (sel.isEmpty() && grp.isEmpty())
            return IdxKeyName + QStringLiteral("   ") + all;
        QString out = IdxKeyName + QStringLiteral(" \"") + sel + QStringLiteral("...\"");
        if (!grp.isEmpty())
            out += QStringLiteral("   Gr ") + grp;
        return out;
    }
    if (sel.isEmpty() && grp.isEmpty())
        return QStringLiteral("   ") + all;
    return grp.isEmpty() ? sel : sel + QStringLiteral("   Gr ") + grp;
}

QStringList BtEditModel::listFileLines(int ModusDruck) const
{
    QStringList lines{BEHead(ListBiBe, QString()) + QStringLiteral("     ") + selectionLine(ModusDruck)};
    if (ModusDruck == 1) {
        const QChar letter = kindLetter(IdxKeyKind);
        for (const auto& [designation, block] : IdxList)
            lines << designation.trimmed().leftJustified(20, u' ', true) + letter + QStringLiteral("  ") +
                         block.trimmed();
    } else {
        for (const QString& row : BEGrid.rows)
            lines << QString(row).replace(PiChar, PiMark);
    }
    return lines;
}

QStringList BtEditModel::recordPrintLines(QString& btd, int form, int columns)
{
    columns = std::max(8, columns);
    QStringList lines;
    auto wrapped = [&](QString line) {
        while (line.size() > columns) {
            QString rest;
            TextUmbruch(line, columns, QStringLiteral(", "), rest);
            lines << line;
            line = QStringLiteral("    ") + rest;
        }
        lines << line;
    };
    if (form == 0) {
        btd = OemToAnsiIfOem(btd);
        wrapped(btd);
    } else {
        BtdTrenn(btd);
        const Program& p = prog();
        const QString identity = p.WorkStr[Slot::Ident], q = p.WorkStr[Slot::Q], z = p.WorkStr[Slot::Z], description = p.WorkStr[Slot::B];
        wrapped(identity);
        const QString name =
            links<BtEditLinks>().componentName ? OemToAnsi(links<BtEditLinks>().componentName(p.LangNr)) : QString();
        if (!name.isEmpty())
            wrapped(QStringLiteral("    ") + name);
        wrapped(QStringLiteral("    ") + q);
        if (!z.isEmpty())
            wrapped(QStringLiteral("    ") + z);
        if (!description.isEmpty())
            wrapped(QStringLiteral("    ") + description);
    }
    return lines;
}

void BtEditModel::AusgabeBT(QString& btd)
{
    const QStringList lines = recordPrintLines(btd, ListForm, printState().PrSpalten);
    // Every line of a long record is printed; a record longer than a page
    // starts on a fresh page and goes on over the next.
    if (PrPlatz(std::min<qsizetype>(lines.size(), std::max<int>(1, printState().PrZeilen)))) {
        PrNeueSeite(false, false);
        PrKopf(QString(), QString());
        PrFont(7.5, true, false, QStringLiteral("Courier New"));
    }
    for (const QString& line : lines) {
        if (PrPlatz(1)) {
            PrNeueSeite(false, false);
            PrKopf(QString(), QString());
            PrFont(7.5, true, false, QStringLiteral("Courier New"));
        }
        PrText(line);
        PrLf();
    }
    PrLf(0.75);
}

namespace {
// The name index on pages in columns, its count at the end.
void printIndexList(const BtEditModel& m, const QString& head, const QString& sel)
{
    const int l = prog().LangNr;
    int page = -1;
    IndexPrintLayout layout;
    const QChar letter = kindLetter(m.IdxKeyKind);
    auto openPage = [&](bool first) {
        if (!first)
            PrNeueSeite(false, false);
        PrKopf(head, sel);
        PrFont(7.5, true, false, QStringLiteral("Courier New"));
        if (first)
            layout = indexPrintLayout(m.IdxCount, printState().PrSpalten, printState().PrZeilen);
    };
    for (qint32 j = 0; j < m.IdxCount; ++j) {
        if (page < 0) {
            openPage(true);
            page = 0;
        }
        const IndexPrintLayout::Place& at = layout.places[size_t(j)];
        if (at.page != page) {
            openPage(false);
            page = at.page;
        }
        const auto& [designation, block] = m.IdxList[size_t(j)];
        const QString text =
            (designation.trimmed() + u' ' + QString(18, u'.')).left(18) + letter + u'.' + block.trimmed();
        PrTextZS(at.line, at.column, text);
    }
    if (layout.countPage >= 0)
        PrTextZS(layout.countLine, layout.countColumn,
                 ResText(QStringLiteral("179"), l, true, {QString::number(m.IdxCount)}));
}

// The records found, each as the list form shows it, and where room is left
// the count (of a block, or found of those checked).
void printDataList(BtEditModel& m, const QString& head, const QString& sel)
{
    const int l = prog().LangNr;
    PrKopf(head, sel);
    PrFont(7.5, true, false, QStringLiteral("Courier New"));
    for (const QString& row : m.BEGrid.rows) {
        QString btd = QString(row).replace(PiChar, PiMark);
        m.AusgabeBT(btd);
    }
    if (!PrPlatz(2)) {
        PrLf();
        const qint32 rows = qint32(m.BEGrid.rows.size());
        if (sel.startsWith(QLatin1String("Block")))
            PrText(ResText(QStringLiteral("179"), l, true, {QString::number(rows)}));
        else
            PrText(ResText(QStringLiteral("39"), l, true, {QString::number(m.AnzGeprueft), QString::number(rows)}));
        PrLf();
    }
}

// The file the list goes to: the fixed list file that is then opened, or one
// the user names; nullopt when the user cancels.
std::optional<QString> listFileTarget(BtEditModel& m, const QString& Ausgabe)
{
    const Program& p = prog();
    if (Ausgabe == QLatin1String("lst.open"))
        return p.WorkStr[Slot::ProgramDir] + QStringLiteral("\\Tp2\\BEList.txt");
    m.Info = ResText(QStringLiteral("524"), p.LangNr, true);
    m.refresh();
    Question q;
    q.key = QStringLiteral("lst.file");
    const Answer a = ui().askSaveFile(
        q, FileParams{GetParam(p.Cf, QStringLiteral("ResDir")), QString(), QStringLiteral("Alle Dateien (*.*)|*.*")});
    if (!p.WorkStr[Slot::ProgramDir].isEmpty())
        QDir::setCurrent(nativePath(p.WorkStr[Slot::ProgramDir]));
    if (a.cancelled || a.text.isEmpty() || a.text == QLatin1String("ABBRUCH"))
        return std::nullopt;
    return a.text;
}

// Written whole through a temporary file: a failure leaves no partial list
// and keeps a list written before. False, after the message, on a failure.
bool writeListFile(const QString& path, const QStringList& lines)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile out(path);
    bool ok = out.open(QIODevice::WriteOnly);
    if (ok) {
        for (const QString& line : lines)
            ok = ok && out.write(toAnsi(line + QStringLiteral("\r\n"))) >= 0;
        ok = ok && out.commit();
    }
    if (!ok)
        btMessage(QStringLiteral("lstwrite"),
                  QStringLiteral("Die Liste konnte nicht in die Datei  @1  geschrieben werden:@/@2"),
                  QStringLiteral("The list could not be written to the file  @1:@/@2"),
                  {unicodeTextToOem(path), unicodeTextToOem(out.errorString())});
    return ok;
}
} // namespace

void BtEditModel::AusgabeListe(const QString& Ausgabe, int ModusDruck)
{
    if (Ausgabe == QLatin1String("lst.print")) {
        if (!PrInit())
            return;
        Info = ResText(QStringLiteral("523"), prog().LangNr, true);
        refresh();
        const QString head = BEHead(ListBiBe, QString());
        const QString sel = selectionLine(ModusDruck);
        if (ModusDruck == 1)
            printIndexList(*this, head, sel);
        else
            printDataList(*this, head, sel);
        PrNeueSeite(true, false);
        QString title;
        PrAusgabe(title);
        return;
    }
    if (Ausgabe != QLatin1String("lst.file") && Ausgabe != QLatin1String("lst.open"))
        return;
    const std::optional<QString> file = listFileTarget(*this, Ausgabe);
    if (!file)
        return;
    const QString path = nativePath(*file);
    if (!writeListFile(path, listFileLines(ModusDruck)))
        return;
    if (Ausgabe == QLatin1String("lst.open"))
        openDocument(path);
}
