#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The batch designation matching: a workbook's sheet "Tabelle1" lists per row a
// reference designation (column a), a designation to add (b) and a mark "x" (c).
// Every marked row's reference is looked up in the component file, the new
// designation is added to the component found, and the outcome goes back into
// columns c, d and e of the same row.
//
// Questions through ui():
//   kind "bebez", key "frmBEBez": the dialog. Question::model points to the
//     BeBezModel; the window (or a script) sets RefBezNr, NeuBezNr, DatInEx,
//     ICOpt and the chosen flags on the model and answers with the text "ok"
//     (Start) or a cancel (Close).

class BeBezModel {
public:
    // ---- the dialog's state
    QString file;            // the chosen workbook
    int DatInEx = 0;         // 0 internal then external, 1 internal, 2 external
    int RefBezNr = 0;        // 0 type, 1 item number, 2 user number
    int NeuBezNr = 0;        // 1 item number, 2 user number
    int BEBezIcModus = 0;    // 0 off, 1 families 74 and 54, 2 all integrated circuits
    std::array<bool, 3> ICOpt{}; // check boxes 1 and 2
    bool RefGewaehlt = false, NeuGewaehlt = false;
    QString Tag = QStringLiteral("0");

    // ---- localised texts (offset 1740)
    QString caption, DatNam;
    QString cmdStart, cmdClose;
    std::array<QString, 5> frameCaption; // 1..4
    std::array<QString, 3> RefOpt, NeuOpt; // NeuOpt 1, 2
    std::array<QString, 3> ICOptText;      // 1, 2

    // ---- what the run did
    QString resultFile;      // where the results were written (an .xlsx beside an .xls)

    void RefOpt_Click(int index);
    void NeuOpt_Click(int index);
    void InExOpt_Click(int index) { DatInEx = index; }
    void localise();
    // "ok": runs the matching when both kinds were chosen (else message 11);
    // "can": ends the dialog.
    void MenuBEBez(const QString& service);
    void SearchBez();
};

namespace frmBEBez {
// Chooses the workbook, shows the dialog and returns when it is finished.
void Run();
} // namespace frmBEBez

// The key of an integrated circuit's type without the prefix before its first
// digit, for the retry of a reference not found; nothing when there is none to
// try: no digit, a digit first already, or (mode 1) not a 74 or 54 logic type.
std::optional<QString> shortenedIcKey(const QString& key, int icMode);
