#include "submit/FormEncoding.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

const char kEscapeSet[] = "!@#$^&*()_-=|}{\\][\":';?><,./~`";

// The escaping as defined: thirty ordered replace passes, each resuming behind
// what it inserted, then spaces to plus signs.
std::string ReferenceEncode(std::string text) {
    for (const char* c = kEscapeSet; *c; ++c) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%%%.2X", static_cast<unsigned char>(*c));
        for (size_t at = text.find(*c); at != std::string::npos; at = text.find(*c, at + 3))
            text.replace(at, 1, hex);
    }
    for (char& ch : text)
        if (ch == ' ')
            ch = '+';
    return text;
}

struct Example {
    const char* in;
    const char* out;
};

TEST(UrlEncodeField, WorkedExamples) {
    const Example examples[] = {
        {"a b+c=d", "a+b+c%3Dd"},
        {"x-y (a:b)", "x%2Dy+%28a%3Ab%29"},
        {"100% done!", "100%+done%21"},
        {"ab+/cd==", "ab+%2Fcd%3D%3D"},
        {"", ""},
        {"AZaz09", "AZaz09"},
        {"%41", "%41"},
        {"-----BEGIN CERTIFICATE-----\r\nMIIB\nxyz\r\n",
         "%2D%2D%2D%2D%2DBEGIN+CERTIFICATE%2D%2D%2D%2D%2D\r\nMIIB\nxyz\r\n"},
    };
    for (const Example& e : examples)
        EXPECT_EQ(UrlEncodeField(e.in), e.out) << "argument: " << e.in;
}

TEST(UrlEncodeField, EveryCharacterClass) {
    std::vector<std::pair<std::string, std::string>> cases;
    for (const char* c = kEscapeSet; *c; ++c) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%%%.2X", static_cast<unsigned char>(*c));
        cases.emplace_back(std::string(1, *c), hex);
    }
    cases.emplace_back(" ", "+");
    cases.emplace_back("+", "+");
    cases.emplace_back("%", "%");
    for (const char raw : {'\t', '\r', '\n', '\x01', '\x1f', '\x7f'})
        cases.emplace_back(std::string(1, raw), std::string(1, raw));
    for (int b = 0x80; b <= 0xFF; ++b)
        cases.emplace_back(std::string(1, static_cast<char>(b)),
                           std::string(1, static_cast<char>(b)));

    ASSERT_EQ(std::string(kEscapeSet).size(), 30u);
    for (const auto& [in, out] : cases)
        EXPECT_EQ(UrlEncodeField(in.c_str()), out)
            << "byte 0x" << std::hex << int(static_cast<unsigned char>(in[0]));
}

TEST(UrlEncodeField, MatchesTheThirtyPassDefinitionOnRandomText) {
    std::mt19937 rng(20261211);
    std::uniform_int_distribution<int> byte(1, 255), length(0, 300);
    for (int round = 0; round < 2000; ++round) {
        std::string text(length(rng), ' ');
        size_t escapes = 0;
        for (char& ch : text) {
            ch = static_cast<char>(byte(rng));
            escapes += std::string(kEscapeSet).find(ch) != std::string::npos;
        }
        const std::string encoded = UrlEncodeField(text.c_str());
        ASSERT_EQ(encoded.size(), text.size() + 2 * escapes);
        ASSERT_EQ(encoded, ReferenceEncode(text));
    }
}

TEST(UrlEncodeField, StopsAtFirstZeroByte) {
    const char text[] = "a=b\0c=d";
    EXPECT_EQ(UrlEncodeField(text), "a%3Db");
}

TEST(BuildFormBody, JoinsTheThreeFieldsInOrder) {
    EXPECT_EQ(BuildFormBody("AB", "X|Y", "ab+/="), "cert=AB&data=X%7CY&sig=ab+%2F%3D");
    EXPECT_EQ(BuildFormBody("", "", ""), "cert=&data=&sig=");
    EXPECT_EQ(BuildFormBody("c&d", "r=s", "t u"), "cert=c%26d&data=r%3Ds&sig=t+u");
}

TEST(BuildFormBody, EqualsConcatenationOfEncodedFields) {
    const std::string cert = "-----BEGIN CERTIFICATE-----\nMIIC+/9=\n-----END CERTIFICATE-----\n";
    const std::string record =
        "K1ABC|/C=US/O=American Radio Relay League/CN=LoTW|305419896|k1abc@example.org";
    const std::string sig = "q83vASNF+/Z4==\n";
    EXPECT_EQ(BuildFormBody(cert.c_str(), record.c_str(), sig.c_str()),
              "cert=" + UrlEncodeField(cert.c_str()) + "&data=" + UrlEncodeField(record.c_str()) +
                  "&sig=" + UrlEncodeField(sig.c_str()));
}

} // namespace
