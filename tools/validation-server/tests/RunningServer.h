#pragma once

#include "ServerProcess.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

// A server process with its own fresh log folder, removed again afterwards.
class RunningServer {
  public:
    explicit RunningServer(const std::string& mode);
    ~RunningServer();
    RunningServer(const RunningServer&) = delete;
    RunningServer& operator=(const RunningServer&) = delete;

    unsigned short port() const { return process_.port(); }
    const std::string& firstLine() const { return process_.firstLine(); }
    int stop(int signal = SIGTERM) { return process_.stop(signal); }

    // The contents of NNNN.<suffix> in the log folder, or nothing if it does not exist.
    std::optional<std::string> logFile(unsigned number, const char* suffix) const;

  private:
    static std::string MakeTempDir();

    std::string tempDir_;
    ServerProcess process_;
};

// Starts the server per test and requires it to exit 0 on SIGTERM at the end, which
// under the sanitizer build also means it leaked nothing.
template <typename Base> class WithServer : public Base {
  protected:
    void start(const std::string& mode) {
        server_.emplace(mode);
        ASSERT_EQ(server_->firstLine().rfind("listening on 127.0.0.1:", 0), 0u);
    }
    RunningServer& server() { return *server_; }

    void TearDown() override {
        if (!server_)
            return;
        const int status = server_->stop();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wait status " << status;
    }

  private:
    std::optional<RunningServer> server_;
};
