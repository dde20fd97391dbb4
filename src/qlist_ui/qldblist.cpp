#include "qlist_ui/qldblist.h"
#include "frame/workslots.h"
#include "frame/codepage.h"
#include "frame/database.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/formatters.h"
#include "frame/interaction.h"
#include "frame/markers.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "prediction/prognoseqsl.h"
#include "printing/printjob.h"
#include "printing/printoutput.h"
#include "qlist/fehlqsbt.h"
#include "qlist/printqsl.h"
#include "qlist/qldb.h"
#include "qlist/qslcommands.h"
#include "qlist/qslfile.h"
#include "qlist/qslneu.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int Offset = 1635;

QString cell(const QVariantList& row, int column)
{
    const QVariant v = row.value(column);
    return v.isNull() ? QString() : v.toString();
}

// A field value up to its first NUL character.
QString cutAtNul(const QString& s)
{
    const qsizetype at = s.indexOf(QChar(u'\0'));
    return at < 0 ? s : s.left(at);
}

QString withoutTrailing(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == u' ')
        --n;
    return s.left(n);
}

QString withoutLeading(const QString& s)
{
    qsizetype n = 0;
    while (n < s.size() && s.at(n) == u' ')
        ++n;
    return s.mid(n);
}

QString fieldKey(int field)
{
    const QString name = prog().QslFeldTab[field].name;
    if (!name.isEmpty())
        return name;
    static const char* fallback[] = {"", "Ln", "Typ", "Yk", "Stand", "An", "Tec", "Code", "Anlage", "Be"};
    return QString::fromLatin1(fallback[field]);
}

int fieldWidth(int field)
{
    const int w = prog().QslFeldTab[field].width;
    if (w > 0)
        return w;
    static const int fallback[] = {0, 5, 20, 17, 2, 20, 3, 12, 12, 148};
    return fallback[field];
}

const char* const SortCaptions[8] = {"Typ ", "Yk ", "An ", "Ln ", "Ln* ", "Code ", "Anl ", "Be "};
} // namespace

const QStringList QldbList::RecordCommands = {
    QStringLiteral("edit"),          QStringLiteral("del"),           QStringLiteral("print"),
    QStringLiteral("checkprint"),    QStringLiteral("checkfile"),     QStringLiteral("standardprof.ql"),
    QStringLiteral("selectprof.ql"), QStringLiteral("newprof.ql"),    QStringLiteral("newprofspstd.ql"),
    QStringLiteral("newprofspwahl.ql")};

QString QldbList::captionText(int n)
{
    return localiseCaption(QString::number(n), Offset, {prog().WorkStr[Slot::Qz]}).text;
}

std::optional<QString> QldbList::captionToolTip(int n)
{
    return localiseCaption(QString::number(n), Offset).toolTip;
}

QString QldbList::sortCaption(int kind)
{
    return QString::fromLatin1(SortCaptions[std::clamp(kind, 0, 7)]);
}

QString QldbList::sortToolTip(int kind)
{
    return ResStr(1770, 13 + std::clamp(kind, 0, 7), prog().LangNr);
}

QString QldbList::filterToolTip()
{
    return ResStr(1770, 11, prog().LangNr);
}

int QldbList::fullColumnChars(int c)
{
    // LN, TYP, YK with its stand, AN, TEC, CODE, ANL, BE: the field width + 1.
    static const int fields[8] = {1, 2, 3, 5, 6, 7, 8, 9};
    if (c == 2)
        return fieldWidth(3) + fieldWidth(4) + 2;
    return fieldWidth(fields[std::clamp(c, 0, 7)]) + 1;
}

QString QldbList::folder() const
{
    return prog().WorkStr[Slot::VqlDbase] + prog().WorkStr[Slot::Qz];
}

// ---- loading and closing

