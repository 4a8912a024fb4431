#include "FormFields.h"

#include <algorithm>
#include <vector>

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string PlusAsSpace(std::string text) {
    std::replace(text.begin(), text.end(), '+', ' ');
    return text;
}

// Base64 lines keep '+' as a plus; only the "-----BEGIN ...-----" style delimiter
// lines contain spaces. Works on the escaped text, where a '+' is still the client's.
std::string DecodePem(std::string_view escaped) {
    std::string pem;
    while (!escaped.empty()) {
        const auto newline = escaped.find('\n');
        const auto length = newline == std::string_view::npos ? escaped.size() : newline + 1;
        const std::string_view line = escaped.substr(0, length);
        std::string decoded = PercentDecode(line);
        if (decoded.rfind("-----", 0) == 0)
            decoded = PercentDecode(PlusAsSpace(std::string(line)));
        pem += decoded;
        escaped.remove_prefix(length);
    }
    return pem;
}

std::vector<std::string_view> SplitAtAmpersands(std::string_view body) {
    std::vector<std::string_view> parts;
    for (;;) {
        const auto amp = body.find('&');
        parts.push_back(body.substr(0, amp));
        if (amp == std::string_view::npos)
            return parts;
        body.remove_prefix(amp + 1);
    }
}

bool TakeValue(std::string_view field, std::string_view name, std::string_view& value) {
    if (field.size() <= name.size() || field.substr(0, name.size()) != name ||
        field[name.size()] != '=')
        return false;
    value = field.substr(name.size() + 1);
    return true;
}

} // namespace

std::string PercentDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::optional<SignedSubmission> DecodeSubmission(std::string_view body, std::string& error) {
    const auto fields = SplitAtAmpersands(body);
    std::string_view cert, data, sig;
    if (fields.size() != 3 || !TakeValue(fields[0], "cert", cert) ||
        !TakeValue(fields[1], "data", data) || !TakeValue(fields[2], "sig", sig)) {
        error = "form is not cert=..&data=..&sig=..";
        return std::nullopt;
    }
    SignedSubmission submission;
    submission.certificatePem = DecodePem(cert);
    submission.record = PercentDecode(PlusAsSpace(std::string(data)));
    submission.signatureBase64 = PercentDecode(sig);
    return submission;
}
