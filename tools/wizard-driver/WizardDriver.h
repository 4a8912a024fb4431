#pragma once

#include "DriverAnswers.h"
#include "Subprocess.h"
#include "WindowsBuild.h"

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace wizard_driver {

// The driver died, did not answer in time, or answered "error ..." to ok().
class DriverFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// How long the answer to `command` may take: a margin for Wine, plus the
// driver's own timeout, the last word of every wait-* command.
std::chrono::milliseconds replyTimeout(const std::string& command);

// The Linux side of the wizard driver: runs it under Wine (scripts/wine-run)
// in the Windows build's prefix and exchanges protocol lines with it.
class WizardDriver {
  public:
    explicit WizardDriver(const std::filesystem::path& driverExe = wizardDriverExe());
    // Ends the driver, and so the program it started; kills both if it hangs.
    ~WizardDriver();
    WizardDriver(const WizardDriver&) = delete;
    WizardDriver& operator=(const WizardDriver&) = delete;

    // Sends one command line; returns the answer line, "ok ..." or "error ...".
    std::string request(const std::string& command);
    // The text after "ok " of the answer; an "error" answer throws.
    std::string ok(const std::string& command);

    WizardState state() { return parseState(ok("state")); }
    std::vector<std::string> texts() { return parseTexts(ok("texts")); }
    ListContents list() { return parseList(ok("list")); }
    DialogInfo waitDialog(const std::string& caption, int timeoutMs) {
        return parseDialog(ok("wait-dialog " + caption + " " + std::to_string(timeoutMs)));
    }

  private:
    std::string readLine(std::chrono::milliseconds timeout);
    void writeLine(const std::string& line);

    PipedChild child_;
    std::string unread_;
};

} // namespace wizard_driver
