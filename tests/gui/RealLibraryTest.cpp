// The wizard with Debian's own TrustedQSL library, found in the distribution's
// folder when the settings name none, and a throw-away certificate store.
#include "GuiRun.h"
#include "Rows.h"

#include <QListWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace e2e {
namespace {

const char kCall[] = "N0OVL";
const char kEmail[] = "n0ovl@example.org";
const char kStorePassword[] = "throw away";

// The distribution's library, with the suite's empty store.
World DistributionLibrary() {
    return Make(Libraries::None, Setting::Missing, {});
}

// Points the library at a new store holding one certificate, with or
// without its key.
void MakeStore(const std::string& folder, bool withKey) {
    const std::string command = std::string(std::getenv("OVALDI_TQSL_STORE_MAKER")) + " '" +
                                folder + "' " + kCall + " " + kEmail + " '" + kStorePassword + "'" +
                                (withKey ? "" : " --without-key");
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    setenv("TQSLDIR", folder.c_str(), 1);
}

TEST(RealLibrary, NoSettingsLeadToTheDistributionsLibrary) {
    GuiRun run("no-settings", DistributionLibrary(), "accept");
    run.Press(QWizard::NextButton);
    EXPECT_EQ(run.TakeMessage(), kNoCertificates);
    EXPECT_EQ(run.List().count(), 0);
}

TEST(RealLibrary, EmptyInstallPathLeadsToTheDistributionsLibrary) {
    World world = DistributionLibrary();
    world.setting = Setting::Empty;
    GuiRun run("empty-install-path", world, "accept");
    run.Press(QWizard::NextButton);
    EXPECT_EQ(run.TakeMessage(), kNoCertificates);
}

TEST(RealLibrary, SignsThroughTheRealLibrary) {
    MakeStore(WorkFolder() + "/store", true);
    GuiRun run("signs", DistributionLibrary(), "accept");
    run.Press(QWizard::NextButton);
    ASSERT_EQ(run.List().count(), 1);
    EXPECT_EQ(run.List().item(0)->text().toStdString(), kCall);
    run.Answerer().QueuePassword(kStorePassword);
    run.Press(QWizard::NextButton);
    EXPECT_EQ(run.Answerer().TakePrompts().size(), 1u);
    EXPECT_TRUE(run.Answerer().TakeMessages().empty());
    EXPECT_EQ(run.Sheet().currentId(), 2);
    const std::vector<ValidationServer::Exchange> exchanges = run.Server().Exchanges();
    ASSERT_EQ(exchanges.size(), 1u);
    // The server checked the record against the certificate and the
    // signature against its key.
    EXPECT_EQ(exchanges[0].verdict, "200 accepted\n");
    EXPECT_NE(exchanges[0].request.find("&data=" + std::string(kCall) + "%7C"), std::string::npos);
}

TEST(RealLibrary, CertificateWithoutKeyFailsAtBeginSigning) {
    MakeStore(WorkFolder() + "/store", false);
    GuiRun run("without-key", DistributionLibrary(), "accept");
    run.Press(QWizard::NextButton);
    ASSERT_EQ(run.List().count(), 1);
    run.Press(QWizard::NextButton);
    const std::string message = run.TakeMessage();
    ASSERT_EQ(message.rfind(kRequestFailed, 0), 0u) << message;
    EXPECT_GT(message.size(), kRequestFailed.size()) << "the library's own text follows";
    EXPECT_EQ(run.Sheet().currentId(), 1);
    EXPECT_TRUE(run.Server().Exchanges().empty());
}

} // namespace
} // namespace e2e
