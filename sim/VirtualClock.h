#pragma once
// A virtual monotonic clock for tests: a wait only moves the time on.

#include "link/Waiter.h"

#include <functional>

namespace cs::sim {

class VirtualClock : public cs::Waiter {
public:
    double now() const { return now_; }
    void advance(double seconds) { now_ += seconds; }
    void wait(double seconds) override
    {
        ++waits;
        totalWaited += seconds;
        if (onWait)
            onWait(seconds);
        now_ += seconds;
    }
    // Called at the start of every wait (tests look at the windows there).
    std::function<void(double)> onWait;
    int waits = 0;
    double totalWaited = 0;

private:
    double now_ = 0;
};

} // namespace cs::sim
