#include "Subprocess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

extern char** environ;

namespace wizard_driver {

namespace {

std::string nameOf(const std::string& entry) {
    return entry.substr(0, entry.find('='));
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> result;
    for (std::string& text : strings)
        result.push_back(text.data());
    result.push_back(nullptr);
    return result;
}

pid_t spawn(const std::vector<std::string>& argv, const std::vector<std::string>& envp,
            const posix_spawn_file_actions_t* actions, const posix_spawnattr_t* attributes) {
    std::vector<std::string> argvCopy(argv);
    std::vector<std::string> envpCopy(envp);
    pid_t child = -1;
    const int failure = posix_spawn(&child, argvCopy[0].c_str(), actions, attributes,
                                    pointers(argvCopy).data(), pointers(envpCopy).data());
    if (failure != 0)
        throw std::system_error(failure, std::generic_category(), "cannot start " + argv[0]);
    return child;
}

} // namespace

std::vector<std::string> environmentWith(const std::vector<std::string>& changes) {
    std::vector<std::string> result(changes);
    for (char** entry = environ; *entry; ++entry) {
        const std::string name = nameOf(*entry);
        bool replaced = false;
        for (const std::string& change : changes)
            replaced = replaced || nameOf(change) == name;
        if (!replaced)
            result.emplace_back(*entry);
    }
    return result;
}

PipedChild spawnPiped(const std::vector<std::string>& argv, const std::vector<std::string>& envp) {
    int toChild[2];
    int fromChild[2];
    if (pipe2(toChild, O_CLOEXEC) != 0)
        throw std::system_error(errno, std::generic_category(), "pipe");
    if (pipe2(fromChild, O_CLOEXEC) != 0) {
        close(toChild[0]);
        close(toChild[1]);
        throw std::system_error(errno, std::generic_category(), "pipe");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);

    PipedChild child;
    try {
        child.pid = spawn(argv, envp, &actions, &attributes);
    } catch (...) {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
        for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]})
            close(fd);
        throw;
    }
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(toChild[0]);
    close(fromChild[1]);
    child.input = toChild[1];
    child.output = fromChild[0];
    return child;
}

int runToEnd(const std::vector<std::string>& argv, const std::vector<std::string>& envp) {
    const pid_t child = spawn(argv, envp, nullptr, nullptr);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace wizard_driver
