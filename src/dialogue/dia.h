#pragma once
#include "dialogue/screen.h"
#include "dialogue/textpage.h"
#include "frame/interaction.h"

#include <QString>
#include <QStringList>
#include <optional>

// The character-screen dialogues through which the program asks its questions.
//
// Each call builds a headless screen model (dialogue/screen.h) and asks it through
// ui(): kind "screen" for input and key-choice screens, key = the dialogue file
// without the language directory + "#" + chapter (e.g. "qsl\\isam#menu"),
// ScreenParams::screen = "DIN" or "DIK"; kind "textpage" for text pages, key =
// the text file without the language directory, or the page source ("#7").
// Question::model points to the model. The window (frmDiaWindow) works on the model
// and answers with applied = true. Any other answer is played on the model as the
// user's actions (applyDialogueAnswer), so scripts and batch runs need no window:
//   cancelled         -> cancel (a text page without cancel button continues)
//   toggles[K] = 0/1  -> toggle K set to that value (single-character keys)
//   keys              -> these keys pressed one after the other
//   values[d]         -> the text of entry field d
//   code 13 / 27      -> Enter / Escape
//   text              -> "" Enter; a button tag ("CREATE", "BACK", "DIKESC") clicks
//                        it; "ABBRUCH"/"BACK"/"HELP" click the button of that word;
//                        one character presses that key
// An answer that leaves the screen open throws TarnError (a faulty script).
namespace frmDia {

// Input screen. kz: the key that ended the screen; startBis: toggle values
// (key=value list, in and out); anEin: entry texts by field digit (in and out, also
// after cancel); Ret: in, the text for "RET$"; out, the result word. Returns 1
// cancel ("ABBRUCH"), 2 back, 4 help, 0 otherwise (kz then holds the key result).
// A missing file or chapter shows message 100 and returns 1 with Ret "ABBRUCH".
int DIN(const QString& Adia, const QString& Kap, QString& kz, QString& startBis, QStringList& anEin, QString& Ret,
        std::optional<int> AddButt = std::nullopt);

// Key-choice screen. Returns 1 cancel, 2 back, 4 help (kz empty), else 0 with kz
// the chosen key (or the tag of another button). A missing file or chapter shows
// message 100 and returns 1.
int DIK(const QString& Adia, const QString& Kap, QString& kz, std::optional<int> AddButt = std::nullopt);

// Text page. aAbtx empty: the text file Aetx; "#7": records 1..Azeilen of the
// listing file "c.tmp"; any other text: a file of 120-character records. Ret: ""
// after continue or Enter, "ABBRUCH" after cancel. A missing text or record file
// throws TarnError.
void BTX(const QString& Aetx, const QString& aAbtx, int Azeilen, QString& Ret, bool NichtAbbruch = false);

} // namespace frmDia

// Entry-field texts of the dialogue input screens (fields 0..8) of the running
// program: a caller presets what it needs; the others keep the text of the
// screen that used them last.
QStringList& diaFields();

// The wrappers most callers use; they drop the result number.
void DiaDIN(const QString& Adia, const QString& Kap, QString& kz, QString& startBis, QStringList& anEin, QString& Ret,
            std::optional<int> AddButt = std::nullopt);
void DiaDIK(const QString& Adia, const QString& Kap, QString& kz, std::optional<int> AddButt = std::nullopt);
void DiaBTX(const QString& Aetx, const QString& aAbtx, int Azeilen, QString& Ret, bool NichtAbbruch = false);

// The question key of a dialogue file and chapter: the file without the language
// directory, "#", the chapter.
QString dialogueKey(const QString& Adia, const QString& Kap);

// The check of entry field `field` (its digit) of an input screen, by the
// question key of its file and chapter; null for fields that take texts. DIN
// checks these fields on Enter and on every button but cancel, back and help: a
// refused entry is told (message 426) and the screen is asked again.
ValueCheck entryFieldCheck(const QString& key, int field);

// Plays an answer that a window did not apply on the model (see above). An
// answer whose entries were refused leaves the screen open with its refusal.
void applyDialogueAnswer(DiaModel& model, const Answer& answer);

// The model of a question of kind "screen" or "textpage" (for responders).
DiaScreen* screenOf(const Question& q);
TextPage* textPageOf(const Question& q);

// Builds (without showing) the screen of a chapter, as DIN or DIK would; std::nullopt
// when the file or chapter is missing. For checks of the installation data.
std::optional<DiaScreen> loadInputScreen(const QString& Adia, const QString& Kap, const QString& startBis = QString(),
                                         int entries = 10, const QString& ret = QString());
std::optional<DiaScreen> loadKeyChoiceScreen(const QString& Adia, const QString& Kap,
                                             std::optional<int> AddButt = std::nullopt);
