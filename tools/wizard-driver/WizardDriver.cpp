#include "WizardDriver.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace wizard_driver {

namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

constexpr milliseconds kAnswerMargin{10000};
constexpr milliseconds kQuitGrace{5000};

bool exitedWithin(pid_t pid, milliseconds grace) {
    const auto end = Clock::now() + grace;
    do {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return true;
        std::this_thread::sleep_for(milliseconds(10));
    } while (Clock::now() < end);
    return false;
}

} // namespace

milliseconds replyTimeout(const std::string& command) {
    if (command.rfind("wait-", 0) != 0)
        return kAnswerMargin;
    const std::string last = command.substr(command.rfind(' ') + 1);
    char* end = nullptr;
    const long ownTimeout = std::strtol(last.c_str(), &end, 10);
    return kAnswerMargin + milliseconds(*end == '\0' && ownTimeout > 0 ? ownTimeout : 0);
}

WizardDriver::WizardDriver(const std::filesystem::path& driverExe) {
    // A driver that died must fail the test through an error, not a signal.
    signal(SIGPIPE, SIG_IGN);
    child_ = spawnPiped({wineRunScript().string(), driverExe.string()},
                        environmentWith(wineEnvironment(driverExe)));
}

WizardDriver::~WizardDriver() {
    if (child_.input >= 0) {
        const char quit[] = "quit\n";
        [[maybe_unused]] const auto written = write(child_.input, quit, sizeof(quit) - 1);
        close(child_.input);
    }
    if (!exitedWithin(child_.pid, kQuitGrace)) {
        kill(-child_.pid, SIGKILL);
        waitpid(child_.pid, nullptr, 0);
    }
    close(child_.output);
}

std::string WizardDriver::request(const std::string& command) {
    writeLine(command);
    return readLine(replyTimeout(command));
}

std::string WizardDriver::ok(const std::string& command) {
    const std::string answer = request(command);
    if (answer == "ok")
        return "";
    if (answer.rfind("ok ", 0) == 0)
        return answer.substr(3);
    throw DriverFailure("\"" + command + "\" answered \"" + answer + "\"");
}

void WizardDriver::writeLine(const std::string& line) {
    const std::string data = line + "\n";
    for (std::size_t sent = 0; sent < data.size();) {
        const ssize_t written = write(child_.input, data.data() + sent, data.size() - sent);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw DriverFailure("the wizard driver is gone; cannot send \"" + line + "\"");
        sent += static_cast<std::size_t>(written);
    }
}

std::string WizardDriver::readLine(milliseconds timeout) {
    const auto end = Clock::now() + timeout;
    for (;;) {
        if (const auto newline = unread_.find('\n'); newline != std::string::npos) {
            std::string line = unread_.substr(0, newline);
            unread_.erase(0, newline + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<milliseconds>(end - Clock::now());
        pollfd readable{child_.output, POLLIN, 0};
        const int ready = left.count() > 0 ? poll(&readable, 1, static_cast<int>(left.count())) : 0;
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0)
            throw DriverFailure("the wizard driver did not answer within " +
                                std::to_string(timeout.count()) + " ms");
        char chunk[4096];
        const ssize_t got = read(child_.output, chunk, sizeof(chunk));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            throw DriverFailure("the wizard driver exited");
        unread_.append(chunk, static_cast<std::size_t>(got));
    }
}

} // namespace wizard_driver
