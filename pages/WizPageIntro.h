#pragma once

#include "toolkit/PropertyPage.h"

class CWizPageIntro : public CPropertyPage {
  public:
    CWizPageIntro();

  protected:
    void OnSetActive() override;
};
