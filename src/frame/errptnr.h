#pragma once
#include <QString>
#include <QStringList>
#include <exception>

// The error handler. Large procedures record their entry (signature text) and
// their arguments in the call history, a record of the newest 40 entries (not a
// stack: nothing is removed when a procedure ends). OnError shows the error
// dialog through the Interaction service and returns the answer:
//   0 repeat the statement, 1 continue, 2 leave the procedure, 3 end the program.
// In C++ a run-time error is an exception caught where the procedure registered
// its handler; both 1 and 2 make that procedure return its failure value.
namespace ErrPtnr {
inline constexpr int HistorySize = 40;
inline constexpr int AllAnswers = 255;

void CallStack(const QString& signature);
void CallStackParam(const QString& value);
QStringList history(); // oldest first, at most 40
void SetProgInfo(const QString& info);

// Shows the error dialog for the exception caught in module/procedure.
int OnError(const QString& module, const QString& procedure, const std::exception& error,
            int allowed = AllAnswers, int line = 0);
} // namespace ErrPtnr

// Where the handler says "end", the procedure throws this to unwind to main.
// (Declared in errors.h as ProgramEndRequested.)
