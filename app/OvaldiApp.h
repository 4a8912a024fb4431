#pragma once

#include "toolkit/WinApp.h"

class COvaldiApp : public CWinApp {
  public:
    BOOL InitInstance() override;
};
