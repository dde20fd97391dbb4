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
    ++mList.IdxBusy;
    if (mList.IdxCount > mList.IdxRows) {
        mList.IdxScale = pagedScale(mList.IdxCount, mList.IdxRows, mList.IdxScale);
        mList.VS.maximum = int(std::min<qint32>((mList.IdxCount - mList.IdxRows) / mList.IdxScale, 32767));
    } else {
        mList.VS.maximum = 0;
    }
    --mList.IdxBusy;
}

void BtEditModel::ResizeGrid()
{
    mList.IdxRows = std::max(1, mList.pageRowsFit);
    if (mList.BEGrid.rows.size() < 2)
        mList.BEGrid.rows = {mList.BEGrid.rows.value(0), QString()};
    AdjustScroller();
    mList.VSLargeChange = mList.IdxScale < mList.IdxRows ? mList.IdxRows / mList.IdxScale : 1;
    mList.VS.maximum = pagedBarMaximum(mList.IdxCount, mList.IdxRows, mList.IdxScale, mList.VS.minimum);
    mList.VS.value = std::min(mList.VS.value, mList.VS.maximum);
}

void BtEditModel::positionText()
{
    if (mList.ListArt == 1 || (mList.ListArt == 0 && mList.BEGrid.fixedRows == 1))
        mList.Label3[1] =
            mList.ListKopfText + signed_(mList.IdxCount) + u'/' + signed_(qint64(mList.BEGrid.row) + mList.IdxTop);
    else
        mList.Label3[1] = mList.ListKopfText + u'/' + QString::number(mList.BEGrid.row + 1);
}

void BtEditModel::DisplayPage(std::optional<int> first, std::optional<int> last)
{
    ErrPtnr::CallStack(
        QStringLiteral("[frmBtEdit] Sub DisplayPage(Optional first As Variant, Optional last As Variant)"));
    if (mList.IdxBusy != 0)
        return;
    mList.IdxBusy = 3;
    struct Clear {
        int& busy;
        ~Clear() { busy = 0; }
    } clear{mList.IdxBusy};
    if (mList.IdxCount == 0)
        return;
    int R = mList.BEGrid.row;
    if (mList.applyFilter) {
        mList.applyFilter = false;
        const QString f = mList.EdFilter.trimmed().toUpper();
        if (!f.isEmpty()) {
            qint32 k = 0;
            for (qint32 i = 1; i <= mList.IdxCount; ++i) {
                if (mList.IdxList[size_t(i - 1)].first.startsWith(f)) {
                    k = i;
                    break;
                }
            }
            if (k == 0) {
                MsgBoxRes(QStringLiteral("235"), 0, prog().LangNr);
                return;
            }
            mList.IdxTop = k - 1;
            R = 1;
        }
    }
    mList.VS.value = std::min(int(mList.IdxTop / mList.IdxScale), mList.VS.maximum);
    int f1 = first.value_or(1);
    int l1 = std::min(last.value_or(mList.IdxRows), mList.IdxRows);
    if (mList.IdxRows < 1)
        mList.IdxRows = 1;
    while (mList.BEGrid.rows.size() < mList.IdxRows + 1)
        mList.BEGrid.rows << QString();
    while (mList.BEGrid.rows.size() > mList.IdxRows + 1)
        mList.BEGrid.rows.removeLast();
    for (int i = std::max(f1, 1); i <= std::min<qint64>(l1, mList.IdxCount); ++i) {
        const qint64 e = qint64(mList.IdxTop) + i;
        const std::vector<std::pair<QString, QString>>& entries = mList.IdxList;
        mList.BEGrid.rows[i] =
            e > mList.IdxCount ? QString() : entries[size_t(e - 1)].first + u'\t' + entries[size_t(e - 1)].second;
    }
    mList.FrameSVisible = true;
    mList.BEGrid.visible = true;
    mList.VS.visible = true;
    mList.BEGrid.row = std::clamp(R, 1, mList.IdxRows);
    mCmd[10].caption = ResStr(1661, 24, prog().LangNr);
    mList.Label3[1] =
        mList.ListKopfText + signed_(mList.IdxCount) + u'/' + signed_(qint64(mList.BEGrid.row) + mList.IdxTop);
    if (mWindow.shown)
        mWindow.focus = QStringLiteral("BEGrid");
    syncListCell();
}

