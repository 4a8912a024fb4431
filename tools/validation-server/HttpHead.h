#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct HttpHead {
    std::string method;
    std::string target;
    std::string version;
    std::vector<std::pair<std::string, std::string>> headers;

    // The value of the first header of that name, compared case-insensitively.
    std::optional<std::string> header(std::string_view name) const;
};

// Parses a request head without its terminating blank line; nothing if malformed.
std::optional<HttpHead> ParseHttpHead(std::string_view head);

enum class LengthField { Absent, Valid, Malformed };

// Reads Content-Length; a value too large for size_t comes back as SIZE_MAX.
LengthField ContentLength(const HttpHead& head, std::size_t& length);

// True for the validation path in origin form or as an absolute http URI of any host.
bool IsValidationTarget(std::string_view target);
