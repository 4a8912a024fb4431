// The Qt wizard's real widgets, driven on the offscreen platform as a person
// would, against the stand-in library and the local validation server.
#include "GuiRun.h"
#include "Rows.h"
#include "app/OvaldiApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace e2e {
namespace {

std::string LackingText() {
    return "The Trusted QSL library " + WorkFolder() +
           "/lacking-export/install/libtqsllib2.so lacks the function tqsl_encodeBase64.";
}

// The common rows, and those of the settings file.
std::vector<Row> Rows() {
    std::vector<Row> rows = CommonRows(LackingText());
    const std::vector<Row> linux = {
        {"generation-1-needs-no-companions",
         Make(Libraries::Generation1NoCompanions, Setting::TqslCert, {"W1AW"}),
         "accept",
         "",
         {"W1AW"},
         "",
         std::nullopt,
         1},
        {"long-install-path",
         Make(Libraries::Generation2, Setting::TooLong, {"W1AW"}),
         "accept",
         "",
         {"W1AW"},
         "",
         std::nullopt},
    };
    rows.insert(rows.end(), linux.begin(), linux.end());
    return rows;
}

std::vector<std::string> Texts(const QListWidget& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.count(); ++i)
        texts.push_back(list.item(i)->text().toStdString());
    return texts;
}

class WizardScenario : public testing::TestWithParam<Row> {};

TEST_P(WizardScenario, ShowsWhatItShouldAndSendsWhatItShould) {
    const Row& row = GetParam();
    GuiRun run(row.name, row.world, row.serverMode);

    Buttons state = run.State();
    EXPECT_EQ(run.Sheet().currentId(), 0);
    EXPECT_FALSE(state.back);
    EXPECT_TRUE(state.next);
    EXPECT_FALSE(state.help);

    run.Press(QWizard::NextButton);
    if (!row.initMessage.empty())
        EXPECT_EQ(run.TakeMessage(), row.initMessage);
    ASSERT_EQ(run.Sheet().currentId(), 1);
    state = run.State();
    EXPECT_TRUE(state.back);
    EXPECT_TRUE(state.next);
    EXPECT_FALSE(state.help);
    QListWidget& list = run.List();
    EXPECT_EQ(Texts(list), row.listed);
    EXPECT_EQ(list.currentRow(), row.listed.empty() ? -1 : 0);
    if (list.count() == 2 && list.item(0)->text() == list.item(1)->text())
        EXPECT_NE(list.item(0)->data(Qt::UserRole), list.item(1)->data(Qt::UserRole))
            << "each entry has its own handle";

    if (!row.password.empty())
        run.Answerer().QueuePassword(row.password);
    run.Press(QWizard::NextButton);
    const std::vector<ModalAnswerer::Prompt> prompts = run.Answerer().TakePrompts();
    EXPECT_EQ(prompts.size(), row.password.empty() ? 0u : 1u);
    for (const ModalAnswerer::Prompt& prompt : prompts) {
        EXPECT_EQ(prompt.title, "Key Password");
        EXPECT_EQ(prompt.text, "Please enter the password for your private key:");
        EXPECT_TRUE(prompt.masked);
        EXPECT_TRUE(prompt.startedEmpty);
        EXPECT_EQ(prompt.owner, &run.Sheet());
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor was not ended";

    if (row.failure) {
        EXPECT_EQ(run.TakeMessage(), kRequestFailed + *row.failure);
        EXPECT_EQ(run.Sheet().currentId(), 1);
        run.Press(QWizard::CancelButton);
    } else {
        EXPECT_TRUE(run.Answerer().TakeMessages().empty());
        ASSERT_EQ(run.Sheet().currentId(), 2);
        state = run.State();
        EXPECT_TRUE(state.finish);
        EXPECT_FALSE(state.back);
        EXPECT_FALSE(state.help);
        run.Press(QWizard::FinishButton);
    }
    EXPECT_FALSE(run.Sheet().isVisible());
    run.Close();
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
        ExpectRequestOf(exchanges[0].request, log, row.world, kAppName);
    }
}

