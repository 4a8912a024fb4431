// The real program under Wine, driven from outside as a person would, against
// the stand-in library and the local validation server.
#include "Files.h"
#include "Rows.h"
#include "ValidationServer.h"
#include "WineWorld.h"
#include "WizardDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <optional>

namespace e2e {
namespace {

namespace fs = std::filesystem;
using wizard_driver::ButtonState;

const int kWaitMs = 30000;

// Starts the program of one world and drives it; checks along the way what
// every run must show.
class WizardRun {
  public:
    WizardRun(const std::string& name, const World& world, const std::string& serverMode,
              const std::string& exeName = "Ovaldi")
        : m_folder(WinePaths::Get().work + "/" + name), m_appName(exeName) {
        ResetFolder(m_folder);
        m_install = BuildInstall(m_folder, world, CopyWindowsLibraries);
        if (serverMode != "none")
            m_server = std::make_unique<ValidationServer>(m_folder + "/server", serverMode);
        // With no server, the proxy points at a port where nothing listens.
        WriteRegistry(m_install, world.setting, m_server ? m_server->Port() : 9);
        const std::string exe = m_folder + "/" + exeName + ".exe";
        CopyFile(WinePaths::Get().program, exe);
        m_driver = std::make_unique<wizard_driver::WizardDriver>();
        m_driver->ok("start \"" + wizard_driver::windowsPath(exe) + "\"");
        m_driver->ok("wait-wizard " + std::to_string(kWaitMs));
    }

    wizard_driver::WizardDriver& Driver() { return *m_driver; }
    const std::string& Install() const { return m_install; }
    ValidationServer& Server() { return *m_server; }

    void Press(const std::string& button) { m_driver->ok("press " + button); }
    void WaitPage(int page) {
        m_driver->ok("wait-page " + std::to_string(page) + " " + std::to_string(kWaitMs));
    }
    // The program's message: its text, after checking the box's convention.
    std::string TakeMessage() {
        const wizard_driver::DialogInfo box = m_driver->waitDialog(m_appName, kWaitMs);
        EXPECT_TRUE(box.icon);
        EXPECT_TRUE(box.ownedByWizard);
        EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
        m_driver->ok("dialog " + m_appName + " press 1");
        m_driver->ok("wait-gone " + m_appName + " " + std::to_string(kWaitMs));
        return box.text;
    }
    void AnswerPassword(const std::string& password) {
        m_driver->waitDialog("Key Password", kWaitMs);
        if (password == kCancel) {
            m_driver->ok("dialog Key Password press 2");
        } else {
            m_driver->ok("type " + password);
            m_driver->ok("dialog Key Password press 1");
        }
    }
    int WaitExit() { return std::stoi(m_driver->ok("wait-exit " + std::to_string(kWaitMs))); }

