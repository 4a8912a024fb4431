#pragma once
#include <filesystem>

// The folder holding the stand-in library file itself, wherever it was loaded from.
std::filesystem::path libraryFolder();
