#pragma once

#include "WizardPage.h"

// The introduction page: what the utility does.
class CWizPageIntro : public CWizardPage {
  public:
    CWizPageIntro();
    void OnSetActive() override;
};
