#include "component_editor/btsearch.h"
#include "frame/workslots.h"
#include "component_editor/btedit.h"
#include "component_file/btdatei.h"
#include "component_file/btinh.h"
#include "component_file/btlock.h"
#include "component_file/btrecord.h"
#include "component_file/dosfile.h"
#include "frame/errptnr.h"
#include "frame/interaction.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <cmath>
#include <optional>

namespace {

int leadingNumber(const QString& s)
{
    int v = 0;
    for (QChar c : s) {
        if (!c.isDigit())
            break;
        v = v * 10 + c.digitValue();
    }
    return v;
}

const QString& freeEntry()
{
    static const QString e(EntryLength, EndeZeichen);
    return e;
}

} // namespace

// ---------------------------------------------------------------- expressions

SearchExpression prepareSearchExpression(const QString& such, const QString& dataKeys)
{
    SearchExpression out;
    QStringList invalid;
    int textTerms = 0;
    QString rest = such;
    while (!rest.isEmpty()) {
        const qsizetype comma = rest.indexOf(u',');
        const QString piece = comma < 0 ? rest : rest.left(comma);
        rest = comma < 0 ? QString() : rest.mid(comma + 1);
        const qsizetype eq = piece.indexOf(u'=');
        if (eq <= 0) {
            invalid << piece;
            continue;
        }
        SearchTerm t{piece.left(eq), piece.mid(eq + 1).toUpper()};
        if (t.value == QLatin1String("?"))
            t.value.clear();
        if (t.key == QLatin1String("Text")) {
            if (textTerms >= 2) {
                out.message = 525;
                out.terms.clear();
                return out;
            }
            ++textTerms;
            t.key += QString::number(textTerms);
        }
        out.terms.push_back(t);
    }
    const QString allowed = u',' + dataKeys + QStringLiteral(",Text1,Text2,");
    for (auto it = out.terms.begin(); it != out.terms.end();) {
        qsizetype at = allowed.indexOf(u',' + it->key + u',', 0, Qt::CaseInsensitive);
        if (at < 0)
            at = allowed.indexOf(u',' + it->key + u'=', 0, Qt::CaseInsensitive);
        if (at < 0) {
            invalid << it->key + u'=' + it->value;
            it = out.terms.erase(it);
            continue;
        }
        it->key = allowed.mid(at + 1, it->key.size());
        ++it;
    }
    if (!invalid.isEmpty()) {
        out.message = 196;
        out.invalid = invalid.join(u',');
        out.terms.clear();
        return out;
    }
    QStringList rebuilt;
    for (SearchTerm& t : out.terms) {
        rebuilt << t.key + u'=' + t.value;
        if (out.group.isEmpty() && t.key == QLatin1String("Bac"))
            out.group = t.value;
        t.key.replace(QLatin1String("{pi}"), QString(PiMark));
    }
    out.rebuilt = rebuilt.join(u',');
    return out;
}

bool searchTermsHold(const std::vector<SearchTerm>& terms, const QString& identity, const QString& qSection,
                     const QString& description)
{
    for (const SearchTerm& t : terms) {
        if (t.key.startsWith(QLatin1String("Text"))) {
            const QString d = description.toUpper();
            if (d.isEmpty() || d.size() < t.value.size() || !d.contains(t.value, Qt::CaseSensitive))
                return false;
            continue;
        }
        QString s = GetParam(qSection, t.key);
        if (t.key == QLatin1String("Bacm") || t.key == QLatin1String("Gec"))
            s = s.toUpper();
        if (s.isEmpty())
            s = GetParam(identity, t.key);
        if (s.isEmpty() || !s.startsWith(t.value, Qt::CaseSensitive))
            return false;
    }
    return true;
}

std::pair<int, int> searchGroupRange(const QString& r)
{
    if (r.isEmpty())
        return {1, 99};
    if (r.size() == 1) {
        const int v = leadingNumber(r);
        return {10 * v, 10 * v + 9};
    }
    const int g = leadingNumber(r.left(2));
    return {g, g};
}

// ---------------------------------------------------------------- name index

