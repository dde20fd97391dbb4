#pragma once
// Procedures that the frame calls but whose subsystems are not built yet. Each
// stub says so to the user (or to the batch log) and does nothing else. When a
// subsystem lands, its header declares the real procedure and the stub here is
// deleted together with its declaration.
#include <QString>

// Reports that a procedure is not available in this build (message or batch log).
void notYetConnected(const QString& what);
