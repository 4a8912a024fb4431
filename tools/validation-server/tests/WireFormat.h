#pragma once

#include <map>
#include <optional>
#include <string>

// The client's form escaping: the 30 punctuation characters become %XX, a space
// becomes '+', every other byte passes unchanged.
std::string FormEscape(const std::string& text);

std::string FormBody(const std::string& certificatePem, const std::string& record,
                     const std::string& signature);

constexpr char kValidationPath[] = "/validation/signed_request.jsp";
constexpr char kProxyTarget[] = "http://www.corvalen.org/validation/signed_request.jsp";

// A request with the headers WinInet sends, Content-Length included.
std::string PostRequest(const std::string& target, const std::string& body);

struct HttpAnswer {
    int status = 0;
    std::map<std::string, std::string> headers;
    std::string body;

    std::string header(const std::string& name) const {
        const auto found = headers.find(name);
        return found == headers.end() ? "" : found->second;
    }
};

// Nothing unless the bytes are a status line, headers and a blank line.
std::optional<HttpAnswer> ParseAnswer(const std::string& bytes);
