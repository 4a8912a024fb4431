#pragma once

#include "Scenario.h"

#include <string>

// The Windows side of a wizard's world: the Windows build's files and the
// registry of its Wine prefix.
namespace e2e {

struct WinePaths {
    std::string work;    // scratch folder of this suite
    std::string standin; // the stand-in libraries of the Windows build
    std::string program; // Ovaldi.exe of the Windows build
    static const WinePaths& Get();
};

// The stand-in DLLs of the Windows build.
LibraryFiles WindowsLibraries();

// Points the registry at the install folder and the proxy at the port.
void WriteRegistry(const std::string& installFolder, Setting setting, int proxyPort);

} // namespace e2e
