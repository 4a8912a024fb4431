#include "AuthRecord.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

std::string BufferText(const char* buffer, size_t size) {
    const void* end = std::memchr(buffer, '\0', size);
    return std::string(buffer, end ? static_cast<const char*>(end) - buffer : size);
}

std::string BuildAuthRecord(const std::string& callSign, const std::string& issuer, long serial,
                            const std::string& email) {
    char serialText[16];
    std::snprintf(serialText, sizeof serialText, "%u",
                  static_cast<unsigned>(static_cast<std::uint32_t>(serial)));
    return callSign + "|" + issuer + "|" + serialText + "|" + email;
}
