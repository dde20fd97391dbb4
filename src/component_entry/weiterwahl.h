#pragma once
#include <QString>

// The choice after a single-component result: "ABBRUCH" stop, "KB" next
// component, "GL" same component with new run parameters, "SD" same component
// with new stress data, "" nothing chosen. Prepares the work strings for it.
QString WeiterWahl();