TEST(WizardNavigation, BackAndNextAgainNeitherReloadsNorRepeatsTheMessage) {
    GuiRun run("back-and-next", DemoWith("init_fail = Store busy"), "accept");
    run.Press(QWizard::NextButton);
    EXPECT_EQ(run.TakeMessage(), "tqsl_init() failed: Store busy");
    run.Press(QWizard::BackButton);
    ASSERT_EQ(run.Sheet().currentId(), 0);
    const Buttons state = run.State();
    EXPECT_FALSE(state.back);
    EXPECT_TRUE(state.next);
    EXPECT_FALSE(state.help);
    run.Press(QWizard::NextButton);
    EXPECT_EQ(run.Sheet().currentId(), 1);
    EXPECT_TRUE(run.Answerer().TakeMessages().empty());
    run.Close();
    EXPECT_EQ(CallNames(CallLog(run.Install())),
              (std::vector<std::string>{"tqsl_init", "tqsl_getErrorString"}));
}

TEST(WizardNavigation, DoubleClickOnAnEntryOnlySelectsIt) {
    GuiRun run("double-click", Demo(), "accept");
    run.Press(QWizard::NextButton);
    QListWidget& list = run.List();
    const QRect second = list.visualItemRect(list.item(1));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    QCoreApplication::processEvents();
    EXPECT_EQ(run.Sheet().currentId(), 1);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_TRUE(run.Answerer().TakePrompts().empty());
}

TEST(WizardNavigation, CancelClosesAtOnceOnTheFirstAndTheLastPage) {
    {
        GuiRun run("cancel-first-page", ClearKey(), "accept");
        run.Press(QWizard::CancelButton);
        EXPECT_FALSE(run.Sheet().isVisible());
        run.Close();
        EXPECT_TRUE(CallLog(run.Install()).empty()) << "nothing was loaded";
    }
    GuiRun run("cancel-last-page", ClearKey(), "accept");
    run.Press(QWizard::NextButton);
    run.Press(QWizard::NextButton);
    ASSERT_EQ(run.Sheet().currentId(), 2);
    run.Press(QWizard::CancelButton);
    EXPECT_FALSE(run.Sheet().isVisible());
    EXPECT_TRUE(run.Answerer().TakeMessages().empty());
    EXPECT_EQ(run.Server().Exchanges().size(), 1u);
}

TEST(WizardRetry, EveryPressSignsAndSendsAfreshUnderTheProgramsOwnName) {
    GuiRun run("retried", ClearKey(), "status:500");
    run.Press(QWizard::NextButton);
    for (int press = 0; press < 2; ++press) {
        run.Press(QWizard::NextButton);
        EXPECT_EQ(run.TakeMessage(), kRequestFailed + kConnectionFailure);
        EXPECT_EQ(run.Sheet().currentId(), 1);
    }
    run.Close();
    const std::vector<ValidationServer::Exchange> exchanges = run.Server().Exchanges();
    ASSERT_EQ(exchanges.size(), 2u);
    for (const auto& exchange : exchanges)
        EXPECT_NE(exchange.request.find("\r\nUser-Agent: " + std::string(kAppName) + "\r\n"),
                  std::string::npos);
    const std::vector<std::string> names = CallNames(CallLog(run.Install()));
    EXPECT_EQ(std::count(names.begin(), names.end(), "tqsl_beginSigning"), 2);
    EXPECT_EQ(std::count(names.begin(), names.end(), "tqsl_endSigning"), 2);
}

TEST(WizardRetry, CancelledPasswordIsAskedForAgainOnTheNextPress) {
    GuiRun run("password-again", Demo(), "accept");
    run.Press(QWizard::NextButton);
    run.Answerer().QueuePassword(kCancel);
    run.Press(QWizard::NextButton);
    EXPECT_EQ(run.TakeMessage(), kRequestFailed + "Password entry was cancelled");
    run.Answerer().QueuePassword(kPassword);
    run.Press(QWizard::NextButton);
    EXPECT_EQ(run.Sheet().currentId(), 2);
    const std::vector<ModalAnswerer::Prompt> prompts = run.Answerer().TakePrompts();
    ASSERT_EQ(prompts.size(), 2u);
    EXPECT_TRUE(prompts[1].startedEmpty);
    run.Close();
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

TEST(WizardStartUp, RunsTheWizardModallyAndReturnsFalse) {
    ModalAnswerer answerer;
    // Cancels the wizard once it is the modal window.
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [] {
        if (auto* sheet = qobject_cast<QWizard*>(QApplication::activeModalWidget())) {
            EXPECT_EQ(sheet->windowTitle().toStdString(), kWizardTitle);
            sheet->button(QWizard::CancelButton)->click();
        }
    });
    cancel.start(5);
    EXPECT_FALSE(static_cast<COvaldiApp*>(QCoreApplication::instance())->InitInstance());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Rows, WizardScenario, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<Row>& info) {
                             return TestName(info.param);
                         });

} // namespace
} // namespace e2e
