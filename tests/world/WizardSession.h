#pragma once

#include "DriverAnswers.h"
#include "Rows.h"
#include "ValidationServer.h"

#include <functional>
#include <memory>
#include <string>

// One run of a wizard front end in one world, worked as a person would; the
// walks below hold what every front end must show and send.
namespace e2e {

enum class Button { Back, Next, Finish, Cancel };

class WizardSession {
  public:
    virtual ~WizardSession() = default;

    virtual wizard_driver::WizardState State() = 0;
    virtual void Press(Button button) = 0;
    // Presses Next and answers the password prompt that must follow when a
    // password is given (kCancel cancels it); with none, no prompt may come.
    virtual void PressNextAnswering(const std::string& password) = 0;
    // Waits until the page is current; fails the test when it does not come.
    virtual void WaitPage(int page) = 0;
    virtual wizard_driver::ListContents List() = 0;
    // The one message now shown: its text, after checking the convention of
    // message boxes; it is dismissed with OK.
    virtual std::string TakeMessage() = 0;
    // Waits for the wizard to close after Finish or Cancel.
    virtual void WaitClosed() = 0;

    virtual std::string AppName() const = 0;
    virtual const std::string& Install() const = 0;
    virtual ValidationServer& Server() = 0;
};

// Starts a front end in a world: a run name, the world, the server's mode
// ("none" for no server).
using SessionFactory = std::function<std::unique_ptr<WizardSession>(
    const std::string& name, const World& world, const std::string& serverMode)>;

// A row of the table, from the first page to the wizard's close.
void WalkRow(const SessionFactory& start, const Row& row);

void ExpectBackAndNextAgainNeitherReloadsNorRepeatsTheMessage(const SessionFactory& start);
void ExpectCancelClosesAtOnceOnTheFirstAndTheLastPage(const SessionFactory& start);
void ExpectEveryPressSignsAndSendsAfreshUnderTheProgramsOwnName(const SessionFactory& start);
void ExpectCancelledPasswordIsAskedForAgainOnTheNextPress(const SessionFactory& start);

} // namespace e2e
