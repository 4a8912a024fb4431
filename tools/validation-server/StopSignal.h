#pragma once

// SIGTERM and SIGINT delivered as a readable descriptor, so every wait of the server
// (accept, reads, the slow mode's delay) can end on them without a race.
class StopSignal {
  public:
    StopSignal();
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    int fd() const { return fd_; }
    bool raised() const;

    // Waits up to `ms` milliseconds; returns false when a stop signal ended the wait.
    bool sleepFor(long long ms) const;

  private:
    int fd_;
};
