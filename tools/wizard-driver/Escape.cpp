#include "Escape.h"

namespace wizard_driver {

std::string escapeText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            escaped += "\\\\";
        } else if (c == '\t') {
            escaped += "\\t";
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\r') {
            const bool lineBreak = i + 1 < text.size() && text[i + 1] == '\n';
            escaped += lineBreak ? "\\n" : "\\r";
            i += lineBreak ? 1 : 0;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string unescapeText(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char code = text[++i];
        plain += code == 'n' ? '\n' : code == 't' ? '\t' : code == 'r' ? '\r' : code;
    }
    return plain;
}

} // namespace wizard_driver