void QldbList::Form_Load()
{
    Busy = 1;
    // The window shows the caption as it shows the rows, from the OEM code page.
    CaptionPrefix = AnsiToOem(captionText(0)) + QStringLiteral("  ");
    caption = CaptionPrefix;
    TopRec = 0;
    RecCount = 0;
    ScaleFak = 1;
    gridVisible = false;
    vsMax = MaxScroll;
    vsValue = 0;
    ColSet = QStringLiteral("12356789");
    SelDone = -1;
    grid.assign(2, QStringList());
    currentRow = 1;
    for (int c = 0; c < 8; ++c)
        columnChars[c] = fullColumnChars(c);
    Busy = 0;
    SortByOpt_Click(4);
    cmdUpdateEnabled = false;
    printDirEnabled = true;

    DbSlot = Open_Db(folder(), TotalRec, 1);
    if (DbSlot < 1) {
        tag = QStringLiteral("1");
        return;
    }
    if (view)
        view->relayout();
    else
        Form_Resize(PageSize + 1);
    LoadQslList();
    FilterChanged = false;
    SortChanged = false;
    SelDone = 0;
}

bool QldbList::Form_Unload()
{
    if (DbSlot >= 1 && DbSlot <= 30 && qlDbState().DbTab[DbSlot].inUse) {
        Close_Db(DbSlot);
        DbSlot = 0; // the slot may be handed out again
    }
    const bool refuse = tag == QLatin1String("0");
    tag = QStringLiteral("1");
    return !refuse;
}

// ---- filter and sort

std::optional<QChar> QldbList::filterKey(QChar c, bool& beep) const
{
    return headFieldKey(c, beep);
}

void QldbList::EdFilter_Change(const QString& text)
{
    filterBox = text;
    FilterChanged = true;
    cmdUpdateEnabled = true;
    printDirEnabled = false;
}

void QldbList::SortByOpt_Click(int index)
{
    const int previous = SortArt;
    SortArt = index;
    if (index != previous) {
        SortChanged = true;
        cmdUpdateEnabled = true;
        printDirEnabled = false;
    }
}

void QldbList::CmdUpdate_Click()
{
    if (!FilterChanged && !SortChanged)
        return;
    Busy = 0;
    LoadQslList();
    FilterChanged = false;
    SortChanged = false;
    cmdUpdateEnabled = false;
    printDirEnabled = SortArt < 5;
}

// ---- record set, page and grid

void QldbList::LoadQslList()
{
    Program& p = prog();
    qlDbState().DbOperation = QStringLiteral("Loadqsllist");
    gridVisible = false;
    scrollVisible = false;
    const int rememberedRow = currentRow;
    if (grid.empty())
        grid.assign(2, QStringList());
    QStringList titles;
    for (const QChar d : ColSet)
        titles << fieldKey(d.digitValue());
    grid[0] = titles;
    currentRow = 0;

    const long rememberedTop = TopRec;
    TopRec = 0;
    const int busy = Busy;
    Busy = 1;
    vsMax = 0;
    vsValue = 0;
    Busy = busy;

    infoText = ResText(QStringLiteral("273"), p.LangNr, false, {p.WorkStr[Slot::Qz]});
    cntText = QStringLiteral("...");
    if (view)
        view->refresh();

    const long rememberedCount = RecCount;
    RecCount = 0;
    FilterText = filterBox.toUpper();
    try {
        Select_Db(DbSlot, Rs, FilterText, RecCount, SortArt, TopRec, TotalRec);
    } catch (const DbError&) {
        // The filter goes to the database as a value: an error here is the
        // database's own, and the browser cannot go on with it.
        infoText.clear();
        cntText.clear();
        RecCount = rememberedCount;
        TopRec = rememberedTop;
        fatalClose();
        return;
    }
    infoText.clear();
    cntText.clear();

    if (RecCount != 0) {
        AdjustScroller();
        Busy = 0;
        DisplayPage();
        currentRow = 1;
    } else {
        MsgBoxRes(QStringLiteral("235"), 0, p.LangNr);
        gridVisible = true;
        scrollVisible = true;
        RecCount = rememberedCount;
        TopRec = rememberedTop;
        AdjustScroller();
        Busy = 0;
        DisplayPage();
        currentRow = rememberedRow;
    }
    if (view)
        view->refresh();
}

void QldbList::fatalClose()
{
    // The list can no longer be trusted: the browser closes, the program goes on.
    tag = QStringLiteral("1");
    if (view)
        view->refresh();
}

