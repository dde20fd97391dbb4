#pragma once
#include <QChar>
#include <QString>
#include <array>
#include <optional>

// The Q-list head dialog frmQslNeu without its widgets: the head fields of one
// Q-list of the current database and the command the dialog carries out with them
// (0 new, 1 open, 2 delete, 4 copy, 5 export). The dialog stays open after new,
// open and delete, so that the user can act on several Q-lists in a row.
//
// frmQslNeu::Run asks it through ui(): kind "qslneu", key "frmQslNeu",
// Question::model points to the model. The window shows it, forwards the user's
// actions and answers with applied = true once the tag is not "0". Any other
// answer is played on it: cancelled closes the dialog; otherwise values[i] fill the
// fields of index i, the command button is pressed once and the dialog closes.
// A character typed into a Q-list head field or the browser's filter, as it is
// stored (OEM); nullopt with beep when the field refuses it ("," and "=" separate
// items, and characters the ANSI code page lacks cannot be stored).
std::optional<QChar> headFieldKey(QChar c, bool& beep);

class QslNeuModel {
public:
    // Field indexes; the window names its key labels by them ("EQSLKey<i>").
    enum Field { Typ = 0, Yk = 1, An = 2, Tec = 3, Code = 4, Anlage = 5, Be = 6, Ln = 7 };
    static constexpr int FieldCount = 8;
    static const std::array<const char*, FieldCount> Keys;       // "Typ", "Yk", ... "Ln"
    static const std::array<int, FieldCount> MaxLength;          // 0: no limit
    static const std::array<int, FieldCount> TabOrder;           // field indexes in tab order

    explicit QslNeuModel(int runmode = 0, const QString& QSL = QString());

    int mode = 0;      // a mode outside the known ones counts as 0
    int copyKind = 0;  // modes 4 and 5: the kind of copy
    QString tag = QStringLiteral("0"); // not "0": the dialog ends
    std::array<QString, FieldCount> fields;

    // Captions, localised at load.
    QString title, commandCaption, exitCaption;
    std::array<QString, FieldCount> labels;
    std::array<QString, 2> frames;
    bool lnVisible() const { return mode != 0; }
    bool extrasVisible() const { return mode == 0; } // the frame of Tec, Code, Anlage, Be

    // Load: captions and, for a new Q-list, today's date as the description.
    void Form_Load();

    // A key typed into a field: the character to insert, or nothing. beep is set
    // when the key is refused. Control codes 3 (copy) and 8 (backspace) pass as they
    // are; Ctrl+P (16) inserts the pi mark; text is kept in the OEM code page.
    std::optional<QChar> keyTyped(QChar c, bool& beep) const { return headFieldKey(c, beep); }
    // Leaving a field turns its text to upper case.
    void fieldLeft(int index);

    // The head list of the filled fields (Typ, Yk, An, Tec, Code, Anlage, Be, Ln).
    QString headList() const;

    // The command button. Returns the field to focus afterwards (-1: the one that
    // had the focus). Message 10 and nothing else when no designation is given.
    int CmdQSL_Click();
    // A new Q-list's head that the editor's save would refuse (an item number
    // YkNorm rejects, a designation over 20 characters, an apostrophe) gets the
    // save's message; returns the field at fault, -1 when the head is good.
    int refusedHead() const;
    // The close button, and the close box (refused while the tag is "0").
    void CmdExit_Click() { tag = QStringLiteral("1"); }
    bool Form_Unload()
    {
        const bool refuse = tag == QLatin1String("0");
        tag = QStringLiteral("1");
        return !refuse;
    }
};

namespace frmQslNeu {
// Shows the head dialog in runmode (for modes 4 and 5 QSL is the copy kind digit)
// and returns when it has ended.
void Run(int runmode, const QString& QSL = QString());
} // namespace frmQslNeu
