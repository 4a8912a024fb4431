// Drives the wizard fixture: the list, message boxes and the password prompt
// that the real wizard shows, met the way a person meets them.
#include "WizardTestBase.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>

namespace wizard_driver {
namespace {

const std::string kBoxCaption = "wizard-fixture";
const std::string kPromptCaption = "Key Password";

class FixtureTest : public WizardTestBase {
  protected:
    void SetUp() override {
        startWizard(windowsProgram("tools/wizard-driver/tests/wizard-fixture.exe"));
    }

    void openPrompt() {
        pressAndWaitPage("next", 1);
        driver_->ok("select 1");
        driver_->ok("press next");
    }

    std::string promptPress(int id) {
        return driver_->request("dialog " + kPromptCaption + " press " + std::to_string(id));
    }
};

TEST_F(FixtureTest, TextsAreTheVisibleTextStaticsInOrder) {
    EXPECT_EQ(driver_->texts(),
              (std::vector<std::string>{"Fixture for the wizard driver.", "Press Next."}));
}

TEST_F(FixtureTest, ListShowsSortedEntriesWithTheirDataAndSelectTellsThePage) {
    pressAndWaitPage("next", 1);
    const ListContents before = driver_->list();
    EXPECT_EQ(before.selected, -1);
    ASSERT_EQ(before.items.size(), 3u);
    const std::pair<std::string, std::uint64_t> expected[] = {
        {"DL0XYZ", 0x1001}, {"K1ABC", 0x1002}, {"W1AW", 0x1003}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(before.items[i].text, expected[i].first);
        EXPECT_EQ(before.items[i].data, expected[i].second);
    }

    driver_->ok("select 2");
    EXPECT_EQ(driver_->list().selected, 2);
    // The page shows the pick only if it got the notification a click sends.
    EXPECT_EQ(driver_->texts(), (std::vector<std::string>{"Pick a call sign:", "Picked W1AW"}));
    EXPECT_EQ(driver_->request("select 3"), "error no list item 3");
    EXPECT_EQ(driver_->list().selected, 2);
}

TEST_F(FixtureTest, NextWithoutAPickWarnsInABoxOwnedByTheWizardThatBlocksIt) {
    pressAndWaitPage("next", 1);
    driver_->ok("press next");
    const DialogInfo box = driver_->waitDialog(kBoxCaption, kWaitMs);
    EXPECT_TRUE(box.icon);
    EXPECT_TRUE(box.ownedByWizard);
    EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(box.text, "Pick a call sign first.");

    EXPECT_EQ(driver_->request("press back"), "error the wizard is disabled: a dialog is open");
    EXPECT_EQ(driver_->request("wait-page 1 300"), "error timeout waiting for page 1");
    EXPECT_EQ(driver_->state().page, 1);

    driver_->ok("dialog " + kBoxCaption + " press 1");
    waitGone(kBoxCaption);
    driver_->ok("wait-page 1 " + std::to_string(kWaitMs));
    driver_->ok("press back");
}

TEST_F(FixtureTest, PromptTakesTypedPasswordAndAWrongOneIsRefusedInABoxOverIt) {
    openPrompt();
    const DialogInfo prompt = driver_->waitDialog(kPromptCaption, kWaitMs);
    EXPECT_FALSE(prompt.icon);
    EXPECT_TRUE(prompt.ownedByWizard);
    EXPECT_EQ(prompt.buttons, (std::vector<std::string>{"OK", "Cancel"}));
    EXPECT_EQ(prompt.text, "Password for K1ABC:");

    driver_->ok("type open  sesame");
    EXPECT_EQ(promptPress(1), "ok");
    const DialogInfo refusal = driver_->waitDialog(kBoxCaption, kWaitMs);
    EXPECT_FALSE(refusal.ownedByWizard);
    EXPECT_EQ(refusal.text, "Wrong password.\nTry again.");
    EXPECT_EQ(promptPress(1),
              "error \"" + kPromptCaption + "\" is disabled: another dialog is open over it");

    driver_->ok("dialog " + kBoxCaption + " press 1");
    waitGone(kBoxCaption);
    driver_->ok("type open sesame");
    EXPECT_EQ(promptPress(1), "ok");
    waitGone(kPromptCaption);
    driver_->ok("wait-page 2 " + std::to_string(kWaitMs));
    EXPECT_EQ(driver_->texts(), std::vector<std::string>{"Authenticated as K1ABC."});
    EXPECT_EQ(driver_->state().finish, ButtonState::Enabled);
    driver_->ok("press finish");
    EXPECT_EQ(driver_->ok("wait-exit " + std::to_string(kWaitMs)), "0");
}

TEST_F(FixtureTest, ScreenshotShowsTheOpenDialogRatherThanTheWizard) {
    const std::string picture = windowsPath(std::filesystem::temp_directory_path() /
                                            ("fixture-" + std::to_string(getpid()) + ".bmp"));
    const std::string wizardSize = driver_->ok("screenshot " + picture);
    openPrompt();
    driver_->waitDialog(kPromptCaption, kWaitMs);
    const std::string promptSize = driver_->ok("screenshot " + picture);
    EXPECT_NE(promptSize, wizardSize);
    EXPECT_LT(std::stoi(promptSize), std::stoi(wizardSize)); // widths
}

struct Dismissal {
    bool prompt; // else the box about the missing pick
    const char* how;
};

class DismissalTest : public FixtureTest, public testing::WithParamInterface<Dismissal> {};

TEST_P(DismissalTest, LeavesTheWizardOnTheListPage) {
    const Dismissal& dismissal = GetParam();
    const std::string caption = dismissal.prompt ? kPromptCaption : kBoxCaption;
    if (dismissal.prompt) {
        openPrompt();
    } else {
        pressAndWaitPage("next", 1);
        driver_->ok("press next");
    }
    driver_->waitDialog(caption, kWaitMs);
    driver_->ok("dialog " + caption + " " + dismissal.how);
    waitGone(caption);
    driver_->ok("wait-page 1 " + std::to_string(kWaitMs));
    EXPECT_EQ(driver_->state().next, ButtonState::Enabled);
}

INSTANTIATE_TEST_SUITE_P(Ways, DismissalTest,
                         testing::Values(Dismissal{false, "press 1"}, Dismissal{false, "close"},
                                         Dismissal{false, "escape"}, Dismissal{true, "press 2"},
                                         Dismissal{true, "close"}, Dismissal{true, "escape"}));

} // namespace
} // namespace wizard_driver
