// The libcurl submission against the local validation server, reached as the
// proxy that the environment names.
#include "Files.h"
#include "ValidationServer.h"
#include "submit/SubmitHost.h"
#include "submit/SubmitSignedRequest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

int cursorDepth = 0, cursorShown = 0;

} // namespace

namespace submit_host {

std::string UserAgent() {
    return "Renamed";
}

void BeginWaitCursor() {
    ++cursorDepth;
    ++cursorShown;
}

void EndWaitCursor() {
    --cursorDepth;
}

} // namespace submit_host

namespace {

const char kFailure[] = "Cannot connect to the Corvalen Web site.  Be sure you are connected to "
                        "the Internet, or try again later.";

struct Outcome {
    bool accepted;
    std::string reason;
};

Outcome Submit(int proxyPort) {
    setenv("http_proxy", ("http://127.0.0.1:" + std::to_string(proxyPort)).c_str(), 1);
    cursorShown = 0;
    std::string reason = "earlier failure";
    const bool accepted = SubmitSignedRequest("C T", "K1ABC|I|1|e", "ab+/=", reason);
    EXPECT_EQ(cursorShown, 1);
    EXPECT_EQ(cursorDepth, 0) << "the wait cursor was not ended";
    return {accepted, reason};
}

std::string Work(const std::string& name) {
    return std::string(testing::TempDir()) + "/submit-curl/" + name;
}

TEST(SubmitCurl, SendsOneHttp10PostWithOnlyItsOwnContentType) {
    e2e::ValidationServer server(Work("head"), "status:200");
    const Outcome outcome = Submit(server.Port());
    EXPECT_TRUE(outcome.accepted);
    EXPECT_EQ(outcome.reason, "earlier failure") << "success leaves the reason alone";
    const auto exchanges = server.Exchanges();
    ASSERT_EQ(exchanges.size(), 1u);
    const std::string& request = exchanges[0].request;
    EXPECT_EQ(request.substr(0, request.find("\r\n")),
              "POST http://www.corvalen.org/validation/signed_request.jsp HTTP/1.0");
    EXPECT_NE(request.find("\r\nUser-Agent: Renamed\r\n"), std::string::npos);
    EXPECT_EQ(request.find("\r\nAccept:"), std::string::npos);
    EXPECT_EQ(request.find("Content-Type:"), request.rfind("Content-Type:"));
    EXPECT_NE(request.find("\r\nContent-Type: application/x-www-form-urlencoded\r\n"),
              std::string::npos);
    const std::string body = "cert=C+T&data=K1ABC%7CI%7C1%7Ce&sig=ab+%2F%3D";
    EXPECT_EQ(request.substr(request.find("\r\n\r\n") + 4), body);
    EXPECT_NE(request.find("\r\nContent-Length: " + std::to_string(body.size()) + "\r\n"),
              std::string::npos);
}

// Only an answer of 200 is acceptance; whatever else comes back, or nothing,
// is the one connection failure text.
TEST(SubmitCurl, AnythingButStatus200IsTheConnectionFailure) {
    for (const char* mode : {"status:204", "status:302", "status:404", "close", "garbage"}) {
        std::string folder = mode;
        std::replace(folder.begin(), folder.end(), ':', '-');
        e2e::ValidationServer server(Work(folder), mode);
        const Outcome outcome = Submit(server.Port());
        EXPECT_FALSE(outcome.accepted) << mode;
        EXPECT_EQ(outcome.reason, kFailure) << mode;
    }
    const Outcome nobody = Submit(9);
    EXPECT_FALSE(nobody.accepted);
    EXPECT_EQ(nobody.reason, kFailure);
}

} // namespace
