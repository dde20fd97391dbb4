#pragma once
#include "frame/entrycheck.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The character-screen engine as a headless model. A screen is built from its
// chapter lines into what the window shows (drawn texts on an 80 x 25 cell raster,
// action labels, toggles, entry fields, buttons); the window, a scripted test or a
// batch run then works on it through the user actions below until it has ended,
// and the caller reads the result word, the key result and the edited values.
// Texts are held in memory form (OEM code page 850 bytes as characters); the
// window converts them for display.

// A piece of drawn text at a cell; attr is the attribute letter of its colours.
struct DrawnText {
    int col = 0;
    int row = 0;
    QString text;
    QChar attr;
};

// Colours of the PC text-mode palette (0..15).
struct CellColours {
    int fg = 0;
    int bg = 0;
};
// Colours of an attribute letter from the configuration string (key "At" + letter:
// text colour = value mod 16, background = value / 16). A missing key falls back to
// a readable default of that letter rather than black on black.
CellColours attributeColours(QChar attr);
// Window colours of a colour scheme letter ("W", "E", "B", "R").
CellColours schemeColours(QChar scheme);

struct ScreenButton {
    int place = 1;   // 1..4 from left to right
    QString caption; // OEM, like every text of a screen; with its "&" accelerator
    QString tag;     // what a click makes of the result word (see DiaModel)
    QString toolTip; // OEM
    bool isDefault = false; // Enter clicks it
    bool isCancel = false;  // Escape clicks it
    double left = 0, top = 0, width = 0, height = 0; // in cells
};

// What every screen kind shares: drawn texts, buttons, result word and the ways
// to end. Result words: a button tagged "ESC"/"DIKESC" gives "ABBRUCH",
// "BACK"/"DIKBACK" gives "BACK", "ENTER"/"EINGABE" leaves the word as it is, any
// other tag becomes the word.
class DiaModel {
public:
    virtual ~DiaModel() = default;

    QString caption;     // window caption (memory form); empty keeps the previous one
    QChar scheme{u'B'};  // KoloR letter of the window colours
    int columns = 80;
    int rows = 25;
    QString mode;        // "Q" key choice, "" input, "E" input with entry fields, "BTX" text page
    QList<DrawnText> texts;
    QList<ScreenButton> buttons;

    QString resultWord;
    QString keyResult;
    bool ended() const { return mEnded; }

    // User actions, as the window forwards them.
    virtual void pressKey(QChar c) = 0; // a typed character (not Enter or Escape)
    virtual void pressEnter() = 0;
    virtual void pressEscape();
    void clickButton(int index);
    // The close box: refused (false) while no key has been chosen, unless the
    // screen offers no other way out at all; then it cancels.
    bool closeBox();
    // Ends the screen with "ABBRUCH" whatever it offers (no person to answer).
    void forceCancel();

    // Sets the window colours by the first letter of code; other letters change nothing.
    void KoloR(const QString& code);
    // Draws s at (col, row); a span between characters 16 and 17 is drawn inverted
    // with attribute "h" and col is left where the first span starts.
    void PRIF(int& col, int row, const QString& s, QChar att);

    int buttonIndex(const QString& tag) const; // -1 when none

protected:
    void end();
    virtual void finish() {}
    // Whether a button with this tag may end the screen now (entries checked).
    virtual bool mayEnd(const QString& tag) { (void)tag; return true; }
    virtual bool hasWayOut() const = 0;
    // Lays the buttons out (height 1.5 cells, equal widths, top 22.5 cells).
    void layoutButtons();
    void addButton(ScreenButton b);
    bool mEnded = false;
};

struct ActionLabel {
    int col = 0;
    int row = 0;
    QChar key; // as written; clicking it sends this key
};

struct ToggleControl {
    enum Kind { CheckBox, Label, Raw };
    Kind kind = CheckBox;
    QChar key; // as written
    int number = 0;
    QStringList options;
    QString caption; // check box caption (" &" + key or option)
    int col = 0, row = 0, width = 0;
    int value = 0;
    bool exclusive = false;
    // What a two-option label shows: a blank, the key, a blank and the option of the value.
    QString labelText() const;
};

struct EntryField {
    int index = 0; // index into the caller's entry array
    int col = 0, row = 0, width = 0;
    QString text;  // memory form
    ValueCheck check = nullptr; // the kind of number the field takes; null for texts
};

// Input screen (DIN) and key-choice screen (DIK).
class DiaScreen : public DiaModel {
public:
    enum class Kind { Input, KeyChoice };
    Kind kind = Kind::Input;

    QList<ActionLabel> actions;
    QList<ToggleControl> toggles;
    QList<EntryField> fields;

    QString keyString;   // key choice: the upper-case action keys
    QString keyTypes;    // input: ",K=A" per action key, ",K=B[n]" per toggle
    QString toggleIndex; // input: key=toggle number
    QString optionLists; // input: text of the last "B" line
    QString keyList;     // input: ",13,...," of the last drawn line
    QString edited;      // input: the edited key=value list
    QStringList entryCopy;
    bool separatorsAllowed = false; // key "VarS": "=" and "," may be typed

    // The entry refused by the last Enter or button: why, and which field
    // (position in fields; -1 when none). The screen stays open; whoever shows
    // it says why (takeRefusal) and puts the user back into that field.
    QString refusal;
    int refusedField = -1;
    QString takeRefusal();

    // Build from the chapter's lines. addButt: bits 1 cancel, 2 back, 4 help;
    // std::nullopt when the caller gave none.
    void buildInput(const QStringList& lines, const QString& startBis, const QStringList& anEin, const QString& ret,
                    std::optional<int> addButt);
    void buildKeyChoice(const QStringList& lines, std::optional<int> addButt);

    void pressKey(QChar c) override;
    void pressEnter() override;
    void pressEscape() override;
    // A click on a check box (or its accelerator).
    void clickCheckBox(int toggleNumber);
    // Whether a typed character (Unicode) may enter an entry field; out: its memory form.
    bool typeAllowed(QChar unicode, QChar* memory) const;
    // What a character typed into field fieldPosition enters (Unicode): the
    // character, the decimal point for the comma of a numeric field under the
    // German interface, or a null character when it is refused.
    QChar typedInto(int fieldPosition, QChar unicode) const;
    void setFieldText(int fieldPosition, const QString& memoryText);
    int fieldOfIndex(int index) const; // position in fields, -1 when none
    ToggleControl* toggleOfKey(QChar key);
    // Brings toggle key to value (0 or 1) as the user would: by its key or its box.
    // False when the screen has no such toggle or it cannot be switched.
    bool setToggle(QChar key, int value);

protected:
    void finish() override;
    bool hasWayOut() const override;
    bool mayEnd(const QString& tag) override;

private:
    // Checks every numeric field that holds text; false (refusal set) at the first bad one.
    bool fieldsAccepted();
    void flip(QChar c);
    void drawLine(QChar type, const QString& text, int& row, int col);
    void makeRowButtons(const QString& rowText, bool cancelWanted, bool backWanted, bool helpWanted);
    void makeExtraButtons(bool cancel, bool back, bool help, bool keyChoice);
};

// Extra-button bits of a valid AddButt value (1..7); 0 for any other value.
int addButtBits(std::optional<int> addButt);
