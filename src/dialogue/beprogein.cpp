#include "dialogue/beprogein.h"
#include "dialogue/dia.h"
#include "dialogue/menufile.h"
#include "frame/errors.h"
#include "frame/errptnr.h"
#include "frame/links.h"
#include "frame/markers.h"
#include "frame/program.h"
#include "frame/restext.h"
#include "frame/textlib.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace frmBEProgEin {

namespace {

const QString kRule = QStringLiteral("--------");

void notifyWindow(const char* what)
{
    Question q;
    q.key = QString::fromLatin1(what);
    ui().menuWindowChanged(q, state());
}

int checked16(long value)
{
    if (value < -32768 || value > 32767)
        throw OverflowError();
    return int(value);
}

// The design caption of the window is a resource-text reference with number 0.
QString windowCaption(int offset, const QString& a1 = QString())
{
    return localiseCaption(QStringLiteral("0 Bauelemente eingeben"), offset, a1.isNull() ? QStringList() : QStringList{a1})
        .text;
}

// The commands that ask one choice use a window of 0.7 x 0.7 of the main window,
// without side panels.
void makeSmall()
{
    State& s = state();
    s.smallSize = true;
    Refresh();
}

// Waits until a choice ends the menu: asks until the window's tag turns "1".
void waitForChoice(const QString& key, const QString& text)
{
    State& s = state();
    while (s.Tag == QLatin1String("0")) {
        if (!s.pendingPath.isEmpty()) {
            const QString path = std::exchange(s.pendingPath, QString());
            applyMenuAnswer(s, Answer::word(path));
            continue;
        }
        Question q;
        q.key = key;
        q.text = text;
        for (std::size_t i = 1; i < s.Menu.size(); ++i)
            q.choices << s.Menu[i].caption;
        const Answer a = ui().askMenu(q, s);
        if (!a.applied)
            applyMenuAnswer(s, a);
    }
}

int rowOfCaption(const State& s, const QString& text)
{
    for (int i = int(s.Menu.size()) - 1; i >= 3; --i)
        if (s.Menu[i].caption.trimmed() == text)
            return i;
    return -1;
}

} // namespace

// ---------------------------------------------------------------- state

State::State() : procedures(links<Procedures>())
{
    Vortext[0] = HeadingBox{};
    resetLabels();
    for (int t = 1; t <= 2; ++t)
        QbSdTxt[t] = QStringList(PanelRows, QString());
}

void State::resetLabels()
{
    Menu.resize(2);
    Menu1.resize(2);
    for (auto* column : {&Menu, &Menu1})
        for (MenuLabel& l : *column) {
            l.visible = false;
            l.caption.clear();
            l.hotKey.clear();
            l.submenu.clear();
        }
    ZeilenAnz = 1;
}

void State::Menu_Click(int index)
{
    // The band, the title and its rule cannot be chosen.
    if (index >= 3) {
        WahlZeile = index;
        Tag = QStringLiteral("1");
    }
}

void State::Form_KeyPress(QChar key)
{
    if (!TastWarten)
        return;
    const QString k = QString(key).toUpper();
    if (HotKeys.contains(k)) {
        TastWahl = k;
        Tag = QStringLiteral("1");
    }
}

void State::escapePressed()
{
    if (!TastWarten)
        return;
    int row = rowOfCaption(*this, ResStr(1501, 0, prog().LangNr));
    if (row < 0)
        row = rowOfCaption(*this, ResStr(1504, 0, prog().LangNr));
    if (row >= 0)
        Menu_Click(row);
}

bool State::choosable(int row) const
{
    if (row < 3 || row >= int(Menu.size()) || row > ZeilenAnz)
        return false;
    const MenuLabel& m = Menu[size_t(row)];
    if (!m.visible)
        return false;
    // A menu file's items have their hot key; its headings, rules and
    // continuation lines have none. The housing menus choose every row but
    // their rule by click.
    if (!m.hotKey.isEmpty())
        return true;
    const QString shown = m.caption.trimmed();
    return Spalte2 && !shown.isEmpty() && shown != kRule;
}

