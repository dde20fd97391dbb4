#pragma once
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// Where the time of a prediction goes. The run marks its phases (expansion,
// completion, the calculation passes, report, result file, printout, archive);
// a phase that starts inside another one pauses the outer one, so every phase
// holds only its own time. The benchmark reads the times after the run.
struct PhaseTime {
    QString name;
    std::int64_t wallNs = 0;
    std::int64_t cpuNs = 0; // CPU time of the whole process while the phase ran
};

class RunPhases {
public:
    // Forgets the times of the last run.
    void clear();
    void begin(const QString& name);
    void end();
    // The phases in the order they first began.
    const std::vector<PhaseTime>& times() const { return mTimes; }
    // Called with the name of each phase as it begins (the benchmark keeps a
    // work file there that the run empties at its end); kept by clear().
    std::function<void(const QString& name)> onBegin;

private:
    void charge();
    std::vector<PhaseTime> mTimes;
    std::vector<std::size_t> mOpen; // indexes into mTimes, innermost last
    std::int64_t mLastWall = 0;
    std::int64_t mLastCpu = 0;
};

// The phase times of the current program.
RunPhases& runPhases();

// Begins a phase for the lifetime of the scope.
class PhaseScope {
public:
    explicit PhaseScope(const QString& name) { runPhases().begin(name); }
    ~PhaseScope() { runPhases().end(); }
    PhaseScope(const PhaseScope&) = delete;
    PhaseScope& operator=(const PhaseScope&) = delete;
};
