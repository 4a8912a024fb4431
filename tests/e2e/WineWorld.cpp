#include "WineWorld.h"

#include "Files.h"
#include "Subprocess.h"
#include "WindowsBuild.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace e2e {

const WinePaths& WinePaths::Get() {
    static const WinePaths paths = [] {
        WinePaths p;
        const char* work = std::getenv("OVALDI_E2E_WORK");
        p.work = work ? work : "e2e";
        p.standin = wizard_driver::windowsBuildDir().string() + "/tqsl-standin";
        p.program = wizard_driver::windowsProgram("app/Ovaldi.exe").string();
        return p;
    }();
    return paths;
}

LibraryFiles WindowsLibraries() {
    return {WinePaths::Get().standin,
            {"libexpat.dll", "libgcc_s_dw2-1.dll", "libstdc++-6.dll"},
            "tqsllib.dll",
            "tqsllib2.dll",
            "tqsllib2-lacking.dll"};
}

namespace {

std::string RegString(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

void ImportRegistry(const std::string& regText) {
    const std::string file = WinePaths::Get().work + "/import.reg";
    WriteFile(file, regText);
    // Wine's own chatter is not the test's output.
    const int status =
        wizard_driver::runToEnd({"/bin/sh", "-c", "exec \"$0\" \"$@\" >/dev/null 2>&1",
                                 wizard_driver::wineRunScript().string(), "regedit", "/S",
                                 wizard_driver::windowsPath(file)},
                                wizard_driver::environmentWith({}));
    ASSERT_EQ(status, 0);
}

} // namespace

void WriteRegistry(const std::string& installFolder, Setting setting, int proxyPort) {
    const std::string folder = wizard_driver::windowsPath(installFolder);
    std::string reg = "REGEDIT4\n\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\TrustedQSL]\n\n";
    switch (setting) {
    case Setting::TqslCert:
        reg += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TrustedQSL\\TQSLCert]\n\"InstallPath\"=" +
               RegString(folder) + "\n\n";
        break;
    case Setting::TrustedQsl:
        reg += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TrustedQSL]\n\"InstallPath\"=" + RegString(folder) +
               "\n\n";
        break;
    case Setting::Missing:
        break;
    case Setting::Empty:
        reg += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TrustedQSL\\TQSLCert]\n\"InstallPath\"=\"\"\n\n";
        break;
    case Setting::TooLong:
        // The real folder, then enough further folders to pass 259 bytes.
        reg += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TrustedQSL\\TQSLCert]\n\"InstallPath\"=" +
               RegString(folder + std::string(300, '\\')) + "\n\n";
        break;
    }
    reg += "[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet "
           "Settings]\n\"ProxyEnable\"=dword:00000001\n\"ProxyServer\"=\"127.0.0.1:" +
           std::to_string(proxyPort) + "\"\n";
    ImportRegistry(reg);
}

} // namespace e2e
