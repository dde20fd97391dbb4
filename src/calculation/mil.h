#pragma once
#include <QString>

// Failure rates by MIL-HDBK-217F (Notice 2), the second method of a prediction.
//
// FitMil finds the model name(s) of the component in the work strings, hands each
// to its family (first character: 1 microcircuits, 2/3 discrete semiconductors and
// optoelectronics, 4 passive components, 5 relays, switches, connectors, sockets)
// and appends Bacm and Fitm to the R section. Model records come from MILFITNAME
// (column Fit), factor tables from MILFUNKT (column Param) of the system database.
// Rates are in fit: the handbook's constants per 10^6 hours are stored x 1000.

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
bool MilQFakt(const QString& model, const QString& Qc, double& qMin, double& qMax);

// Load-stress factor pair of relays and switches, exp((S/d)^2) by load type.
// Leaves lMin/lMax unchanged when the component's data code cannot be found.
void MilLastFakt(double& lMin, double& lMax);
