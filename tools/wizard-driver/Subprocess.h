#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace wizard_driver {

// This process's environment with NAME=value entries added or replaced.
std::vector<std::string> environmentWith(const std::vector<std::string>& changes);

struct PipedChild {
    pid_t pid = -1;
    int input = -1;  // the child's stdin
    int output = -1; // the child's stdout; its stderr stays ours
};

// Starts argv[0] in a process group of its own, so that everything it starts
// can be ended with it. Throws std::system_error when it cannot start.
PipedChild spawnPiped(const std::vector<std::string>& argv, const std::vector<std::string>& envp);
// Runs argv[0] to its end; its exit status, or -1 when it did not exit normally.
int runToEnd(const std::vector<std::string>& argv, const std::vector<std::string>& envp);

} // namespace wizard_driver
