#pragma once

#include <windows.h>

#include <cstdint>

namespace wizard_driver {

// Milliseconds from the performance counter: start-to-first-page figures feed
// benchmarks, so they must not carry GetTickCount's 10-16 ms steps.
inline double nowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticksPerMs;
}

class Deadline {
  public:
    explicit Deadline(double timeoutMs) : end_(nowMs() + timeoutMs) {}
    bool passed() const { return nowMs() >= end_; }
    DWORD remainingMs() const {
        const double left = end_ - nowMs();
        return left <= 0 ? 0 : static_cast<DWORD>(left) + 1;
    }

  private:
    double end_;
};

// Between two looks at the target; short enough for millisecond timings.
inline void pollPause() {
    Sleep(1);
}

} // namespace wizard_driver
