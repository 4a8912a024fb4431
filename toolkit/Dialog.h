#pragma once

#include <windows.h>

// A modal dialog from a template, with data exchange between its controls and
// the members of the derived class.
class CDialog {
  public:
    CDialog(UINT templateId, HWND parent);
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;
    virtual ~CDialog() = default;

    // IDOK, IDCANCEL, or -1 when the dialog could not be shown.
    INT_PTR DoModal();

  protected:
    // save: from the controls into the members; otherwise the other way.
    virtual void DoDataExchange(bool save) = 0;

    HWND m_hWnd = nullptr;

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void CenterOverOwner();

    UINT m_nTemplateId;
    HWND m_hParent;
};
