#include "Base64.h"

namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kLineLength = 64;
} // namespace

std::string encodeBase64Lines(const unsigned char* data, std::size_t size) {
    std::string plain;
    for (std::size_t i = 0; i < size; i += 3) {
        const std::size_t remaining = size - i;
        unsigned group = data[i] << 16;
        if (remaining > 1)
            group |= data[i + 1] << 8;
        if (remaining > 2)
            group |= data[i + 2];
        plain += kAlphabet[(group >> 18) & 63];
        plain += kAlphabet[(group >> 12) & 63];
        plain += remaining > 1 ? kAlphabet[(group >> 6) & 63] : '=';
        plain += remaining > 2 ? kAlphabet[group & 63] : '=';
    }
    std::string lines;
    for (std::size_t i = 0; i < plain.size(); i += kLineLength)
        lines += plain.substr(i, kLineLength) + '\n';
    return lines;
}
