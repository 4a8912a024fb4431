// Drives the bare wizard of the Windows build under Wine, as the end-to-end
// suites will drive the real one.
#include "WizardTestBase.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <set>

namespace wizard_driver {
namespace {

std::filesystem::path bareWizardExe() {
    return windowsProgram("tools/bare-wizard/bare-wizard.exe");
}

class BareWizardTest : public WizardTestBase {
  protected:
    void SetUp() override { startWizard(bareWizardExe()); }
};

struct ExpectedPage {
    const char* pressed; // null for the first page
    int page;
    ButtonState back;
    ButtonState next;
    ButtonState finish;
    const char* text;
};

TEST_F(BareWizardTest, NextAndBackWalkThePagesWithTheirButtonsAndTexts) {
    constexpr auto hidden = ButtonState::Hidden;
    constexpr auto off = ButtonState::Disabled;
    constexpr auto on = ButtonState::Enabled;
    const ExpectedPage walk[] = {
        {nullptr, 0, off, on, hidden, "This wizard does nothing.\nPress Next to go on."},
        {"next", 1, on, on, hidden, "Nothing to choose here."},
        {"back", 0, off, on, hidden, "This wizard does nothing.\nPress Next to go on."},
        {"next", 1, on, on, hidden, "Nothing to choose here."},
        {"next", 2, off, hidden, on, "All done."},
    };
    for (const ExpectedPage& step : walk) {
        SCOPED_TRACE(step.page);
        if (step.pressed)
            pressAndWaitPage(step.pressed, step.page);
        const WizardState state = driver_->state();
        EXPECT_EQ(state.page, step.page);
        EXPECT_EQ(state.back, step.back);
        EXPECT_EQ(state.next, step.next);
        EXPECT_EQ(state.finish, step.finish);
        EXPECT_EQ(state.cancel, on);
        EXPECT_EQ(state.help, hidden);
        EXPECT_EQ(driver_->texts(), std::vector<std::string>{step.text});
    }
}

struct Leaving {
    int fromPage;
    const char* button;
    int exitCode;
};

class LeavingTest : public BareWizardTest, public testing::WithParamInterface<Leaving> {};

TEST_P(LeavingTest, ClosesTheWizardAndEndsTheProgramWithItsCode) {
    const Leaving& leaving = GetParam();
    for (int page = 1; page <= leaving.fromPage; ++page)
        pressAndWaitPage("next", page);
    driver_->ok(std::string("press ") + leaving.button);
    waitGone(kWizardCaption);
    EXPECT_EQ(driver_->ok("wait-exit " + std::to_string(kWaitMs)),
              std::to_string(leaving.exitCode));
    EXPECT_EQ(driver_->request("state"), "error exited " + std::to_string(leaving.exitCode));
}

INSTANTIATE_TEST_SUITE_P(Buttons, LeavingTest,
                         testing::Values(Leaving{2, "finish", 0}, Leaving{0, "cancel", 1},
                                         Leaving{1, "cancel", 1}, Leaving{2, "cancel", 1}));

TEST_F(BareWizardTest, KillEndsTheProgramAtOnce) {
    driver_->ok("kill");
    EXPECT_EQ(driver_->ok("wait-exit 1000"), "1");
    EXPECT_EQ(driver_->request("wait-page 0 1000"), "error exited 1");
}

TEST_F(BareWizardTest, WhatAPersonCannotDoIsRefusedAndChangesNothing) {
    const struct {
        std::string command;
        std::string answer;
    } refusals[] = {
        {"press back", "error back is disabled"},
        {"press finish", "error finish is hidden"},
        {"press help", "error no button \"help\" to press (back, next, finish, cancel)"},
        {"list", "error no list box 1000 on this page"},
        {"select 0", "error no list box 1000 on this page"},
        {"type secret", "error no open dialog \"Key Password\""},
        {"dialog Ovaldi press 1", "error no open dialog \"Ovaldi\""},
        {"wait-dialog Ovaldi 200", "error timeout waiting for dialog \"Ovaldi\""},
        {"wait-page 1 200", "error timeout waiting for page 1"},
        {"wait-gone " + kWizardCaption + " 200",
         "error timeout waiting for \"" + kWizardCaption + "\" to close"},
        {"wait-exit 200", "error timeout waiting for the program to exit"},
        {"wait-page one 200", "error bad page index: \"one\""},
        {"start Z:\\no\\such.exe", "error a program is already running"},
        {"fly", "error unknown command \"fly\""},
    };
    for (const auto& refusal : refusals) {
        const std::string answer = driver_->request(refusal.command);
        EXPECT_EQ(answer.substr(0, refusal.answer.size()), refusal.answer) << refusal.command;
    }
    EXPECT_EQ(driver_->state().page, 0);
}

struct Bitmap {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::set<std::uint32_t> colours;
};

Bitmap readBmp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto at = [&](std::size_t offset, std::size_t size) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < size; ++i)
            value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes.at(offset + i)))
                     << (8 * i);
        return value;
    };
    Bitmap bitmap;
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(at(2, 4), bytes.size());
    EXPECT_EQ(at(28, 2), 24u);
    bitmap.width = static_cast<std::int32_t>(at(18, 4));
    bitmap.height = static_cast<std::int32_t>(at(22, 4));
    const std::size_t stride = (static_cast<std::size_t>(bitmap.width) * 3 + 3) & ~std::size_t{3};
    const std::size_t pixels = at(10, 4);
    EXPECT_EQ(bytes.size(), pixels + stride * static_cast<std::size_t>(bitmap.height));
    for (std::size_t row = 0; row < static_cast<std::size_t>(bitmap.height); ++row) {
        for (std::size_t column = 0; column < static_cast<std::size_t>(bitmap.width); ++column)
            bitmap.colours.insert(at(pixels + row * stride + column * 3, 3));
    }
    return bitmap;
}

TEST_F(BareWizardTest, ScreenshotWritesTheWizardAsABitmap) {
    const std::filesystem::path picture = std::filesystem::temp_directory_path() /
                                          ("bare-wizard-" + std::to_string(getpid()) + ".bmp");
    const std::string size = driver_->ok("screenshot " + windowsPath(picture));
    const Bitmap bitmap = readBmp(picture);
    std::filesystem::remove(picture);

    EXPECT_EQ(size, std::to_string(bitmap.width) + "x" + std::to_string(bitmap.height));
    // A classic wizard page is a few hundred pixels each way, whatever the font.
    EXPECT_GT(bitmap.width, 300);
    EXPECT_LT(bitmap.width, 1200);
    EXPECT_GT(bitmap.height, 200);
    EXPECT_LT(bitmap.height, 900);
    // Text, buttons and face: a drawn window, not a blank area.
    EXPECT_GE(bitmap.colours.size(), 3u);
}

} // namespace
} // namespace wizard_driver
