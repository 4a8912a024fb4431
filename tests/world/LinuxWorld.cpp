#include "LinuxWorld.h"

#include "Files.h"

#include <cstdlib>

namespace e2e {

LibraryFiles LinuxLibraries() {
    const char* standin = std::getenv("TQSL_STANDIN_DIR");
    return {
        standin ? standin : ".", {}, "libtqsllib.so", "libtqsllib2.so", "libtqsllib2-lacking.so"};
}

void WriteSettings(const std::string& configDir, const std::string& installFolder,
                   Setting setting) {
    ResetFolder(configDir + "/TrustedQSL");
    const std::string certFile = configDir + "/TrustedQSL/TQSLCert.conf";
    switch (setting) {
    case Setting::TqslCert:
        WriteFile(certFile, "[General]\nInstallPath=" + installFolder + "\n");
        break;
    case Setting::TrustedQsl:
        WriteFile(configDir + "/TrustedQSL.conf", "[General]\nInstallPath=" + installFolder + "\n");
        break;
    case Setting::Missing:
        break;
    case Setting::Empty:
        WriteFile(certFile, "[General]\nInstallPath=\n");
        break;
    case Setting::TooLong:
        WriteFile(certFile,
                  "[General]\nInstallPath=" + installFolder + std::string(300, '/') + "\n");
        break;
    }
}

std::string BuildLinuxInstall(const std::string& folder, const World& world) {
    const std::string install = BuildInstall(folder, world, LinuxLibraries());
    WriteSettings(folder + "/xdg", install, world.setting);
    setenv("XDG_CONFIG_DIRS", (folder + "/xdg").c_str(), 1);
    return install;
}

} // namespace e2e
