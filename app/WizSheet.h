#pragma once

#include "pages/WizPageDone.h"
#include "pages/WizPageIntro.h"
#include "pages/WizPageKeys.h"
#include "toolkit/PropertySheet.h"

// The wizard: introduction, certificate list, completion, in this order.
class CWizSheet : public CPropertySheet {
  public:
    CWizSheet(const char* caption, HWND parent, UINT firstPage);

  private:
    CWizPageIntro m_pageIntro;
    CWizPageKeys m_pageKeys;
    CWizPageDone m_pageDone;
};