IndexListing listNameIndex(const QString& bdir, int kind, QChar letter, const QString& prefix, bool contains,
                           const QString& group, const std::function<bool()>& poll)
{
    IndexListing out;
    const Program& p = prog();
    const QString top = (kind == 2 ? p.InhSeiteExt : p.InhSeiteInt)[0];
    const QString ssDir = secondLevelFolder(kind);
    const qsizetype L = prefix.size();
    // The listing reads into its own pages: the file's page cache keeps what
    // the look-ups loaded there.
    auto read = [&](const QString& file, QString& page) {
        page.clear();
        if (fileSize(file) < 0 || !lockedReadWhole(file, bdir, kind, page) || !indexPageIsSound(page)) {
            if (fileSize(file) < 0 || (!page.isEmpty() && !indexPageIsSound(page)))
                reportDamagedComponentFile(file);
            out.ok = false;
            return false;
        }
        return true;
    };
    for (int i = 0; i < EntriesPerPage && top.size() >= (i + 1) * EntryLength; ++i) {
        const QString e = top.mid(i * EntryLength, EntryLength);
        if (e == freeEntry())
            break;
        if (!contains && prefix > e.left(L))
            continue;
        QString second;
        if (!read(ssDir + u'\\' + e.right(2), second))
            return out;
        for (int j = 0; j < EntriesPerPage; ++j) {
            if (poll && poll()) {
                out.stopped = true;
                return out;
            }
            const QString s = second.mid(j * EntryLength, EntryLength);
            if (s == freeEntry())
                break;
            if (!contains && prefix > s.left(L))
                continue;
            QString leaf;
            if (!read(bdir + QStringLiteral("\\i\\") + s.mid(20, 2) + u'\\' + s.right(2), leaf))
                return out;
            if (!contains && leaf.left(L) > prefix)
                return out;
            for (int k = 0; k < EntriesPerPage; ++k) {
                const QString l = leaf.mid(k * EntryLength, EntryLength);
                if (l == freeEntry())
                    break;
                if (l.at(DesignationLength) != letter || !l.mid(19, 5).startsWith(group))
                    continue;
                const QString designation = l.left(DesignationLength);
                if (contains ? !designation.contains(prefix) : designation.left(L) != prefix)
                    continue;
                out.entries.emplace_back(designation, l.mid(19, 5));
            }
        }
    }
    return out;
}

// ---------------------------------------------------------------- the window's search

QString BtEditModel::ListTitel(const QString& grp, int BiBe, int padding)
{
    mList.ListBiBe = BiBe;
    mList.ListGruppe = grp;
    const int l = prog().LangNr;
    const QString word = BiBe == 1 ? ResText(QStringLiteral("206"), l, true)
                         : BiBe == 2 ? ResText(QStringLiteral("207"), l, true)
                                     : QString();
    mList.Label3[0] = u' ' + word + txt(" Bauelemente-Datei", " Component Database");
    if (grp.isEmpty())
        return QStringLiteral(" ");
    return u' ' + txt("Gruppe: ", "Group: ") + grp + QString(padding, u' ');
}

void BtEditModel::listCommonEnd()
{
    EnableFrames(true);
    mWindow.cursorBusy = false;
    mList.Info.clear();
    mList.Cnt.clear();
    mCmd[10].caption = ResStr(1661, 24, prog().LangNr);
    mCmd[1].enabled = true;
}

void BtEditModel::SearchStart(const QString& cmdStr)
{
    ErrPtnr::CallStack(QStringLiteral("[frmBtEdit] Public Sub SearchStart(cmdStr$)"));
    ErrPtnr::CallStackParam(QStringLiteral("cmdStr$"), cmdStr);
    ErrPtnr::guarded(QStringLiteral("frmBtEdit"), QStringLiteral("SearchStart"), false, [&] {
        Program& p = prog();
        const int file = cmdStr.right(2) == QLatin1String("ex") ? 2 : 1;
        QString kind, designation;
        static const char* const letters[] = {"T", "S", "A"};
        for (int i = 0; i < 3; ++i) {
            mView.BT[i] = mView.BT[i].trimmed().toUpper();
            if (!mView.BT[i].isEmpty()) {
                kind = QString::fromLatin1(letters[i]);
                designation = mView.BT[i];
                break;
            }
        }
        static const char* const options[] = {"s", "b", "a"};
        for (int i = 0; i < 3; ++i)
            if (mSearch.chkSuch[i])
                kind += QString::fromLatin1(options[i]);
        if (kind.isEmpty()) {
            if (mSearch.EingabeBereich == 1)
                MsgBoxRes(QStringLiteral("171"), 0, p.LangNr);
            return true;
        }
        const QString dir = file == 1 ? p.BinDir : p.BexDir;
        if (!dir.isEmpty()) {
            qint32 found = 0;
            if (kind == QLatin1String("s")) {
                QString such = mSearch.txAusg[0].left(1000);
                such.replace(PiChar, QStringLiteral("{pi}"));
                if (such.trimmed().isEmpty()) {
                    MsgBoxRes(QStringLiteral("180"), 0, p.LangNr);
                } else {
                    QString gr = mSearch.txAusg[2];
                    ViewBEDatList(dir, such, gr, file, found, false);
                }
            } else if (kind == QLatin1String("b")) {
                QString such = mSearch.txAusg[1], gr;
                ViewBEDatList(dir, such, gr, file, found, true);
            } else if (kind == QLatin1String("a")) {
                QString such, gr = mSearch.txAusg[2];
                ViewBEDatList(dir, such, gr, file, found, false);
            } else if (mSearch.EingabeBereich == 1) {
                ViewBEIndexList(dir, kind.left(1), designation, mSearch.txAusg[2], file, found);
            }
            ui().infoList().Finish();
        }
        showWindow();
        return true;
    });
    refresh();
}

