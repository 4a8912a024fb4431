#include "PropertyPage.h"

namespace {
const int kNextButtonId = 0x3024;
}

CPropertyPage::CPropertyPage(UINT templateId) : m_nTemplateId(templateId) {}

PROPSHEETPAGEA CPropertyPage::Describe(HINSTANCE instance) {
    PROPSHEETPAGEA page = {};
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = instance;
    page.pszTemplate = MAKEINTRESOURCEA(m_nTemplateId);
    page.pfnDlgProc = DialogProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

BOOL CPropertyPage::OnInitDialog() {
    DoDataExchange();
    return TRUE;
}

void CPropertyPage::PostWizardButtons(DWORD flags) const {
    PostMessageA(GetSheet(), PSM_SETWIZBUTTONS, 0, flags);
}

INT_PTR CPropertyPage::OnNotify(const NMHDR& header) {
    LRESULT result;
    switch (header.code) {
    case PSN_SETACTIVE:
        OnSetActive();
        result = 0;
        break;
    case PSN_WIZNEXT:
        // A Next that arrives while the button is disabled is not the user's.
        result = IsWindowEnabled(GetDlgItem(GetSheet(), kNextButtonId)) ? OnWizardNext() : -1;
        break;
    default:
        return FALSE;
    }
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK CPropertyPage::DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* page =
            reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(page));
        page->m_hWnd = window;
        return page->OnInitDialog();
    }
    auto* page = reinterpret_cast<CPropertyPage*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (page && message == WM_NOTIFY)
        return page->OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    return FALSE;
}
