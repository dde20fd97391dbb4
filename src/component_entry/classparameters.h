#pragma once
#include <QString>

// The class parameter list of the component that identity names (column
// "Parameter" of its failure-rate row), with its class code Bac and technology
// code Tec; empty when the component is not found or cannot be read. The work
// strings of the current position are left as they were.
QString ClassParameterList(const QString& identity, QString& bac, QString& tec);
