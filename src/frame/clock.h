#pragma once
#include <QDate>
#include <QDateTime>

// Today's date and the current time for everything the program stamps into texts
// (the "@D" placeholder, protocols, page heads). Tests fix the clock so that dated
// output repeats from run to run.
QDateTime currentDateTime();
QDate currentDate();

// Fixes the clock at a moment for the lifetime of the scope; scopes nest.
class ClockOverride {
public:
    explicit ClockOverride(const QDateTime& fixed);
    ~ClockOverride();
    ClockOverride(const ClockOverride&) = delete;
    ClockOverride& operator=(const ClockOverride&) = delete;

private:
    QDateTime mPrevious;
    bool mHadPrevious;
};
