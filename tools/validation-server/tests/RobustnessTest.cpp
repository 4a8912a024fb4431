#include "Identities.h"
#include "LoopbackClient.h"
#include "RunningServer.h"
#include "WireFormat.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

enum class Ending { Disconnect, HalfClose, ReadAnswer };

struct RobustnessCase {
    const char* name;
    std::function<std::string()> bytes;
    Ending ending;
    int status; // 0 when the client leaves without waiting for an answer
    const char* reason;
    bool loggedWhole; // false where the server stops reading early
};

const char kLeft[] = "client left before the request was complete";

std::string HeadWithLength(const std::string& length) {
    return std::string("POST ") + kValidationPath + " HTTP/1.0\r\nContent-Length: " + length +
           "\r\n\r\n";
}

std::string WithoutContentLength() {
    return std::string("POST ") + kValidationPath +
           " HTTP/1.0\r\nContent-Type: application/x-www-form-urlencoded\r\n\r\n" +
           ArrlIdentity().signedBody();
}

void PrintTo(const RobustnessCase& c, std::ostream* os) {
    *os << c.name;
}

const RobustnessCase kCases[] = {
    {"HalfHeadThenDisconnect",
     [] { return std::string("POST ") + kValidationPath + " HTTP/1.0\r\nContent-Le"; },
     Ending::Disconnect, 0, kLeft, true},
    {"HalfBodyThenDisconnect", [] { return HeadWithLength("1000") + "cert=abc"; },
     Ending::Disconnect, 0, kLeft, true},
    {"ConnectOnly", [] { return std::string(); }, Ending::Disconnect, 0, kLeft, true},
    {"MalformedRequestLine", [] { return std::string("hello\r\n\r\n"); }, Ending::ReadAnswer, 400,
     "malformed request head", true},
    {"NonNumericLength", [] { return HeadWithLength("abc"); }, Ending::ReadAnswer, 400,
     "malformed Content-Length", true},
    {"OverflowingLength", [] { return HeadWithLength("99999999999999999999999999"); },
     Ending::ReadAnswer, 413, "body too large", true},
    {"LengthOverCap", [] { return HeadWithLength("2000000") + std::string(1000, 'x'); },
     Ending::ReadAnswer, 413, "body too large", false},
    {"HeadTooLarge", [] { return "POST / HTTP/1.0\r\nX-Filler: " + std::string(70000, 'a'); },
     Ending::ReadAnswer, 400, "request head too large", false},
    {"NoLengthReadsUntilHalfClose", WithoutContentLength, Ending::HalfClose, 200, "accepted", true},
};

class RobustnessTest : public WithServer<::testing::TestWithParam<RobustnessCase>> {};

TEST_P(RobustnessTest, SurvivesAndServesTheNextRequest) {
    start("accept");
    const RobustnessCase& c = GetParam();
    const std::string bytes = c.bytes();
    {
        LoopbackClient client(server().port());
        client.send(bytes);
        if (c.ending == Ending::HalfClose)
            client.halfClose();
        if (c.ending != Ending::Disconnect) {
            const auto answer = ParseAnswer(client.readToEnd());
            ASSERT_TRUE(answer);
            EXPECT_EQ(answer->status, c.status);
            EXPECT_EQ(answer->header("Content-Length"), std::to_string(answer->body.size()));
            EXPECT_EQ(answer->header("Connection"), "close");
        }
    }

    const std::string good = PostRequest(kValidationPath, ArrlIdentity().signedBody());
    const auto next = ParseAnswer(Exchange(server().port(), good));
    ASSERT_TRUE(next);
    EXPECT_EQ(next->status, 200);

    // The server handles connections one after another, so the first one's log is
    // complete once the second one is answered.
    const std::string status = c.status ? std::to_string(c.status) : "closed";
    EXPECT_EQ(server().logFile(1, "verdict"), status + " " + c.reason + "\n");
    const auto logged = server().logFile(1, "request");
    ASSERT_TRUE(logged);
    if (c.loggedWhole)
        EXPECT_EQ(*logged, bytes);
    else
        EXPECT_EQ(bytes.compare(0, logged->size(), *logged), 0) << "not a prefix of what was sent";
    EXPECT_EQ(server().logFile(2, "request"), good);
    EXPECT_EQ(server().logFile(2, "verdict"), "200 accepted\n");
}

INSTANTIATE_TEST_SUITE_P(Clients, RobustnessTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
