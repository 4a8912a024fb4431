#pragma once

#include "Scenario.h"

#include <string>

// The Linux side of a wizard's world: the stand-in's shared libraries
// (TQSL_STANDIN_DIR) and TrustedQSL's settings file in an XDG configuration
// folder.
namespace e2e {

LibraryFiles LinuxLibraries();

// Writes the setting under configDir, the folder XDG_CONFIG_DIRS names.
void WriteSettings(const std::string& configDir, const std::string& installFolder, Setting setting);

// Builds the world under folder, its settings in folder/xdg, and points this
// process's XDG_CONFIG_DIRS there; returns the install folder.
std::string BuildLinuxInstall(const std::string& folder, const World& world);

} // namespace e2e