bool QldbList::GetPage_DB(int globDBfile, long unten, long oben, std::vector<QVariantList>& ergebnis,
                          long& globtRec)
{
    Program& p = prog();
    ergebnis.clear();
    try {
        if (qlDbState().DbAenderung) {
            // Another command wrote the database: the set may have lost or gained rows.
            if (Rs)
                Rs->requery();
            qlDbState().DbAenderung = false;
            const Snapshot c = dbOfSlot(globDBfile).snapshot(QStringLiteral("select count(*) from qldb"));
            globtRec = c.eof() ? 0 : long(c.value(0).toLongLong());
            if (!Rs || Rs->recordCount() == 0) {
                RecCount = 0;
                return true;
            }
            RecCount = Rs->recordCount();
        }
        if (Rs)
            ergebnis = Rs->fetch(unten, oben - unten);
        return true;
    } catch (const DbError& e) {
        MsgBoxRes(QStringLiteral("473"), 0, p.LangNr,
                  {QStringLiteral("  frmQldbList: GetPage_DB !   "), QString::number(e.nativeCode()),
                   AnsiToOem(e.message())});
        fatalClose();
        return false;
    }
}

QStringList QldbList::rowCells() const
{
    const auto& r = prog().QslRecAlt;
    QStringList cells;
    cells << LnKurz(cutAtNul(r[1]));
    if (r[2] == QLatin1String("*")) {
        cells << QStringLiteral("*");
        return cells;
    }
    for (qsizetype k = 1; k < ColSet.size(); ++k) {
        const int d = ColSet.at(k).digitValue();
        QString v = cutAtNul(r[d]);
        if (d == 3 && !v.isEmpty())
            v = v + u'-' + cutAtNul(r[4]);
        cells << v;
    }
    return cells;
}

void QldbList::DisplayPage(int first, int last)
{
    if (Busy != 0)
        return;
    Busy = 3;
    if (RecCount == 0)
        return;
    const int rememberedRow = currentRow;
    vsValue = std::min<long>(TopRec / ScaleFak, vsMax);
    if (first < 1)
        first = 1;
    if (last < 0 || last > PageSize)
        last = PageSize;
    if (first == 1 && last == PageSize)
        gridVisible = false;
    if (PageSize < 1)
        PageSize = 1;
    grid.resize(std::size_t(PageSize) + 1);

    if (!GetPage_DB(DbSlot, TopRec, TopRec + PageSize, PageRows, TotalRec)) {
        Busy = 0;
        return;
    }
    for (int i = first; i <= last; ++i) {
        QStringList cells;
        if (TopRec + i <= RecCount) {
            std::array<QString, 10> rec;
            QString res;
            GetOne(i, rec, PageRows, res);
            prog().QslRecAlt = rec;
            cells = rowCells();
        }
        grid[std::size_t(i)] = cells;
    }
    gridVisible = true;
    currentRow = rememberedRow;
    scrollVisible = true;
    caption = CaptionPrefix + u' ' + QString::number(TotalRec) + QStringLiteral("/ ") + QString::number(RecCount);
    Busy = 0;
    if (view)
        view->refresh();
}

void QldbList::AdjustScroller()
{
    Busy += 1;
    if (RecCount > PageSize) {
        ScaleFak = 1;
        long d = RecCount - PageSize;
        while (d > MaxScroll) {
            ScaleFak *= 2;
            d /= 2;
        }
        vsMax = int(d);
    } else {
        vsMax = 0;
    }
    Busy -= 1;
}

void QldbList::Form_Resize(int rowsThatFit)
{
    gridVisible = true;
    const int rows = std::max(2, rowsThatFit);
    PageSize = rows - 1;
    AdjustScroller();
    vsLargeChange = PageSize > ScaleFak ? PageSize / ScaleFak : 1;
    if (RecCount < PageSize) {
        vsMax = 0;
    } else {
        // Rounded half to even, so that at an exact half the scroll range stays the
        // one the list has always had.
        const double m = double(RecCount - PageSize + ScaleFak) / ScaleFak;
        double whole = std::floor(m);
        const double frac = m - whole;
        if (frac > 0.5 || (frac == 0.5 && std::fmod(whole, 2.0) != 0))
            whole += 1;
        vsMax = int(std::min<double>(whole, MaxScroll));
    }
    DisplayPage();
}

void QldbList::VS_Change(int value)
{
    if (Busy != 0)
        return;
    TopRec = long(value) * ScaleFak;
    DisplayPage();
}

