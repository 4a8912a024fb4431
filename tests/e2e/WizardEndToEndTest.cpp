// The real program under Wine, driven from outside as a person would, against
// the stand-in library and the local validation server.
#include "Files.h"
#include "WineWorld.h"
#include "WizardDriver.h"
#include "WizardSession.h"

#include <gtest/gtest.h>

#include <memory>

namespace e2e {
namespace {

const int kWaitMs = 30000;

// Starts the program of one world under the given executable name and works it
// through the wizard driver.
class WizardRun : public WizardSession {
  public:
    WizardRun(const std::string& name, const World& world, const std::string& serverMode,
              const std::string& exeName)
        : m_folder(WinePaths::Get().work + "/" + name), m_appName(exeName) {
        ResetFolder(m_folder);
        m_install = BuildInstall(m_folder, world, WindowsLibraries());
        if (serverMode != "none")
            m_server = std::make_unique<ValidationServer>(m_folder + "/server", serverMode);
        // With no server, the proxy points at a port where nothing listens.
        WriteRegistry(m_install, world.setting, m_server ? m_server->Port() : 9);
        const std::string exe = m_folder + "/" + exeName + ".exe";
        CopyFile(WinePaths::Get().program, exe);
        m_driver.ok("start \"" + wizard_driver::windowsPath(exe) + "\"");
        m_driver.ok("wait-wizard " + std::to_string(kWaitMs));
    }

    wizard_driver::WizardState State() override { return m_driver.state(); }
    void Press(Button button) override {
        static const char* const kNames[] = {"back", "next", "finish", "cancel"};
        m_driver.ok(std::string("press ") + kNames[static_cast<int>(button)]);
    }
    void PressNextAnswering(const std::string& password) override {
        Press(Button::Next);
        if (password.empty())
            return;
        m_driver.waitDialog("Key Password", kWaitMs);
        if (password == kCancel) {
            m_driver.ok("dialog Key Password press 2");
        } else {
            m_driver.ok("type " + password);
            m_driver.ok("dialog Key Password press 1");
        }
    }
    void WaitPage(int page) override {
        m_driver.ok("wait-page " + std::to_string(page) + " " + std::to_string(kWaitMs));
    }
    wizard_driver::ListContents List() override { return m_driver.list(); }
    std::string TakeMessage() override {
        const wizard_driver::DialogInfo box = m_driver.waitDialog(m_appName, kWaitMs);
        EXPECT_TRUE(box.icon);
        EXPECT_TRUE(box.ownedByWizard);
        EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
        m_driver.ok("dialog " + m_appName + " press 1");
        m_driver.ok("wait-gone " + m_appName + " " + std::to_string(kWaitMs));
        return box.text;
    }
    void WaitClosed() override {
        EXPECT_EQ(m_driver.ok("wait-exit " + std::to_string(kWaitMs)), "0");
    }

    std::string AppName() const override { return m_appName; }
    const std::string& Install() const override { return m_install; }
    ValidationServer& Server() override { return *m_server; }

  private:
    std::string m_folder;
    std::string m_appName;
    std::string m_install;
    std::unique_ptr<ValidationServer> m_server;
    wizard_driver::WizardDriver m_driver;
};

SessionFactory Ovaldi(const std::string& exeName = "Ovaldi") {
    return [exeName](const std::string& name, const World& world, const std::string& mode) {
        return std::make_unique<WizardRun>(name, world, mode, exeName);
    };
}

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
    WalkRow(Ovaldi(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Rows, WizardScenario, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<Row>& info) {
                             return TestName(info.param);
                         });

TEST(WizardNavigation, BackAndNextAgainNeitherReloadsNorRepeatsTheMessage) {
    ExpectBackAndNextAgainNeitherReloadsNorRepeatsTheMessage(Ovaldi());
}

TEST(WizardNavigation, CancelClosesAtOnceOnTheFirstAndTheLastPage) {
    ExpectCancelClosesAtOnceOnTheFirstAndTheLastPage(Ovaldi());
}

TEST(WizardRetry, EveryPressSignsAndSendsAfreshUnderTheProgramsOwnName) {
    ExpectEveryPressSignsAndSendsAfreshUnderTheProgramsOwnName(Ovaldi("CorvalenAuth"));
}

TEST(WizardRetry, CancelledPasswordIsAskedForAgainOnTheNextPress) {
    ExpectCancelledPasswordIsAskedForAgainOnTheNextPress(Ovaldi());
}

} // namespace
} // namespace e2e
