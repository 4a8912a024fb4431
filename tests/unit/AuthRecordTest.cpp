#include "core/AuthRecord.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(AuthRecord, JoinsFourFieldsWithThreeSeparators) {
    struct Case {
        const char* call;
        const char* issuer;
        long serial;
        const char* email;
        const char* record;
    } const cases[] = {
        {"K1ABC", "/O=American Radio Relay League", 305419896, "k1abc@example.org",
         "K1ABC|/O=American Radio Relay League|305419896|k1abc@example.org"},
        {"N0MAIL", "/O=ARRL", 0, "", "N0MAIL|/O=ARRL|0|"},
        {"", "", 0, "", "||0|"},
        {"AB1PIPE", "/OU=Test|Pipe", 7, "x@y", "AB1PIPE|/OU=Test|Pipe|7|x@y"},
        // The serial is its 32-bit value, unsigned, whatever the size of long.
        {"W1AW", "i", static_cast<long>(0xFFFFFFFFul), "w", "W1AW|i|4294967295|w"},
        {"W1AW", "i", -1L, "w", "W1AW|i|4294967295|w"},
        {"W1AW", "i", static_cast<long>(0x80000000ul), "w", "W1AW|i|2147483648|w"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildAuthRecord(c.call, c.issuer, c.serial, c.email), c.record);
}

TEST(BufferText, StopsAtTheFirstZeroOrTheBufferEnd) {
    const char terminated[8] = {'K', '1', 0, 'X', 'X', 'X', 'X', 'X'};
    const char full[4] = {'A', 'B', 'C', 'D'};
    const char empty[4] = {};
    EXPECT_EQ(BufferText(terminated, sizeof terminated), "K1");
    EXPECT_EQ(BufferText(full, sizeof full), "ABCD");
    EXPECT_EQ(BufferText(empty, sizeof empty), "");
}

} // namespace
