#include "Arguments.h"

#include "DriverError.h"

#include <cerrno>
#include <cstdlib>

namespace wizard_driver {

std::pair<std::string, std::string> splitFirstWord(const std::string& line) {
    const auto space = line.find(' ');
    if (space == std::string::npos)
        return {line, ""};
    return {line.substr(0, space), line.substr(space + 1)};
}

std::pair<std::string, std::string> splitLastWord(const std::string& text) {
    const auto space = text.rfind(' ');
    if (space == std::string::npos)
        return {"", text};
    return {text.substr(0, space), text.substr(space + 1)};
}

int parseInt(const std::string& text, const char* what) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE || value < -1 || value > 0x7fffffff)
        throw DriverError(std::string("bad ") + what + ": \"" + text + "\"");
    return static_cast<int>(value);
}

} // namespace wizard_driver
