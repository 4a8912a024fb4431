#pragma once

#include "WizardPage.h"

// The completion page: the request was submitted, and what happens next.
class CWizPageDone : public CWizardPage {
  public:
    CWizPageDone();
    void OnSetActive() override;
};
