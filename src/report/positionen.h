#pragma once
#include <QFile>
#include <QString>
#include <QStringList>
#include <cstdint>

// The position detail report: every top-level position of the position list
// "pol" (Tp2) as a block of lines (quantity, identity, the parts of the position
// chosen by the control-list key "Qpbt", and one failure-rate line per method at
// the right), and with Datei the position table of the result file. The rows
// (SYLK, the head before the first one) are appended to ergfile after every
// position; WorkStr(21) is empty afterwards. SoFormStr is the special format of
// the run (empty for SYLK): then sub-Q-list lines write nothing to the file.
void DruckPositionen(bool Drucken, bool Datei, const QString& SoFormStr, bool MArchPage, bool MHwNw,
                     bool M_ARSoList, bool M_ARBew, QFile& ergfile);

// The block of a condensed sub-Q-list line, and of a component position: lines
// 1..Apz of Poz (entry 0 unused), the sections split into WorkStr(2..8), Stc the
// quantity part. Errors go to the error handler (module "XAQP").
void AusQsPos(const QString& Stc, QStringList& Poz, int16_t& Apz);
void AusBtPos(const QString& Stc, QStringList& Poz, int16_t& Apz);

// The descriptive text of the component position in WorkStr(0..8); MitZ adds
// the sub-components.
QString BtBeschreibung(double quantity, bool MitZ);