// What a data search looks for: a block's records, or the records that the
// expression matches in the groups named.
struct BtEditModel::DataSearch {
    QString searchText, blockText, groupText;
    SearchExpression expr;
};

// The block named (five digits) read whole; nullopt when the name or the read fails.
std::optional<BtEditModel::DataSearch> BtEditModel::blockSearch(const QString& bdir, const QString& Such, int BiBe)
{
    if (Such.size() != 5) {
        MsgBoxRes(QStringLiteral("54"), 0, prog().LangNr);
        return std::nullopt;
    }
    DataSearch d;
    d.searchText = QStringLiteral("Block: ") + Such;
    mList.SuchBegriffText = d.searchText;
    const QString file = blockFilePath(bdir, Such);
    if (fileSize(file) >= 0 && !lockedReadWhole(file, bdir, BiBe, d.blockText))
        return std::nullopt;
    return d;
}

// The expression checked against the component-data keys; Such receives it as
// rebuilt. Nullopt, after its message, when it is refused.
std::optional<BtEditModel::DataSearch> BtEditModel::expressionSearch(QString& Such, const QString& Gr)
{
    const Program& p = prog();
    const int l = p.LangNr;
    DataSearch d;
    d.expr = prepareSearchExpression(Such, p.AbkListen[2]);
    if (d.expr.message == 525) {
        MsgBoxRes(QStringLiteral("525"), 1, l);
        return std::nullopt;
    }
    if (d.expr.message == 196) {
        MsgBoxRes(QStringLiteral("196"), 1, l, {d.expr.invalid});
        return std::nullopt;
    }
    Such = d.expr.rebuilt.isEmpty() ? ResText(QStringLiteral("199"), l, true) : d.expr.rebuilt;
    d.searchText = Such;
    mList.SuchBegriffText = txt("Suchbegriff: ", "Search string: ") + d.searchText;
    d.groupText = d.expr.group.isEmpty() ? Gr : d.expr.group;
    return d;
}

// The list frame replaces the record view while the scan runs; the stop
// button ends it.
void BtEditModel::showScanStart(const QString& searchText)
{
    const int l = prog().LangNr;
    mList.ListKopfText += searchText + QStringLiteral("      ") + txt("Anzahl: ", "Number: ");
    mList.ListKopfText.replace(QLatin1String("{pi}"), QString(PiChar));
    mList.Label3[1] = mList.ListKopfText;
    mList.BEGrid = ListGrid{};
    mWindow.width = 15345;
    mList.VS.visible = false;
    mWindow.frameVisible[FrameList] = true;
    EnableCmd(QStringLiteral("2,3,13,14,15"), false);
    EnableFrames(false);
    mList.FrameSVisible = false;
    mCmd[10].caption = ResStr(1661, 40, l);
    mRecord.SuchStop = false;
    mWindow.focus = QStringLiteral("Cmd10");
    mWindow.cursorBusy = true;
    mList.Cnt = QStringLiteral("...");
    refresh();
}

void BtEditModel::listBlock(QString blockText, qint32& count)
{
    QStringList records;
    int n = 0;
    ZerlegBtBlock(blockText, records, n);
    for (int i = 1; i <= n; ++i) {
        mList.BEGrid.rows << records.value(i);
        ++count;
        if (count % 10 == 0)
            mList.Cnt = QString::number(count);
    }
}

