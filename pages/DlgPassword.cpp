#include "DlgPassword.h"

#include "core/PasswordCopy.h"
#include "res/resource.h"

CDlgPassword::CDlgPassword(HWND parent) : CDialog(IDD_PASSWORD, parent) {}

CDlgPassword::~CDlgPassword() {
    WipeText(m_strPassword);
}

void CDlgPassword::DoDataExchange(bool save) {
    HWND edit = GetDlgItem(m_hWnd, IDC_PASSWORD);
    if (!save) {
        SetWindowTextA(edit, m_strPassword.c_str());
        return;
    }
    WipeText(m_strPassword);
    m_strPassword.resize(GetWindowTextLengthA(edit) + 1);
    m_strPassword.resize(
        GetWindowTextA(edit, &m_strPassword[0], static_cast<int>(m_strPassword.size())));
}
