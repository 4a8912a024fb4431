// Every test of the suite runs Windows programs of the Windows build in that
// build's Wine prefix; the suite skips where they cannot run.
#include "Files.h"
#include "WindowsBuild.h"
#include "WineWorld.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace e2e {
namespace {

class WineEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        const std::string program = WinePaths::Get().program;
        const std::string missing =
            wizard_driver::whyProgramsCannotRun({wizard_driver::wizardDriverExe(), program});
        if (!missing.empty())
            GTEST_SKIP() << missing;
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "no X display: run under xvfb-run -a";
        for (const std::string& entry : wizard_driver::wineEnvironment(program)) {
            const size_t equals = entry.find('=');
            setenv(entry.substr(0, equals).c_str(), entry.substr(equals + 1).c_str(), 1);
        }
        ResetFolder(WinePaths::Get().work);
    }
};

const testing::Environment* const kWine = testing::AddGlobalTestEnvironment(new WineEnvironment);

} // namespace
} // namespace e2e