int State::nextChoosableRow(int row, int step) const
{
    const int last = std::min(int(Menu.size()) - 1, ZeilenAnz);
    const int count = last - 2;
    if (count <= 0)
        return -1;
    int r = row < 3 || row > last ? (step > 0 ? 2 : last + 1) : row;
    for (int i = 0; i < count; ++i) {
        r += step;
        if (r > last)
            r = 3;
        else if (r < 3)
            r = last;
        if (choosable(r))
            return r;
    }
    return -1;
}

void State::Selbox_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        selboxTag = QStringLiteral("0");
}

void State::Selbox_MouseUp()
{
    selboxTag = QStringLiteral("0");
}

State& state()
{
    std::shared_ptr<State>& held = prog().Subsystems.held<State>();
    if (!held)
        held = std::make_shared<State>();
    return *held;
}

void Load(QObject* owner)
{
    State& s = state();
    QStringList items = s.Selbox; // filled by the caller before the command
    Procedures procedures = s.procedures;
    s = State();
    s.Selbox = items;
    s.procedures = procedures;
    s.owner = owner;
    s.loaded = true;
    notifyWindow("load");
}

void Unload()
{
    State& s = state();
    if (!s.loaded && s.Selbox.isEmpty())
        return;
    Procedures procedures = s.procedures;
    s = State();
    s.procedures = procedures;
    notifyWindow("unload");
}

void Refresh()
{
    if (state().loaded)
        notifyWindow("update");
}

void applyMenuAnswer(State& s, const Answer& a)
{
    const bool cancel = a.cancelled || a.text == QLatin1String("ABBRUCH");
    if (cancel || a.text == QLatin1String("BACK") || a.text == QLatin1String("HELP")) {
        const int offset = cancel ? 1501 : a.text == QLatin1String("BACK") ? 1504 : 1505;
        const int row = rowOfCaption(s, ResStr(offset, 0, prog().LangNr));
        if (row >= 0) {
            s.Menu_Click(row);
        } else if (cancel) {
            // Nobody can choose (a batch run): the menu must end, not show again.
            s.abandoned = true;
            s.Tag = QStringLiteral("1");
        } else {
            throw TarnError(QStringLiteral("The menu offers no %1 row").arg(a.text));
        }
        return;
    }
    if (a.row) {
        s.Menu_Click(*a.row);
        return;
    }
    if (a.menuKey) {
        s.Form_KeyPress(*a.menuKey);
        return;
    }
    const int last = int(s.Menu.size()) - 1;
    for (int i = 3; i <= last; ++i) {
        if (s.Menu[i].caption.trimmed() != kRule && menuRowCode(s.Menu[i].caption) == a.text) {
            s.Menu_Click(i);
            return;
        }
    }
    // A path: the longest code of an item with a submenu that begins the text.
    int best = -1;
    qsizetype bestLength = 0;
    for (int i = 3; i <= last; ++i) {
        const QString code = menuRowCode(s.Menu[i].caption);
        if (!s.Menu[i].submenu.isEmpty() && !code.isEmpty() && a.text.startsWith(code) && code.size() > bestLength) {
            best = i;
            bestLength = code.size();
        }
    }
    if (best < 0)
        throw TarnError(QStringLiteral("The menu has no item \"%1\"").arg(a.text));
    s.pendingPath = a.text.mid(bestLength);
    s.Menu_Click(best);
}

void applySelectAnswer(State& s, const Answer& a)
{
    if (a.row) {
        s.selboxIndex = *a.row;
    } else {
        s.selboxIndex = -1;
        for (int i = 0; i < s.Selbox.size(); ++i)
            if (s.Selbox[i].trimmed() == a.text.trimmed()) {
                s.selboxIndex = i;
                break;
            }
        if (s.selboxIndex < 0)
            throw TarnError(QStringLiteral("The list has no designation \"%1\"").arg(a.text));
    }
    s.Selbox_MouseUp();
}

