#pragma once

#include <windows.h>

#include <commctrl.h>

// One page of a property sheet, built from a dialog template; its window is
// created the first time the sheet shows it.
class CPropertyPage {
  public:
    explicit CPropertyPage(UINT templateId);
    CPropertyPage(const CPropertyPage&) = delete;
    CPropertyPage& operator=(const CPropertyPage&) = delete;
    virtual ~CPropertyPage() = default;

    PROPSHEETPAGEA Describe(HINSTANCE instance);

  protected:
    // When the page's window is created.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange() {}
    // Every time the page becomes current.
    virtual void OnSetActive() {}
    // Next pressed: 0 advances, -1 stays.
    virtual LRESULT OnWizardNext() { return 0; }

    HWND GetSheet() const { return GetParent(m_hWnd); }
    // Queued, so it takes effect after the activation step has returned.
    void PostWizardButtons(DWORD flags) const;

    HWND m_hWnd = nullptr;

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnNotify(const NMHDR& header);

    UINT m_nTemplateId;
};
