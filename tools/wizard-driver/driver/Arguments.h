#pragma once

#include <string>
#include <utility>

namespace wizard_driver {

// "word rest of line" -> {"word", "rest of line"}; the rest keeps its spaces.
std::pair<std::string, std::string> splitFirstWord(const std::string& line);
// "Key Password 5000" -> {"Key Password", "5000"}: captions may hold spaces.
std::pair<std::string, std::string> splitLastWord(const std::string& text);
int parseInt(const std::string& text, const char* what);

} // namespace wizard_driver