bool QldbList::Grid_KeyDown(int keyCode)
{
    switch (keyCode) {
    case 34: // PgDn
        if (TopRec + PageSize < RecCount) {
            TopRec += PageSize;
            DisplayPage();
        }
        return true;
    case 33: // PgUp
        if (TopRec >= PageSize) {
            TopRec -= PageSize;
            DisplayPage();
        } else if (TopRec != 0) {
            TopRec = 0;
            DisplayPage();
        }
        return true;
    case 40: // Down
        if (currentRow == PageSize && currentRow + TopRec < RecCount) {
            grid.push_back(QStringList());
            grid.erase(grid.begin() + 1);
            TopRec += 1;
            currentRow = PageSize;
            DisplayPage(PageSize, PageSize);
        } else if (currentRow < PageSize) {
            ++currentRow;
        }
        return true;
    case 38: // Up
        if (currentRow == 1 && TopRec != 0) {
            grid.insert(grid.begin() + 1, QStringList());
            if (TopRec < ScaleFak) {
                // Fewer records above than a step: the page starts at the first record.
                TopRec = 0;
                currentRow = 1;
                grid.resize(std::size_t(PageSize) + 1);
                DisplayPage();
            } else {
                TopRec -= ScaleFak;
                if (ScaleFak == 1) {
                    grid.resize(std::size_t(PageSize) + 1);
                    DisplayPage(1, 1);
                } else {
                    currentRow = ScaleFak;
                    grid.resize(std::size_t(PageSize) + 1);
                    DisplayPage();
                }
            }
        } else if (currentRow > 1) {
            --currentRow;
        }
        return true;
    case 36: // Home
        currentRow = 1;
        if (TopRec != 0) {
            TopRec = 0;
            DisplayPage();
        }
        return true;
    case 35: { // End
        const long top = PageSize < RecCount ? RecCount - PageSize : 0;
        if (top != TopRec) {
            TopRec = top;
            DisplayPage();
        }
        currentRow = int(RecCount - TopRec);
        return true;
    }
    default:
        return false;
    }
}

void QldbList::Grid_SelChange()
{
    if (SelDone == 0) {
        recordCommandsEnabled = true;
        SelDone = -1;
    }
}

void QldbList::Grid_DblClick(int mouseRow, int mouseCol)
{
    if (mouseCol <= 0 || mouseCol > 7)
        return;
    if (mouseRow == 0) {
        const int full = fullColumnChars(mouseCol);
        columnChars[mouseCol] = columnChars[mouseCol] != full ? full : 1;
        if (view)
            view->refresh();
    } else if (mouseRow > 0) {
        MenuQLDB(QStringLiteral("edit"));
    }
}

// ---- records and commands

void QldbList::GetOne(int p, std::array<QString, 10>& FD, const std::vector<QVariantList>& ergebnis, QString& res)
{
    const QVariantList none;
    const QVariantList& row = p >= 1 && std::size_t(p) <= ergebnis.size() ? ergebnis[std::size_t(p) - 1] : none;
    for (int i = 1; i <= 9; ++i)
        FD[i] = cell(row, i - 1);
    if (cell(row, DELETED) == QLatin1String("1"))
        FD[2] = QStringLiteral("*");
    res = QStringLiteral("T");
}

QString QldbList::Selection()
{
    QString result;
    if (RecCount == 0 || currentRow < 1 || currentRow > PageSize)
        return result;
    Program& p = prog();
    const OpenQlDb second(folder(), 1);
    if (!second)
        return result;
    QString res;
    if (RecCount >= currentRow + TopRec)
        GetOne(currentRow, p.QslRecAlt, PageRows, res);
    if (res == QLatin1String("T")) {
        auto& r = p.QslRecAlt;
        r[3] = r[3] + u'-' + r[4];
        for (const QChar c : ColSet) {
            const int d = c.digitValue();
            r[d] = cutAtNul(r[d]);
            if (!r[d].isEmpty())
                result += u',' + fieldKey(d) + u'=' + r[d];
        }
        if (r[2] == QLatin1String("*"))
            result.clear();
        if (result.startsWith(u','))
            result.remove(0, 1);
    }
    return result;
}

