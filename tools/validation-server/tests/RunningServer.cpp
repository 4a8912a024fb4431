#include "RunningServer.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

std::string RunningServer::MakeTempDir() {
    std::string pattern = std::filesystem::temp_directory_path() / "validation-server-XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    return pattern;
}

// The log folder is a not yet existing child, so the server has to create it.
RunningServer::RunningServer(const std::string& mode)
    : tempDir_(MakeTempDir()), process_({"--log-dir", tempDir_ + "/log", "--mode", mode}) {}

RunningServer::~RunningServer() {
    process_.stop();
    std::filesystem::remove_all(tempDir_);
}

std::optional<std::string> RunningServer::logFile(unsigned number, const char* suffix) const {
    char name[32];
    std::snprintf(name, sizeof name, "%04u.%s", number, suffix);
    std::ifstream file(tempDir_ + "/log/" + name, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}
