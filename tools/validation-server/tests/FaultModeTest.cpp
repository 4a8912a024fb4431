#include "Identities.h"
#include "LoopbackClient.h"
#include "RunningServer.h"
#include "WireFormat.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

enum class Expect { HttpStatus, NoBytes, Garbage };

struct FaultCase {
    const char* name;
    const char* mode;
    bool validRequest; // otherwise a GET elsewhere, which the mode must not care about
    Expect expect;
    int status;
    const char* verdict;
    int heldAtLeastMs = 0;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

const FaultCase kCases[] = {
    {"Status201", "status:201", false, Expect::HttpStatus, 201, "201 forced by mode status:201"},
    {"Status204", "status:204", true, Expect::HttpStatus, 204, "204 forced by mode status:204"},
    {"Status302", "status:302", true, Expect::HttpStatus, 302, "302 forced by mode status:302"},
    {"Status404", "status:404", true, Expect::HttpStatus, 404, "404 forced by mode status:404"},
    {"Status500", "status:500", false, Expect::HttpStatus, 500, "500 forced by mode status:500"},
    {"Close", "close", true, Expect::NoBytes, 0, "closed forced by mode close"},
    {"Garbage", "garbage", true, Expect::Garbage, 0, "garbage forced by mode garbage"},
    {"Slow", "slow:1500", true, Expect::HttpStatus, 200, "200 accepted", 1500},
};

class FaultModeTest : public WithServer<::testing::TestWithParam<FaultCase>> {};

TEST_P(FaultModeTest, AnswersAsTheModeSaysAndLogs) {
    const FaultCase& c = GetParam();
    start(c.mode);
    const std::string request = c.validRequest
                                    ? PostRequest(kValidationPath, ArrlIdentity().signedBody())
                                    : "GET /elsewhere HTTP/1.0\r\n\r\n";

    const auto sentAt = std::chrono::steady_clock::now();
    const std::string answer = Exchange(server().port(), request);
    const auto heldFor = std::chrono::steady_clock::now() - sentAt;

    switch (c.expect) {
    case Expect::NoBytes:
        EXPECT_EQ(answer, "");
        break;
    case Expect::Garbage:
        EXPECT_EQ(answer, "this is not http\r\n\r\n");
        break;
    case Expect::HttpStatus: {
        auto parsed = ParseAnswer(answer);
        ASSERT_TRUE(parsed) << answer;
        EXPECT_EQ(parsed->status, c.status);
        EXPECT_EQ(parsed->header("Content-Length"), std::to_string(parsed->body.size()));
        EXPECT_EQ(parsed->header("Connection"), "close");
        // The body repeats the verdict's reason, except where the status forbids a body.
        const std::string verdict = c.verdict;
        const std::string reason = verdict.substr(verdict.find(' ') + 1);
        EXPECT_EQ(parsed->body, c.status == 204 ? "" : reason + "\n");
    }
    }
    // The server sleeps before it answers, so this is an order of events, not a deadline.
    if (c.heldAtLeastMs > 0) {
        EXPECT_GE(heldFor, std::chrono::milliseconds(c.heldAtLeastMs));
    }
    EXPECT_EQ(server().logFile(1, "request"), request);
    EXPECT_EQ(server().logFile(1, "verdict"), std::string(c.verdict) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Modes, FaultModeTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
