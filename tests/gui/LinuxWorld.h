#pragma once

#include "Scenario.h"

#include <string>

// The Linux side of a wizard's world: the stand-in's shared libraries and
// TrustedQSL's settings file in an XDG configuration folder.
namespace e2e {

void CopyLinuxLibraries(const std::string& install, Libraries libraries);

// Writes the setting under configDir, the folder XDG_CONFIG_DIRS names.
void WriteSettings(const std::string& configDir, const std::string& installFolder, Setting setting);

} // namespace e2e
