// Runs in a process whose ANSI code page is 932 (Shift-JIS), set by the test's
// environment, to show that double-byte characters pass through whole.
#include "submit/FormEncoding.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(UrlEncodeFieldShiftJis, ProcessRunsUnderCodePage932) {
    ASSERT_EQ(GetACP(), 932u);
}

TEST(UrlEncodeFieldShiftJis, TrailByteThatLooksLikePunctuationIsNotEscaped) {
    struct Case {
        const char* in;
        const char* out;
    } const cases[] = {
        // 0x95 0x5C is one character whose trail byte is the reverse solidus.
        {"\x95\x5C", "\x95\x5C"},
        {"\x95\x5C\\", "\x95\x5C%5C"},
        {"a\x83\x7C-b", "a\x83\x7C%2Db"}, // trail byte 0x7C ('|')
        {"\x81\x40 \x81\x40", "\x81\x40+\x81\x40"},
        {"x\x95", "x\x95"}, // lead byte cut off by the terminator
        {"\\\x95\x5C\x95\x5C", "%5C\x95\x5C\x95\x5C"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UrlEncodeField(c.in), c.out) << "argument: " << c.in;
}

TEST(UrlEncodeFieldShiftJis, FormBodyKeepsDoubleByteRecordWhole) {
    EXPECT_EQ(BuildFormBody("", "JA1\x95\x5C|x", ""), "cert=&data=JA1\x95\x5C%7Cx&sig=");
}

} // namespace
