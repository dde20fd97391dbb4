#pragma once
#include <QString>

// Failure rates by MIL-HDBK-217F, the second method of a prediction. Resistors,
// capacitors, inductive devices, switches and connectors use the formulas and
// constants of the 1991 base edition, the other families those of Notice 2.
//
// FitMil finds the model name(s) of the component in the work strings, hands each
// to its family (first character: 1 microcircuits, 2/3 discrete semiconductors and
// optoelectronics, 4 passive components, 5 relays, switches, connectors, sockets)
// and appends Bacm and Fitm to the R section. Model records come from MILFITNAME
// (column Fit), factor tables from MILFUNKT (column Param) of the system database.
// Rates are in fit: the handbook's constants per 10^6 hours are stored x 1000.
//
// What the models read from the system database (the installation data must hold
// these; a missing environment or quality entry stops the model with EnvMil or
// QualMil):
//
//   ARMILQRM  Bacm (model names "lower/upper", when the component has none)
//             Dcode (relays and switches: the norm record with the load data)
//   SINDAT    Daten keys Labv, Klv (reference conditions), Labvb, Klvb (operating)
//   MILFUNKT  Param of the record's Ec: one factor per environment code (the
//             run's Envm, such as Gb); Param of the record's Qc: one factor per
//             quality class, including the default classes
//               family 1: B, CSH, CSP           families 2, 3: JANTX, LOWER, PLASTIC
//               family 4: M, MIL, R, L, S       family 5: MIL, R, P, U, M, L
//   MILFITNAME Fit of each model name:
//     1...           Ar (die factor C1 > 0), Qc, Ec
//     1HYBTRARRAY    Ar, Ct, Qc, Ec
//     2..., 3...     Ar (> 0), Ar2 (optional C2), Ct, Qc, Ec (none: no environment
//                    factor); displays (class 322) use Ar x characters + Ar2
//     3LASERDIOGA/IN Ar, Ct, Ec          3LAMPS Ar, Ec
//     3CRT, 3VIDICONSB/SI, 3NEONLAMPS, 3FIBERCON, 3FIBERCABLE   Ar, Ec
//     4... all       Ec, Pq (fixed quality factor; 0 or none: Qc's table)
//     4C...          C1, Sref, Tr (rated degC, a pair allowed), Ps, Ct, Pt
//     4RZ            Ar, Ct          4R... (other)   C1, Ct, Tb, Pt, Sref, Ps1, Ps2
//     4I...          (constants by rated temperature in the code)
//     4Q..., 4RTH..., other 4...   Ar
//     5... all       Ec; class 52 5ICSOCKET: Ar; class 52 connectors: C1, Ct, T0, Pot
//                    classes 53/55 relays: C1, T0, Pot, Pf (a pair allowed), Pq, Qc
//                    class 54 switches: Ar, or Ar1 and Ar2; Pq, Qc; the
//                    lower-quality rates ArL, or Ar1L and Ar2L, for class LOWER
//                    classes 51/56: Ar

// Appends ",Bacm=" and ",Fitm=" to the R section; does nothing while the F section
// holds an error code other than NullFitSin or NullFitAws.
void FitMil();

// The families: set FitMin/FitMax to the rate of one model (Kfm included); on an
// error code they leave both unchanged.
void MilIC(const QString& model, double& FitMin, double& FitMax, double Kfm);
void MilHL(const QString& model, double& FitMin, double& FitMax, double Kfm);
void MilPas(const QString& model, double& FitMin, double& FitMax, double Kfm);
void MilEM(const QString& model, double& FitMin, double& FitMax, double Kfm);

// Quality factor pair of a model from the most specific source (stress data,
// component data, method list, default class of the family) and the model's
// quality table Qc. Values are single precision. Returns false, with ",Err=QualMil"
// in F, when the class has no entry in the table; the model must then stop.
// A family without default class leaves qMin/qMax unchanged and returns true.
// classPair, when given, receives the classes looked up as "LOWER/UPPER" in upper
// case, and stays empty when the factor was given as a number.
bool MilQFakt(const QString& model, const QString& Qc, double& qMin, double& qMax, QString* classPair = nullptr);

// Load-stress factor pair of relays and switches, exp((S/d)^2) by load type.
// Leaves lMin/lMax unchanged when the component's data code cannot be found.
void MilLastFakt(double& lMin, double& lMax);
