#pragma once

#include "toolkit/Dialog.h"

#include <string>

// Asks for the password of the certificate's private key.
class CDlgPassword : public CDialog {
  public:
    explicit CDlgPassword(HWND parent);
    ~CDlgPassword() override;

    std::string m_strPassword;

  protected:
    void DoDataExchange(bool save) override;
};
