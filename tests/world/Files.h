#pragma once

#include <string>

// Whole-file reads and writes for the wizard suites.
namespace e2e {

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);
void CopyFile(const std::string& from, const std::string& to);
// A fresh, empty folder.
void ResetFolder(const std::string& path);

} // namespace e2e
