#include "ServerProcess.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr char kPrefix[] = "listening on 127.0.0.1:";

std::string ReadLine(int fd) {
    std::string line;
    char c;
    while (read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

} // namespace

ServerProcess::ServerProcess(const std::vector<std::string>& arguments) {
    std::vector<std::string> args{VALIDATION_SERVER_EXE};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    const int failed = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (failed != 0) {
        pid_ = -1;
        close(pipeFds[0]);
        throw std::runtime_error("cannot start " + args[0]);
    }
    stdoutFd_ = pipeFds[0];

    firstLine_ = ReadLine(stdoutFd_);
    const std::string prefix(kPrefix);
    if (firstLine_.compare(0, prefix.size(), prefix) == 0)
        port_ = static_cast<unsigned short>(std::stoi(firstLine_.substr(prefix.size())));
}

ServerProcess::~ServerProcess() {
    stop();
    close(stdoutFd_);
}

int ServerProcess::stop(int signal) {
    if (pid_ > 0)
        kill(pid_, signal);
    return waitForExit();
}

int ServerProcess::waitForExit() {
    if (pid_ > 0) {
        waitpid(pid_, &waitStatus_, 0);
        pid_ = -1;
    }
    return waitStatus_;
}
