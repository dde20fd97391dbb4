#include "dialogue/beprogein.h"
#include "frame/workslots.h"
#include "dialogue/dia.h"
#include "frame/database.h"
#include "frame/editvar.h"
#include "frame/errors.h"
#include "frame/paramstring.h"
#include "frame/program.h"
#include "frame/restext.h"

#include <utility>

// The housing choice: up to three menus built from table GECRTH (kind, housing,
// pin count), each with a free entry through the value-input dialog.

namespace frmBEProgEin {

namespace {

const QString kLeftIndent(5, u' ');
const QString kSeparator = QStringLiteral("--------");

struct Row {
    QString left, right;
};

Row separatorRow()
{
    return {kSeparator, QString()};
}

QString message(const char* number, const QStringList& args = {})
{
    return ResText(QString::fromLatin1(number), prog().LangNr, true, args);
}

Database& systemDatabase()
{
    Database* db = prog().SystDb.get();
    if (!db)
        throw DbError(QStringLiteral("Object variable not set: SystDb"), 91);
    return *db;
}

// Shows the rows with separator, Back and Cancel behind them and returns the
// chosen row's left caption without its surrounding blanks (state().WahlZeile
// holds the row).
QString showAndWait(std::vector<Row> rows, const QString& key, const QString& back, const QString& cancel)
{
    State& s = state();
    rows.push_back(separatorRow());
    rows.push_back({back, QString()});
    rows.push_back({cancel, QString()});

    const int last = int(rows.size()); // rows[0] is row 1 (the title)
    s.Menu.assign(last + 1, MenuLabel{});
    s.Menu1.assign(last + 1, MenuLabel{});
    for (int i = 0; i <= last; ++i) {
        for (auto* column : {&s.Menu, &s.Menu1}) {
            MenuLabel& l = (*column)[i];
            l.left = 3600; // the window lays the right column out behind the left one
            l.top = 400 + i * (LabelHeight - 15);
            l.height = LabelHeight;
            l.visible = i >= 1;
            l.bold = i == 1;
        }
        if (i >= 1) {
            s.Menu[i].caption = kLeftIndent + rows[i - 1].left;
            s.Menu1[i].caption = rows[i - 1].right;
        }
    }
    s.Menu[last - 1].hotKey = back.mid(1, 1);
    s.Menu[last].hotKey = cancel.mid(1, 1);

    s.ZeilenAnz = last;
    s.Spalte2 = true;
    s.Tag = QStringLiteral("0");
    s.TastWahl.clear();
    s.TastWarten = true;
    while (s.Tag == QLatin1String("0")) {
        Question q;
        q.key = key;
        q.text = rows.front().right.isEmpty() ? rows.front().left : rows.front().right;
        for (int i = 1; i <= last; ++i)
            q.choices << s.Menu[i].caption.trimmed();
        const Answer a = ui().askMenu(q, s);
        if (!a.applied)
            applyMenuAnswer(s, a);
    }
    s.TastWarten = false;
    if (std::exchange(s.abandoned, false))
        s.WahlZeile = last; // nobody can choose: the Cancel row
    if (!s.TastWahl.isEmpty()) {
        if (s.Menu[last].hotKey == s.TastWahl)
            s.WahlZeile = last;
        else if (s.Menu[last - 1].hotKey == s.TastWahl)
            s.WahlZeile = last - 1;
    }
    s.Spalte2 = false;
    const int row = (s.WahlZeile >= 0 && s.WahlZeile <= last) ? s.WahlZeile : 0;
    s.WahlZeile = row;
    const QString choice = s.Menu[row].caption.trimmed();
    s.resetLabels();
    return choice;
}

bool isSeparator(const QString& choice)
{
    return choice == kSeparator;
}

// The pin count of the free entry: asked until it is a whole number (or empty).
int askPin(QString& Pin)
{
    QString typed;
    for (;;) {
        QString answer;
        const int r = frmEdit::EditVar(QStringLiteral("Pin"), typed, answer, QString(), nullptr, false, true);
        if (r != 0)
            return r;
        typed = GetParam(answer, QStringLiteral("Pin"));
        // The pin count selects thermal resistances later on; a text there would
        // match nothing and pass silently.
        if (frmEdit::IsDigit(typed.trimmed())) {
            Pin = typed.trimmed();
            return 0;
        }
        MsgBoxRes(QStringLiteral("425"), Mb::OKOnly, prog().LangNr);
    }
}

// How a menu of the housing choice ends: a choice made, back to the kind menu
// (Back of a later menu), Back of the kind menu, or Cancel.
enum class Outcome { Chosen, BackToKinds, Back, Cancel };

struct MenuTexts {
    QString back, cancel, other;
};

// The kind menu, in groups by the table's sort order.
Outcome chooseKind(Database& db, const MenuTexts& t, QString& kind)
{
    State& s = state();
    Snapshot kinds =
        db.snapshot(QStringLiteral("SELECT DISTINCT [Art], [Arttext], [Sort] FROM [GECRTH] ORDER BY [Sort], [Art]"));
    std::vector<Row> rows{{message("484"), message("488")}};
    QString previousSort;
    bool first = true;
    for (kinds.moveFirst(); !kinds.eof(); kinds.moveNext()) {
        const QString sort = kinds.text(QStringLiteral("Sort"));
        if (first || sort != previousSort)
            rows.push_back(separatorRow());
        first = false;
        previousSort = sort;
        const QString art = kinds.text(QStringLiteral("Art"));
        rows.push_back({art, art == QLatin1String("EXTRA") ? message("492") : kinds.text(QStringLiteral("Arttext"))});
    }
    QString choice;
    do {
        s.WahlZeile = 0;
        choice = showAndWait(rows, QStringLiteral("GECRTH#Art"), t.back, t.cancel);
    } while (isSeparator(choice) || s.WahlZeile < 3);
    if (choice == t.back)
        return Outcome::Back;
    if (choice == t.cancel)
        return Outcome::Cancel;
    kind = choice;
    return Outcome::Chosen;
}

// The housing number typed for the free entry of a kind; asked until given.
Outcome askHousingNumber(const QString& kind, QString& code)
{
    const QString name = kind + QStringLiteral("-Nr.");
    QString number;
    while (number.isEmpty()) {
        QString answer;
        const int r = frmEdit::EditVar(name, QString(), answer, QString(), nullptr, false, true);
        if (r == 1)
            return Outcome::Cancel;
        if (r == 2)
            return Outcome::BackToKinds;
        number = GetParam(answer, name);
    }
    code = kind + number;
    return Outcome::Chosen;
}

// The housings of the kind; a kind without housings of its own is the housing.
Outcome chooseHousing(Database& db, const MenuTexts& t, const QString& kind, QString& code)
{
    State& s = state();
    Snapshot cases =
        db.snapshot(QStringLiteral("SELECT [Gec], [Comment%1] FROM [GECRTH] WHERE [Art] = ? AND [Gec] <> [Art]")
                        .arg(prog().LangNr),
                    {kind});
    if (cases.recordCount() == 0) {
        code = kind;
        return Outcome::Chosen;
    }
    const bool extra = kind == QLatin1String("EXTRA");
    std::vector<Row> housings{{message("484"), message("489")}};
    if (extra)
        housings.push_back({QString(), message("491")});
    housings.push_back(separatorRow());
    for (cases.moveFirst(); !cases.eof(); cases.moveNext())
        housings.push_back({cases.text(0), cases.text(1)});
    if (!extra) {
        housings.push_back(separatorRow());
        housings.push_back({t.other + u' ' + kind + QStringLiteral("-Nr."), QString()});
    }
    QString choice;
    do {
        s.WahlZeile = 0;
        choice = showAndWait(housings, QStringLiteral("GECRTH#Gec"), t.back, t.cancel);
    } while (choice.isEmpty() || isSeparator(choice) || s.WahlZeile < 3);
    if (choice == t.back)
        return Outcome::BackToKinds;
    if (choice == t.cancel)
        return Outcome::Cancel;
    if (choice.contains(t.other))
        return askHousingNumber(kind, code);
    const qsizetype tab = choice.indexOf(u'\t');
    code = tab >= 0 ? choice.left(tab) : choice;
    return Outcome::Chosen;
}

// The pin count of the housing: from its rows in the table, or typed; none for
// a chip.
Outcome choosePin(Database& db, const MenuTexts& t, const QString& code, QString& Pin)
{
    State& s = state();
    Snapshot pins =
        db.snapshot(QStringLiteral("SELECT [Pin],[Rthjamin] FROM [GECRTH] WHERE [Gec] = ? ORDER BY [Pin]"), {code});
    bool freePin = true;
    QString choice;
    if (pins.recordCount() > 0 && pins.value(0).toDouble() != 0) {
        std::vector<Row> rows{{message("511", {code}), QString()}, {message("509"), message("510")}, separatorRow()};
        for (pins.moveFirst(); !pins.eof(); pins.moveNext())
            rows.push_back({pins.text(0), pins.text(1)});
        rows.push_back(separatorRow());
        rows.push_back({t.other, QString()});
        do {
            s.WahlZeile = 0;
            choice = showAndWait(rows, QStringLiteral("GECRTH#Pin"), t.back, t.cancel);
        } while (isSeparator(choice) || s.WahlZeile < 3);
        if (choice == t.back)
            return Outcome::BackToKinds;
        if (choice == t.cancel)
            return Outcome::Cancel;
        freePin = choice == t.other;
    }
    if (code == QLatin1String("CHIP"))
        return Outcome::Chosen;
    if (!freePin) {
        Pin = choice;
        return Outcome::Chosen;
    }
    const int r = askPin(Pin);
    return r == 1 ? Outcome::Cancel : r == 2 ? Outcome::BackToKinds : Outcome::Chosen;
}

} // namespace

int BEGehWahl(QString& Gec, QString& Pin, QString& Her, int MPin)
{
    State& s = state();
    const int lang = prog().LangNr;
    const MenuTexts texts{ResStr(1504, 0, lang), ResStr(1501, 0, lang), message("493")};
    s.ZeilenAnz = 1;
    s.HotKeys = texts.back.mid(1, 1) + u',' + texts.cancel.mid(1, 1);
    s.WahlZeile = 0;
    Database& db = systemDatabase();

    for (;;) { // the kind menu: where every Back of a later menu comes back to
        Pin.clear();
        Her.clear();
        // 1. Kind
        QString kind;
        const Outcome k = chooseKind(db, texts, kind);
        if (k == Outcome::Back)
            return 2;
        if (k == Outcome::Cancel)
            return 1;
        // 2. Housing
        QString code;
        const Outcome h = chooseHousing(db, texts, kind, code);
        if (h == Outcome::BackToKinds)
            continue;
        if (h == Outcome::Cancel)
            return 1;
        if (MPin == 0) {
            Gec = code;
            return 0;
        }
        // 3. Pin count
        const Outcome p = choosePin(db, texts, code, Pin);
        if (p == Outcome::BackToKinds)
            continue;
        if (p == Outcome::Cancel)
            return 1;
        // 4. Maker and, for a DIK housing, its variant
        Gec = code;
        Snapshot her = db.snapshot(QStringLiteral("SELECT [Her] FROM [GECRTH] WHERE [Gec] = ?"), {Gec});
        if (her.recordCount() > 0)
            Her = her.text(0);
        if (Gec == QLatin1String("DIK")) {
            AnzQbSdTxt(1, prog().WorkStr[Slot::Q] + QStringLiteral(",Gec=") + Gec);
            QString key;
            const int r = frmDia::DIK(prog().LangDir + QStringLiteral("btx\\vftbzf"), QStringLiteral("dikmil"), key);
            if (r == 2)
                continue;
            if (r == 0 && key != QLatin1String("0"))
                Gec += key;
            return r;
        }
        return 0;
    }
}

} // namespace frmBEProgEin
