#include "Harness.h"

#include "Subprocess.h"
#include "WindowsBuild.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace e2e {

namespace fs = std::filesystem;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

void CopyFile(const std::string& from, const std::string& to) {
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

void ResetFolder(const std::string& path) {
    fs::remove_all(path);
    fs::create_directories(path);
}

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

const Paths& Paths::Get() {
    static const Paths paths = [] {
        Paths p;
        p.repo = Env("OVALDI_REPO");
        p.work = Env("OVALDI_E2E_WORK");
        p.server = Env("OVALDI_VALIDATION_SERVER");
        p.standin = wizard_driver::windowsBuildDir().string() + "/tqsl-standin";
        p.fixtures = p.repo + "/tools/test-certs/fixtures";
        p.program = wizard_driver::windowsProgram("app/Ovaldi.exe").string();
        return p;
    }();
    return paths;
}

void ImportRegistry(const std::string& regText) {
    const std::string file = Paths::Get().work + "/import.reg";
    WriteFile(file, regText);
    // Wine's own chatter is not the test's output.
    const int status =
        wizard_driver::runToEnd({"/bin/sh", "-c", "exec \"$0\" \"$@\" >/dev/null 2>&1",
                                 wizard_driver::wineRunScript().string(), "regedit", "/S",
                                 wizard_driver::windowsPath(file)},
                                wizard_driver::environmentWith({}));
    ASSERT_EQ(status, 0);
}

ValidationServer::ValidationServer(const std::string& logDir, const std::string& mode)
    : m_logDir(logDir) {
    ResetFolder(logDir);
    const wizard_driver::PipedChild server =
        wizard_driver::spawnPiped({Paths::Get().server, "--log-dir", logDir, "--mode", mode},
                                  wizard_driver::environmentWith({}));
    m_pid = server.pid;
    close(server.input);
    std::string line;
    char c;
    while (read(server.output, &c, 1) == 1 && c != '\n')
        line += c;
    close(server.output);
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
