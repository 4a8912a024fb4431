// Listing the store and reading certificate attributes.
#include "StandinLibrary.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr char kArrlIssuer[] = "/C=US/O=American Radio Relay League/OU=Logbook of the World/"
                               "CN=Logbook of the World Test CA";

using TextGetter = int (*Tqsl::*)(void*, char*, int);

std::string attribute(const StandinLibrary& library, TextGetter getter, void* cert) {
    char text[256];
    if ((library.tqsl().*getter)(cert, text, sizeof text) != 0)
        return "<failed: " + library.errorText() + ">";
    return text;
}

struct ListingCase {
    const char* name;
    std::vector<std::string> fixtures;
    std::vector<std::string> callsigns;
};

// Names the case in gtest's messages instead of dumping its bytes.
void PrintTo(const ListingCase& c, std::ostream* out) {
    *out << c.name;
}

class Listing : public testing::TestWithParam<ListingCase> {};

TEST_P(Listing, ListsTheStoreInItsOrder) {
    StandinLibrary library({GetParam().fixtures});
    ASSERT_EQ(library.tqsl().init(), 0);
    void** list = nullptr;
    int count = -1;
    ASSERT_EQ(library.tqsl().selectCertificates(&list, &count, nullptr, 0, nullptr, nullptr, 0), 0);
    std::vector<std::string> callsigns;
    for (int i = 0; i < count; ++i)
        callsigns.push_back(attribute(library, &Tqsl::getCertificateCallSign, list[i]));
    EXPECT_EQ(callsigns, GetParam().callsigns);
}

INSTANTIATE_TEST_SUITE_P(
    Stores, Listing,
    testing::Values(ListingCase{"Demo", {"K1ABC", "W1AW"}, {"K1ABC", "W1AW"}},
                    ListingCase{"Reversed", {"W1AW", "K1ABC"}, {"W1AW", "K1ABC"}},
                    ListingCase{"DuplicateCallSigns", {"K1ABC", "K1ABC-2"}, {"K1ABC", "K1ABC"}},
                    ListingCase{"NonArrlOnly", {"DL1XYZ"}, {"DL1XYZ"}},
                    ListingCase{"Empty", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct AttributeCase {
    const char* fixture;
    const char* callsign;
    const char* email;
    const char* issuer;
    std::uint32_t serial;
};

void PrintTo(const AttributeCase& c, std::ostream* out) {
    *out << c.fixture;
}

class Attributes : public testing::TestWithParam<AttributeCase> {};

TEST_P(Attributes, ComeFromTheStore) {
    const AttributeCase& expected = GetParam();
    StandinLibrary library({{expected.fixture}});
    const std::vector<void*> certs = library.certificates();
    ASSERT_EQ(certs.size(), 1u);
    EXPECT_EQ(attribute(library, &Tqsl::getCertificateCallSign, certs[0]), expected.callsign);
    EXPECT_EQ(attribute(library, &Tqsl::getCertificateEmailAddress, certs[0]), expected.email);
    EXPECT_EQ(attribute(library, &Tqsl::getCertificateIssuer, certs[0]), expected.issuer);
    long serial = -1;
    ASSERT_EQ(library.tqsl().getCertificateSerial(certs[0], &serial), 0);
    EXPECT_EQ(serial, static_cast<long>(expected.serial));
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, Attributes,
    testing::Values(AttributeCase{"K1ABC", "K1ABC", "k1abc@example.org", kArrlIssuer, 305419896},
                    AttributeCase{"W1AW", "W1AW", "w1aw@example.org", kArrlIssuer, 4294967295u},
                    AttributeCase{"N0MAIL", "N0MAIL", "", kArrlIssuer, 0},
                    AttributeCase{"DL1XYZ", "DL1XYZ", "dl1xyz@example.org",
                                  "/C=US/O=Example Amateur Society/CN=Example Test CA", 22136},
                    AttributeCase{"KC9CASE", "KC9CASE", "kc9case@example.org",
                                  "/C=US/O=AMERICAN RADIO RELAY LEAGUE/OU=Logbook of the World/"
                                  "CN=Wrong Case Test CA",
                                  39612},
                    AttributeCase{
                        "AB1PIPE", "AB1PIPE", "ab1pipe@example.org",
                        "/C=US/O=American Radio Relay League/OU=Test|Pipe/CN=Pipe Test CA", 57005}),
    [](const auto& info) { return std::string(info.param.fixture); });

// A getter call into a buffer larger than the size it is told, so writes past the size show.
struct BufferCase {
    const char* name;
    const char* behaviour;
    TextGetter getter;
    int size;
    std::string expected; // the first `size` bytes
};

void PrintTo(const BufferCase& c, std::ostream* out) {
    *out << c.name;
}

class AttributeBuffers : public testing::TestWithParam<BufferCase> {};

TEST_P(AttributeBuffers, FillExactlyTheGivenSize) {
    const BufferCase& c = GetParam();
    StandinLibrary library({{"K1ABC", "N0MAIL"}, c.behaviour});
    const std::vector<void*> certs = library.certificates();
    ASSERT_EQ(certs.size(), 2u);
    void* cert = c.getter == &Tqsl::getCertificateEmailAddress ? certs[1] : certs[0];
    std::string buffer(c.size + 16, '#');
    ASSERT_EQ((library.tqsl().*c.getter)(cert, buffer.data(), c.size), 0);
    EXPECT_EQ(buffer.substr(0, c.size), c.expected);
    EXPECT_EQ(buffer.substr(c.size), std::string(16, '#'));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, AttributeBuffers,
    testing::Values(
        BufferCase{"OneByte", "", &Tqsl::getCertificateCallSign, 1, std::string(1, '\0')},
        BufferCase{"Truncated", "", &Tqsl::getCertificateCallSign, 3, std::string("K1\0", 3)},
        BufferCase{"OneShort", "", &Tqsl::getCertificateCallSign, 5, std::string("K1AB\0", 5)},
        BufferCase{"ExactFit", "", &Tqsl::getCertificateCallSign, 6, std::string("K1ABC\0", 6)},
        BufferCase{"IssuerTruncated", "", &Tqsl::getCertificateIssuer, 8,
                   std::string("/C=US/O\0", 8)},
        BufferCase{"UnterminatedPadded", "unterminated = callsign", &Tqsl::getCertificateCallSign,
                   8, "K1ABCXXX"},
        BufferCase{"UnterminatedCut", "unterminated = issuer,callsign", &Tqsl::getCertificateIssuer,
                   10, "/C=US/O=Am"},
        BufferCase{"UnterminatedEmptyEmail", "unterminated = email",
                   &Tqsl::getCertificateEmailAddress, 4, "XXXX"},
        BufferCase{"OthersStayTerminated", "unterminated = email, issuer",
                   &Tqsl::getCertificateCallSign, 7, std::string("K1ABC\0#", 7)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CertificateHandles, UnknownHandlesFail) {
    StandinLibrary library;
    int local = 0;
    for (void* handle : {static_cast<void*>(nullptr), static_cast<void*>(&local)}) {
        char text[64];
        long serial = 0;
        EXPECT_NE(library.tqsl().getCertificateCallSign(handle, text, sizeof text), 0);
        EXPECT_EQ(library.errorText(), "Invalid certificate handle");
        EXPECT_NE(library.tqsl().getCertificateSerial(handle, &serial), 0);
        EXPECT_NE(library.tqsl().endSigning(handle), 0);
    }
}

} // namespace
