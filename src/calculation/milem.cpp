#include "calculation/mil.h"
#include "calculation/milshared.h"

void MilEM(const QString&, double&, double&, double) {}
