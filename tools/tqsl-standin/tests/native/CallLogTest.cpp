// tqsl-store/calls.log: the line each call appends, in call order.
#include "PasswordPrompt.h"
#include "StandinLibrary.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CallLog, RecordsASigningSession) {
    StandinLibrary library;
    const Tqsl& tqsl = library.tqsl();
    ASSERT_EQ(tqsl.init(), 0);
    void** list = nullptr;
    int count = 0;
    ASSERT_EQ(tqsl.selectCertificates(&list, &count, "K1ABC", 291, nullptr, nullptr, 4), 0);
    char text[64];
    ASSERT_EQ(tqsl.getCertificateCallSign(list[0], text, sizeof text), 0);
    long serial = 0;
    ASSERT_EQ(tqsl.getCertificateSerial(list[1], &serial), 0);
    PasswordPrompt prompt{"s3cret pass"};
    ASSERT_EQ(tqsl.beginSigning(list[0], nullptr, &PasswordPrompt::callback, &prompt), 0);
    int size = 0;
    ASSERT_EQ(tqsl.getMaxSignatureSize(list[0], &size), 0);
    const unsigned char data[] = {'a', 'b', 0x00, 0xFF};
    unsigned char signature[300];
    int length = sizeof signature;
    ASSERT_EQ(tqsl.signDataBlock(list[0], data, sizeof data, signature, &length), 0);
    ASSERT_EQ(tqsl.endSigning(list[0]), 0);
    char base64[16];
    ASSERT_EQ(tqsl.encodeBase64(data, sizeof data, base64, sizeof base64), 0);
    ASSERT_EQ(tqsl.beginSigning(list[1], nullptr, nullptr, nullptr), 0);
    ASSERT_NE(tqsl.checkSigningStatus(nullptr), 0);
    tqsl.getErrorString();

    const std::vector<std::string> expected = {
        "tqsl_init build=generation1 => 0",
        "tqsl_selectCertificates callsign=K1ABC dxcc=291 flags=4 => 0 count=2",
        "tqsl_getCertificateCallSign K1ABC#0 size=64 => 0",
        "tqsl_getCertificateSerial W1AW#1 => 0 serial=4294967295",
        "password_callback K1ABC#0 size=256 => 0 wrote=7333637265742070617373",
        "tqsl_beginSigning K1ABC#0 password=null callback=set => 0",
        "tqsl_getMaxSignatureSize K1ABC#0 => 0 size=256",
        "tqsl_signDataBlock K1ABC#0 len=4 data=616200ff capacity=300 => 0 siglen=256",
        "tqsl_endSigning K1ABC#0 => 0",
        "tqsl_encodeBase64 len=4 outlen=16 => 0",
        "tqsl_beginSigning W1AW#1 password=null callback=null => 0",
        "tqsl_checkSigningStatus <null> => 1",
        "tqsl_getErrorString => \"Invalid certificate handle\"",
    };
    EXPECT_EQ(library.folder().callLog(), expected);
}

TEST(CallLog, RecordsACancelledPasswordAndANullErrorString) {
    StandinLibrary library({{"K1ABC"}, "init_fail = (null)"});
    const Tqsl& tqsl = library.tqsl();
    EXPECT_NE(tqsl.init(), 0);
    tqsl.getErrorString();
    void* cert = library.certificates().at(0);
    PasswordPrompt prompt{"x", 5};
    EXPECT_NE(tqsl.beginSigning(cert, nullptr, &PasswordPrompt::callback, &prompt), 0);
    char pem[8];
    EXPECT_NE(tqsl.getCertificateEncoded(cert, pem, sizeof pem), 0);

    const std::vector<std::string> expected = {
        "tqsl_init build=generation1 => 1",
        "tqsl_getErrorString => null",
        "tqsl_selectCertificates callsign=null dxcc=0 flags=0 => 0 count=1",
        "password_callback K1ABC#0 size=256 => 5 wrote=78",
        "tqsl_beginSigning K1ABC#0 password=null callback=set => 1",
        "tqsl_getCertificateEncoded K1ABC#0 size=8 => 1",
    };
    EXPECT_EQ(library.folder().callLog(), expected);
}

} // namespace
