#include "WizardSession.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace e2e {

using wizard_driver::ButtonState;

void WalkRow(const SessionFactory& start, const Row& row) {
    const std::unique_ptr<WizardSession> run = start(row.name, row.world, row.serverMode);

    wizard_driver::WizardState state = run->State();
    EXPECT_EQ(state.page, 0);
    EXPECT_EQ(state.back, ButtonState::Disabled);
    EXPECT_EQ(state.next, ButtonState::Enabled);
    EXPECT_EQ(state.help, ButtonState::Hidden);

    run->Press(Button::Next);
    if (!row.initMessage.empty())
        EXPECT_EQ(run->TakeMessage(), row.initMessage);
    run->WaitPage(1);
    state = run->State();
    EXPECT_EQ(state.back, ButtonState::Enabled);
    EXPECT_EQ(state.next, ButtonState::Enabled);
    EXPECT_EQ(state.help, ButtonState::Hidden);
    const wizard_driver::ListContents list = run->List();
    std::vector<std::string> texts;
    for (const auto& item : list.items)
        texts.push_back(item.text);
    EXPECT_EQ(texts, row.listed);
    EXPECT_EQ(list.selected, row.listed.empty() ? -1 : 0);
    if (list.items.size() == 2 && texts[0] == texts[1])
        EXPECT_NE(list.items[0].data, list.items[1].data) << "each entry has its own handle";

    run->PressNextAnswering(row.password);
    if (row.failure) {
        EXPECT_EQ(run->TakeMessage(), kRequestFailed + *row.failure);
        run->WaitPage(1);
        run->Press(Button::Cancel);
    } else {
        run->WaitPage(2);
        state = run->State();
        EXPECT_EQ(state.finish, ButtonState::Enabled);
        EXPECT_EQ(state.back, ButtonState::Disabled);
        EXPECT_EQ(state.help, ButtonState::Hidden);
        run->Press(Button::Finish);
    }
    run->WaitClosed();
    const std::vector<std::string> log = CallLog(run->Install());
    EXPECT_EQ(SigningPhaseFault(log), "");
    if (!log.empty())
        EXPECT_EQ(log[0].rfind("tqsl_init build=generation" + std::to_string(row.generation), 0),
                  0u)
            << log[0];
    if (!row.failure) {
        const std::vector<ValidationServer::Exchange> exchanges = run->Server().Exchanges();
        ASSERT_EQ(exchanges.size(), 1u);
        EXPECT_EQ(exchanges[0].verdict, "200 accepted\n");
        ExpectRequestOf(exchanges[0].request, log, row.world, run->AppName());
    }
}

void ExpectBackAndNextAgainNeitherReloadsNorRepeatsTheMessage(const SessionFactory& start) {
    const std::unique_ptr<WizardSession> run =
        start("back-and-next", DemoWith("init_fail = Store busy"), "accept");
    run->Press(Button::Next);
    EXPECT_EQ(run->TakeMessage(), "tqsl_init() failed: Store busy");
    run->WaitPage(1);
    run->Press(Button::Back);
    run->WaitPage(0);
    const wizard_driver::WizardState state = run->State();
    EXPECT_EQ(state.back, ButtonState::Disabled);
    EXPECT_EQ(state.next, ButtonState::Enabled);
    EXPECT_EQ(state.help, ButtonState::Hidden);
    run->Press(Button::Next);
    run->WaitPage(1); // would fail while a second message box were open
    run->Press(Button::Cancel);
    run->WaitClosed();
    EXPECT_EQ(CallNames(CallLog(run->Install())),
              (std::vector<std::string>{"tqsl_init", "tqsl_getErrorString"}));
}

void ExpectCancelClosesAtOnceOnTheFirstAndTheLastPage(const SessionFactory& start) {
    {
        const std::unique_ptr<WizardSession> run = start("cancel-first-page", ClearKey(), "accept");
        run->Press(Button::Cancel);
        run->WaitClosed();
        EXPECT_TRUE(CallLog(run->Install()).empty()) << "nothing was loaded";
    }
    const std::unique_ptr<WizardSession> run = start("cancel-last-page", ClearKey(), "accept");
    run->Press(Button::Next);
    run->WaitPage(1);
    run->PressNextAnswering("");
    run->WaitPage(2);
    run->Press(Button::Cancel);
    run->WaitClosed();
    EXPECT_EQ(run->Server().Exchanges().size(), 1u);
}

void ExpectEveryPressSignsAndSendsAfreshUnderTheProgramsOwnName(const SessionFactory& start) {
    const std::unique_ptr<WizardSession> run =
        start("renamed-and-retried", ClearKey(), "status:500");
    run->Press(Button::Next);
    run->WaitPage(1);
    for (int press = 0; press < 2; ++press) {
        run->PressNextAnswering("");
        EXPECT_EQ(run->TakeMessage(), kRequestFailed + kConnectionFailure);
        run->WaitPage(1);
    }
    run->Press(Button::Cancel);
    run->WaitClosed();
    const std::vector<ValidationServer::Exchange> exchanges = run->Server().Exchanges();
    ASSERT_EQ(exchanges.size(), 2u);
    for (const auto& exchange : exchanges)
        EXPECT_NE(exchange.request.find("\r\nUser-Agent: " + run->AppName() + "\r\n"),
                  std::string::npos);
    const std::vector<std::string> names = CallNames(CallLog(run->Install()));
    EXPECT_EQ(std::count(names.begin(), names.end(), "tqsl_beginSigning"), 2);
    EXPECT_EQ(std::count(names.begin(), names.end(), "tqsl_endSigning"), 2);
}

void ExpectCancelledPasswordIsAskedForAgainOnTheNextPress(const SessionFactory& start) {
    const std::unique_ptr<WizardSession> run = start("password-again", Demo(), "accept");
    run->Press(Button::Next);
    run->WaitPage(1);
    run->PressNextAnswering(kCancel);
    EXPECT_EQ(run->TakeMessage(), kRequestFailed + "Password entry was cancelled");
    run->PressNextAnswering(kPassword);
    run->WaitPage(2);
    run->Press(Button::Finish);
    run->WaitClosed();
    const std::vector<std::string> log = CallLog(run->Install());
    EXPECT_EQ(SigningPhaseFault(log), "");
    // Declining leaves the library's buffer (filled with 0xAA) untouched; the
    // second prompt hands over exactly the typed text.
    std::string untouched;
    for (int i = 0; i < 256; ++i)
        untouched += "aa";
    EXPECT_EQ(PasswordCallbacks(log),
              (std::vector<std::string>{" => -1 wrote=" + untouched,
                                        " => 0 wrote=7333637265742070617373"}));
}

} // namespace e2e
