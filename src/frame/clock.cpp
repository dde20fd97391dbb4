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
    if (m.active)
        return m.moment;
    // A test that runs the program as a child process fixes its clock through
    // the environment ("2024-03-07T10:00:00").
    static const QDateTime fromEnvironment =
        QDateTime::fromString(qEnvironmentVariable("TARN_FIXED_CLOCK"), Qt::ISODate);
    return fromEnvironment.isValid() ? fromEnvironment : QDateTime::currentDateTime();
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
