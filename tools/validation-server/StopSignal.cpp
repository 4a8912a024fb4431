#include "StopSignal.h"

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <stdexcept>
#include <sys/signalfd.h>
#include <unistd.h>

StopSignal::StopSignal() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    // Blocked so the signals queue for the descriptor instead of killing the process.
    sigprocmask(SIG_BLOCK, &set, nullptr);
    fd_ = signalfd(-1, &set, SFD_CLOEXEC);
    if (fd_ < 0)
        throw std::runtime_error("signalfd failed");
}

StopSignal::~StopSignal() {
    close(fd_);
}

bool StopSignal::raised() const {
    pollfd p{fd_, POLLIN, 0};
    return poll(&p, 1, 0) > 0;
}

bool StopSignal::sleepFor(long long ms) const {
    pollfd p{fd_, POLLIN, 0};
    int ready;
    while ((ready = poll(&p, 1, static_cast<int>(ms))) < 0 && errno == EINTR) {
    }
    return ready == 0;
}
