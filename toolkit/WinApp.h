#pragma once

#include <windows.h>

#include <string>

class CPropertySheet;

// The process's one application object: its name, its main window, the wait
// cursor and the message box.
class CWinApp {
  public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // Runs the user interface; false means no message loop is to follow.
    virtual BOOL InitInstance() = 0;
    virtual int ExitInstance() { return 0; }

    // Called by WinMain before InitInstance.
    void Start(HINSTANCE instance);

    HINSTANCE Instance() const { return m_hInstance; }
    const char* AppName() const { return m_strAppName.c_str(); }
    HWND MainWindow() const;

    void BeginWaitCursor();
    void EndWaitCursor();

    // The wizard that owns message boxes and dialogs while it is open.
    CPropertySheet* m_pMainWnd = nullptr;

  private:
    HINSTANCE m_hInstance = nullptr;
    std::string m_strAppName;
    HCURSOR m_hCursorBeforeWait = nullptr;
};

CWinApp* AfxGetApp();

// A modal box owned by the main window, captioned with the application name,
// with an OK button and the exclamation-mark icon.
void AfxMessageBox(const std::string& text);
