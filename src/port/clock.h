#pragma once
// Elapsed time for the waits between blink steps. The window's clock is a
// monotonic one (a wait across midnight must not hang); tests replace it.

#include <chrono>

namespace bexoru {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since an arbitrary fixed point; never goes backwards.
    virtual double seconds() = 0;
};

class SteadyClock final : public Clock {
public:
    double seconds() override {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
};

}  // namespace bexoru
