#include "calculation/mil.h"
#include "calculation/milshared.h"

void MilHL(const QString&, double&, double&, double) {}
