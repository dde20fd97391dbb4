#pragma once
#include "calculation/milformat.h"
#include "frame/program.h"

#include <QString>

// Steps that the four MIL-HDBK-217F model families share: the work strings they
// read and write, the model record, the partial-use factor, temperatures, the
// environment and record quality factors and the voltage-stress ratio.
//
// The families read the component (slot 3) and stress data (slot 6), the R
// section (slot 8) for the operating conditions, and append their factor reports
// to R and their codes to F (slot 7); they never change the input sections.
namespace mil {

using milfmt::FormBerD;
using milfmt::FormBerS;

inline QString& controlList() { return prog().WorkStr[0]; }
inline QString& methodList() { return prog().WorkStr[1]; }
inline QString& componentData() { return prog().WorkStr[3]; }
inline QString& stressData() { return prog().WorkStr[6]; }
inline QString& fSection() { return prog().WorkStr[7]; }
inline QString& rSection() { return prog().WorkStr[8]; }

// Mode of the control list: reference conditions ("Ref"), operating conditions
// ("Ber"); any other value selects neither.
bool referenceConditions();
bool operatingConditions();

// The key of a factor report: the pi marker followed by the letters.
QString factorKey(const QString& letters);

void appendResult(const QString& key, const QString& value);       // ",key=value" to R
void appendFactor(const QString& letters, const QString& value);   // ",<pi>letters=value" to R
bool resultHasValue(const QString& key);                           // R holds a non-empty value
bool factorHasValue(const QString& letters);
void appendError(const QString& code);                             // ",Err=code" to F
void appendWarning(const QString& code);                           // ",Warn=code" to F

// Codes of our own for table entries that the model needs but the system database
// lacks; a missing factor must stop the model rather than count as 0.
inline const QString MissingEnvironmentCode = QStringLiteral("EnvMil");
inline const QString MissingQualityCode = QStringLiteral("QualMil");

// Number of a text by the leading-number rule, and the same in single precision.
double number(const QString& text);
double single(const QString& text);

struct Pair {
    double min = 0;
    double max = 0;
    bool operator==(const Pair&) const = default;
};

// The parameter string of the model in MILFITNAME; empty when there is none.
QString modelRecord(const QString& model);

// Vfi of the stress data when given, else Vf of the component data; 0 when both
// are empty (each family decides what 0 means).
double partialUseFactor();

// The pair of key k of R (single precision); the pair of Tref when k's maximum is 0.
Pair temperaturePair(const QString& key);
// Ambient temperature of the component, Tur of R.
double ambientTemperature();

// Environment factor of the table Ec for the run's environment Envm. Reports it
// with the given decimals when not 1. A missing entry appends the error code and
// returns false: the family must end without a result.
bool environmentFactor(const QString& ec, int decimals, double& piE);

// Quality factor of passive and electromechanical models: the record's Pq when it
// is not 0 (reported when not 1, as the record's text or with two decimals),
// else MilQFakt. False when MilQFakt found no factor (its code is written).
bool recordQualityFactor(const QString& rec, const QString& model, const QString& qc, bool reportRecordText,
                         double& qMin, double& qMax);

// Voltage-stress ratio from Vue, or Ub / Umax. False when neither is given: the
// family applies its default. Ub without Umax warns UbUmax once per F section.
bool voltageStressRatio(Pair& ratio);

// Division as the model formulas need it: a record constant of 0 as divisor is a
// data fault that reaches the caller's error handler, not an infinite rate.
double divide(double numerator, double denominator);

// The norm-table look-up of one column of the component's row (failure-rate list
// of the system database). Returns false when no row applies; the look-up has then
// written its code to F.
bool normTableColumn(const QString& column, bool lenient, QString& value);

} // namespace mil
