#pragma once

#include "ModalAnswerer.h"
#include "WizardSession.h"
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

class GuiRun : public WizardSession {
  public:
    GuiRun(const std::string& name, const World& world, const std::string& serverMode);

    wizard_driver::WizardState State() override;
    void Press(Button button) override;
    // Also checks every prompt that came: its texts, its masked and empty
    // field and its owner; and that the wait cursor is gone again.
    void PressNextAnswering(const std::string& password) override;
    void WaitPage(int page) override;
    wizard_driver::ListContents List() override;
    std::string TakeMessage() override;
    // Closes the wizard's window for good: with its certificate page goes
    // the library.
    void WaitClosed() override;

    std::string AppName() const override { return kAppName; }
    const std::string& Install() const override { return m_install; }
    ValidationServer& Server() override { return *m_server; }

    CWizSheet& Sheet() { return *m_sheet; }
    QListWidget& ListWidget();
    ModalAnswerer& Answerer() { return m_answerer; }

  private:
    std::string m_folder;
    std::string m_install;
    std::unique_ptr<ValidationServer> m_server;
    ModalAnswerer m_answerer;
    std::unique_ptr<CWizSheet> m_sheet;
};

// Starts GuiRun sessions for the shared walks.
SessionFactory QtWizard();

} // namespace e2e
