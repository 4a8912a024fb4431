// The Qt wizard's real widgets, driven on the offscreen platform as a person
// would, against the stand-in library and the local validation server.
#include "GuiRun.h"
#include "app/OvaldiApp.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

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

class WizardScenario : public testing::TestWithParam<Row> {};

TEST_P(WizardScenario, ShowsWhatItShouldAndSendsWhatItShould) {
    WalkRow(QtWizard(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Rows, WizardScenario, testing::ValuesIn(Rows()),
                         [](const testing::TestParamInfo<Row>& info) {
                             return TestName(info.param);
                         });

TEST(WizardNavigation, BackAndNextAgainNeitherReloadsNorRepeatsTheMessage) {
    ExpectBackAndNextAgainNeitherReloadsNorRepeatsTheMessage(QtWizard());
}

TEST(WizardNavigation, CancelClosesAtOnceOnTheFirstAndTheLastPage) {
    ExpectCancelClosesAtOnceOnTheFirstAndTheLastPage(QtWizard());
}

TEST(WizardNavigation, DoubleClickOnAnEntryOnlySelectsIt) {
    GuiRun run("double-click", Demo(), "accept");
    run.Press(Button::Next);
    QListWidget& list = run.ListWidget();
    const QRect second = list.visualItemRect(list.item(1));
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    QCoreApplication::processEvents();
    EXPECT_EQ(run.Sheet().currentId(), 1);
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_TRUE(run.Answerer().TakePrompts().empty());
}

// The user agent and the captions are the test executable's name here.
TEST(WizardRetry, EveryPressSignsAndSendsAfreshUnderTheProgramsOwnName) {
    ExpectEveryPressSignsAndSendsAfreshUnderTheProgramsOwnName(QtWizard());
}

TEST(WizardRetry, CancelledPasswordIsAskedForAgainOnTheNextPress) {
    ExpectCancelledPasswordIsAskedForAgainOnTheNextPress(QtWizard());
}

TEST(WizardStartUp, RunsTheWizardModallyAndReturnsFalse) {
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

} // namespace
} // namespace e2e
