#pragma once
#include "frame/interaction.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <vector>

class QObject;

// The selection-menu window frmBEProgEin without its widgets: the rows of the menu
// being shown, the heading boxes of the open submenu levels, the two side panels,
// the designation list, and the window state that the menus share with the
// window's events. The menu interpreter, the housing choice and the entry
// commands work on this state; the window (frmbeprogein.cpp) only shows it and
// forwards clicks and keys to its events.
//
// Waiting for a choice is a question through ui():
//   kind "menu", key = menu file without the language directory + "#" + chapter
//     ("btx\\bac#hg"), or "GECRTH#Art" / "GECRTH#Gec" / "GECRTH#Pin" for the
//     housing menus; Question::model points to the State. An answer that the
//     window did not apply is played on the state:
//       cancelled or text "ABBRUCH" -> the Cancel row (the menu ends with cancel
//                                      also when it offers no Cancel row)
//       text "BACK" / "HELP"        -> the Back / Help row
//       row = n                     -> a click on row n
//       menuKey = 'Z'               -> that key typed
//       text = an item's code       -> that item; a text that begins with the code
//                                      of an item with a submenu chooses it and hands
//                                      the rest to the submenu ("15": 1, then 5)
//   kind "select", key "Selbox": the designation list; text = the chosen
//     designation, or row = its index from 0; cancelled ends the command.
// Loading, changes of the side panels and unloading are told with
// ui().menuWindowChanged(key "load" / "update" / "unload").
namespace frmBEProgEin {

// One label of a row column. Positions are in twips from the window's corner.
struct MenuLabel {
    QString caption;
    QString hotKey;
    QString submenu; // menus: the submenu field of the row
    bool bold = false;
    bool visible = false;
    int left = 0, top = 0, height = 0;
};

// A heading box (Vortext): the chosen item of an open submenu level, or the
// heading of the designation list.
struct HeadingBox {
    QString text;
    int left = 240, top = 120;
    double fontSize = 8;
    bool bold = false;
    bool visible = false;
};

// The procedures that the entry commands start. The subsystems above the
// dialogue carry them out; they are links of the program (frame/links.h), which
// every new window state copies; tests replace them in the state.
struct Procedures {
    std::function<void(const QString& desc, const QString& progmodus, bool ADruck)> PrognoseQsl;
    std::function<void(const QString& key)> PrognoseBt;
    std::function<void(QString& Ret)> EingabeBauteil;
    std::function<void(QString& Pos, int M_Edit)> PosStressEingabe;
};

inline constexpr int LabelHeight = 240; // twips: label 0 (the band) and every row
inline constexpr int TextHeight = 210;  // twips: one line in the window font
inline constexpr int PanelRows = 16;

class State {
public:
    State();

    // ---- the window
    bool loaded = false;
    QString caption;
    bool smallSize = false;   // the commands' small size, side panels hidden
    QObject* owner = nullptr; // the window it is shown over; null: the main window
    std::array<QStringList, 3> QbSdTxt; // side panels 1 and 2, PanelRows rows each
    QStringList Selbox;
    bool selboxVisible = false;
    QString selboxTag;
    int selboxIndex = -1; // the selected item; -1 none
    std::map<int, HeadingBox> Vortext;
    std::vector<MenuLabel> Menu;  // elements 0 (band) and 1 (title) always exist
    std::vector<MenuLabel> Menu1; // the right column of the housing menus

    // ---- window state shared with the events
    QString HotKeys;
    int WahlZeile = 0;
    QString TastWahl;
    bool TastWarten = false;
    int ZeilenAnz = 1;
    bool Spalte2 = false;
    QString Tag = QStringLiteral("0");

    // ---- not in the window: a scripted path not yet used, and a cancel answered
    // to a menu that offers no Cancel row.
    QString pendingPath;
    bool abandoned = false;

    Procedures procedures;

    // The entry texts of the entry screens asked in this window, by entry-field
    // digit (element 0 unused); each entry dimensions it anew.
    QStringList EingabeFelder;

    // ---- events
    void Menu_Click(int index);
    void Menu1_Click(int index) { Menu_Click(index); }
    void Form_KeyPress(QChar key);
    void Selbox_KeyPress(int keyAscii);
    void Selbox_MouseUp();
    // The keys every menu takes besides its hot keys, while it waits: Escape
    // chooses the Cancel row, or the Back row where there is no Cancel row (a
    // menu with neither keeps waiting); the arrow keys move between the rows
    // that can be chosen and Enter chooses the row they reached.
    void escapePressed();
    bool choosable(int row) const;
    // The next row that can be chosen from row in direction step (+1 down, -1
    // up), wrapping around; from a row below 3 the first (or last) one; -1 when
    // the menu has none.
    int nextChoosableRow(int row, int step) const;
    // The user's close box never closes the window.
    static bool Form_QueryUnload() { return true; }

    // Labels 2 and up removed, 0 and 1 hidden; the initial state of both columns.
    void resetLabels();
};

// The state of the program's one selection-menu window (created on first use).
State& state();

// Loads the window (Form_Load) and shows it over owner; a loaded window is
// loaded afresh. The designation list keeps its items, which callers fill first.
void Load(QObject* owner = nullptr);
// Unloads the window: rows, heading boxes, list items and side panels are gone.
void Unload();
// Tells a shown window that the state changed.
void Refresh();

// Shows the comma list AnzTxt in side panel TabNr (1 or 2), one item per row;
// empty items take no row.
void AnzQbSdTxt(int TabNr, const QString& AnzTxt);

// Shows chapter Kap of menu file APop (".pop" is appended) and returns 0 chosen
// (kz the codes of the path, from the outermost level; empty when the chapter
// does not exist), 1 Cancel, 2 Back, 4 Help. AnzTxt: the codes of the outer
// levels, echoed with the prefix Bez in side panel 1 while a submenu is open.
// PopNr places the column (PopNr x 800 + 400 twips); ComTop 0 becomes 400.
// AddButt: 1 Cancel, 2 Back, 4 Help.
int BEBacTecWahl(const QString& APop, const QString& Kap, const QString& AnzTxt, QString& kz, const QString& Bez,
                 int PopNr, int& ComTop, int AddButt);

// Housing choice from table GECRTH: kind, housing, and with MPin != 0 the pin
// count and the Her text. Returns 0 chosen, 1 cancelled, 2 Back in the kind menu,
// or the result of the chip-housing key screen.
int BEGehWahl(QString& Gec, QString& Pin, QString& Her, int MPin);

// ---- entry commands
void RunPrognoseBE(QString& Ret);
void RunDiaStress(QString& Ret, QObject* Owner, int M_Edit);
QString RunEingabe();
QString RunWahlBacsonst(const QString& DiaAdr, const QString& PopStr, int CapNr, QObject* Owner, int AddButt);
QString RunWahlGecsonst(int CapNr, QObject* Owner = nullptr);
void RunPrognoseQSL(const QString& progmodus);

// Plays an answer of kind "menu" or "select" that no window applied.
void applyMenuAnswer(State& s, const Answer& a);
void applySelectAnswer(State& s, const Answer& a);

} // namespace frmBEProgEin
