#include "Identities.h"
#include "LoopbackClient.h"
#include "RunningServer.h"
#include "WireFormat.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct ValidationCase {
    const char* name;
    std::function<std::string()> request;
    int status;
    const char* reason;
};

std::string Post(const std::string& body) {
    return PostRequest(kValidationPath, body);
}

// A record that differs from the certificate in one field, correctly signed, so only
// the field comparison can reject it.
std::string SignedWith(const std::function<void(RecordFields&)>& change) {
    RecordFields record = ArrlIdentity().fields;
    change(record);
    return Post(ArrlIdentity().signedBody(record));
}

std::string WithSignature(const std::string& signature) {
    const Identity& id = ArrlIdentity();
    return Post(FormBody(id.certificate.certificatePem(), id.fields.text(), signature));
}

std::string FlipFirstCharacter(std::string base64) {
    base64[0] = base64[0] == 'A' ? 'B' : 'A';
    return base64;
}

void PrintTo(const ValidationCase& c, std::ostream* os) {
    *os << c.name;
}

const ValidationCase kCases[] = {
    {"AcceptedInOriginForm", [] { return Post(ArrlIdentity().signedBody()); }, 200, "accepted"},
    {"AcceptedInProxyForm", [] { return PostRequest(kProxyTarget, ArrlIdentity().signedBody()); },
     200, "accepted"},
    {"IssuerContainingPipeAccepted", [] { return Post(PipeIssuerIdentity().signedBody()); }, 200,
     "accepted"},
    {"CallSignFromCommonName", [] { return Post(CommonNameOnlyIdentity().signedBody()); }, 200,
     "accepted"},
    {"EmptyEmailAccepted", [] { return Post(NoEmailIdentity().signedBody()); }, 200, "accepted"},
    {"CallSignChanged", [] { return SignedWith([](RecordFields& r) { r.callSign = "K1ABD"; }); },
     403, "call sign differs"},
    {"IssuerChanged", [] { return SignedWith([](RecordFields& r) { r.issuer += " Two"; }); }, 403,
     "issuer differs"},
    {"SerialChanged", [] { return SignedWith([](RecordFields& r) { r.serial = "3000000001"; }); },
     403, "serial differs"},
    {"EmailChanged",
     [] { return SignedWith([](RecordFields& r) { r.email = "other@example.org"; }); }, 403,
     "e-mail differs"},
    {"SignatureTampered",
     [] {
         const Identity& id = ArrlIdentity();
         return WithSignature(FlipFirstCharacter(id.certificate.sign(id.fields.text())));
     },
     403, "signature does not verify"},
    {"SignedByAnotherKey",
     [] { return WithSignature(NoEmailIdentity().certificate.sign(ArrlIdentity().fields.text())); },
     403, "signature does not verify"},
    {"CertificateUnreadable",
     [] { return Post(FormBody("not a certificate", ArrlIdentity().fields.text(), "AAAA\n")); },
     403, "certificate does not load"},
    {"WrongPath", [] { return PostRequest("/validation/other.jsp", ArrlIdentity().signedBody()); },
     404, "no such resource"},
    {"WrongPathInProxyForm",
     [] { return PostRequest("http://www.corvalen.org/other.jsp", ArrlIdentity().signedBody()); },
     404, "no such resource"},
    {"GetInsteadOfPost",
     [] {
         return std::string("GET ") + kValidationPath +
                " HTTP/1.0\r\nHost: www.corvalen.org\r\n\r\n";
     },
     404, "no such resource"},
    {"FieldsOutOfOrder", [] { return Post("data=a&cert=b&sig=c"); }, 400,
     "form is not cert=..&data=..&sig=.."},
};

class ValidationTest : public WithServer<::testing::TestWithParam<ValidationCase>> {};

TEST_P(ValidationTest, AnswersAndLogsTheVerdict) {
    start("accept");
    const ValidationCase& c = GetParam();
    const std::string request = c.request();

    const auto answer = ParseAnswer(Exchange(server().port(), request));

    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, c.status);
    EXPECT_EQ(answer->body, std::string(c.reason) + "\n");
    EXPECT_EQ(answer->header("Content-Length"), std::to_string(answer->body.size()));
    EXPECT_EQ(answer->header("Connection"), "close");
    EXPECT_EQ(server().logFile(1, "request"), request);
    EXPECT_EQ(server().logFile(1, "verdict"), std::to_string(c.status) + " " + c.reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(Requests, ValidationTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
