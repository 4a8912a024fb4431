#include "FormEncoding.h"

#include "LeadBytes.h"

#include <cstring>

namespace {

const char kEscapeSet[] = "!@#$^&*()_-=|}{\\][\":';?><,./~`";

enum ByteClass : unsigned char { kCopy, kSpace, kLead, kEscape };

struct ByteClasses {
    unsigned char of[256];
    ByteClasses() {
        const bool* lead = AnsiLeadByteTable();
        for (int b = 0; b < 256; ++b)
            of[b] = lead[b] ? kLead : kCopy;
        of[static_cast<unsigned char>(' ')] = kSpace;
        for (const char* p = kEscapeSet; *p; ++p)
            of[static_cast<unsigned char>(*p)] = kEscape;
    }
};

const unsigned char* Classes() {
    static const ByteClasses classes;
    return classes.of;
}

// Writes the escaped text at out (room for three bytes per input byte) and
// returns the end of what it wrote.
char* Encode(const char* text, char* out, const unsigned char* cls) {
    static const char kHex[] = "0123456789ABCDEF";
    for (const unsigned char* s = reinterpret_cast<const unsigned char*>(text); *s; ++s) {
        const unsigned char c = *s;
        switch (cls[c]) {
        case kCopy:
            *out++ = static_cast<char>(c);
            break;
        case kSpace:
            *out++ = '+';
            break;
        case kLead:
            // A double-byte character passes whole, whatever its trail byte.
            *out++ = static_cast<char>(c);
            if (s[1])
                *out++ = static_cast<char>(*++s);
            break;
        default:
            out[0] = '%';
            out[1] = kHex[c >> 4];
            out[2] = kHex[c & 0x0F];
            out += 3;
        }
    }
    return out;
}

char* Append(char* out, const char* literal, size_t length) {
    std::memcpy(out, literal, length);
    return out + length;
}

} // namespace

std::string UrlEncodeField(const char* text) {
    std::string result(3 * std::strlen(text), '\0');
    char* const begin = &result[0];
    result.resize(Encode(text, begin, Classes()) - begin);
    return result;
}

std::string BuildFormBody(const char* certText, const char* record, const char* signatureText) {
    static const char kCert[] = "cert=", kData[] = "&data=", kSig[] = "&sig=";
    const size_t literals = sizeof kCert + sizeof kData + sizeof kSig - 3;
    const size_t worst =
        literals + 3 * (std::strlen(certText) + std::strlen(record) + std::strlen(signatureText));
    std::string body(worst, '\0');
    const unsigned char* cls = Classes();
    char* const begin = &body[0];
    char* out = Append(begin, kCert, sizeof kCert - 1);
    out = Encode(certText, out, cls);
    out = Append(out, kData, sizeof kData - 1);
    out = Encode(record, out, cls);
    out = Append(out, kSig, sizeof kSig - 1);
    out = Encode(signatureText, out, cls);
    body.resize(out - begin);
    return body;
}
