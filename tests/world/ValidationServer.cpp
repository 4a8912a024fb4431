#include "ValidationServer.h"

#include "Files.h"
#include "Subprocess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace e2e {

namespace fs = std::filesystem;

ValidationServer::ValidationServer(const std::string& logDir, const std::string& mode)
    : m_logDir(logDir) {
    ResetFolder(logDir);
    const char* server = std::getenv("OVALDI_VALIDATION_SERVER");
    const wizard_driver::PipedChild child = wizard_driver::spawnPiped(
        {server ? server : "validation-server", "--log-dir", logDir, "--mode", mode},
        wizard_driver::environmentWith({}));
    m_pid = child.pid;
    close(child.input);
    std::string line;
    char c;
    while (read(child.output, &c, 1) == 1 && c != '\n')
        line += c;
    close(child.output);
    const size_t colon = line.rfind(':');
    if (line.rfind("listening on 127.0.0.1:", 0) == 0 && colon != std::string::npos)
        m_port = std::atoi(line.c_str() + colon + 1);
}

ValidationServer::~ValidationServer() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}

std::vector<ValidationServer::Exchange> ValidationServer::Exchanges() const {
    std::vector<Exchange> exchanges;
    for (int n = 1;; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "/%04d", n);
        const std::string base = m_logDir + name;
        if (!fs::exists(base + ".request"))
            break;
        exchanges.push_back({ReadFile(base + ".request"), ReadFile(base + ".verdict")});
    }
    return exchanges;
}

} // namespace e2e