void QldbList::MenuQLDB(const QString& what)
{
    ErrPtnr::CallStack(QStringLiteral("[frmQldbList] Sub MenuQLDB(what As Variant)"));
    ErrPtnr::CallStackParam(QStringLiteral("what"), what);
    ErrPtnr::guarded(QStringLiteral("frmQldbList"), QStringLiteral("MenuQLDB"), false, [&] {
        QString desc;
        if (RecordCommands.contains(what)) {
            desc = Selection();
            if (GetParam(desc, QStringLiteral("Ln")).isEmpty())
                return true;
        }
        auto hidden = [this](auto&& command) {
            if (view)
                view->hideWindow();
            command();
            if (view)
                view->showWindow();
        };
        if (what == QLatin1String("exit")) {
            tag = QStringLiteral("1");
        } else if (what == QLatin1String("new")) {
            hidden([] { frmQslNeu::Run(0); });
            DisplayPage();
        } else if (what == QLatin1String("edit")) {
            hidden([&] { OeffneQsl(desc); });
            DisplayPage();
        } else if (what == QLatin1String("del")) {
            if (LoeschQsl(desc) == QLatin1String("T"))
                DisplayPage();
        } else if (what == QLatin1String("print")) {
            hidden([&] { PrintQSL(desc, false); });
        } else if (what == QLatin1String("checkprint") || what == QLatin1String("checkfile")) {
            hidden([&] {
                QString ln = GetParam(desc, QStringLiteral("Ln"));
                FehlQsBt(ln, what == QLatin1String("checkprint"), true, false);
            });
        } else if (RecordCommands.indexOf(what) >= 5) {
            hidden([&] { PrognoseQsl(desc, what, false); });
            DisplayPage();
        } else if (what == QLatin1String("short")) {
            PrintFilterKurz();
        } else if (what == QLatin1String("long")) {
            PrintFilterLang();
        } else if (what == QLatin1String("fnt<")) {
            if (fontSize > 1) {
                fontSize -= 1;
                if (view)
                    view->relayout();
            }
        } else if (what == QLatin1String("fnt>")) {
            if (fontSize < 100) {
                fontSize += 1;
                if (view)
                    view->relayout();
            }
        }
        return true;
    });
    if (view)
        view->refresh();
}

// ---- printouts

QString QldbList::sortTitle() const
{
    switch (SortArt) {
    case 0: return fieldKey(2);
    case 1: return fieldKey(3);
    case 2: return fieldKey(5);
    default: return fieldKey(1);
    }
}

void QldbList::printHead(const QString& message, const QString& title)
{
    const Program& p = prog();
    QString right = title;
    if (!FilterText.isEmpty() && title != fieldKey(1))
        right = title + QStringLiteral("   \"") + FilterText + u'"';
    PrKopf(ResText(message, p.LangNr, true, {p.WorkStr[Slot::Qz]}), right);
    PrFont(7.5, true, std::nullopt, QStringLiteral("Courier New"));
}

bool QldbList::readBlock(long d, std::vector<QVariantList>& block, std::array<QString, 10>& rec)
{
    // Records 1..199 come from the first block; record d >= 200 is row
    // (d mod 200) + 1 of the block read from index d - 1 when d was a multiple of 200.
    if (d % PrintBlock == 0 && !GetPage_DB(DbSlot, d - 1, d - 1 + PrintBlock, block, TotalRec))
        return false;
    const int row = d < PrintBlock ? int(d) : int(d % PrintBlock) + 1;
    QString res;
    GetOne(row, rec, block, res);
    for (int i = 1; i <= 9; ++i)
        rec[i] = cutAtNul(rec[i]);
    return true;
}

QString QldbList::shortEntryText(int printColumns) const
{
    const auto& r = prog().QslRecAlt;
    QString text;
    switch (SortArt) {
    case 0: text = r[2]; break;
    case 1: text = r[3] + u'-' + r[4]; break;
    case 2: text = r[5]; break;
    default:
        if (!r[2].isEmpty())
            text = QStringLiteral("t ") + r[2];
        else if (!r[3].isEmpty())
            text = QStringLiteral("s ") + r[3] + u'-' + r[4];
        else if (!r[5].isEmpty())
            text = QStringLiteral("a ") + r[5];
        else
            text = QStringLiteral("  FREI");
    }
    if (text.size() > printColumns - 9)
        text = text.left(std::max(0, printColumns - 9));
    return LnKurz(r[1]).rightJustified(5, u' ') + QStringLiteral("   ") + text;
}