// ---------------------------------------------------------------- side panels

void AnzQbSdTxt(int TabNr, const QString& AnzTxt)
{
    State& s = state();
    if (TabNr < 1 || TabNr > 2)
        throw TarnError(QStringLiteral("Subscript out of range"), ErrNo::SubscriptOutOfRange);
    QStringList& panel = s.QbSdTxt[TabNr];
    panel = QStringList(PanelRows, QString());
    // The pi of factor keys travels as its marker so that the splitter sees one
    // character per byte.
    QString list = AnzTxt;
    list.replace(PiChar, PiMark);
    int row = 0;
    int pos = 1;
    do {
        QString piece = ParseString(pos, list, QStringLiteral(","));
        if (piece.isEmpty())
            continue;
        piece.replace(PiMark, PiChar);
        if (row < panel.size())
            panel[row] = piece;
        else
            panel << piece; // more rows than the panel has: it grows and scrolls
        ++row;
    } while (pos != 0);
    Refresh();
}

// ---------------------------------------------------------------- menu interpreter

namespace {
// Where a menu of the chain stands: its file and chapter, the text and the
// designation shown for the items chosen before it, its depth and its place.
struct MenuLevel {
    QString APop, Kap, AnzTxt, Bez;
    int PopNr = 0;
    int left = 0;
    int top = 0;
};

// Layout: the band, the title, then the rows overlapping by 15 twips.
void layOutMenu(State& s, const MenuRows& m, int left, int top)
{
    const int n = m.last();
    s.Menu.assign(std::max(n + 1, 2), MenuLabel{});
    for (int i = 0; i < int(s.Menu.size()); ++i) {
        MenuLabel& l = s.Menu[i];
        l.left = left;
        l.height = LabelHeight;
        l.top = i == 0 ? top : i == 1 ? top + LabelHeight - 15 : top + (LabelHeight - 15) * i;
        l.visible = true;
        if (i >= 1 && i <= n) {
            l.caption = QString(5, u' ') + m.rows[i].text;
            l.hotKey = m.rows[i].hotKey;
            l.submenu = m.rows[i].submenu;
        }
    }
    s.Menu[1].bold = true;
    s.Menu1.resize(2);
}

// Waits for a row: clicked or by its hot key; a row marked "-" gives the one
// above it. Nullopt when nobody can choose.
std::optional<int> waitForRow(State& s, const MenuRows& m, const QString& key)
{
    const int n = m.last();
    s.ZeilenAnz = n;
    s.Tag = QStringLiteral("0");
    s.TastWahl.clear();
    s.TastWarten = true;
    waitForChoice(key, n >= 1 ? m.rows[1].text : QString());
    s.TastWarten = false;

    if (std::exchange(s.abandoned, false)) {
        s.resetLabels();
        return std::nullopt;
    }
    if (!s.TastWahl.isEmpty()) {
        const QString typed = s.TastWahl.toUpper();
        for (int r = n; r >= 1; --r)
            if (m.rows[r].hotKey == typed) {
                s.WahlZeile = r;
                break;
            }
    }
    int row = (s.WahlZeile >= 0 && s.WahlZeile <= n) ? s.WahlZeile : 0;
    while (row > 0 && m.rows[row].state == QLatin1String("-"))
        --row;
    s.WahlZeile = row;
    return row;
}

// The return value of a standard item: help 4, back 2, cancel 1; 0 for any
// other row.
int standardItemMode(const QString& caption, const StandardItems& items)
{
    if (caption == items.help)
        return 4;
    if (caption == items.back)
        return 2;
    if (caption == items.cancel)
        return 1;
    return 0;
}

// Submenu: one column further right, below a heading box with the item. Its
// code is appended to kz when a choice ends it; the result is its return value.
int runSubmenu(const MenuLevel& level, const QString& caption, const QString& submenu, QString& kz)
{
    State& s = state();
    const QString T = level.AnzTxt + kz;
    const QString C = submenu != QLatin1String(">") ? submenu : level.Kap == QLatin1String("hg") ? kz : level.Kap + kz;
    HeadingBox& box = s.Vortext[level.PopNr];
    box.text = caption.left(std::max<qsizetype>(0, caption.size() - 4));
    box.left = level.left;
    box.top = level.top;
    box.visible = true;
    const int boxHeight = int(std::lround(TextHeight * 1.2));
    AnzQbSdTxt(1, level.Bez + T);

    int subTop = level.top + boxHeight;
    QString K2;
    const int sub = BEBacTecWahl(level.APop, C, T, K2, level.Bez, level.PopNr + 1, subTop, 3);

    if (level.PopNr > 0) {
        s.Vortext.erase(level.PopNr);
    } else {
        HeadingBox& first = s.Vortext[0];
        first.text.clear();
        first.left = 240;
        first.top = 120;
    }
    if (sub == 0)
        kz += K2;
    return sub;
}
} // namespace

