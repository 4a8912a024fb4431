#include "Rows.h"

#include "Files.h"
#include "submit/FormEncoding.h"

#include <gtest/gtest.h>

#include <cctype>

namespace e2e {

const char kWizardTitle[] = "Corvalen Authentication Wizard";
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

const std::vector<std::string> kDemoList = {"K1ABC", "W1AW"};

World Make(Libraries libraries, Setting setting, std::vector<std::string> certs,
           std::string behaviour) {
    return World{libraries, setting, std::move(certs), std::move(behaviour)};
}

World Demo() {
    return Make(Libraries::Generation2, Setting::TqslCert, kDemoList);
}

World DemoWith(const std::string& behaviour) {
    World world = Demo();
    world.behaviour = behaviour;
    return world;
}

World ClearKey() {
    return Make(Libraries::Generation2, Setting::TqslCert, {"W1AW"});
}

std::vector<Row> CommonRows(const std::string& lackingText) {
    const std::string x124(124, 'X');
    return {
        {"happy-generation-2", Demo(), "accept", "", kDemoList, kPassword, std::nullopt},
        {"happy-generation-1",
         Make(Libraries::Generation1, Setting::TqslCert, {"W1AW"}),
         "accept",
         "",
         {"W1AW"},
         "",
         std::nullopt,
         1},
        {"current-installer-key",
         Make(Libraries::Generation2, Setting::TrustedQsl, {"W1AW"}),
         "accept",
         "",
         {"W1AW"},
         "",
         std::nullopt},
        {"folder-without-libraries",
         Make(Libraries::None, Setting::TqslCert, {"W1AW"}),
         "accept",
         kDefaultReason,
         {},
         "",
         kDefaultReason},
        {"lacking-export",
         Make(Libraries::LackingExport, Setting::TqslCert, {"W1AW"}),
         "accept",
         lackingText,
         {},
         "",
         lackingText},
        {"init-fails",
         DemoWith("init_fail = The certificate store is locked"),
         "accept",
         "tqsl_init() failed: The certificate store is locked",
         {},
         "",
         "tqsl_init() failed: The certificate store is locked"},
        {"init-fails-without-text",
         DemoWith("init_fail = (null)"),
         "accept",
         "tqsl_init() failed: ",
         {},
         "",
         "tqsl_init() failed: "},
        {"no-certificates",
         Make(Libraries::Generation2, Setting::TqslCert, {}),
         "accept",
         kNoCertificates,
         {},
         "",
         kNoCertificates},
        {"none-issued-by-arrl",
         Make(Libraries::Generation2, Setting::TqslCert, {"DL1XYZ", "KC9CASE"}),
         "accept",
         kNoCertificates,
         {},
         "",
         kNoCertificates},
        {"reverse-order", Make(Libraries::Generation2, Setting::TqslCert, {"W1AW", "K1ABC"}),
         "accept", "", kDemoList, kPassword, std::nullopt},
        {"same-call-sign-twice",
         Make(Libraries::Generation2, Setting::TqslCert, {"K1ABC", "K1ABC-2"}),
         "accept",
         "",
         {"K1ABC", "K1ABC"},
         "",
         std::nullopt},
        {"issuer-with-separator",
         Make(Libraries::Generation2, Setting::TqslCert, {"AB1PIPE"}),
         "accept",
         "",
         {"AB1PIPE"},
         "",
         std::nullopt},
        {"no-email-serial-zero",
         Make(Libraries::Generation2, Setting::TqslCert, {"N0MAIL"}),
         "accept",
         "",
         {"N0MAIL"},
         "",
         std::nullopt},
        {"call-sign-fills-its-buffer",
         Make(Libraries::Generation2, Setting::TqslCert, {"W1AW"}, "unterminated = callsign"),
         "accept",
         "",
         {"W1AW" + x124},
         "",
         kConnectionFailure},
        {"password-cancelled", Demo(), "accept", "", kDemoList, kCancel,
         "Password entry was cancelled"},
        {"wrong-password", Demo(), "accept", "", kDemoList, "not it",
         "The password is not correct"},
        {"begin-fails-without-text", DemoWith("begin_fail = (null)"), "accept", "", kDemoList, "",
         ""},
        {"status-check-fails", DemoWith("check_fail = Signing is not possible now"), "accept", "",
         kDemoList, kPassword, "Signing is not possible now"},
        {"signing-fails", DemoWith("sign_fail = The key refused to sign"), "accept", "", kDemoList,
         kPassword, "The key refused to sign"},
        {"base64-fails", DemoWith("base64_fail = Base64 buffer error"), "accept", "", kDemoList,
         kPassword, "Base64 buffer error"},
        {"certificate-text-fails", DemoWith("encoded_fail = Certificate not encodable"), "accept",
         "", kDemoList, kPassword, "Certificate not encodable"},
        {"maximum-size-fails", DemoWith("maxsize_fail = (null)"), "accept", "", kDemoList,
         kPassword,
         "The Trusted QSL library did not report the size of the signature.  Please reinstall "
         "the software and try again."},
        {"server-answers-201", Demo(), "status:201", "", kDemoList, kPassword, kConnectionFailure},
        {"server-answers-404", Demo(), "status:404", "", kDemoList, kPassword, kConnectionFailure},
        {"server-answers-500", Demo(), "status:500", "", kDemoList, kPassword, kConnectionFailure},
        {"server-closes", Demo(), "close", "", kDemoList, kPassword, kConnectionFailure},
        {"server-not-there", Demo(), "none", "", kDemoList, kPassword, kConnectionFailure},
    };
}

std::string TestName(const Row& row) {
    std::string name = row.name;
    for (char& c : name)
        if (c == '-')
            c = '_';
    return name;
}

namespace {

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

} // namespace

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
    const std::string certText = ReadFile(FixturesDir() + "/" + world.certs.at(index) + ".pem");
    const std::string record = Unhex(LoggedValue(signedLine, "data"));
    const std::string body = RequestBody(request);
    const std::string signature = PercentDecoded(FieldValue(body, "sig"));
    EXPECT_EQ(body, BuildFormBody(certText.c_str(), record.c_str(), signature.c_str()));
    EXPECT_NE(request.find("\r\nContent-Length: " + std::to_string(body.size()) + "\r\n"),
              std::string::npos);
}

std::vector<std::string> PasswordCallbacks(const std::vector<std::string>& log) {
    std::vector<std::string> callbacks;
    for (const std::string& line : log)
        if (line.rfind("password_callback ", 0) == 0)
            callbacks.push_back(line.substr(line.find(" => ")));
    return callbacks;
}

} // namespace e2e
