#include "WireFormat.h"

#include <cstdio>
#include <cstring>

std::string FormEscape(const std::string& text) {
    static const char kEscaped[] = "!@#$^&*()_-=|}{\\][\":';?><,./~`";
    std::string out;
    for (const char c : text) {
        if (c == ' ') {
            out += '+';
        } else if (c != '\0' && std::strchr(kEscaped, c)) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

std::string FormBody(const std::string& certificatePem, const std::string& record,
                     const std::string& signature) {
    return "cert=" + FormEscape(certificatePem) + "&data=" + FormEscape(record) +
           "&sig=" + FormEscape(signature);
}

std::string PostRequest(const std::string& target, const std::string& body) {
    const bool proxyForm = target.rfind("http://", 0) == 0;
    return "POST " + target +
           " HTTP/1.0\r\n"
           "Content-Type: application/x-www-form-urlencoded\r\n"
           "User-Agent: Ovaldi\r\n"
           "Host: www.corvalen.org\r\n"
           "Content-Length: " +
           std::to_string(body.size()) + "\r\n" +
           (proxyForm ? "Proxy-Connection: Keep-Alive\r\n" : "") + "Pragma: no-cache\r\n\r\n" +
           body;
}

std::optional<HttpAnswer> ParseAnswer(const std::string& bytes) {
    const auto headEnd = bytes.find("\r\n\r\n");
    int status = 0;
    if (headEnd == std::string::npos || std::sscanf(bytes.c_str(), "HTTP/1.%*d %3d", &status) != 1)
        return std::nullopt;
    HttpAnswer answer;
    answer.status = status;
    answer.body = bytes.substr(headEnd + 4);
    std::size_t lineStart = bytes.find("\r\n") + 2;
    while (lineStart < headEnd) {
        const auto lineEnd = bytes.find("\r\n", lineStart);
        const std::string line = bytes.substr(lineStart, lineEnd - lineStart);
        const auto colon = line.find(": ");
        if (colon == std::string::npos)
            return std::nullopt;
        answer.headers[line.substr(0, colon)] = line.substr(colon + 2);
        lineStart = lineEnd + 2;
    }
    return answer;
}
