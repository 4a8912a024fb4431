// The real program under Wine, driven from outside as a person would, against
// the stand-in library and the local validation server.
#include "Harness.h"
#include "Scenario.h"
#include "WizardDriver.h"
#include "submit/FormEncoding.h"

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
const char kWizard[] = "Corvalen Authentication Wizard";
const char kPassword[] = "s3cret pass";
const char kCancel[] = "<cancel>";

const std::string kDefaultReason =
    "Cannot locate or load Trusted QSL software.  Please download and install the software and "
    "try again.  See https://lotw.arrl.org/ for more information.";
const std::string kNoCertificates =
    "No Trusted QSL certificates issued by the ARRL were found on this computer.  Be sure you "
    "have completed the authentication steps outlined on the Logbook of the World Web site "
    "(https://lotw.arrl.org/).";
const std::string kConnectionFailure = "Cannot connect to the Corvalen Web site.  Be sure you "
                                       "are connected to the Internet, or try again later.";
const std::string kRequestFailed = "The authentication request could not be processed: ";

// Starts the program of one world and drives it; checks along the way what
// every run must show.
class WizardRun {
  public:
    WizardRun(const std::string& name, const World& world, const std::string& serverMode,
              const std::string& exeName = "Ovaldi")
        : m_folder(Paths::Get().work + "/" + name), m_appName(exeName) {
        ResetFolder(m_folder);
        m_install = BuildInstall(m_folder, world);
        if (serverMode != "none")
            m_server = std::make_unique<ValidationServer>(m_folder + "/server", serverMode);
        // With no server, the proxy points at a port where nothing listens.
        WriteRegistry(m_install, world.registry, m_server ? m_server->Port() : 9);
        const std::string exe = m_folder + "/" + exeName + ".exe";
        CopyFile(Paths::Get().program, exe);
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

struct Row {
    const char* name;
    World world;
    std::string serverMode = "accept";
    std::string initMessage;            // shown on arrival at the list, if any
    std::vector<std::string> listed;    // the list's texts, in order
    std::string password;               // typed at the prompt; none expected when empty
    std::optional<std::string> failure; // the failure reason after Next; none: success
};

World Make(Libraries libraries, Registry registry, std::vector<std::string> certs,
           std::string behaviour = "") {
    return World{libraries, registry, std::move(certs), std::move(behaviour)};
}

const World kDemo = Make(Libraries::Generation2, Registry::CertKey, {"K1ABC", "W1AW"});
const std::vector<std::string> kDemoList = {"K1ABC", "W1AW"};

World WithBehaviour(const std::string& behaviour) {
    World world = kDemo;
    world.behaviour = behaviour;
    return world;
}

std::string LackingText() {
    return "The Trusted QSL library " +
           wizard_driver::windowsPath(Paths::Get().work + "/lacking-export/install") +
           "\\tqsllib2.dll lacks the function tqsl_encodeBase64.";
}

std::vector<Row> Rows() {
    const std::string x124(124, 'X');
    return {
        {"happy-generation-2", kDemo, "accept", "", kDemoList, kPassword, std::nullopt},
        {"happy-generation-1",
         Make(Libraries::Generation1, Registry::CertKey, {"W1AW"}),
         "accept",
         "",
         {"W1AW"},
         "",
         std::nullopt},
        {"generation-1-without-companions",
         Make(Libraries::Generation1NoCompanions, Registry::CertKey, {"W1AW"}),
         "accept",
         "",
         {"W1AW"},
         "",
         std::nullopt},
        {"current-installer-key",
         Make(Libraries::Generation2, Registry::TrustedQslKey, {"W1AW"}),
         "accept",
         "",
         {"W1AW"},
         "",
         std::nullopt},
        {"no-registry-key",
         Make(Libraries::Generation2, Registry::NoKey, {"W1AW"}),
         "accept",
         kDefaultReason,
         {},
         "",
         kDefaultReason},
        {"empty-install-path",
         Make(Libraries::Generation2, Registry::EmptyValue, {"W1AW"}),
         "accept",
         kDefaultReason,
         {},
         "",
         kDefaultReason},
        {"install-path-too-long",
         Make(Libraries::Generation2, Registry::TooLongValue, {"W1AW"}),
         "accept",
         kDefaultReason,
         {},
         "",
         kDefaultReason},
        {"folder-without-libraries",
         Make(Libraries::None, Registry::CertKey, {"W1AW"}),
         "accept",
         kDefaultReason,
         {},
         "",
         kDefaultReason},
        {"lacking-export",
         Make(Libraries::LackingExport, Registry::CertKey, {"W1AW"}),
         "accept",
         LackingText(),
         {},
         "",
         LackingText()},
        {"init-fails",
         WithBehaviour("init_fail = The certificate store is locked"),
         "accept",
         "tqsl_init() failed: The certificate store is locked",
         {},
         "",
         "tqsl_init() failed: The certificate store is locked"},
        {"init-fails-without-text",
         WithBehaviour("init_fail = (null)"),
         "accept",
         "tqsl_init() failed: ",
         {},
         "",
         "tqsl_init() failed: "},
        {"no-certificates",
         Make(Libraries::Generation2, Registry::CertKey, {}),
         "accept",
         kNoCertificates,
         {},
         "",
         kNoCertificates},
        {"none-issued-by-arrl",
         Make(Libraries::Generation2, Registry::CertKey, {"DL1XYZ", "KC9CASE"}),
         "accept",
         kNoCertificates,
         {},
         "",
         kNoCertificates},
        {"reverse-order", Make(Libraries::Generation2, Registry::CertKey, {"W1AW", "K1ABC"}),
         "accept", "", kDemoList, kPassword, std::nullopt},
        {"same-call-sign-twice",
         Make(Libraries::Generation2, Registry::CertKey, {"K1ABC", "K1ABC-2"}),
         "accept",
         "",
         {"K1ABC", "K1ABC"},
         "",
         std::nullopt},
        {"issuer-with-separator",
         Make(Libraries::Generation2, Registry::CertKey, {"AB1PIPE"}),
         "accept",
         "",
         {"AB1PIPE"},
         "",
         std::nullopt},
        {"no-email-serial-zero",
         Make(Libraries::Generation2, Registry::CertKey, {"N0MAIL"}),
         "accept",
         "",
         {"N0MAIL"},
         "",
         std::nullopt},
        {"call-sign-fills-its-buffer",
         Make(Libraries::Generation2, Registry::CertKey, {"W1AW"}, "unterminated = callsign"),
         "accept",
         "",
         {"W1AW" + x124},
         "",
         kConnectionFailure},
        {"password-cancelled", kDemo, "accept", "", kDemoList, kCancel,
         "Password entry was cancelled"},
        {"wrong-password", kDemo, "accept", "", kDemoList, "not it", "The password is not correct"},
        {"begin-fails-without-text", WithBehaviour("begin_fail = (null)"), "accept", "", kDemoList,
         "", ""},
        {"status-check-fails", WithBehaviour("check_fail = Signing is not possible now"), "accept",
         "", kDemoList, kPassword, "Signing is not possible now"},
        {"signing-fails", WithBehaviour("sign_fail = The key refused to sign"), "accept", "",
         kDemoList, kPassword, "The key refused to sign"},
        {"base64-fails", WithBehaviour("base64_fail = Base64 buffer error"), "accept", "",
         kDemoList, kPassword, "Base64 buffer error"},
        {"certificate-text-fails", WithBehaviour("encoded_fail = Certificate not encodable"),
         "accept", "", kDemoList, kPassword, "Certificate not encodable"},
        {"maximum-size-fails", WithBehaviour("maxsize_fail = (null)"), "accept", "", kDemoList,
         kPassword,
         "The Trusted QSL library did not report the size of the signature.  Please reinstall "
         "the software and try again."},
        {"server-answers-201", kDemo, "status:201", "", kDemoList, kPassword, kConnectionFailure},
        {"server-answers-404", kDemo, "status:404", "", kDemoList, kPassword, kConnectionFailure},
        {"server-answers-500", kDemo, "status:500", "", kDemoList, kPassword, kConnectionFailure},
        {"server-closes", kDemo, "close", "", kDemoList, kPassword, kConnectionFailure},
        {"server-not-there", kDemo, "none", "", kDemoList, kPassword, kConnectionFailure},
    };
}

std::string PercentDecoded(const std::string& text) {
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(text[i + 1]) &&
            std::isxdigit(text[i + 2])) {
            decoded += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

std::string Unhex(const std::string& hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

// The word after "key=" in a call log line.
std::string LoggedValue(const std::string& line, const std::string& key) {
    const size_t at = line.find(" " + key + "=");
    if (at == std::string::npos)
        return "";
    const size_t begin = at + key.size() + 2;
    return line.substr(begin, line.find(' ', begin) - begin);
}

// The request carries the fixed request line and headers, and a body whose
// bytes are the form body of the signed certificate's text, the record the
// library signed, and the signature text.
void ExpectRequestOf(const std::string& request, const std::vector<std::string>& log,
                     const World& world, const std::string& appName) {
    // Through a proxy the request line names the server; WinInet adds its port.
    const std::string requestLine = request.substr(0, request.find("\r\n"));
    EXPECT_TRUE(
        requestLine == "POST http://www.corvalen.org/validation/signed_request.jsp HTTP/1.0" ||
        requestLine == "POST http://www.corvalen.org:80/validation/signed_request.jsp HTTP/1.0")
        << requestLine;
    EXPECT_NE(request.find("\r\nContent-Type: application/x-www-form-urlencoded\r\n"),
              std::string::npos);
    EXPECT_NE(request.find("\r\nUser-Agent: " + appName + "\r\n"), std::string::npos);
    std::string signedLine, certIdentity;
    for (const std::string& line : log)
        if (line.rfind("tqsl_signDataBlock ", 0) == 0) {
            signedLine = line;
            certIdentity = line.substr(19, line.find(' ', 19) - 19);
        }
    ASSERT_FALSE(signedLine.empty());
    const int index = std::stoi(certIdentity.substr(certIdentity.find('#') + 1));
    const std::string certText =
        ReadFile(Paths::Get().fixtures + "/" + world.certs.at(index) + ".pem");
    const std::string record = Unhex(LoggedValue(signedLine, "data"));
    const std::string body = RequestBody(request);
    const std::string signature = PercentDecoded(FieldValue(body, "sig"));
    EXPECT_EQ(body, BuildFormBody(certText.c_str(), record.c_str(), signature.c_str()));
    EXPECT_NE(request.find("\r\nContent-Length: " + std::to_string(body.size()) + "\r\n"),
              std::string::npos);
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
    if (!log.empty()) {
        // Generation 1 serves whenever it loads; otherwise generation 2.
        const bool first = row.world.libraries == Libraries::Generation1;
        EXPECT_EQ(
            log[0].rfind(first ? "tqsl_init build=generation1" : "tqsl_init build=generation2", 0),
            0u)
            << log[0];
    }
    if (!row.failure) {
        const std::vector<ValidationServer::Exchange> exchanges = run.Server().Exchanges();
        ASSERT_EQ(exchanges.size(), 1u);
        EXPECT_EQ(exchanges[0].verdict, "200 accepted\n");
        ExpectRequestOf(exchanges[0].request, log, row.world, "Ovaldi");
    }
}

const World kClearKey = Make(Libraries::Generation2, Registry::CertKey, {"W1AW"});

TEST(WizardNavigation, BackAndNextAgainNeitherReloadsNorRepeatsTheMessage) {
    WizardRun run("back-and-next", WithBehaviour("init_fail = Store busy"), "accept");
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
        WizardRun run("cancel-first-page", kClearKey, "accept");
        run.Press("cancel");
        EXPECT_EQ(run.WaitExit(), 0);
        EXPECT_TRUE(CallLog(run.Install()).empty()) << "nothing was loaded";
    }
    WizardRun run("cancel-last-page", kClearKey, "accept");
    run.Press("next");
    run.WaitPage(1);
    run.Press("next");
    run.WaitPage(2);
    run.Press("cancel");
    EXPECT_EQ(run.WaitExit(), 0);
    EXPECT_EQ(run.Server().Exchanges().size(), 1u);
}

TEST(WizardRetry, EveryPressSignsAndSendsAfreshUnderTheProgramsOwnName) {
    WizardRun run("renamed-and-retried", kClearKey, "status:500", "CorvalenAuth");
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
    WizardRun run("password-again", kDemo, "accept");
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
    std::vector<std::string> callbacks;
    for (const std::string& line : log)
        if (line.rfind("password_callback ", 0) == 0)
            callbacks.push_back(line.substr(line.find(" => ")));
    // Declining leaves the library's buffer (filled with 0xAA) untouched; the
    // second prompt hands over exactly the typed text.
    std::string untouched;
    for (int i = 0; i < 256; ++i)
        untouched += "aa";
    EXPECT_EQ(callbacks, (std::vector<std::string>{" => -1 wrote=" + untouched,
                                                   " => 0 wrote=7333637265742070617373"}));
}

INSTANTIATE_TEST_SUITE_P(Rows, WizardScenario, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<Row>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });

} // namespace
} // namespace e2e