void BtEditModel::syncListCell()
{
    if (mList.BEGrid.fixedRows == 1)
        mList.listCell = mList.BEGrid.rows.value(mList.BEGrid.row).section(u'\t', 0, 0);
    else
        mList.datListRow = QString(mList.BEGrid.rows.value(mList.BEGrid.row)).replace(PiChar, PiMark);
}

void BtEditModel::VS_Change(int value)
{
    if (mList.IdxBusy != 0)
        return;
    mList.VS.value = value;
    mList.EdFilter.clear();
    mCmd[11].enabled = false;
    mList.IdxTop = qint32(value) * mList.IdxScale;
    DisplayPage();
}

bool BtEditModel::BEGrid_KeyDown(int keyCode, int shift)
{
    if (keyCode == 36 || keyCode == 35) {
        openListPopup();
        return true;
    }
    if (mList.ListArt != 1)
        return false;
    const bool ctrl = shift == 2;
    const qint32 before = mList.IdxTop;
    switch (keyCode) {
    case 34:
    case 40:
        if (ctrl) {
            mList.IdxTop = mList.IdxCount > mList.IdxRows ? mList.IdxCount - mList.IdxRows : 0;
            mList.BEGrid.row = int(mList.IdxCount - mList.IdxTop);
            if (mList.IdxTop != before)
                DisplayPage();
            else
                positionText();
            return true;
        }
        if (keyCode == 34) {
            if (qint64(mList.IdxTop) + 2 * mList.IdxRows <= mList.IdxCount)
                mList.IdxTop += mList.IdxRows;
            else if (qint64(mList.IdxTop) + mList.IdxRows < mList.IdxCount)
                mList.IdxTop = mList.IdxCount - mList.IdxRows;
            if (mList.IdxTop != before)
                DisplayPage();
            return true;
        }
        if (mList.BEGrid.row >= mList.IdxRows && qint64(mList.BEGrid.row) + mList.IdxTop < mList.IdxCount) {
            mList.BEGrid.rows.removeAt(1);
            mList.BEGrid.rows << QString();
            ++mList.IdxTop;
            mList.BEGrid.row = mList.IdxRows;
            DisplayPage(mList.IdxRows, mList.IdxRows);
        } else if (mList.BEGrid.row < mList.IdxRows && qint64(mList.BEGrid.row) + mList.IdxTop < mList.IdxCount) {
            ++mList.BEGrid.row; // inside the page the cursor moves as in any grid
            positionText();
        }
        return true;
    case 33:
    case 38:
        if (ctrl) {
            mList.BEGrid.row = 1;
            if (mList.IdxTop != 0) {
                mList.IdxTop = 0;
                DisplayPage();
            } else {
                positionText();
            }
            return true;
        }
        if (keyCode == 33) {
            if (mList.IdxTop >= mList.IdxRows)
                mList.IdxTop -= mList.IdxRows;
            else if (mList.IdxTop != 0)
                mList.IdxTop = 0;
            if (mList.IdxTop != before)
                DisplayPage();
            return true;
        }
        if (mList.BEGrid.row <= 1 && mList.IdxTop > 0) {
            mList.BEGrid.rows.insert(1, QString());
            mList.IdxTop = std::max<qint32>(mList.IdxTop - mList.IdxScale, 0);
            if (mList.IdxScale == 1) {
                mList.BEGrid.rows.removeLast();
                mList.BEGrid.row = 1;
                DisplayPage(1, 1);
            } else {
                mList.BEGrid.row = std::min(mList.IdxScale, mList.IdxRows);
                DisplayPage();
            }
        } else if (mList.BEGrid.row > 1) {
            --mList.BEGrid.row;
            positionText();
        }
        return true;
    default:
        return false;
    }
}

