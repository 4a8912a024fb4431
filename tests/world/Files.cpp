#include "Files.h"

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

} // namespace e2e
