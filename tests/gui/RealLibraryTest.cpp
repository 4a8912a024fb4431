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
const char kWrongPassword[] = "not it";

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
    run.Press(Button::Next);
    EXPECT_EQ(run.TakeMessage(), kNoCertificates);
    EXPECT_EQ(run.ListWidget().count(), 0);
}

TEST(RealLibrary, EmptyInstallPathLeadsToTheDistributionsLibrary) {
    World world = DistributionLibrary();
    world.setting = Setting::Empty;
    GuiRun run("empty-install-path", world, "accept");
    run.Press(Button::Next);
    EXPECT_EQ(run.TakeMessage(), kNoCertificates);
}

TEST(RealLibrary, SignsThroughTheRealLibrary) {
    MakeStore(WorkFolder() + "/store", true);
    GuiRun run("signs", DistributionLibrary(), "accept");
    run.Press(Button::Next);
    ASSERT_EQ(run.ListWidget().count(), 1);
    EXPECT_EQ(run.ListWidget().item(0)->text().toStdString(), kCall);

    // A wrong password first: the library's text, and the page stays.
    run.PressNextAnswering(kWrongPassword);
    EXPECT_EQ(run.TakeMessage(),
              kRequestFailed + "OpenSSL error: error:1C800064:Provider routines::bad decrypt");
    run.WaitPage(1);

    run.PressNextAnswering(kStorePassword);
    EXPECT_TRUE(run.Answerer().TakeMessages().empty());
    run.WaitPage(2);
    const std::vector<ValidationServer::Exchange> exchanges = run.Server().Exchanges();
    ASSERT_EQ(exchanges.size(), 1u);
    // The server checked the record against the certificate (call sign,
    // issuer, the serial 3735928559 with its top bit set, e-mail) and the
    // signature against its key.
    EXPECT_EQ(exchanges[0].verdict, "200 accepted\n");
    EXPECT_NE(exchanges[0].request.find("&data=" + std::string(kCall) + "%7C%2FC%3DUS%2F"),
              std::string::npos);
    EXPECT_NE(exchanges[0].request.find("%7C3735928559%7Cn0ovl%40example%2Eorg&sig="),
              std::string::npos);
}

TEST(RealLibrary, CertificateWithoutKeyFailsAtBeginSigning) {
    MakeStore(WorkFolder() + "/store", false);
    GuiRun run("without-key", DistributionLibrary(), "accept");
    run.Press(Button::Next);
    ASSERT_EQ(run.ListWidget().count(), 1);
    run.PressNextAnswering("");
    EXPECT_EQ(run.TakeMessage(),
              kRequestFailed +
                  "You can only open this callsign certificate by running TQSL on the computer "
                  "where you created the certificate request for " +
                  kCall + ".");
    run.WaitPage(1);
    EXPECT_TRUE(run.Server().Exchanges().empty());
}

} // namespace
} // namespace e2e
