#pragma once

#include "toolkit/PropertyPage.h"

class CWizPageDone : public CPropertyPage {
  public:
    CWizPageDone();

  protected:
    void OnSetActive() override;
};