int BEBacTecWahl(const QString& APop, const QString& Kap, const QString& AnzTxt, QString& kz, const QString& Bez,
                 int PopNr, int& ComTop, int AddButt)
{
    State& s = state();
    const int lang = prog().LangNr;
    s.ZeilenAnz = 1;
    if (ComTop == 0)
        ComTop = 400;
    const int left = checked16(long(PopNr) * 800 + 400);
    const StandardItems items{AddButt, ResStr(1505, 0, lang), ResStr(1504, 0, lang), ResStr(1501, 0, lang)};
    s.HotKeys.clear();
    kz.clear();
    const QString file = APop + QStringLiteral(".pop");
    const QString key = dialogueKey(APop, Kap);
    const MenuLevel level{APop, Kap, AnzTxt, Bez, PopNr, left, ComTop};

    for (;;) {
        // 1. The chapter's rows
        const MenuChapter chapter = readMenuChapter(file, Kap);
        if (!chapter.found) {
            kz.clear();
            return 0;
        }
        s.WahlZeile = 0;
        const MenuRows m = buildMenuRows(chapter.lines, items);
        s.HotKeys = m.hotKeys;
        layOutMenu(s, m, left, ComTop);

        // 2. The choice
        const std::optional<int> chosen = waitForRow(s, m, key);
        if (!chosen)
            return 1;
        const int row = *chosen;
        const QString S = row > 0 ? s.Menu[row].caption.trimmed() : QString();
        s.resetLabels();
        if (m.rows[row].state == QLatin1String("0"))
            continue;
        if (const int mode = standardItemMode(S, items); mode > 0)
            return mode;

        // 3. The item's code, and its submenu
        kz = menuRowCode(S);
        const QString submenu = m.rows[row].submenu;
        if (submenu.isEmpty())
            return 0;
        const int sub = runSubmenu(level, S, submenu, kz);
        if (sub == 0 || sub == 1)
            return sub;
        if (sub == 2)
            AnzQbSdTxt(1, Bez + AnzTxt);
    }
}

// ---------------------------------------------------------------- entry commands