// The records of one block file that the expression matches join the list;
// false when the file could not be read.
bool BtEditModel::scanBlockFile(const QString& file, const QString& bdir, int BiBe,
                                const std::vector<SearchTerm>& terms, qint32& count)
{
    Program& p = prog();
    QString text;
    if (!lockedReadWhole(file, bdir, BiBe, text))
        return false;
    QStringList records;
    int n = 0;
    ZerlegBtBlock(text, records, n);
    for (int i = 1; i <= n; ++i) {
        ++mList.AnzGeprueft;
        BtdTrenn(records[i]);
        if (!searchTermsHold(terms, p.WorkStr[Slot::Ident], p.WorkStr[Slot::Q], p.WorkStr[Slot::B]))
            continue;
        mList.BEGrid.rows << QString(records[i]).replace(PiMark, PiChar);
        mList.BEGrid.row = int(mList.BEGrid.rows.size()) - 1;
        ++count;
        if (count % 10 == 0) {
            mList.Cnt = QString::number(count);
            refresh();
        }
    }
    return true;
}

// Every block of the groups in turn, up to the last block the header names for
// each; Gr follows the group scanned. False when stopped or a block could not
// be read.
bool BtEditModel::scanGroups(const QString& bdir, int BiBe, const DataSearch& d, QString& Gr, qint32& count)
{
    const QString progress = txt("Gefunden: ", "Found: ") + QString(prog().LangNr == 2 ? 25 : 20, u' ');
    QString header;
    if (!lockedReadWhole(bdir + QStringLiteral("\\abi"), bdir, BiBe, header))
        return true;
    const auto [from, to] = searchGroupRange(d.groupText);
    for (int g = std::max(from, 0); g <= to; ++g) {
        Gr = QString::number(g);
        const QString last = GetParam(header, Gr);
        if (last.isEmpty())
            continue;
        const int lastBlock = leadingNumber(last.trimmed());
        for (int b = 0; b <= lastBlock; ++b) {
            if (mOnYield)
                mOnYield();
            if (mRecord.SuchStop)
                return false;
            const QString address =
                QStringLiteral("%1%2").arg(g, 2, 10, QLatin1Char('0')).arg(b, 3, 10, QLatin1Char('0'));
            if (b % 5 == 0) {
                mList.Info = QStringLiteral("Block: ") + address + progress;
                refresh();
            }
            const QString file = blockFilePath(bdir, address);
            if (fileSize(file) < 0)
                continue;
            if (!scanBlockFile(file, bdir, BiBe, d.expr.terms, count))
                return false;
        }
    }
    return true;
}

// The list as the scan left it: shown with its count, or message 235 when
// nothing was found; a stopped scan shows nothing.
void BtEditModel::showScanResult(bool cancelled, qint32 count, qint32& found)
{
    if (cancelled) {
        mList.BEGrid.rows.clear();
        return;
    }
    if (count == 0) {
        MsgBoxRes(QStringLiteral("235"), 0, prog().LangNr);
        return;
    }
    mList.BEGrid.visible = true;
    mList.BEGrid.row = 0;
    found = count;
    mList.ListKopfText += QString::number(count);
    mList.Label3[1] = mList.ListKopfText + QStringLiteral("/1");
    if (mWindow.shown)
        mWindow.focus = QStringLiteral("BEGrid");
}

bool BtEditModel::ViewBEDatList(const QString& bdir, QString& Such, QString& Gr, int BiBe, qint32& found, bool MBlock)
{
    ErrPtnr::CallStack(QStringLiteral(
        "[frmBtEdit] Private Sub ViewBEDatList(bdir$, Such$, Gr$, BiBe%, found&, MBlock As Boolean)"));
    ErrPtnr::CallStackParam(QStringLiteral("Such$"), Such);
    mList.AnzGeprueft = 0;
    qint32 count = 0;
    found = 0;
    mList.ListKopfText = ListTitel(Gr, BiBe, 6);
    // 1. What to look for
    const std::optional<DataSearch> search =
        MBlock ? blockSearch(bdir, Such, BiBe) : expressionSearch(Such, Gr);
    if (!search)
        return false;
    // 2. The scan
    showScanStart(search->searchText);
    bool cancelled = false;
    if (MBlock)
        listBlock(search->blockText, count);
    else
        cancelled = !scanGroups(bdir, BiBe, *search, Gr, count);
    // 3. The result
    showScanResult(cancelled, count, found);
    listCommonEnd();
    mList.ListArt = 2;
    refresh();
    return count > 0;
}

