#pragma once

#include "Scenario.h"

#include <optional>
#include <string>
#include <vector>

// The scenarios every front end of the wizard must pass, and what a run must
// have sent.
namespace e2e {

extern const char kWizardTitle[];
extern const char kPassword[]; // K1ABC's key password
extern const char kCancel[];   // answers the password prompt with Cancel
extern const std::string kDefaultReason;
extern const std::string kNoCertificates;
extern const std::string kConnectionFailure;
extern const std::string kRequestFailed;

struct Row {
    const char* name;
    World world;
    std::string serverMode = "accept";
    std::string initMessage;            // shown on arrival at the list, if any
    std::vector<std::string> listed;    // the list's texts, in order
    std::string password;               // typed at the prompt; none expected when empty
    std::optional<std::string> failure; // the failure reason after Next; none: success
    int generation = 2;                 // the library generation that must serve
};

World Make(Libraries libraries, Setting setting, std::vector<std::string> certs,
           std::string behaviour = "");
// K1ABC (encrypted key) and W1AW (clear key), generation 2.
World Demo();
World DemoWith(const std::string& behaviour);
// W1AW alone: signs without a prompt.
World ClearKey();
extern const std::vector<std::string> kDemoList;

// The rows with the same outcome on every platform; lackingText is the message
// for the library that lacks tqsl_encodeBase64 in the row "lacking-export".
std::vector<Row> CommonRows(const std::string& lackingText);

// Turns a row name into a test name.
std::string TestName(const Row& row);

// Checks the fixed request line and headers, and that the body is the form
// body of the signed certificate's text, the record the library signed and the
// signature text sent.
void ExpectRequestOf(const std::string& request, const std::vector<std::string>& log,
                     const World& world, const std::string& appName);

// The callback lines of a call log: what each prompt handed the library.
std::vector<std::string> PasswordCallbacks(const std::vector<std::string>& log);

} // namespace e2e
