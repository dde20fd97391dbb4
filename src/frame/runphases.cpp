#include "frame/runphases.h"
#include "frame/program.h"

#include <ctime>

namespace {
std::int64_t nowNs(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}
} // namespace

void RunPhases::clear()
{
    mTimes.clear();
    mOpen.clear();
}

void RunPhases::charge()
{
    const std::int64_t wall = nowNs(CLOCK_MONOTONIC);
    const std::int64_t cpu = nowNs(CLOCK_PROCESS_CPUTIME_ID);
    if (!mOpen.empty()) {
        PhaseTime& t = mTimes[mOpen.back()];
        t.wallNs += wall - mLastWall;
        t.cpuNs += cpu - mLastCpu;
    }
    mLastWall = wall;
    mLastCpu = cpu;
}

void RunPhases::begin(const QString& name)
{
    if (onBegin)
        onBegin(name);
    charge();
    std::size_t index = 0;
    while (index < mTimes.size() && mTimes[index].name != name)
        ++index;
    if (index == mTimes.size())
        mTimes.push_back(PhaseTime{name});
    mOpen.push_back(index);
}

void RunPhases::end()
{
    charge();
    if (!mOpen.empty())
        mOpen.pop_back();
}

RunPhases& runPhases()
{
    Program& p = prog();
    if (!p.Phases)
        p.Phases = std::make_shared<RunPhases>();
    return *p.Phases;
}
