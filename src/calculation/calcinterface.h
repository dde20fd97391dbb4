#pragma once
#include "frame/database.h"
#include "frame/errors.h"
#include "frame/formatters.h"
#include "frame/markers.h"
#include "frame/workslots.h"

#include <QString>
#include <QStringList>

// The failure-rate calculation has no parameter lists of its own. The caller puts
// the component into the work strings, calls PosBelastung, then FitNorm, then
// FitMil, and reads the results back from the same strings:
//
//   WorkStr 0  control list: Re ("Ref" reference or "Ber" operating conditions)
//           1  method list: Norm (method digits), Env, Tu, Vl, quality keys
//           3  component data (",Q," section)      4  sub-components (",Z,")
//           6  stress data (",S,")                 7  error and warning codes (",F,")
//           8  operating conditions and results (",R,")
//           9  directory of the user failure-rate list
//
// Results and codes are only appended (a caller that computes a position again
// resets slots 7 and 8 first); a few keys are replaced where the models say so.
// Input sections (3, 4) are never changed, and the norm model leaves the stress
// data (6) as it is: a value it takes over is recorded in slot 8.
//
// Every failure rate and most factors are minimum/maximum pairs: the minimum is
// computed from the lower bounds of all inputs, the maximum from the upper ones.

// The slot names (Slot::, RunSlot::, RunNum::) are in frame/workslots.h.

// A database error inside a look-up of the calculation (or of any other reader of
// the system database through DalesXls, LesSin, BtName) has already been shown to
// the user as message 473 when this is thrown. The run catches it, abandons the
// run and treats it as the result "ABBRUCH"; other callers abandon their
// operation. It is never a reason to end the program. Catch it before TarnError.
class CalculationAborted : public TarnError {
public:
    explicit CalculationAborted(const QString& message)
        : TarnError(message, ErrNo::Database) {}
};

// Shows message 473 for a database error of the named procedure (@1, such as
// "  XHAP: LesSin !   ") and throws CalculationAborted.
[[noreturn]] void abortOnDbError(const QString& procedureText, const DbError& error);

// ---- min/max pairs

struct MinMax {
    double min = 0;
    double max = 0;

    bool isOne() const { return min == 1 && max == 1; }
};

// The pair under key of a parameter string (a single value stands for both
// bounds), each bound in single precision.
MinMax readPair(const QString& list, const QString& key);

// ---- method digits and codes

// A digit counts wherever it stands in the method digits ("13", "312", "0013").
bool hasMethod(const QString& digits, QChar digit);

// The codes of every "Err=" in a code section, from left to right.
QStringList errCodes(const QString& codes);

// The entries of a sub-component section (slot 4), each beginning with "Bac=".
QStringList splitSubComponents(const QString& z);

// ---- value forms

// Result keys Fit, Fita, Fitm: the pair with 3 decimals (the range form of
// FormBerD: one number when both bounds are equal, else minimum "/" maximum).
inline QString rateForm(double min, double max) { return FormBerD(min, max, 3); }
inline QString rateForm(const MinMax& p) { return FormBerD(p.min, p.max, 3); }
// Factor keys: the pair with n decimals. The S form first rounds both values to
// single precision, as the models keep most factors in single precision.
inline QString factorFormS(double min, double max, int decimals)
{
    return FormBerS(float(min), float(max), decimals);
}
inline QString factorFormD(double min, double max, int decimals) { return FormBerD(min, max, decimals); }
inline QString factorFormS(const MinMax& p, int decimals) { return factorFormS(p.min, p.max, decimals); }
inline QString factorFormD(const MinMax& p, int decimals) { return FormBerD(p.min, p.max, decimals); }

// ---- writing to the R and F sections

// The key of a factor: the marker character PiMark followed by its letters.
inline QString piKey(const QString& letters) { return QString(PiMark) + letters; }

// Appends ",key=value" to the results (slot 8).
void appendResult(const QString& key, const QString& value);
// Appends "," PiMark letters "=" value to the results (slot 8).
void appendFactor(const QString& letters, const QString& value);
// Appends ",Err=code" or ",Warn=code" to the codes (slot 7).
void appendErr(const QString& code);
void appendWarn(const QString& code);

