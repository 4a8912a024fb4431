#include "core/PasswordCopy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kUntouched = '\xAA';

struct Case {
    const char* name;
    bool confirmed;
    std::string typed;
    int size;
    int result;
    std::string buffer; // what the buffer holds afterwards, all size bytes
};

std::string Bytes(const std::string& text, size_t size) {
    std::string bytes = text;
    bytes.resize(size, '\0');
    return bytes;
}

TEST(HandPasswordToLibrary, CopiesBoundedAndTerminated) {
    const Case cases[] = {
        {"shorter", true, "s3cret pass", 16, 0, Bytes("s3cret pass", 16)},
        {"exactly size-1", true, "abcdefg", 8, 0, Bytes("abcdefg", 8)},
        {"size or longer is cut", true, "abcdefghij", 8, 0, Bytes("abcdefg", 8)},
        {"empty password", true, "", 4, 0, Bytes("", 4)},
        {"one-byte buffer", true, "abc", 1, 0, Bytes("", 1)},
        {"declined", false, "abc", 4, -1, std::string(4, kUntouched)},
    };
    for (const Case& c : cases) {
        std::string typed = c.typed;
        std::vector<char> buffer(c.size, kUntouched);
        EXPECT_EQ(HandPasswordToLibrary(c.confirmed, typed, buffer.data(), c.size), c.result)
            << c.name;
        EXPECT_EQ(std::string(buffer.begin(), buffer.end()), c.buffer) << c.name;
        EXPECT_TRUE(typed.empty()) << c.name;
    }
}

TEST(HandPasswordToLibrary, DeclinesABufferWithoutRoomAndWritesNothing) {
    for (int size : {0, -1, -100}) {
        std::string typed = "secret";
        char guard = kUntouched;
        EXPECT_EQ(HandPasswordToLibrary(true, typed, &guard, size), -1);
        EXPECT_EQ(guard, kUntouched);
        EXPECT_TRUE(typed.empty());
    }
}

} // namespace
