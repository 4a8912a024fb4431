#pragma once

#include <string>

// What the binding needs of the operating system.
namespace tqsl_platform {

// The TrustedQSL install folder from the system's settings, or empty.
std::string ReadInstallFolder();

// File names appended to the install folder, each with its leading separator.
extern const char* const kCompanionLibraries[];
extern const char* const kGeneration1Library;
extern const char* const kGeneration2Library;

void* OpenLibrary(const std::string& path);
void* FindFunction(void* library, const char* name);
void CloseLibrary(void* library);

} // namespace tqsl_platform
