#include "Identities.h"
#include "LoopbackClient.h"
#include "RunningServer.h"
#include "ServerProcess.h"
#include "WireFormat.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

class StopSignalTest : public ::testing::TestWithParam<int> {};

TEST_P(StopSignalTest, ServesThenExitsCleanly) {
    RunningServer server("accept");
    const auto answer = ParseAnswer(
        Exchange(server.port(), PostRequest(kValidationPath, ArrlIdentity().signedBody())));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, 200);

    const int status = server.stop(GetParam());

    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "wait status " << status;
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignalTest, ::testing::Values(SIGTERM, SIGINT),
                         [](const auto& info) { return info.param == SIGTERM ? "Term" : "Int"; });

struct BadCommandLine {
    const char* name;
    std::vector<std::string> arguments;
};

void PrintTo(const BadCommandLine& c, std::ostream* os) {
    *os << c.name;
}

const BadCommandLine kBadCommandLines[] = {
    {"NoLogDir", {"--mode", "accept"}},
    {"UnknownMode", {"--log-dir", "/tmp", "--mode", "sometimes"}},
    {"StatusNotThreeDigits", {"--log-dir", "/tmp", "--mode", "status:20"}},
    {"SlowWithoutDelay", {"--log-dir", "/tmp", "--mode", "slow:"}},
    {"PortOutOfRange", {"--log-dir", "/tmp", "--port", "70000"}},
    {"UnknownOption", {"--log-dir", "/tmp", "--verbose", "yes"}},
    {"MissingValue", {"--log-dir"}},
};

class CommandLineTest : public ::testing::TestWithParam<BadCommandLine> {};

TEST_P(CommandLineTest, RefusesWithUsageExitCode) {
    ServerProcess process(GetParam().arguments);

    EXPECT_EQ(process.firstLine(), "");
    const int status = process.waitForExit();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << "wait status " << status;
}

INSTANTIATE_TEST_SUITE_P(Usage, CommandLineTest, ::testing::ValuesIn(kBadCommandLines),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