  private:
    std::string m_folder;
    std::string m_appName;
    std::string m_install;
    std::unique_ptr<ValidationServer> m_server;
    std::unique_ptr<wizard_driver::WizardDriver> m_driver;
};

std::string LackingText() {
    return "The Trusted QSL library " +
           wizard_driver::windowsPath(WinePaths::Get().work + "/lacking-export/install") +
           "\\tqsllib2.dll lacks the function tqsl_encodeBase64.";
}

// The common rows, and those of the registry and of the companion libraries.
std::vector<Row> Rows() {
    std::vector<Row> rows = CommonRows(LackingText());
    const std::vector<Row> windows = {
        {"generation-1-without-companions",
         Make(Libraries::Generation1NoCompanions, Setting::TqslCert, {"W1AW"}),
         "accept",
         "",
         {"W1AW"},
         "",
         std::nullopt,
         2},
        {"no-registry-key",
         Make(Libraries::Generation2, Setting::Missing, {"W1AW"}),
         "accept",
         kDefaultReason,
         {},
         "",
         kDefaultReason},
        {"empty-install-path",
         Make(Libraries::Generation2, Setting::Empty, {"W1AW"}),
         "accept",
         kDefaultReason,
         {},
         "",
         kDefaultReason},
        {"install-path-too-long",
         Make(Libraries::Generation2, Setting::TooLong, {"W1AW"}),
         "accept",
         kDefaultReason,
         {},
         "",
         kDefaultReason},
    };
    rows.insert(rows.end(), windows.begin(), windows.end());
    return rows;
}

class WizardScenario : public testing::TestWithParam<Row> {};

TEST_P(WizardScenario, ShowsWhatItShouldAndSendsWhatItShould) {
    const Row& row = GetParam();
    WizardRun run(row.name, row.world, row.serverMode);

    wizard_driver::WizardState state = run.Driver().state();
    EXPECT_EQ(state.page, 0);
    EXPECT_EQ(state.back, ButtonState::Disabled);
    EXPECT_EQ(state.next, ButtonState::Enabled);
    EXPECT_EQ(state.help, ButtonState::Hidden);

    run.Press("next");
    if (!row.initMessage.empty())
        EXPECT_EQ(run.TakeMessage(), row.initMessage);
    run.WaitPage(1);
    state = run.Driver().state();
    EXPECT_EQ(state.back, ButtonState::Enabled);
    EXPECT_EQ(state.next, ButtonState::Enabled);
    EXPECT_EQ(state.help, ButtonState::Hidden);
    const wizard_driver::ListContents list = run.Driver().list();
    std::vector<std::string> texts;
    for (const auto& item : list.items)
        texts.push_back(item.text);
    EXPECT_EQ(texts, row.listed);
    EXPECT_EQ(list.selected, row.listed.empty() ? -1 : 0);
    if (list.items.size() == 2 && texts[0] == texts[1])
        EXPECT_NE(list.items[0].data, list.items[1].data) << "each entry has its own handle";

    run.Press("next");
    if (!row.password.empty())
        run.AnswerPassword(row.password);

    if (row.failure) {
        EXPECT_EQ(run.TakeMessage(), kRequestFailed + *row.failure);
        run.WaitPage(1);
        run.Press("cancel");
    } else {
        run.WaitPage(2);
        state = run.Driver().state();
        EXPECT_EQ(state.finish, ButtonState::Enabled);
        EXPECT_EQ(state.back, ButtonState::Disabled);
        EXPECT_EQ(state.help, ButtonState::Hidden);
        run.Press("finish");
    }
    EXPECT_EQ(run.WaitExit(), 0);
    const std::vector<std::string> log = CallLog(run.Install());
    EXPECT_EQ(SigningPhaseFault(log), "");
    if (!log.empty())
        EXPECT_EQ(log[0].rfind("tqsl_init build=generation" + std::to_string(row.generation), 0),
                  0u)
            << log[0];
    if (!row.failure) {
        const std::vector<ValidationServer::Exchange> exchanges = run.Server().Exchanges();
        ASSERT_EQ(exchanges.size(), 1u);
        EXPECT_EQ(exchanges[0].verdict, "200 accepted\n");
        ExpectRequestOf(exchanges[0].request, log, row.world, "Ovaldi");
    }
}

TEST(WizardNavigation, BackAndNextAgainNeitherReloadsNorRepeatsTheMessage) {
    WizardRun run("back-and-next", DemoWith("init_fail = Store busy"), "accept");
    run.Press("next");
    EXPECT_EQ(run.TakeMessage(), "tqsl_init() failed: Store busy");
    run.WaitPage(1);
    run.Press("back");
    run.WaitPage(0);
    const wizard_driver::WizardState state = run.Driver().state();
    EXPECT_EQ(state.back, ButtonState::Disabled);
    EXPECT_EQ(state.next, ButtonState::Enabled);
    EXPECT_EQ(state.help, ButtonState::Hidden);
    run.Press("next");
    run.WaitPage(1); // would fail while a second message box were open
    run.Press("cancel");
    EXPECT_EQ(run.WaitExit(), 0);
    EXPECT_EQ(CallNames(CallLog(run.Install())),
              (std::vector<std::string>{"tqsl_init", "tqsl_getErrorString"}));
}

TEST(WizardNavigation, CancelClosesAtOnceOnTheFirstAndTheLastPage) {
    {
        WizardRun run("cancel-first-page", ClearKey(), "accept");
        run.Press("cancel");
        EXPECT_EQ(run.WaitExit(), 0);
        EXPECT_TRUE(CallLog(run.Install()).empty()) << "nothing was loaded";
    }
    WizardRun run("cancel-last-page", ClearKey(), "accept");
    run.Press("next");
    run.WaitPage(1);
    run.Press("next");
    run.WaitPage(2);
    run.Press("cancel");
    EXPECT_EQ(run.WaitExit(), 0);
    EXPECT_EQ(run.Server().Exchanges().size(), 1u);
}

TEST(WizardRetry, EveryPressSignsAndSendsAfreshUnderTheProgramsOwnName) {
    WizardRun run("renamed-and-retried", ClearKey(), "status:500", "CorvalenAuth");
    run.Press("next");
    run.WaitPage(1);
    for (int press = 0; press < 2; ++press) {
        run.Press("next");
        EXPECT_EQ(run.TakeMessage(), kRequestFailed + kConnectionFailure);
        run.WaitPage(1);
    }
    run.Press("cancel");
    EXPECT_EQ(run.WaitExit(), 0);
    const std::vector<ValidationServer::Exchange> exchanges = run.Server().Exchanges();
    ASSERT_EQ(exchanges.size(), 2u);
    for (const auto& exchange : exchanges)
        EXPECT_NE(exchange.request.find("\r\nUser-Agent: CorvalenAuth\r\n"), std::string::npos);
    const std::vector<std::string> names = CallNames(CallLog(run.Install()));
    EXPECT_EQ(std::count(names.begin(), names.end(), "tqsl_beginSigning"), 2);
    EXPECT_EQ(std::count(names.begin(), names.end(), "tqsl_endSigning"), 2);
}

TEST(WizardRetry, CancelledPasswordIsAskedForAgainOnTheNextPress) {
    WizardRun run("password-again", Demo(), "accept");
    run.Press("next");
    run.WaitPage(1);
    run.Press("next");
    run.AnswerPassword(kCancel);
    EXPECT_EQ(run.TakeMessage(), kRequestFailed + "Password entry was cancelled");
    run.Press("next");
    run.AnswerPassword(kPassword);
    run.WaitPage(2);
    run.Press("finish");
    EXPECT_EQ(run.WaitExit(), 0);
    const std::vector<std::string> log = CallLog(run.Install());
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

INSTANTIATE_TEST_SUITE_P(Rows, WizardScenario, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<Row>& info) {
                             return TestName(info.param);
                         });

} // namespace
} // namespace e2e
