#pragma once

#include <string>
#include <vector>

namespace e2e {

// The local validation server, started in a mode, stopped on destruction.
// Its executable comes from OVALDI_VALIDATION_SERVER.
class ValidationServer {
  public:
    ValidationServer(const std::string& logDir, const std::string& mode);
    ValidationServer(const ValidationServer&) = delete;
    ValidationServer& operator=(const ValidationServer&) = delete;
    ~ValidationServer();

    int Port() const { return m_port; }
    struct Exchange {
        std::string request;
        std::string verdict;
    };
    std::vector<Exchange> Exchanges() const;

  private:
    std::string m_logDir;
    int m_pid = -1;
    int m_port = 0;
};

} // namespace e2e
