#pragma once
// Procedures that the frame calls but whose subsystems are not built yet. Each
// stub says so to the user (or to the batch log) and does nothing else. When a
// subsystem lands, its header declares the real procedure and the stub here is
// deleted together with its declaration.
#include <QString>
#include <cstdint>
#include <vector>

// Quality parts lists
void FehlQsBt(const QString& LnFehl, bool MDruck, bool QslLesen, bool ADruck);
QString PrintQSL(const QString& desc, bool ADruck);
// Prediction run
void PrognoseBt(const QString& key);
// Component data entry
void EingabeBauteil(QString& Ret);
void PosStressEingabe(QString& Pos, int M_Edit);
// Position detail report and its result-file rows (used by the ranking lists and
// the component list by groups). Until they land a component gives no text, no
// lines and no row; they say nothing, as they are called once per component.
QString BtBeschreibung(double quantity, bool MitZ);
void AusBtPos(const QString& Stc, std::vector<QString>& Poz, int16_t& Apz);
void AusFileBtDetail(const QString& Stc, int16_t SpNorm, bool MHwNw, bool M_ARBew);

// Reports that a procedure is not available in this build (message or batch log).
void notYetConnected(const QString& what);
