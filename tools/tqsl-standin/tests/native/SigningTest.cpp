// Signing: real RSA signatures, and the order of calls it needs.
#include "OpenSslCheck.h"
#include "PasswordPrompt.h"
#include "StandinLibrary.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr char kNotSigning[] = "Signing has not been started for this certificate";

std::string binaryData() {
    std::string data;
    for (int i = 0; i < 300; ++i)
        data += static_cast<char>(i * 37 + 11);
    return data;
}

struct SignCase {
    const char* name;
    const char* fixture;
    int modulusBytes;
    std::string data;
};

// Names the case in gtest's messages instead of dumping its bytes.
void PrintTo(const SignCase& c, std::ostream* out) {
    *out << c.name;
}

class Signing : public testing::TestWithParam<SignCase> {};

TEST_P(Signing, MakesSignaturesTheCertificateVerifies) {
    const SignCase& c = GetParam();
    StandinLibrary library({{c.fixture}});
    const Tqsl& tqsl = library.tqsl();
    void* cert = library.certificates().at(0);
    PasswordPrompt prompt{"s3cret pass"};
    ASSERT_EQ(tqsl.beginSigning(cert, nullptr, &PasswordPrompt::callback, &prompt), 0)
        << library.errorText();
    EXPECT_EQ(tqsl.checkSigningStatus(cert), 0);
    int maxSize = 0;
    ASSERT_EQ(tqsl.getMaxSignatureSize(cert, &maxSize), 0);
    EXPECT_EQ(maxSize, c.modulusBytes);

    std::vector<unsigned char> signature(c.modulusBytes);
    int length = c.modulusBytes;
    ASSERT_EQ(tqsl.signDataBlock(cert, reinterpret_cast<const unsigned char*>(c.data.data()),
                                 static_cast<int>(c.data.size()), signature.data(), &length),
              0)
        << library.errorText();
    EXPECT_EQ(length, c.modulusBytes);
    const auto pem = fixturePath(std::string(c.fixture) + ".pem");
    EXPECT_TRUE(verifiesWithCertificate(pem, c.data, signature));
    EXPECT_FALSE(verifiesWithCertificate(pem, c.data + "!", signature));

    EXPECT_EQ(tqsl.endSigning(cert), 0);
    EXPECT_NE(tqsl.checkSigningStatus(cert), 0);
    EXPECT_NE(tqsl.signDataBlock(cert, reinterpret_cast<const unsigned char*>(c.data.data()),
                                 static_cast<int>(c.data.size()), signature.data(), &length),
              0);
    EXPECT_EQ(library.errorText(), kNotSigning);
}

INSTANTIATE_TEST_SUITE_P(Keys, Signing,
                         testing::Values(SignCase{"Encrypted2048", "K1ABC", 256,
                                                  "<CALL:5>K1ABC<EOR>"},
                                         SignCase{"Clear1024", "W1AW", 128, binaryData()},
                                         SignCase{"EmptyData", "K1ABC-2", 128, ""},
                                         SignCase{"OtherCa", "DL1XYZ", 256, "data"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SigningOrder, NothingSignsBeforeBeginSigning) {
    StandinLibrary library;
    const Tqsl& tqsl = library.tqsl();
    void* cert = library.certificates().at(1);
    int maxSize = -7;
    EXPECT_NE(tqsl.getMaxSignatureSize(cert, &maxSize), 0);
    EXPECT_EQ(maxSize, -7);
    EXPECT_EQ(library.errorText(), kNotSigning);
    EXPECT_NE(tqsl.checkSigningStatus(cert), 0);
    unsigned char signature[128];
    int length = sizeof signature;
    const unsigned char data[] = "abc";
    EXPECT_NE(tqsl.signDataBlock(cert, data, 3, signature, &length), 0);
    EXPECT_EQ(library.errorText(), kNotSigning);
}

TEST(SigningOrder, SigningOneCertificateLeavesTheOtherClosed) {
    StandinLibrary library;
    const Tqsl& tqsl = library.tqsl();
    const std::vector<void*> certs = library.certificates();
    ASSERT_EQ(tqsl.beginSigning(certs[1], nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(tqsl.checkSigningStatus(certs[1]), 0);
    EXPECT_NE(tqsl.checkSigningStatus(certs[0]), 0);
}

TEST(SignatureBuffer, TooSmallFailsWithoutWriting) {
    StandinLibrary library({{"W1AW"}});
    const Tqsl& tqsl = library.tqsl();
    void* cert = library.certificates().at(0);
    ASSERT_EQ(tqsl.beginSigning(cert, nullptr, nullptr, nullptr), 0);
    std::vector<unsigned char> buffer(256, 0x5C);
    int length = 127;
    const unsigned char data[] = "abc";
    EXPECT_NE(tqsl.signDataBlock(cert, data, 3, buffer.data(), &length), 0);
    EXPECT_EQ(library.errorText(), "The buffer is too small: 128 bytes needed");
    EXPECT_EQ(length, 127);
    EXPECT_EQ(buffer, std::vector<unsigned char>(256, 0x5C));
}

} // namespace
