#pragma once
#include "calculation/calcinterface.h"
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

inline QString& controlList() { return prog().WorkStr[Slot::SyPar]; }
inline QString& methodList() { return prog().WorkStr[Slot::GlPar]; }
inline QString& componentData() { return prog().WorkStr[Slot::Q]; }
inline QString& stressData() { return prog().WorkStr[Slot::S]; }
inline QString& fSection() { return prog().WorkStr[Slot::F]; }
inline QString& rSection() { return prog().WorkStr[Slot::R]; }

// Mode of the control list: reference conditions ("Ref"), operating conditions
// ("Ber"); any other value selects neither.
bool referenceConditions();
bool operatingConditions();

// Whether R holds a non-empty value under the key (or the factor key of letters):
// documented values that are written only once.
bool resultHasValue(const QString& key);
bool factorHasValue(const QString& letters);

// Codes of our own for table entries that the model needs but the system database
// lacks; a missing factor must stop the model rather than count as 0.
inline const QString MissingEnvironmentCode = QStringLiteral("EnvMil");
inline const QString MissingQualityCode = QStringLiteral("QualMil");

// Number of a text by the leading-number rule, and the same in single precision.
double number(const QString& text);
double single(const QString& text);

// The parameter string of the model in MILFITNAME; empty when there is none.
QString modelRecord(const QString& model);

// Vfi of the stress data when given, else Vf of the component data; 0 when both
// are empty (each family decides what 0 means).
double partialUseFactor();

// The pair of key k of R (single precision); the pair of Tref when k's maximum is 0.
MinMax temperaturePair(const QString& key);
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
bool voltageStressRatio(MinMax& ratio);

// Division as the model formulas need it: a record constant of 0 as divisor is a
// data fault that reaches the caller's error handler, not an infinite rate.
double divide(double numerator, double denominator);
// Power as the formulas need it: a negative base with a broken exponent is a data
// fault raised to the caller, not a NaN rate.
double power(double base, double exponent);

} // namespace mil
