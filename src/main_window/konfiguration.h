#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

// The settings of the configuration dialog as a headless model: the window shows
// and edits these fields, the model checks them and takes them over into Cf and
// the program-wide state ("Ok"), and writes them to the ini file ("Speichern").
class KonfigModel {
public:
    KonfigModel();

    // Field values, as the window shows them.
    int lang = 1;                    // 1 German, 2 English
    int qslDruck = 1;                // 1 identity, 2 circuit-diagram designation, 3 both
    std::array<QString, 6> be;       // 0 title, 1 Bin, 2 Bex, 3 ResDir, 4 Aws, 5 Vql
    QString qsl;                     // Q-list database letter
    int paper = 0;                   // 0 A4, 1 Letter, 2 user-defined
    std::array<QString, 4> rand;     // left, top, print width, print height (number with unit)
    QStringList paperList;           // texts of the paper list
    QString defUnit;                 // unit of numbers without unit

    // Fills the fields from the program-wide state.
    void LoadKonfig();
    // A paper position chosen: A4 and Letter put their print size into rand[2], rand[3].
    void paperChosen(int position);
    // Typing into the print width or height makes the paper user-defined.
    void typedInPrintSize() { paper = 2; }
    // A typed character for the letter field: a letter replaces the field in upper case;
    // everything else is swallowed. Returns true when the field changed.
    bool typedInQsl(QChar c);

    enum class Check { Ok, BadMargin, PrintArea, NoDatabase };
    struct Result {
        Check check = Check::Ok;
        int field = -1; // the margin field at fault for BadMargin
    };
    // Checks every field and, only when all are good, takes them over in one step
    // ("Ok"). A refused value changes nothing.
    Result CopyKonfigToCf();
    // "Speichern": CopyKonfigToCf and, when it succeeds, writes the keys whose values
    // differ from the file. Returns false when nothing was taken over or the file
    // could not be written (the message is shown).
    bool SaveKonfig();

    // A margin or print-size field read with its unit; a field that is no number
    // or names a unit the unit list lacks gets message 539 (the field and the
    // units known) and gives false.
    static bool readMargin(const QString& text, double& value);

    // The print-area check of the print layer (start a job with these margins and
    // close it without output); returns false after showing its message.
    std::function<bool(const std::array<double, 4>& raender)> checkPrintArea;
};

// What the configuration needs of the print layer, which sits above the frame:
// a link of the program (frame/links.h); every new KonfigModel takes its
// print-area check from here, and the dialog's "Testseite" prints through it.
struct KonfigPrinting {
    std::function<bool(const std::array<double, 4>& raender)> checkPrintArea;
    std::function<void()> PrTestSeite;
};
