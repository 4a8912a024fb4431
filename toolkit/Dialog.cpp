#include "Dialog.h"

#include "WinApp.h"

CDialog::CDialog(UINT templateId, HWND parent) : m_nTemplateId(templateId), m_hParent(parent) {}

INT_PTR CDialog::DoModal() {
    HWND owner = m_hParent;
    if (!owner && AfxGetApp()->MainWindow())
        owner = GetLastActivePopup(AfxGetApp()->MainWindow());
    return DialogBoxParamA(AfxGetApp()->Instance(), MAKEINTRESOURCEA(m_nTemplateId), owner,
                           DialogProc, reinterpret_cast<LPARAM>(this));
}

void CDialog::CenterOverOwner() {
    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    RECT area, own;
    if (!owner || !GetWindowRect(owner, &area))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    GetWindowRect(m_hWnd, &own);
    const int width = own.right - own.left, height = own.bottom - own.top;
    SetWindowPos(m_hWnd, nullptr, (area.left + area.right - width) / 2,
                 (area.top + area.bottom - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
        dialog->m_hWnd = window;
        dialog->DoDataExchange(false);
        dialog->CenterOverOwner();
        return TRUE;
    }
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!dialog || message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        dialog->DoDataExchange(true);
        EndDialog(window, IDOK);
        return TRUE;
    case IDCANCEL:
        EndDialog(window, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}
