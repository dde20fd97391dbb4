#pragma once
#include <QString>
#include <vector>

// One change that the stress entry made to the stress-data list: an item
// appended (removed false) or the first item of a key removed.
struct StressItem {
    QString key;
    QString value;
    bool removed = false;
};

// Asks the stress and quality data of the component in WorkStr 3 for the
// methods of WorkStr 1 and appends them to the stress-data list WorkStr 6.
// Mode "QSL": a Q-list position (also asks its temperature offset); any other
// text a single component. Ret receives the result word of every screen and
// text page shown. changes, when given, receives every change in order.
void BelastEin(const QString& Mode, QString& Ret, std::vector<StressItem>* changes = nullptr);
