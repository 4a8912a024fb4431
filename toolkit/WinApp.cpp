#include "WinApp.h"

#include "PropertySheet.h"

#include <commctrl.h>

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    g_app = nullptr;
}

CWinApp* AfxGetApp() {
    return g_app;
}

void CWinApp::Start(HINSTANCE instance) {
    m_hInstance = instance;
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path - 1);
    std::string name = path;
    name.erase(0, name.find_last_of("\\/:") + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    m_strAppName = name;
    InitCommonControls();
}

HWND CWinApp::MainWindow() const {
    return m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
}

void CWinApp::BeginWaitCursor() {
    m_hCursorBeforeWait = SetCursor(LoadCursor(nullptr, IDC_WAIT));
}

void CWinApp::EndWaitCursor() {
    SetCursor(m_hCursorBeforeWait);
}

void AfxMessageBox(const std::string& text) {
    CWinApp* app = AfxGetApp();
    MessageBoxA(app->MainWindow(), text.c_str(), app->AppName(), MB_OK | MB_ICONEXCLAMATION);
}
