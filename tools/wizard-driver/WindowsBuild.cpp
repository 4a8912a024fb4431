#include "WindowsBuild.h"

#include "Subprocess.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace wizard_driver {

namespace {

constexpr int kWineSkipStatus = 77; // scripts/wine-env: this kernel cannot run that Wine

// The machine field of the PE header tells 64-bit (x86_64) from 32-bit (i686).
const char* wineBits(const std::filesystem::path& exe) {
    std::ifstream in(exe, std::ios::binary);
    std::uint32_t peOffset = 0;
    in.seekg(0x3c);
    in.read(reinterpret_cast<char*>(&peOffset), sizeof(peOffset));
    char signature[4] = {};
    std::uint16_t machine = 0;
    in.seekg(peOffset);
    in.read(signature, sizeof(signature));
    in.read(reinterpret_cast<char*>(&machine), sizeof(machine));
    if (!in || std::string(signature, 4) != std::string("PE\0\0", 4))
        throw std::runtime_error("not a Windows program: " + exe.string());
    return machine == 0x8664 ? "64" : "32";
}

} // namespace

std::filesystem::path windowsBuildDir() {
    if (const char* configured = std::getenv("OVALDI_WIN_BUILD"); configured && *configured)
        return configured;
    return OVALDI_DEFAULT_WIN_BUILD;
}

std::filesystem::path windowsProgram(const std::string& pathInBuild) {
    return windowsBuildDir() / pathInBuild;
}

std::filesystem::path wizardDriverExe() {
    return windowsProgram("tools/wizard-driver/wizard-driver.exe");
}

std::string windowsPath(const std::filesystem::path& unixPath) {
    std::string path = "Z:" + std::filesystem::absolute(unixPath).lexically_normal().string();
    for (char& c : path)
        c = c == '/' ? '\\' : c;
    return path;
}

std::vector<std::string> wineEnvironment(const std::filesystem::path& exe) {
    return {"WINEPREFIX=" + (windowsBuildDir() / "wineprefix").string(),
            std::string("WINE_BITS=") + wineBits(exe)};
}

std::string whyProgramsCannotRun(const std::vector<std::filesystem::path>& programs) {
    for (const auto& program : programs) {
        if (!std::filesystem::is_regular_file(program))
            return "no " + program.string() +
                   ": build the win64 preset first, or set OVALDI_WIN_BUILD to a Windows build";
    }
    const std::string prepareScript = (std::filesystem::path(OVALDI_SCRIPTS_DIR) / "wine-prefix");
    const int status =
        runToEnd({prepareScript}, environmentWith(wineEnvironment(programs.front())));
    if (status == kWineSkipStatus)
        return "this machine cannot run the Wine these programs need";
    if (status != 0)
        throw std::runtime_error("cannot prepare the Wine prefix in " + windowsBuildDir().string() +
                                 " (exit status " + std::to_string(status) + ")");
    return {};
}

std::filesystem::path wineRunScript() {
    return std::filesystem::path(OVALDI_SCRIPTS_DIR) / "wine-run";
}

} // namespace wizard_driver
