#include "Scenario.h"

#include "Files.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace e2e {

namespace fs = std::filesystem;

std::string FixturesDir() {
    const char* repo = std::getenv("OVALDI_REPO");
    return std::string(repo ? repo : ".") + "/tools/test-certs/fixtures";
}

namespace {

void CopyLibraries(const std::string& install, Libraries libraries, const LibraryFiles& files) {
    auto copy = [&](const std::string& name, const std::string& as) {
        CopyFile(files.from + "/" + name, install + "/" + as);
    };
    switch (libraries) {
    case Libraries::Generation1:
        for (const std::string& companion : files.companions)
            if (fs::exists(files.from + "/" + companion))
                copy(companion, companion);
        [[fallthrough]];
    case Libraries::Generation1NoCompanions:
        copy(files.generation1, files.generation1);
        copy(files.generation2, files.generation2);
        break;
    case Libraries::Generation2:
        copy(files.generation2, files.generation2);
        break;
    case Libraries::LackingExport:
        copy(files.lacking, files.generation2);
        break;
    case Libraries::None:
        break;
    }
}

} // namespace

std::string BuildInstall(const std::string& folder, const World& world, const LibraryFiles& files) {
    const std::string install = folder + "/install";
    const std::string store = install + "/tqsl-store";
    ResetFolder(install);
    fs::create_directories(store);
    CopyLibraries(install, world.libraries, files);
    std::string conf = "[behaviour]\n" + world.behaviour + "\n";
    for (const std::string& cert : world.certs) {
        const std::string base = FixturesDir() + "/" + cert;
        conf += "\n" + ReadFile(base + ".conf");
        CopyFile(base + ".pem", store + "/" + cert + ".pem");
        if (fs::exists(base + ".key"))
            CopyFile(base + ".key", store + "/" + cert + ".key");
    }
    WriteFile(store + "/store.conf", conf);
    return install;
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