void BtEditModel::BEGrid_RowColChange(int row)
{
    mList.BEGrid.row = row;
    positionText();
    syncListCell();
}

void BtEditModel::BEGrid_Click()
{
    mCmd[15].enabled = true;
    syncListCell();
}

void BtEditModel::BEGrid_DblClick()
{
    syncListCell();
    if (mList.ListArt == 1 && mList.IdxMouseRow > 0)
        MenuBT(QStringLiteral("oplistbe"));
    else if (mList.ListArt == 2)
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
    if (mList.ListArt == 1) {
        mSearch.txAusg[0].clear();
        mSearch.txAusg[1].clear();
        mSearch.chkSuch = {};
        mSearch.EingabeBereich = 1;
        mSearch.FrameAusformVisible = false;
        if (mList.BEGrid.row > 0) {
            mCmd[15].key = QStringLiteral("oplistbe");
            mCmd[15].enabled = true;
        }
    } else if (mList.ListArt == 2) {
        mSearch.EingabeBereich = 2;
        mCmd[15].key = QStringLiteral("opdatlistbe");
        mCmd[15].enabled = true;
    }
    syncListCell();
}

void BtEditModel::BEGrid_MouseDownRight() { openListPopup(); }

void BtEditModel::BEGrid_MouseDown(int row)
{
    // Only the index list opens a row by double click on it (see BEGrid_DblClick).
    if (mList.ListArt == 1)
        mList.IdxMouseRow = row;
}

