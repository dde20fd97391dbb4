#include "frame/clock.h"

namespace {
// Only tests set this; the program always reads the system clock.
struct FixedMoment {
    bool active = false;
    QDateTime moment;
};
FixedMoment& fixedMoment()
{
    static FixedMoment m;
    return m;
}
} // namespace

QDateTime currentDateTime()
{
    const FixedMoment& m = fixedMoment();
    return m.active ? m.moment : QDateTime::currentDateTime();
}

QDate currentDate()
{
    return currentDateTime().date();
}

ClockOverride::ClockOverride(const QDateTime& fixed)
    : mPrevious(fixedMoment().moment), mHadPrevious(fixedMoment().active)
{
    fixedMoment() = {true, fixed};
}

ClockOverride::~ClockOverride()
{
    fixedMoment() = {mHadPrevious, mPrevious};
}
