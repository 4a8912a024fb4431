#pragma once

#include "ModalAnswerer.h"
#include "Scenario.h"
#include "ValidationServer.h"
#include "app/WizSheet.h"

#include <memory>
#include <string>

class QListWidget;

// The Qt wizard in one world, driven in the test's own process.
namespace e2e {

// The test executable's name: the application name, so the message captions
// and the user agent.
extern const char kAppName[];

// The suite's scratch folder (OVALDI_GUI_WORK).
std::string WorkFolder();

// Which wizard buttons a person could press, and whether Help shows.
struct Buttons {
    bool back, next, finish, help;
};

// One world and the wizard in it.
class GuiRun {
  public:
    GuiRun(const std::string& name, const World& world, const std::string& serverMode);

    CWizSheet& Sheet() { return *m_sheet; }
    ModalAnswerer& Answerer() { return m_answerer; }
    const std::string& Install() const { return m_install; }
    ValidationServer& Server() { return *m_server; }

    void Press(QWizard::WizardButton which);
    Buttons State();
    QListWidget& List();
    // The one message shown since the last look, after checking its convention.
    std::string TakeMessage();
    // Ends the run: the wizard closes and, with its certificate page, unloads
    // the library.
    void Close() { m_sheet.reset(); }

  private:
    std::string m_folder;
    std::string m_install;
    std::unique_ptr<ValidationServer> m_server;
    ModalAnswerer m_answerer;
    std::unique_ptr<CWizSheet> m_sheet;
};

} // namespace e2e
