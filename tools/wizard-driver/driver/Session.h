#pragma once

#include "Target.h"

#include <string>

namespace wizard_driver {

// One driver session: answers each protocol line with "ok ..." or "error ...".
class Session {
  public:
    std::string answer(const std::string& line);
    bool finished() const { return finished_; }

  private:
    std::string dispatch(const std::string& command, const std::string& arguments);

    // Program lifetime (Session.cpp)
    std::string start(const std::string& commandLine);
    std::string waitExit(const std::string& arguments);
    std::string kill();
    std::string screenshot(const std::string& path);

    // The wizard (WizardCommands.cpp)
    std::string waitWizard(const std::string& arguments);
    std::string state();
    std::string texts();
    std::string list();
    std::string select(const std::string& arguments);
    std::string press(const std::string& arguments);
    std::string waitPage(const std::string& arguments);

    // Other dialogs (DialogCommands.cpp)
    std::string waitDialog(const std::string& arguments);
    std::string type(const std::string& text);
    std::string dialog(const std::string& arguments);
    std::string waitGone(const std::string& arguments);

    void notePress();

    Target target_;
    double lastPressMs_ = 0;
    bool finished_ = false;
};

} // namespace wizard_driver
