#pragma once
#include "frame/program.h"

#include <QString>
#include <vector>

// Keeps the work-string slots first..last (frame/workslots.h) of the position in
// hand and puts them back however the scope is left, for a look-up that runs in
// the middle of a position and splits another record into the same slots.
class KeptWorkSlots {
public:
    KeptWorkSlots(int first, int last) : mFirst(first)
    {
        const auto& w = prog().WorkStr;
        mKept.assign(w.begin() + first, w.begin() + last + 1);
    }
    ~KeptWorkSlots()
    {
        auto& w = prog().WorkStr;
        for (std::size_t i = 0; i < mKept.size(); ++i)
            w[std::size_t(mFirst) + i] = std::move(mKept[i]);
    }
    KeptWorkSlots(const KeptWorkSlots&) = delete;
    KeptWorkSlots& operator=(const KeptWorkSlots&) = delete;

private:
    int mFirst;
    std::vector<QString> mKept;
};
