#include "LinuxWorld.h"

#include "Files.h"

#include <cstdlib>
#include <filesystem>

namespace e2e {

namespace fs = std::filesystem;

void CopyLinuxLibraries(const std::string& install, Libraries libraries) {
    const std::string from = std::string(std::getenv("TQSL_STANDIN_DIR")) + "/";
    auto copy = [&](const std::string& name, const std::string& as) {
        CopyFile(from + name, install + "/" + as);
    };
    switch (libraries) {
    case Libraries::Generation1:
    case Libraries::Generation1NoCompanions: // Linux has no companions to load
        copy("libtqsllib.so", "libtqsllib.so");
        copy("libtqsllib2.so", "libtqsllib2.so");
        break;
    case Libraries::Generation2:
        copy("libtqsllib2.so", "libtqsllib2.so");
        break;
    case Libraries::LackingExport:
        copy("libtqsllib2-lacking.so", "libtqsllib2.so");
        break;
    case Libraries::None:
        break;
    }
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

} // namespace e2e