void BtEditModel::EdFilter_Change(const QString& text)
{
    mList.EdFilter = text;
    mCmd[11].enabled = !text.trimmed().isEmpty();
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
    mCmd[10].caption = ResStr(1661, 40, prog().LangNr);
    mRecord.SuchStop = false;
    mWindow.cursorBusy = true;
    if (mList.BEGrid.visible)
        AusgabeListe(tag, mList.ListArt);
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
    QString sel = mList.SuchBegriffText;
    const QString& grp = mList.ListGruppe;
    if (ModusDruck == 1) {
        if (sel == QLatin1String("*"))
            sel.clear();
        if (sel.isEmpty() && grp.isEmpty())
            return mList.IdxKeyName + QStringLiteral("   ") + all;
        QString out = mList.IdxKeyName + QStringLiteral(" \"") + sel + QStringLiteral("...\"");
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
    QStringList lines{BEHead(mList.ListBiBe, QString()) + QStringLiteral("     ") + selectionLine(ModusDruck)};
    if (ModusDruck == 1) {
        const QChar letter = kindLetter(mList.IdxKeyKind);
        for (const auto& [designation, block] : mList.IdxList)
            lines << designation.trimmed().leftJustified(20, u' ', true) + letter + QStringLiteral("  ") +
                         block.trimmed();
    } else {
        for (const QString& row : mList.BEGrid.rows)
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
    const QStringList lines = recordPrintLines(btd, mSearch.ListForm, printState().PrSpalten);
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
    const QChar letter = kindLetter(m.list().IdxKeyKind);
    auto openPage = [&](bool first) {
        if (!first)
            PrNeueSeite(false, false);
        PrKopf(head, sel);
        PrFont(7.5, true, false, QStringLiteral("Courier New"));
        if (first)
            layout = indexPrintLayout(m.list().IdxCount, printState().PrSpalten, printState().PrZeilen);
    };
    for (qint32 j = 0; j < m.list().IdxCount; ++j) {
        if (page < 0) {
            openPage(true);
            page = 0;
        }
        const IndexPrintLayout::Place& at = layout.places[size_t(j)];
        if (at.page != page) {
            openPage(false);
            page = at.page;
        }
        const auto& [designation, block] = m.list().IdxList[size_t(j)];
        const QString text =
            (designation.trimmed() + u' ' + QString(18, u'.')).left(18) + letter + u'.' + block.trimmed();
        PrTextZS(at.line, at.column, text);
    }
    if (layout.countPage >= 0)
        PrTextZS(layout.countLine, layout.countColumn,
                 ResText(QStringLiteral("179"), l, true, {QString::number(m.list().IdxCount)}));
}

// The records found, each as the list form shows it, and where room is left
// the count (of a block, or found of those checked).
void printDataList(BtEditModel& m, const QString& head, const QString& sel)
{
    const int l = prog().LangNr;
    PrKopf(head, sel);
    PrFont(7.5, true, false, QStringLiteral("Courier New"));
    for (const QString& row : m.list().BEGrid.rows) {
        QString btd = QString(row).replace(PiChar, PiMark);
        m.AusgabeBT(btd);
    }
    if (!PrPlatz(2)) {
        PrLf();
        const qint32 rows = qint32(m.list().BEGrid.rows.size());
        if (sel.startsWith(QLatin1String("Block")))
            PrText(ResText(QStringLiteral("179"), l, true, {QString::number(rows)}));
        else
            PrText(ResText(QStringLiteral("39"), l, true,
                           {QString::number(m.list().AnzGeprueft), QString::number(rows)}));
        PrLf();
    }
}

// The file the list goes to: the fixed list file that is then opened, or one
// the user names (the caller shows that it is asked); nullopt when the user
// cancels.
std::optional<QString> listFileTarget(const QString& Ausgabe)
{
    const Program& p = prog();
    if (Ausgabe == QLatin1String("lst.open"))
        return p.WorkStr[Slot::ProgramDir] + QStringLiteral("\\Tp2\\BEList.txt");
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
        mList.Info = ResText(QStringLiteral("523"), prog().LangNr, true);
        refresh();
        const QString head = BEHead(mList.ListBiBe, QString());
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
    if (Ausgabe == QLatin1String("lst.file")) {
        mList.Info = ResText(QStringLiteral("524"), prog().LangNr, true);
        refresh();
    }
    const std::optional<QString> file = listFileTarget(Ausgabe);
    if (!file)
        return;
    const QString path = nativePath(*file);
    if (!writeListFile(path, listFileLines(ModusDruck)))
        return;
    if (Ausgabe == QLatin1String("lst.open"))
        openDocument(path);
}

// ---------------------------------------------------------------- test states

void BtEditModel::setIndexListForTest(std::vector<std::pair<QString, QString>> entries, int kind,
                                      const QString& keyName, int fileKind, int rows)
{
    mList.IdxCount = qint32(entries.size());
    mList.IdxList = std::move(entries);
    mList.IdxKeyKind = kind;
    mList.IdxKeyName = keyName;
    mList.ListBiBe = fileKind;
    mList.IdxTop = 0;
    mList.IdxScale = 1;
    mList.pageRowsFit = rows;
    mList.ListArt = 1;
    mList.BEGrid = ListGrid{};
    mList.BEGrid.rows = {keyName + QStringLiteral("\tBlock"), QString()};
    mList.BEGrid.fixedRows = 1;
    mList.BEGrid.row = 1;
    mList.VS = ScrollBar{0, 32767, 0, true, false};
    ResizeGrid();
    DisplayPage();
}

void BtEditModel::setSelectionForTest(const QString& searchText, const QString& group)
{
    mList.SuchBegriffText = searchText;
    mList.ListGruppe = group;
}

void BtEditModel::setDataListForTest(const QStringList& rows, int fileKind)
{
    mList.ListArt = 2;
    mList.ListBiBe = fileKind;
    mList.BEGrid.visible = true;
    mList.BEGrid.rows = rows;
}
