#include "PropertySheet.h"

#include "PropertyPage.h"
#include "WinApp.h"

namespace {
// The sheet whose window PropertySheetA is creating; its callback carries no
// user data.
CPropertySheet* g_opening = nullptr;
} // namespace

CPropertySheet::CPropertySheet(const char* caption, HWND parent, UINT firstPage) {
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags = PSH_USECALLBACK;
    m_psh.hwndParent = parent;
    m_psh.pszCaption = caption;
    m_psh.nStartPage = firstPage;
    m_psh.pfnCallback = SheetCallback;
}

CPropertySheet::~CPropertySheet() {
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    m_pages.push_back(page);
}

int CALLBACK CPropertySheet::SheetCallback(HWND window, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED && g_opening)
        g_opening->m_hWnd = window;
    return 0;
}

INT_PTR CPropertySheet::DoModal() {
    std::vector<HPROPSHEETPAGE> handles;
    for (CPropertyPage* page : m_pages) {
        PROPSHEETPAGEA description = page->Describe(AfxGetApp()->Instance());
        handles.push_back(CreatePropertySheetPageA(&description));
    }
    m_psh.hInstance = AfxGetApp()->Instance();
    m_psh.nPages = static_cast<UINT>(handles.size());
    m_psh.phpage = handles.data();
    g_opening = this;
    const INT_PTR result = PropertySheetA(&m_psh);
    g_opening = nullptr;
    m_hWnd = nullptr;
    return result;
}
