#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace wizard_driver {

// Native end-to-end tests drive programs of a separate Windows build tree:
// $OVALDI_WIN_BUILD when set, else the folder configured as the CMake cache
// variable OVALDI_WIN_BUILD (default <repo>/build/win64).
std::filesystem::path windowsBuildDir();
// A program of that build, by its path inside the build tree.
std::filesystem::path windowsProgram(const std::string& pathInBuild);
std::filesystem::path wizardDriverExe();

// The path as the Windows programs see it, through Wine's Z: drive.
std::string windowsPath(const std::filesystem::path& unixPath);

// NAME=value entries to add to this process's environment for Wine to run
// `exe` in the Windows build's own prefix (<build>/wineprefix), with the
// 32- or 64-bit loader that matches the exe.
std::vector<std::string> wineEnvironment(const std::filesystem::path& exe);

// Empty when `programs` can run here; else why not, for a test to skip with:
// a program is not built, or this machine has no Wine that runs it. Creates
// the build's Wine prefix when it is missing (about 20 s, once); throws when
// that fails.
std::string whyProgramsCannotRun(const std::vector<std::filesystem::path>& programs);

// scripts/wine-run, which starts a Windows program under the right loader.
std::filesystem::path wineRunScript();

} // namespace wizard_driver
