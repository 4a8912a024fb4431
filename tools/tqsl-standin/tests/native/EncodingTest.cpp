// tqsl_encodeBase64 and tqsl_getCertificateEncoded: exact text, and buffers never overrun.
#include "InstallFolder.h"
#include "OpenSslCheck.h"
#include "StandinLibrary.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string testData(int length) {
    std::string data;
    for (int i = 0; i < length; ++i)
        data += static_cast<char>(i * 37 + 11);
    return data;
}

// OpenSSL's Base64 cut into lines of 64, each ending in '\n'.
std::string expectedBase64(const std::string& data) {
    const std::string plain = base64WithOpenSsl(data);
    std::string lines;
    for (std::size_t i = 0; i < plain.size(); i += 64)
        lines += plain.substr(i, 64) + "\n";
    return lines;
}

class Base64 : public testing::TestWithParam<int> {};

TEST_P(Base64, BreaksLinesAfter64Characters) {
    StandinLibrary library;
    const std::string data = testData(GetParam());
    const std::string expected = expectedBase64(data);
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    const int length = static_cast<int>(data.size());
    const int needed = static_cast<int>(expected.size()) + 1;

    std::string out(needed + 8, '#');
    ASSERT_EQ(library.tqsl().encodeBase64(bytes, length, out.data(), needed), 0);
    EXPECT_EQ(out, expected + '\0' + std::string(8, '#'));

    std::string tooSmall(needed + 8, '#');
    EXPECT_NE(library.tqsl().encodeBase64(bytes, length, tooSmall.data(), needed - 1), 0);
    EXPECT_EQ(library.errorText(),
              "The buffer is too small: " + std::to_string(needed) + " bytes needed");
    EXPECT_EQ(tooSmall, std::string(needed + 8, '#'));
}

// Around the 48 bytes that fill one 64-character line.
INSTANTIATE_TEST_SUITE_P(Lengths, Base64,
                         testing::Values(0, 1, 2, 3, 47, 48, 49, 95, 96, 97, 256, 1000));

class CertificatePem : public testing::TestWithParam<bool> {};

TEST_P(CertificatePem, IsTheFileWithLfLineEnds) {
    const bool crlfFile = GetParam();
    StandinLibrary library({{"W1AW"}});
    const std::string pem = readText(fixturePath("W1AW.pem"));
    ASSERT_EQ(pem.find('\r'), std::string::npos);
    if (crlfFile) {
        std::string crlf;
        for (char c : pem)
            crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        library.folder().writeStoreFile("W1AW.pem", crlf);
    }
    void* cert = library.certificates().at(0);
    const int needed = static_cast<int>(pem.size()) + 1;

    std::string out(needed + 8, '#');
    ASSERT_EQ(library.tqsl().getCertificateEncoded(cert, out.data(), needed), 0);
    EXPECT_EQ(out, pem + '\0' + std::string(8, '#'));

    std::string tooSmall(needed + 8, '#');
    EXPECT_NE(library.tqsl().getCertificateEncoded(cert, tooSmall.data(), needed - 1), 0);
    EXPECT_EQ(tooSmall, std::string(needed + 8, '#'));
}

INSTANTIATE_TEST_SUITE_P(LineEnds, CertificatePem, testing::Bool(),
                         [](const auto& info) { return info.param ? "CrLf" : "Lf"; });

} // namespace
