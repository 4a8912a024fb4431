#include "InstallFolder.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

fs::path createUniqueFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate =
            fs::temp_directory_path() / ("tqsl-standin-test-" + std::to_string(random()));
        if (fs::create_directory(candidate))
            return candidate;
    }
    throw std::runtime_error("cannot create a temporary install folder");
}

} // namespace

fs::path fixturePath(const std::string& name) {
    return fs::path(TQSL_FIXTURES_DIR) / name;
}

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

InstallFolder::InstallFolder() : path_(createUniqueFolder()) {
    fs::create_directory(storeFolder());
}

InstallFolder::InstallFolder(const fs::path& fixedPath) : path_(fixedPath) {
    fs::remove_all(path_);
    fs::create_directories(storeFolder());
}

InstallFolder::~InstallFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

fs::path InstallFolder::install(const std::string& builtName,
                                const std::string& installedName) const {
    const fs::path target = path_ / installedName;
    fs::copy_file(fs::path(TQSL_STANDIN_DIR) / builtName, target);
    return target;
}

void InstallFolder::writeStore(const std::string& behaviour,
                               const std::vector<std::string>& fixtures) const {
    std::string conf = "[behaviour]\n" + behaviour + "\n";
    for (const std::string& fixture : fixtures) {
        conf += "\n" + readText(fixturePath(fixture + ".conf"));
        for (const char* extension : {".pem", ".key"}) {
            const fs::path file = fixturePath(fixture + extension);
            if (fs::exists(file))
                fs::copy_file(file, storeFolder() / file.filename(),
                              fs::copy_options::overwrite_existing);
        }
    }
    writeStoreFile("store.conf", conf);
}

void InstallFolder::writeStoreFile(const std::string& name, const std::string& content) const {
    std::ofstream out(storeFolder() / name, std::ios::binary | std::ios::trunc);
    out << content;
}

std::vector<std::string> InstallFolder::callLog() const {
    std::ifstream in(storeFolder() / "calls.log", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
