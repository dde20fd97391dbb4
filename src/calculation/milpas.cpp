#include "calculation/mil.h"
#include "calculation/milshared.h"

void MilPas(const QString&, double&, double&, double) {}
