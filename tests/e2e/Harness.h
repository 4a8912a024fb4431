#pragma once

#include <string>
#include <vector>

// Files, processes and the Wine prefix for the end-to-end suites.
namespace e2e {

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);
void CopyFile(const std::string& from, const std::string& to);
// A fresh, empty folder.
void ResetFolder(const std::string& path);

// Settings of the test run, from the environment that ctest sets.
struct Paths {
    std::string repo;     // source tree
    std::string work;     // scratch folder of this suite
    std::string server;   // the validation server executable
    std::string standin;  // the stand-in libraries of the Windows build
    std::string fixtures; // test certificates and keys
    std::string program;  // Ovaldi.exe of the Windows build
    static const Paths& Get();
};

// Imports registry text (REGEDIT4 format) into the prefix.
void ImportRegistry(const std::string& regText);

// The local validation server, started in a mode, stopped on destruction.
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
