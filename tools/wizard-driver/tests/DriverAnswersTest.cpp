// The Linux half of the protocol: escaping and answer parsing, no Wine needed.
#include "DriverAnswers.h"
#include "Escape.h"
#include "WizardDriver.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace wizard_driver {
namespace {

TEST(EscapeTest, TextsSurviveTheRoundTripAndNeverSplitTheLine) {
    const struct {
        std::string plain;
        std::string escaped;
    } cases[] = {
        {"plain words", "plain words"},     {"two\nlines", "two\\nlines"},     {"a\tb", "a\\tb"},
        {"C:\\path\\n", "C:\\\\path\\\\n"}, {"lone\rreturn", "lone\\rreturn"}, {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(escapeText(c.plain), c.escaped) << c.plain;
        EXPECT_EQ(unescapeText(c.escaped), c.plain) << c.escaped;
    }
}

TEST(EscapeTest, WindowsLineBreakBecomesOneNewline) {
    EXPECT_EQ(escapeText("first\r\nsecond"), "first\\nsecond");
}

TEST(DriverAnswersTest, StateGivesPageAndEveryButton) {
    const WizardState state = parseState("page=2 back=0 next=- finish=1 cancel=1 help=-");
    EXPECT_EQ(state.page, 2);
    EXPECT_EQ(state.back, ButtonState::Disabled);
    EXPECT_EQ(state.next, ButtonState::Hidden);
    EXPECT_EQ(state.finish, ButtonState::Enabled);
    EXPECT_EQ(state.cancel, ButtonState::Enabled);
    EXPECT_EQ(state.help, ButtonState::Hidden);
}

TEST(DriverAnswersTest, ListGivesSelectionTextsAndItemData) {
    const ListContents list = parseList("sel=1 K1ABC=1f\tW9\\tX=ffffffffffffffff");
    EXPECT_EQ(list.selected, 1);
    ASSERT_EQ(list.items.size(), 2u);
    EXPECT_EQ(list.items[0].text, "K1ABC");
    EXPECT_EQ(list.items[0].data, 0x1fu);
    EXPECT_EQ(list.items[1].text, "W9\tX");
    EXPECT_EQ(list.items[1].data, 0xffffffffffffffffu);

    const ListContents empty = parseList("sel=-1");
    EXPECT_EQ(empty.selected, -1);
    EXPECT_TRUE(empty.items.empty());
}

TEST(DriverAnswersTest, DialogKeepsSpacesInButtonsAndMessage) {
    const DialogInfo box =
        parseDialog("icon=1 owner=0 buttons=OK,Try again text=No certificate.\\nPick one first.");
    EXPECT_TRUE(box.icon);
    EXPECT_FALSE(box.ownedByWizard);
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"OK", "Try again"}));
    EXPECT_EQ(box.text, "No certificate.\nPick one first.");

    const DialogInfo bare = parseDialog("icon=0 owner=1 buttons= text=");
    EXPECT_TRUE(bare.ownedByWizard);
    EXPECT_TRUE(bare.buttons.empty());
    EXPECT_EQ(bare.text, "");
}

TEST(DriverAnswersTest, TextsSplitOnTabsOnly) {
    EXPECT_EQ(parseTexts("One line\tTwo\\nlines"),
              (std::vector<std::string>{"One line", "Two\nlines"}));
    EXPECT_TRUE(parseTexts("").empty());
}

TEST(DriverAnswersTest, MalformedAnswersAreRejected) {
    EXPECT_THROW(parseState("page=1 back=0"), std::invalid_argument);
    EXPECT_THROW(parseState("page=x back=0 next=1 finish=- cancel=1 help=-"),
                 std::invalid_argument);
    EXPECT_THROW(parseState("page=1 back=2 next=1 finish=- cancel=1 help=-"),
                 std::invalid_argument);
    EXPECT_THROW(parseState("page=1 next=0 back=1 finish=- cancel=1 help=-"),
                 std::invalid_argument);
    EXPECT_THROW(parseList("selected=0"), std::invalid_argument);
    EXPECT_THROW(parseList("sel=0 K1ABC"), std::invalid_argument);
    EXPECT_THROW(parseList("sel=0 K1ABC=zz"), std::invalid_argument);
    EXPECT_THROW(parseDialog("icon=1 buttons=OK text=x"), std::invalid_argument);
    EXPECT_THROW(parseDialog("icon=yes owner=0 buttons=OK text=x"), std::invalid_argument);
}

TEST(DriverAnswersTest, WaitCommandsGetTheirOwnTimeoutOnTopOfTheMargin) {
    const auto margin = replyTimeout("state");
    EXPECT_EQ(replyTimeout("wait-page 2 5000"), margin + std::chrono::milliseconds(5000));
    EXPECT_EQ(replyTimeout("wait-dialog Key Password 700"),
              margin + std::chrono::milliseconds(700));
    EXPECT_EQ(replyTimeout("select 5000"), margin);
}

} // namespace
} // namespace wizard_driver
