#pragma once

#include <windows.h>

// A list box control of a dialog, attached by data exchange.
class CListBox {
  public:
    void Attach(HWND window) { m_hWnd = window; }

    void ResetContent() { SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0); }
    int AddString(const char* text) {
        return static_cast<int>(
            SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
    }
    void SetItemDataPtr(int index, void* data) {
        SendMessageA(m_hWnd, LB_SETITEMDATA, index, reinterpret_cast<LPARAM>(data));
    }
    void* GetItemDataPtr(int index) const {
        return reinterpret_cast<void*>(SendMessageA(m_hWnd, LB_GETITEMDATA, index, 0));
    }
    void SetCurSel(int index) { SendMessageA(m_hWnd, LB_SETCURSEL, index, 0); }
    int GetCurSel() const { return static_cast<int>(SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0)); }

  private:
    HWND m_hWnd = nullptr;
};
