// The certificate page's logic against the stand-in library, loaded from an
// install folder that TrustedQSL's settings file names.
#include "core/CertificatePage.h"
#include "Files.h"
#include "LinuxWorld.h"
#include "Rows.h"
#include "submit/FormEncoding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

using e2e::ReadFile;

// A sorted list, like the list box.
class SortedList : public CertificateListView {
  public:
    void RemoveAll() override { entries.clear(); }
    int Add(const char* text) override {
        auto at = std::upper_bound(entries.begin(), entries.end(), text,
                                   [](const std::string& t, const auto& e) { return t < e.first; });
        const auto added = entries.insert(at, {text, nullptr});
        return static_cast<int>(added - entries.begin());
    }
    void SetHandle(int index, void* handle) override { entries[index].second = handle; }
    void* Handle(int index) override { return entries[index].second; }
    void Select(int index) override { selected = index < int(entries.size()) ? index : -1; }
    int Selected() override { return selected; }

    std::vector<std::pair<std::string, void*>> entries;
    int selected = -1;
};

class RecordingServices : public PageServices {
  public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool SubmitSignedRequest(const char* certText, const char* record, const char* signatureText,
                             std::string& reason) override {
        bodies.push_back(BuildFormBody(certText, record, signatureText));
        records.push_back(record);
        if (!accept)
            reason = "refused";
        return accept;
    }

    bool accept = true;
    std::vector<std::string> messages, bodies, records;
};

int TQSL_CALLER_CLEANUP TypePassword(char* buffer, int size, void*) {
    std::strncpy(buffer, "s3cret pass", size);
    buffer[size - 1] = '\0';
    return 0;
}

class CertificatePage : public testing::Test {
  protected:
    // An install folder with the library and a store of the given certificates.
    void Install(const std::vector<std::string>& certs, const std::string& behaviour,
                 e2e::Libraries libraries = e2e::Libraries::Generation2) {
        install = e2e::BuildLinuxInstall(
            testing::TempDir() + testing::UnitTest::GetInstance()->current_test_info()->name(),
            e2e::Make(libraries, e2e::Setting::TqslCert, certs, behaviour));
    }
    std::string Log() { return ReadFile(install + "/tqsl-store/calls.log"); }

    std::string install;
    SortedList list;
    RecordingServices services;
};

const char kArrl[] =
    "/C=US/O=American Radio Relay League/OU=Logbook of the World/CN=Logbook of the World Test CA";

TEST_F(CertificatePage, ListsSortedAndSignsTheFirstEntry) {
    Install({"W1AW", "K1ABC"}, "");
    CertificatePageLogic page(list, services, TypePassword);
    page.Initialise();
    ASSERT_EQ(list.entries.size(), 2u);
    EXPECT_EQ(list.entries[0].first, "K1ABC");
    EXPECT_EQ(list.entries[1].first, "W1AW");
    EXPECT_EQ(list.selected, 0);
    EXPECT_TRUE(services.messages.empty());

    EXPECT_TRUE(page.OnNext());
    EXPECT_TRUE(services.messages.empty());
    ASSERT_EQ(services.records.size(), 1u);
    EXPECT_EQ(services.records[0], std::string("K1ABC|") + kArrl + "|305419896|k1abc@example.org");
    const std::string cert = ReadFile(e2e::FixturesDir() + "/K1ABC.pem");
    EXPECT_EQ(services.bodies[0].rfind("cert=" + UrlEncodeField(cert.c_str()) + "&data=", 0), 0u);
}

TEST_F(CertificatePage, FailuresEndInOneMessageAndCloseTheSigningPhase) {
    struct Case {
        const char* behaviour;
        bool accept;
        std::string message;
        bool signs; // whether tqsl_signDataBlock is reached
    } const cases[] = {
        {"", false, "refused", true},
        {"maxsize_fail = (null)", true,
         "The Trusted QSL library did not report the size of the signature.  Please reinstall "
         "the software and try again.",
         false},
        {"maxsize_fail = No size today", true, "No size today", false},
        {"base64_fail = (null)", true, "", true},
        {"encoded_fail = Too long", true, "Too long", true},
        {"check_fail = Not now", true, "Not now", false},
    };
    for (const Case& c : cases) {
        Install({"W1AW"}, c.behaviour);
        SortedList freshList;
        RecordingServices freshServices;
        freshServices.accept = c.accept;
        {
            CertificatePageLogic page(freshList, freshServices, TypePassword);
            page.Initialise();
            EXPECT_FALSE(page.OnNext()) << c.behaviour;
        }
        EXPECT_EQ(freshServices.messages,
                  std::vector<std::string>{"The authentication request could not be processed: " +
                                           c.message})
            << c.behaviour;
        EXPECT_EQ(freshServices.bodies.size(), c.accept ? 0u : 1u) << "no broken request is sent";
        const std::string log = Log();
        EXPECT_EQ(log.find("tqsl_signDataBlock") != std::string::npos, c.signs) << c.behaviour;
        size_t endCount = 0;
        for (size_t at = log.find("tqsl_endSigning"); at != std::string::npos;
             at = log.find("tqsl_endSigning", at + 1))
            ++endCount;
        EXPECT_EQ(endCount, 1u) << c.behaviour;
    }
}

TEST_F(CertificatePage, NamesTheFunctionALibraryLacks) {
    Install({"W1AW"}, "", e2e::Libraries::LackingExport);
    CertificatePageLogic page(list, services, TypePassword);
    page.Initialise();
    EXPECT_TRUE(list.entries.empty());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0], "The Trusted QSL library " + install +
                                        "/libtqsllib2.so lacks the function tqsl_encodeBase64.");
    EXPECT_FALSE(page.OnNext());
    EXPECT_EQ(services.messages.back(),
              "The authentication request could not be processed: " + services.messages[0]);
}

TEST_F(CertificatePage, AnAttributeThatFillsItsBufferIsBoundedByIt) {
    Install({"W1AW"}, "unterminated = email,issuer");
    CertificatePageLogic page(list, services, TypePassword);
    page.Initialise();
    EXPECT_TRUE(page.OnNext());
    ASSERT_EQ(services.records.size(), 1u);
    const std::string& record = services.records[0];
    const std::string email = record.substr(record.rfind('|') + 1);
    EXPECT_EQ(email.size(), 128u);
    EXPECT_EQ(email.rfind("w1aw@example.org", 0), 0u);
    EXPECT_EQ(record.find('|'), 4u);
    EXPECT_EQ(record.substr(5, 1024).find('|'), std::string::npos) << "issuer fills 1024 bytes";
}

} // namespace
