#include "Scenario.h"

#include "Harness.h"
#include "WindowsBuild.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace e2e {

namespace fs = std::filesystem;

namespace {

void CopyLibraries(const std::string& install, Libraries libraries) {
    const std::string from = Paths::Get().standin + "/";
    auto copy = [&](const std::string& name, const std::string& as) {
        CopyFile(from + name, install + "/" + as);
    };
    switch (libraries) {
    case Libraries::Generation1:
        copy("libexpat.dll", "libexpat.dll");
        for (const char* runtime : {"libgcc_s_dw2-1.dll", "libstdc++-6.dll"})
            if (fs::exists(from + runtime))
                copy(runtime, runtime);
        [[fallthrough]];
    case Libraries::Generation1NoCompanions:
        copy("tqsllib.dll", "tqsllib.dll");
        copy("tqsllib2.dll", "tqsllib2.dll");
        break;
    case Libraries::Generation2:
        copy("tqsllib2.dll", "tqsllib2.dll");
        break;
    case Libraries::LackingExport:
        copy("tqsllib2-lacking.dll", "tqsllib2.dll");
        break;
    case Libraries::None:
        break;
    }
}

std::string RegString(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

} // namespace

std::string BuildInstall(const std::string& folder, const World& world) {
    const std::string install = folder + "/install";
    const std::string store = install + "/tqsl-store";
    ResetFolder(install);
    fs::create_directories(store);
    CopyLibraries(install, world.libraries);
    std::string conf = "[behaviour]\n" + world.behaviour + "\n";
    for (const std::string& cert : world.certs) {
        const std::string base = Paths::Get().fixtures + "/" + cert;
        conf += "\n" + ReadFile(base + ".conf");
        CopyFile(base + ".pem", store + "/" + cert + ".pem");
        if (fs::exists(base + ".key"))
            CopyFile(base + ".key", store + "/" + cert + ".key");
    }
    WriteFile(store + "/store.conf", conf);
    return install;
}

void WriteRegistry(const std::string& installFolder, Registry registry, int proxyPort) {
    const std::string folder = wizard_driver::windowsPath(installFolder);
    std::string reg = "REGEDIT4\n\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\TrustedQSL]\n\n";
    switch (registry) {
    case Registry::CertKey:
        reg += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TrustedQSL\\TQSLCert]\n\"InstallPath\"=" +
               RegString(folder) + "\n\n";
        break;
    case Registry::TrustedQslKey:
        reg += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TrustedQSL]\n\"InstallPath\"=" + RegString(folder) +
               "\n\n";
        break;
    case Registry::NoKey:
        break;
    case Registry::EmptyValue:
        reg += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TrustedQSL\\TQSLCert]\n\"InstallPath\"=\"\"\n\n";
        break;
    case Registry::TooLongValue:
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

std::vector<std::string> CallLog(const std::string& installFolder) {
    std::vector<std::string> lines;
    std::stringstream log(ReadFile(installFolder + "/tqsl-store/calls.log"));
    for (std::string line; std::getline(log, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> CallNames(const std::vector<std::string>& log) {
    std::vector<std::string> names;
    for (const std::string& line : log)
        names.push_back(line.substr(0, line.find(' ')));
    return names;
}

std::string SigningPhaseFault(const std::vector<std::string>& log) {
    bool open = false;
    for (const std::string& line : log) {
        const std::string name = line.substr(0, line.find(' '));
        const size_t result = line.find(" => ");
        const bool succeeded = result != std::string::npos &&
                               line.compare(result + 4, std::string::npos, "0", 0, 1) == 0 &&
                               (line.size() == result + 5 || line[result + 5] == ' ');
        if (name == "tqsl_beginSigning") {
            if (open)
                return "signing began again before it ended: " + line;
            open = succeeded;
        } else if (name == "tqsl_endSigning") {
            if (!open)
                return "tqsl_endSigning without a signing phase: " + line;
            open = false;
        }
    }
    return open ? "a signing phase was never ended" : "";
}

std::string RequestBody(const std::string& request) {
    const size_t head = request.find("\r\n\r\n");
    return head == std::string::npos ? "" : request.substr(head + 4);
}

std::string FieldValue(const std::string& body, const std::string& name) {
    const std::string key = name + "=";
    for (size_t at = 0; at < body.size();) {
        const size_t end = std::min(body.find('&', at), body.size());
        if (body.compare(at, key.size(), key) == 0)
            return body.substr(at + key.size(), end - at - key.size());
        at = end + 1;
    }
    return "";
}

} // namespace e2e
