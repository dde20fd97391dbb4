#pragma once
#include "frame/errors.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

// The program's error handler.
//
// Large procedures record their entry (signature text) and their arguments in
// the call history: the newest 40 entries, newest first. Nothing is removed when
// a procedure ends, so the history tells what ran last, not what is still active.
//
// A run-time error is an exception caught where the procedure registered its
// handler. The handler calls OnError, which appends the error protocol to the
// protocol file, shows the error dialog through the Interaction service and
// returns the answer: 0 repeat the statement, 1 continue, 2 leave the procedure,
// 3 end the program. Nothing may go on with half-updated data, so "continue" and
// "leave" both make the procedure return its failure value (see guarded()).
namespace ErrPtnr {

inline constexpr int HistorySize = 40;
inline constexpr int AllAnswers = 255; // the ContBits every caller passes

inline constexpr int Repeat = 0, ContinueNext = 1, LeaveProcedure = 2, EndProgram = 3; // the answers

// Adds a signature entry: "hh:mm:ss " + signature.
void CallStack(const QString& signature);
// Adds a parameter entry (tab, name, ":", tab, value text) directly below the
// newest entry; called once per parameter in declaration order.
void CallStackParam(const QString& paramName, const QVariant& value);
// The value text of a parameter entry: "[ARRAY]", "[NULL]" (a variant holding
// nullptr), "[EMPTY]" (an invalid variant), the text form of plain values,
// "[NOTHING]" (a null QObject*) or "[OBJECT:" + class name + "]".
QString ParamText(const QVariant& value);
QStringList history(); // newest first

// The text up to its first zero character; without one the text is empty.
QString LPSTRToVBString(const QString& text);

// ---- the error dialog's content and the protocol built from it

struct PlatformInfo {
    QString name;          // "Plattform:" line
    int major = 0, minor = 0;
    int build = 0;         // only the low 16 bits are shown
    QString servicePack;   // a zero-terminated field, read with LPSTRToVBString
};

struct ErrorDialogContent {
    QString caption;                 // ProgInfo + " - Fehlermeldung"
    QString comment;                 // the bold comment band (not part of the protocol)
    std::array<QString, 4> values;   // error, module, procedure, statement number
    QStringList callStack;           // newest first
    QDateTime when;
    PlatformInfo platform;
    int contBits = AllAnswers;
    // Which continuation buttons show (index 0..3).
    bool showsButton(int index) const;
};

inline constexpr std::array<const char*, 4> ErrorTitles = {"Fehler-Nr:", "Modul:", "Prozedur:", "Zeilen-Nr.:"};
inline constexpr std::array<const char*, 4> ContinueCaptions = {
    "Befehl wieder&holen", "Fortsetzen mit &nächsten Befehl", "&Prozedur verlassen", "Programm &beenden"};

QString BuildProtocol(const ErrorDialogContent& content);

// ---- protocol files

QString programDirectory(); // native, with a trailing "/"
QString programBaseName();  // the program file's name without extension
QString protocolFile();     // "<program>.EPT" in the program directory
QString savedProtocolFile(); // "<program>.ERR" in the program directory

inline constexpr qint64 DefaultProtocolCap = 1024 * 1024;

struct ProtocolWrite {
    QString file;          // where the protocol went; empty when nowhere
    bool fallback = false; // the program directory could not be written
};
// Appends protocol + line break to the protocol file. Never throws: an
// unwritable program directory sends it to the user's data directory, and when
// that fails too the protocol is only shown. A file over cap bytes keeps only
// its newest protocols (about half the cap).
ProtocolWrite AppendProtocol(const QString& protocol, qint64 cap = DefaultProtocolCap);
ProtocolWrite AppendProtocolTo(const QString& file, const QString& protocol, qint64 cap = DefaultProtocolCap);

// The protocol buttons. They report their own failures to the user and never throw.
void PrintProtocol(const QString& protocol);
void SaveProtocol(const QString& protocol);
void MailProtocol(const QString& protocol);
// The printed lines: wrapped at 73 columns, continuation lines indented by 20.
QStringList PrintLines(const QString& protocol);
// The hot-line address of the e-mail button.
QString HotlineAddress();
inline const QString DefaultHotlineMail = QStringLiteral("tarn-hotline@example.org");

// The printer of the protocol button: the print layer's, a link of the program
// (the print layer lies above the frame).
class ProtocolPrinter {
public:
    virtual ~ProtocolPrinter() = default;
    // Prints the lines as one document. False when nothing was printed; the
    // reason, when it was not told to the user already, in error.
    virtual bool printLines(const QStringList& lines, QString* error) = 0;
};
struct ProtocolPrinting {
    // Null: the button prints nothing.
    std::shared_ptr<ProtocolPrinter> printer;
};

// ---- the handler

// Shows the error dialog for the exception caught in module/procedure and
// returns the answer (0..3).
int OnError(const QString& module, const QString& procedure, const std::exception& error,
            int contBits = AllAnswers, int line = 0);

// Number and description of an exception as the dialog shows them.
std::pair<int, QString> describe(const std::exception& error);

// What the procedure that caught the error does with an answer.
enum class ErrorAction { RunAgain, Leave, End };
ErrorAction actionFor(int answer);

// Runs body under the handler of module/procedure: an exception asks the user;
// "repeat" runs body again (at most maxRepeats times), "continue" and "leave"
// return failure, "end" throws ProgramEndRequested, which unwinds to main.
template <class R, class F>
R guarded(const QString& module, const QString& procedure, R failure, F&& body, int maxRepeats = 3)
{
    for (int attempt = 0;; ++attempt) {
        try {
            return body();
        } catch (const ProgramEndRequested&) {
            throw;
        } catch (const std::exception& e) {
            switch (actionFor(OnError(module, procedure, e))) {
            case ErrorAction::RunAgain:
                if (attempt < maxRepeats)
                    continue;
                return failure;
            case ErrorAction::Leave: return failure;
            case ErrorAction::End: throw ProgramEndRequested();
            }
        }
    }
}

// Test seams: a fixed clock and platform make history and protocol repeatable.
void setClock(std::function<QDateTime()> clock); // empty: the system clock
void setPlatform(std::optional<PlatformInfo> platform);
PlatformInfo currentPlatform();

} // namespace ErrPtnr
