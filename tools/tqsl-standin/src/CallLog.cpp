#include "CallLog.h"

#include <fstream>

std::string toHex(const unsigned char* data, std::size_t size) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * size);
    for (std::size_t i = 0; i < size; ++i) {
        hex += digits[data[i] >> 4];
        hex += digits[data[i] & 15];
    }
    return hex;
}

void appendCallLine(const std::filesystem::path& logFile, const std::string& line) {
    // Opened per line so the log is complete whenever a test reads it, even after a crash.
    std::ofstream log(logFile, std::ios::binary | std::ios::app);
    log << line << '\n';
}
