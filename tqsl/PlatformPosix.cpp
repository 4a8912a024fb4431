#include "Platform.h"

#include <dlfcn.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tqsl_platform {

const char* const kCompanionLibraries[] = {nullptr};
const char* const kGeneration1Library = "/libtqsllib.so";
const char* const kGeneration2Library = "/libtqsllib2.so";

namespace {

// InstallPath from TrustedQSL's machine-wide settings file, the INI file
// TrustedQSL/TQSLCert.conf in the XDG configuration folders.
std::string ReadSettingsInstallPath() {
    const char* dirs = std::getenv("XDG_CONFIG_DIRS");
    std::stringstream list((dirs && *dirs) ? dirs : "/etc/xdg");
    for (std::string dir; std::getline(list, dir, ':');) {
        std::ifstream file(dir + "/TrustedQSL/TQSLCert.conf");
        for (std::string line; std::getline(file, line);) {
            const std::string key = "InstallPath=";
            if (line.compare(0, key.size(), key) == 0)
                return line.substr(key.size());
        }
    }
    return std::string();
}

} // namespace

std::string ReadInstallFolder() {
    const std::string folder = ReadSettingsInstallPath();
    return folder.empty() ? "/usr/lib/trustedqsl" : folder;
}

void* OpenLibrary(const std::string& path) {
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* FindFunction(void* library, const char* name) {
    return dlsym(library, name);
}

void CloseLibrary(void* library) {
    dlclose(library);
}

} // namespace tqsl_platform
