#pragma once
#include "calculation/calcinterface.h"

#include <QString>

// Failure rate by the norm YK 70412 and by the user-specific failure-rate list,
// as minimum/maximum pairs in fit. Work strings as in calcinterface.h.
//
// Data faults are codes in slot 7, never exceptions. Codes of the program's own
// beside those of the reference data, all ending in "SAw" like the other norm/user-list codes, so that the
// listings and the error texts (table ERWA) treat them alike:
//   EnvSAw   the environment has no factor in the class's record
//   QualSAw  the quality class LL or GP has no factor in the record (Pqs)
//   AkrSAw   the Akr code has no factor in the record (Pa)
//   Sub10SAw more than nine sub-components
// Each makes that method's result 0, so that no result key is written.

// Appends Fit (norm) and Fita (user list) to slot 8, and ARBew when
// ApplyWeighting is non-zero and the norm rate came from the norm table. Does
// nothing while slot 7 holds the code Bac, Bt, Umax, Imax or Inen. Needs SystDb,
// and AwsDb when the method digits hold "3".
void FitNorm(int ApplyWeighting);

// The rates of one component record by the factor model, each method's a
// min/max pair; weightable: the norm base rate came from the norm table.
struct FitRates {
    MinMax norm;
    MinMax aws;
    bool weightable = false;
};

// The factor model of one component record (main component or one sub-component
// entry; stress is empty for a sub-component). Both rates stay 0 when the model
// ends early.
FitRates FitFaktoren(const QString& data, const QString& stress, double Kf, bool DoNorm, bool DoAws);

// Two-term Arrhenius temperature factor of the component temperature (Tj or Tb
// of slot 8) relative to Tref, and PiTob of the non-operating share at Tur (left
// unchanged when z is 100). ClassDigit is the first digit of Bac.
void TempFakt(int ClassDigit, double Tref, double Tlimit, double& PiTMin, double& PiTMax, double& PiTob, double A,
              double Ea1, double Ea2, double Rf, double z);
// The same for records with a second reference temperature Tref2, below which
// the factor is taken relative to Tref2 and rises again as the temperature falls.
void TempFakt2(int ClassDigit, double Tref, double Tref2, double Tlimit, double& PiTMin, double& PiTMax,
               double& PiTob, double A, double Ea1, double Ea2, double Rf, double z);

// Voltage and current stress factor of the classes with such a model (Class is
// the two-digit prefix of Bac). False only when the lamp table of class 37 has
// no entry for the voltage ratio (code UlampSAw).
bool FaktorSpannungStrom(const QString& data, const QString& stress, int Class, const QString& record,
                         double& sMin, double& sMax);

// Contact-load factor of relays and switches from the load type, load class and
// current kind; a load without factor gives 0 and the code KolastSAw.
void FaktorKontaktlast(const QString& stress, const QString& record, double& laMin, double& laMax);
