#include "Connection.h"

#include <cerrno>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kIdleTimeoutMs = 30000;
constexpr int kLingerTimeoutMs = 2000;
constexpr std::size_t kLingerMaxBytes = 16u << 20;

} // namespace

Connection::Connection(int fd, const StopSignal& stop) : fd_(fd), stop_(stop) {}

Connection::~Connection() {
    close(fd_);
}

ReadStatus Connection::waitReadable(int timeoutMs) {
    pollfd fds[2] = {{fd_, POLLIN, 0}, {stop_.fd(), POLLIN, 0}};
    for (;;) {
        const int ready = poll(fds, 2, timeoutMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            return ReadStatus::Failed;
        if (ready == 0)
            return ReadStatus::Silent;
        if (fds[1].revents)
            return ReadStatus::Stopped;
        return ReadStatus::Data;
    }
}

ReadStatus Connection::readSome(std::string& into, std::size_t max) {
    const ReadStatus wait = waitReadable(kIdleTimeoutMs);
    if (wait != ReadStatus::Data)
        return wait;
    const std::size_t old = into.size();
    into.resize(old + max);
    ssize_t got;
    while ((got = recv(fd_, &into[old], max, 0)) < 0 && errno == EINTR) {
    }
    into.resize(old + (got > 0 ? static_cast<std::size_t>(got) : 0));
    if (got < 0)
        return ReadStatus::Failed;
    return got == 0 ? ReadStatus::Eof : ReadStatus::Data;
}

bool Connection::sendAll(const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

void Connection::lingeringClose() {
    shutdown(fd_, SHUT_WR);
    char scratch[4096];
    std::size_t drained = 0;
    while (drained < kLingerMaxBytes && waitReadable(kLingerTimeoutMs) == ReadStatus::Data) {
        const ssize_t n = recv(fd_, scratch, sizeof scratch, 0);
        if (n <= 0)
            break;
        drained += static_cast<std::size_t>(n);
    }
}
