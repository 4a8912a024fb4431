#pragma once

#include "WizardDriver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace wizard_driver {

inline constexpr int kWaitMs = 30000;
inline const std::string kWizardCaption = "Corvalen Authentication Wizard";

// Starts a wizard of the Windows build under the driver and waits for its
// first page; skips when the build or a Wine that runs it is missing.
class WizardTestBase : public testing::Test {
  protected:
    void startWizard(const std::filesystem::path& program) {
        const std::string missing = whyProgramsCannotRun({wizardDriverExe(), program});
        if (!missing.empty())
            GTEST_SKIP() << missing;
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "no X display: run under xvfb-run -a";
        driver_ = std::make_unique<WizardDriver>();
        EXPECT_GT(std::stoi(driver_->ok("start \"" + windowsPath(program) + "\"")), 0);
        EXPECT_GE(std::stoi(driver_->ok("wait-wizard " + std::to_string(kWaitMs))), 0);
    }

    void pressAndWaitPage(const std::string& button, int page) {
        driver_->ok("press " + button);
        EXPECT_GE(std::stoi(driver_->ok("wait-page " + std::to_string(page) + " " +
                                        std::to_string(kWaitMs))),
                  0);
    }

    void waitGone(const std::string& caption) {
        driver_->ok("wait-gone " + caption + " " + std::to_string(kWaitMs));
    }

    std::unique_ptr<WizardDriver> driver_;
};

} // namespace wizard_driver
