#pragma once

#include <csignal>
#include <string>
#include <sys/types.h>
#include <vector>

// The real validation-server binary as a child process.
class ServerProcess {
  public:
    // Starts the server and waits for its "listening on 127.0.0.1:<port>" line.
    explicit ServerProcess(const std::vector<std::string>& arguments);
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    unsigned short port() const { return port_; }
    const std::string& firstLine() const { return firstLine_; }

    // Sends the signal unless the process is already reaped, and returns its wait
    // status; later calls return the same status.
    int stop(int signal = SIGTERM);
    // Waits for the process to end by itself and returns its wait status.
    int waitForExit();

  private:
    pid_t pid_ = -1;
    int waitStatus_ = 0;
    int stdoutFd_ = -1;
    std::string firstLine_;
    unsigned short port_ = 0;
};
