// tqsl_beginSigning's password handling: when it asks, with what buffer, and its failures.
#include "PasswordPrompt.h"
#include "StandinLibrary.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct PasswordCase {
    const char* name;
    const char* fixture;
    const char* behaviour;
    PasswordPrompt prompt;      // answer and result
    const char* directPassword; // tqsl_beginSigning's password argument
    const char* expectedError;  // null when signing begins
    int expectedCalls;
    int expectedSize;
};

// Names the case in gtest's messages instead of dumping its bytes.
void PrintTo(const PasswordCase& c, std::ostream* out) {
    *out << c.name;
}

class Password : public testing::TestWithParam<PasswordCase> {};

TEST_P(Password, IsAskedOnlyForEncryptedKeys) {
    const PasswordCase& c = GetParam();
    StandinLibrary library({{c.fixture}, c.behaviour});
    const Tqsl& tqsl = library.tqsl();
    void* cert = library.certificates().at(0);
    PasswordPrompt prompt = c.prompt;
    std::string direct = c.directPassword ? c.directPassword : "";
    const int result = tqsl.beginSigning(cert, c.directPassword ? direct.data() : nullptr,
                                         &PasswordPrompt::callback, &prompt);

    EXPECT_EQ(prompt.calls, c.expectedCalls);
    if (c.expectedCalls > 0) {
        EXPECT_EQ(prompt.size, c.expectedSize);
        EXPECT_TRUE(prompt.bufferPrefilled);
    }
    if (c.expectedError) {
        EXPECT_NE(result, 0);
        EXPECT_EQ(library.errorText(), c.expectedError);
        EXPECT_NE(tqsl.checkSigningStatus(cert), 0);
    } else {
        EXPECT_EQ(result, 0) << library.errorText();
        EXPECT_EQ(tqsl.checkSigningStatus(cert), 0);
    }
}

const char* const kRight = "s3cret pass";

INSTANTIATE_TEST_SUITE_P(
    Cases, Password,
    testing::Values(
        PasswordCase{"RightPassword", "K1ABC", "", {kRight}, nullptr, nullptr, 1, 256},
        PasswordCase{"ConfiguredBufferSize",
                     "K1ABC",
                     "password_buffer_size = 12",
                     {kRight},
                     nullptr,
                     nullptr,
                     1,
                     12},
        PasswordCase{"WrongPassword",
                     "K1ABC",
                     "",
                     {"s3cret pasS"},
                     nullptr,
                     "The password is not correct",
                     1,
                     256},
        PasswordCase{
            "EmptyPassword", "K1ABC", "", {""}, nullptr, "The password is not correct", 1, 256},
        PasswordCase{"BufferTooShortForPassword",
                     "K1ABC",
                     "password_buffer_size = 11",
                     {kRight},
                     nullptr,
                     "The password is not correct",
                     1,
                     11},
        PasswordCase{
            "Cancelled", "K1ABC", "", {kRight, 1}, nullptr, "Password entry was cancelled", 1, 256},
        PasswordCase{"CancelledNegative",
                     "K1ABC",
                     "",
                     {kRight, -1},
                     nullptr,
                     "Password entry was cancelled",
                     1,
                     256},
        PasswordCase{"PasswordArgument", "K1ABC", "", {"unused"}, kRight, nullptr, 0, 0},
        PasswordCase{"ClearKey", "W1AW", "", {"unused"}, nullptr, nullptr, 0, 0},
        PasswordCase{"NoKey",
                     "N1NOKEY",
                     "",
                     {kRight},
                     nullptr,
                     "No private key found for this certificate",
                     0,
                     0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PasswordCallback, IsCalledAgainOnEveryBeginSigning) {
    StandinLibrary library({{"K1ABC"}});
    void* cert = library.certificates().at(0);
    PasswordPrompt prompt{kRight};
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(library.tqsl().beginSigning(cert, nullptr, &PasswordPrompt::callback, &prompt),
                  0);
    EXPECT_EQ(prompt.calls, 2);
}

} // namespace