QString QldbList::longLine() const
{
    const auto& r = prog().QslRecAlt;
    QStringList items;
    if (r[2] == QLatin1String("*")) {
        items << QStringLiteral("FREI");
    } else {
        if (!r[2].isEmpty())
            items << QStringLiteral("Typ=") + withoutTrailing(r[2]).toUpper();
        if (!r[3].isEmpty()) {
            QString yk = QStringLiteral("Yk=") + QString(r[3]).remove(u' ').toUpper();
            if (!r[4].isEmpty())
                yk += u'-' + withoutLeading(r[4]).toUpper();
            items << yk;
        }
        if (!r[5].isEmpty())
            items << QStringLiteral("An=") + withoutTrailing(r[5]).toUpper();
        const char* keys[] = {"Tec=", "Code=", "Anlage=", "Be="};
        for (int i = 6; i <= 9; ++i)
            if (!r[i].isEmpty())
                items << QString::fromLatin1(keys[i - 6]) + withoutTrailing(r[i]);
    }
    return LnKurz(r[1]).rightJustified(5, u' ') + u' ' + items.join(QStringLiteral(", "));
}

void QldbList::PrintFilterKurz()
{
    if (RecCount == 0)
        return;
    const QString title = sortTitle();
    const int W = SortArt <= 2 ? 29 : 30;
    if (!PrInit())
        return;
    printHead(QStringLiteral("165"), title);
    const PrintState& ps = printState();
    const int n = std::max(1, ps.PrSpalten / (W + 3));
    const int g = n > 1 ? (ps.PrSpalten - n * W) / (n - 1) : 3;
    const long P = long(n) * ps.PrZeilen;
    long f = 1;
    std::vector<QVariantList> block;
    if (!GetPage_DB(DbSlot, 0, PrintBlock, block, TotalRec))
        return;
    const long count = RecCount;
    Program& p = prog();
    for (long d = 1; d <= count; ++d) {
        std::array<QString, 10> rec;
        if (!readBlock(d, block, rec))
            return;
        p.QslRecAlt = rec;
        if (d - f >= P) {
            f += P;
            PrNeueSeite(false, false);
            printHead(QStringLiteral("165"), title);
        }
        const int lines = std::max<int>(1, printState().PrZeilen);
        PrTextZS(int((d - f) % lines), int((d - f) / lines) * (g + W), shortEntryText(printState().PrSpalten));
    }
    PrNeueSeite(true, false);
    QString none;
    PrAusgabe(none);
}

void QldbList::PrintFilterLang()
{
    if (RecCount == 0)
        return;
    const QString title = sortTitle();
    const QString indent(6, u' ');
    if (!PrInit())
        return;
    printHead(QStringLiteral("166"), title);
    std::vector<QVariantList> block;
    if (!GetPage_DB(DbSlot, 0, PrintBlock, block, TotalRec))
        return;
    const long count = RecCount;
    Program& p = prog();
    for (long d = 1; d <= count; ++d) {
        std::array<QString, 10> rec;
        if (!readBlock(d, block, rec))
            return;
        p.QslRecAlt = rec;
        QString line = longLine();
        const int width = printState().PrSpalten;
        while (line.size() > width) {
            QString rest;
            TextUmbruch(line, width, QStringLiteral(" -,"), rest);
            if (PrPlatz(1)) {
                PrNeueSeite(false, false);
                printHead(QStringLiteral("166"), title);
            }
            PrText(line);
            PrLf();
            line = indent + rest;
            if (rest.isEmpty())
                break;
        }
        if (PrPlatz(1)) {
            PrNeueSeite(false, false);
            printHead(QStringLiteral("166"), title);
        }
        PrText(line);
        PrLf();
    }
    PrNeueSeite(true, false);
    QString none;
    PrAusgabe(none);
}

// ---- the window

void frmQldbList::Show0()
{
    ErrPtnr::CallStack(QStringLiteral("[frmQldbList] Sub Show0()"));
    QldbList model;
    model.tag = QStringLiteral("0");
    Question q;
    q.key = QStringLiteral("frmQldbList");
    q.text = QldbList::captionText(0);
    ErrPtnr::guarded(QStringLiteral("frmQldbList"), QStringLiteral("Show0"), false, [&] {
        ui().askQlDbList(q, model);
        return true;
    });
    // Whatever ended the window, its database slot is free afterwards.
    model.tag = QStringLiteral("1");
    model.Form_Unload();
}
