#include "Platform.h"

#include <windows.h>

namespace tqsl_platform {

const char* const kCompanionLibraries[] = {"\\libexpat.dll", "\\libgcc_s_dw2-1.dll",
                                           "\\libstdc++-6.dll", nullptr};
const char* const kGeneration1Library = "\\tqsllib.dll";
const char* const kGeneration2Library = "\\tqsllib2.dll";

namespace {

// Reads InstallPath under the key into a 260-byte buffer, offering 259 bytes so
// the text always ends in a zero. A value too long for that counts as absent:
// the buffer would hold only part of the path.
std::string ReadInstallPath(const char* keyName) {
    char folder[260] = {};
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::string();
    DWORD size = sizeof folder - 1;
    const LONG read = RegQueryValueExA(key, "InstallPath", nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(folder), &size);
    RegCloseKey(key);
    if (read == ERROR_MORE_DATA)
        return std::string();
    return folder;
}

} // namespace

std::string ReadInstallFolder() {
    std::string folder = ReadInstallPath("SOFTWARE\\TrustedQSL\\TQSLCert");
    // Current installers record the folder one level up.
    if (folder.empty())
        folder = ReadInstallPath("SOFTWARE\\TrustedQSL");
    return folder;
}

void* OpenLibrary(const std::string& path) {
    return LoadLibraryA(path.c_str());
}

void* FindFunction(void* library, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseLibrary(void* library) {
    FreeLibrary(static_cast<HMODULE>(library));
}

} // namespace tqsl_platform