void RunPrognoseBE(QString& Ret)
{
    ErrPtnr::CallStack(QStringLiteral("[frmBEProgEin] Public Sub RunPrognoseBE(Ret$)"));
    ErrPtnr::CallStackParam(QStringLiteral("Ret$"), Ret);
    State& s = state();
    auto step = [](auto&& body) {
        return ErrPtnr::guarded(QStringLiteral("frmBEProgEin"), QStringLiteral("RunPrognoseBE"), false, [&] {
            body();
            return true;
        });
    };

    if (!step([&] {
            Load();
            const qsizetype eq = Ret.indexOf(u'=');
            s.caption = windowCaption(1759, eq >= 0 ? Ret.mid(eq + 1) : Ret);
            s.ZeilenAnz = 1;
            Refresh();
        }))
        return;

    if (Ret == QLatin1String("Select")) {
        bool chosen = false;
        if (!step([&] {
                Ret.clear();
                if (s.Selbox.isEmpty())
                    return; // nothing to choose from: the command ends as cancelled
                s.selboxVisible = true;
                HeadingBox& box = s.Vortext[0];
                box.text = QStringLiteral("   ") + ResText(QStringLiteral("114"), prog().LangNr, true) +
                           QStringLiteral("   ");
                box.fontSize = 9;
                box.bold = true;
                box.visible = true;
                while (Ret.isEmpty()) {
                    s.selboxIndex = -1;
                    s.selboxTag = QStringLiteral("1");
                    Question q;
                    q.key = QStringLiteral("Selbox");
                    q.text = box.text.trimmed();
                    q.choices = s.Selbox;
                    const Answer a = ui().askSelection(q, s);
                    if (a.cancelled)
                        break;
                    if (!a.applied)
                        applySelectAnswer(s, a);
                    if (s.selboxIndex >= 0 && s.selboxIndex < s.Selbox.size())
                        Ret = s.Selbox[s.selboxIndex].trimmed();
                }
                chosen = !Ret.isEmpty();
                box = HeadingBox{};
                s.Selbox.clear();
                s.selboxVisible = false;
                Refresh();
            }))
            return;
        if (!chosen) {
            Ret = QStringLiteral("ABBRUCH");
            Unload();
            return;
        }
    }
    if (!step([&] { s.procedures.PrognoseBt(Ret); }))
        return;
    step([] { Unload(); });
}

void RunDiaStress(QString& Ret, QObject* Owner, int M_Edit)
{
    Load(Owner);
    State& s = state();
    s.caption = windowCaption(1761, Ret);
    s.ZeilenAnz = 1;
    Refresh();
    struct Unloader {
        ~Unloader() { Unload(); }
    } unloader;
    s.procedures.PosStressEingabe(Ret, M_Edit);
}

QString RunEingabe()
{
    Load();
    State& s = state();
    s.caption = windowCaption(1760);
    s.ZeilenAnz = 1;
    Refresh();
    struct Unloader {
        ~Unloader() { Unload(); }
    } unloader;
    QString R;
    s.procedures.EingabeBauteil(R);
    return R;
}

namespace {
QString resultWord(int mode, const QString& chosen)
{
    switch (mode) {
    case 0: return chosen;
    case 1: return QStringLiteral("ABBRUCH");
    case 2: return QStringLiteral("BACK");
    case 4: return QStringLiteral("HELP");
    default: return QString();
    }
}

struct SmallWindow {
    SmallWindow(int captionOffset, QObject* owner)
    {
        Load(owner);
        makeSmall();
        state().caption = windowCaption(captionOffset);
        state().ZeilenAnz = 1;
        Refresh();
    }
    ~SmallWindow() { Unload(); }
};
} // namespace

QString RunWahlBacsonst(const QString& DiaAdr, const QString& PopStr, int CapNr, QObject* Owner, int AddButt)
{
    SmallWindow window(1759 + CapNr, Owner);
    QString K;
    int top = 800;
    const int M = BEBacTecWahl(prog().LangDir + DiaAdr, PopStr, QString(), K, QString(), 2, top, AddButt);
    return resultWord(M, K);
}

QString RunWahlGecsonst(int CapNr, QObject* Owner)
{
    SmallWindow window(1759 + CapNr, Owner);
    QString G, P, E;
    const int M = BEGehWahl(G, P, E, 0);
    return resultWord(M, G);
}

void RunPrognoseQSL(const QString& progmodus)
{
    SmallWindow window(1763, nullptr);
    state().procedures.PrognoseQsl(QString(), progmodus, false);
}

} // namespace frmBEProgEin
