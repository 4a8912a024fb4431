// The [behaviour] switches that make one step fail, with a text or a null error string.
#include "StandinLibrary.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <tuple>

namespace {

// Runs the steps before the switched one (which must succeed) and returns the switched
// step's result.
using Step = std::function<int(const Tqsl&, void* cert)>;

int beginSigning(const Tqsl& tqsl, void* cert) {
    return tqsl.beginSigning(cert, nullptr, nullptr, nullptr);
}

struct SwitchCase {
    const char* name;
    Step step;
};

// Names the case in gtest's messages instead of dumping its bytes.
void PrintTo(const SwitchCase& c, std::ostream* out) {
    *out << c.name;
}

const SwitchCase kSwitches[] = {
    {"init_fail", [](const Tqsl& tqsl, void*) { return tqsl.init(); }},
    {"select_fail",
     [](const Tqsl& tqsl, void*) {
         void** list = nullptr;
         int count = 0;
         return tqsl.selectCertificates(&list, &count, nullptr, 0, nullptr, nullptr, 0);
     }},
    {"begin_fail", beginSigning},
    {"check_fail",
     [](const Tqsl& tqsl, void* cert) {
         EXPECT_EQ(beginSigning(tqsl, cert), 0);
         return tqsl.checkSigningStatus(cert);
     }},
    {"sign_fail",
     [](const Tqsl& tqsl, void* cert) {
         EXPECT_EQ(beginSigning(tqsl, cert), 0);
         unsigned char signature[128];
         int length = sizeof signature;
         const unsigned char data[] = "abc";
         return tqsl.signDataBlock(cert, data, 3, signature, &length);
     }},
    {"maxsize_fail",
     [](const Tqsl& tqsl, void* cert) {
         EXPECT_EQ(beginSigning(tqsl, cert), 0);
         int size = -7;
         const int result = tqsl.getMaxSignatureSize(cert, &size);
         EXPECT_EQ(size == -7, result != 0) << "a failure leaves the size alone";
         return result;
     }},
    {"base64_fail",
     [](const Tqsl& tqsl, void*) {
         const unsigned char data[] = "abc";
         char out[16];
         return tqsl.encodeBase64(data, 3, out, sizeof out);
     }},
    {"encoded_fail",
     [](const Tqsl& tqsl, void* cert) {
         char pem[4096];
         return tqsl.getCertificateEncoded(cert, pem, sizeof pem);
     }},
};

class FailSwitch : public testing::TestWithParam<std::tuple<SwitchCase, bool>> {};

TEST_P(FailSwitch, FailsItsStepOnly) {
    const auto& [sw, nullText] = GetParam();
    const std::string text = std::string("Injected failure of ") + sw.name;
    StandinLibrary withSwitch(
        {{"W1AW"}, std::string(sw.name) + " = " + (nullText ? "(null)" : text)});
    StandinLibrary without({{"W1AW"}});
    const bool listsCertificates = std::string(sw.name) != "select_fail";
    void* cert = listsCertificates ? withSwitch.certificates().at(0) : nullptr;

    EXPECT_NE(sw.step(withSwitch.tqsl(), cert), 0);
    const char* error = withSwitch.tqsl().getErrorString();
    if (nullText)
        EXPECT_EQ(error, nullptr);
    else
        EXPECT_STREQ(error, text.c_str());
    EXPECT_EQ(sw.step(without.tqsl(), without.certificates().at(0)), 0) << without.errorText();
}

INSTANTIATE_TEST_SUITE_P(Switches, FailSwitch,
                         testing::Combine(testing::ValuesIn(kSwitches), testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "_null" : "_text");
                         });

} // namespace
