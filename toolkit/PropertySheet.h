#pragma once

#include <windows.h>

#include <commctrl.h>
#include <vector>

class CPropertyPage;

// A modal property sheet (comctl32), in wizard mode when PSH_WIZARD is set.
class CPropertySheet {
  public:
    CPropertySheet(const char* caption, HWND parent, UINT firstPage);
    CPropertySheet(const CPropertySheet&) = delete;
    CPropertySheet& operator=(const CPropertySheet&) = delete;
    virtual ~CPropertySheet();

    void AddPage(CPropertyPage* page);
    INT_PTR DoModal();

    PROPSHEETHEADERA m_psh = {};
    // The sheet's window while it is open, else null.
    HWND m_hWnd = nullptr;

  private:
    static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM);
    std::vector<CPropertyPage*> m_pages;
};