void BtEditModel::ViewBEIndexList(const QString& bdir, const QString& kind, QString& prefix, const QString& grp,
                                  int BiBe, qint32& found)
{
    const int l = prog().LangNr;
    mList.IdxBusy = 1;
    mList.ListKopfText = ListTitel(grp, BiBe, 10);
    const int k = kind == QLatin1String("S") ? 1 : kind == QLatin1String("A") ? 2 : 0;
    static const char* const names[] = {"Typ", "Yk", "An"};
    mList.IdxKeyName = QString::fromLatin1(names[k]);
    mList.IdxKeyKind = k;
    mList.ListKopfText += mList.IdxKeyName + QStringLiteral(":  ");
    mList.SuchBegriffText = prefix;
    mList.ListKopfText += prefix.isEmpty() ? ResText(QStringLiteral("199"), l, true) : prefix;
    mList.ListKopfText += QString(10, u' ') + txt("Anzahl: ", "Number: ");
    mList.Label3[1] = mList.ListKopfText;
    mList.IdxScale = 1;
    mList.IdxTop = 0;
    mList.IdxCount = 0;
    mList.BEGrid = ListGrid{};
    mWindow.width = 15345;
    mList.VS = ScrollBar{0, 32767, 0, true, false};
    mList.BEGrid.rows = {mList.IdxKeyName + QStringLiteral("\tBlock"), QString()};
    mList.BEGrid.fixedRows = 1;
    mList.BEGrid.row = 1;
    ResizeGrid();
    mWindow.frameVisible[FrameList] = true;
    mList.VS.maximum = mList.VS.minimum;
    mList.VS.value = mList.VS.minimum;
    found = 0;
    EnableCmd(QStringLiteral("2,3,13,14,15"), false);
    mCmd[10].caption = ResStr(1661, 40, l);
    mRecord.SuchStop = false;
    mWindow.focus = QStringLiteral("Cmd10");
    mWindow.cursorBusy = true;
    mList.FrameSVisible = false;
    EnableFrames(false);
    mList.BEGrid.visible = false;
    mList.VS.visible = false;
    mList.Info = ResText(QStringLiteral("273"), l, true);
    mList.Cnt = QStringLiteral("...");
    mList.IdxList.clear();
    refresh();

    bool contains = false;
    if (prefix.size() > 1 && prefix.startsWith(u'*')) {
        prefix.remove(0, 1);
        contains = true;
    } else if (prefix == QLatin1String("*")) {
        prefix.clear();
    }
    const IndexListing listing =
        listNameIndex(bdir, BiBe, QChar(u"TSA"[k]), prefix, contains, grp, [this] {
            if (mOnYield)
                mOnYield();
            return mRecord.SuchStop;
        });
    // No cap of our own: the list holds every entry found.
    mList.IdxList = listing.entries;
    mList.IdxCount = qint32(mList.IdxList.size());
    found = mList.IdxCount;
    if (!listing.stopped) {
        if (mList.IdxCount > 0) {
            mList.Info.clear();
            mList.Cnt.clear();
            AdjustScroller();
            mList.IdxBusy = 0;
            DisplayPage();
            ResizeGrid();
        } else {
            mList.IdxBusy = 0;
            MsgBoxRes(QStringLiteral("235"), 0, l);
        }
    }
    mList.IdxBusy = 0;
    listCommonEnd();
    mList.ListArt = 1;
    refresh();
}

// ---------------------------------------------------------------- search-area events

void BtEditModel::chkSuch_Click(int index)
{
    for (int i = 0; i < 3; ++i) {
        if (i == index)
            continue;
        mSearch.chkSuch[i] = false;
        if (i < 2)
            mSearch.txAusg[i].clear();
    }
    if (index >= 0 && index < 3)
        mSearch.chkSuch[index] = true;
    mView.BT = {};
    mSearch.FrameAusformVisible = true;
    mSearch.EingabeBereich = 2;
    mCmd[15].enabled = false;
    EnableCmd(QStringLiteral("13,14"), true);
}

void BtEditModel::txAusg_Change(int index, const QString& text)
{
    if (index >= 0 && index < 3)
        mSearch.txAusg[index] = text;
    if (!(mSearch.txAusg[0] + mSearch.txAusg[1] + mSearch.txAusg[2]).trimmed().isEmpty())
        EnableCmd(QStringLiteral("13,14"), true);
}

void BtEditModel::txAusg_GotFocus(int index)
{
    if (index < 0 || index > 1)
        return;
    chkSuch_Click(index);
    mSearch.EingabeBereich = 2;
    mSearch.FrameAusformVisible = true;
}
