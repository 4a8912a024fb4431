#include "OvaldiApp.h"

#include "WizSheet.h"

COvaldiApp theApp;

BOOL COvaldiApp::InitInstance() {
    CWizSheet sheet("Corvalen Authentication Wizard", nullptr, 0);
    sheet.m_psh.dwFlags |= PSH_WIZARD;
    m_pMainWnd = &sheet;
    sheet.DoModal();
    return FALSE;
}
