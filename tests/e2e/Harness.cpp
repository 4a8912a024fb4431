#include "Harness.h"

#include "WindowsBuild.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

extern char** environ;

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

int Spawn(const std::vector<std::string>& arguments, posix_spawn_file_actions_t* actions) {
    std::vector<char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], actions, nullptr, argv.data(), environ) != 0)
        return -1;
    return pid;
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

int RunInWine(const std::vector<std::string>& arguments) {
    std::vector<std::string> command = {wizard_driver::wineRunScript().string()};
    command.insert(command.end(), arguments.begin(), arguments.end());
    // Wine's own chatter is not the test's output.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int pid = Spawn(command, &quiet);
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) < 0)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void ImportRegistry(const std::string& regText) {
    const std::string file = Paths::Get().work + "/import.reg";
    WriteFile(file, regText);
    ASSERT_EQ(RunInWine({"regedit", "/S", wizard_driver::windowsPath(file)}), 0);
}

ValidationServer::ValidationServer(const std::string& logDir, const std::string& mode)
    : m_logDir(logDir) {
    ResetFolder(logDir);
    int out[2];
    if (pipe(out) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    m_pid = Spawn({Paths::Get().server, "--log-dir", logDir, "--mode", mode}, &actions);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string line;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    close(out[0]);
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
