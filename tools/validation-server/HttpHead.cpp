#include "HttpHead.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace {

constexpr std::string_view kValidationPath = "/validation/signed_request.jsp";

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool IsToken(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isgraph(static_cast<unsigned char>(c)) && c != ':';
    });
}

bool ParseRequestLine(std::string_view line, HttpHead& head) {
    const auto firstSpace = line.find(' ');
    const auto lastSpace = line.rfind(' ');
    if (firstSpace == std::string_view::npos || firstSpace == lastSpace)
        return false;
    head.method = line.substr(0, firstSpace);
    head.target = line.substr(firstSpace + 1, lastSpace - firstSpace - 1);
    head.version = line.substr(lastSpace + 1);
    return IsToken(head.method) && !head.target.empty() &&
           head.target.find(' ') == std::string::npos && head.version.rfind("HTTP/", 0) == 0;
}

} // namespace

std::optional<std::string> HttpHead::header(std::string_view name) const {
    for (const auto& [key, value] : headers)
        if (EqualsIgnoringCase(key, name))
            return value;
    return std::nullopt;
}

std::optional<HttpHead> ParseHttpHead(std::string_view text) {
    HttpHead head;
    std::size_t lineStart = 0;
    bool firstLine = true;
    while (lineStart <= text.size()) {
        auto lineEnd = text.find("\r\n", lineStart);
        if (lineEnd == std::string_view::npos)
            lineEnd = text.size();
        const std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 2;
        if (firstLine) {
            if (!ParseRequestLine(line, head))
                return std::nullopt;
            firstLine = false;
            continue;
        }
        const auto colon = line.find(':');
        if (colon == std::string_view::npos || !IsToken(line.substr(0, colon)))
            return std::nullopt;
        head.headers.emplace_back(line.substr(0, colon), Trim(line.substr(colon + 1)));
    }
    return head;
}

LengthField ContentLength(const HttpHead& head, std::size_t& length) {
    const auto value = head.header("Content-Length");
    if (!value)
        return LengthField::Absent;
    if (value->empty() || value->find_first_not_of("0123456789") != std::string::npos)
        return LengthField::Malformed;
    length = 0;
    for (const char digit : *value) {
        const std::size_t d = static_cast<std::size_t>(digit - '0');
        if (length > (SIZE_MAX - d) / 10) {
            length = SIZE_MAX;
            break;
        }
        length = length * 10 + d;
    }
    return LengthField::Valid;
}

bool IsValidationTarget(std::string_view target) {
    constexpr std::string_view kScheme = "http://";
    if (target.size() > kScheme.size() &&
        EqualsIgnoringCase(target.substr(0, kScheme.size()), kScheme)) {
        const auto pathStart = target.find('/', kScheme.size());
        if (pathStart == kScheme.size() || pathStart == std::string_view::npos)
            return false;
        target.remove_prefix(pathStart);
    }
    return target == kValidationPath;
}
