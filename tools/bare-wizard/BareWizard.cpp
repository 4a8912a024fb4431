// A three-page comctl32 wizard and nothing else. Exit code: 0 after Finish,
// 1 after Cancel, 2 when the property sheet could not be shown.
#include "BareWizardIds.h"

#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

namespace {

template <DWORD WizardButtons>
INT_PTR CALLBACK pageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == PSN_SETACTIVE) {
        PropSheet_SetWizButtons(GetParent(page), WizardButtons);
        SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
        return TRUE;
    }
    return FALSE;
}

PROPSHEETPAGEA page(HINSTANCE instance, int templateId, DLGPROC proc) {
    PROPSHEETPAGEA result{};
    result.dwSize = sizeof(result);
    result.hInstance = instance;
    result.pszTemplate = MAKEINTRESOURCEA(templateId);
    result.pfnDlgProc = proc;
    return result;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    PROPSHEETPAGEA pages[] = {
        page(instance, IDD_BARE_INTRO, pageProc<PSWIZB_NEXT>),
        page(instance, IDD_BARE_MIDDLE, pageProc<PSWIZB_BACK | PSWIZB_NEXT>),
        page(instance, IDD_BARE_DONE, pageProc<PSWIZB_FINISH>),
    };
    PROPSHEETHEADERA header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_WIZARD | PSH_PROPSHEETPAGE;
    header.hInstance = instance;
    header.pszCaption = "Corvalen Authentication Wizard";
    header.nPages = sizeof(pages) / sizeof(pages[0]);
    header.ppsp = pages;

    const INT_PTR result = PropertySheetA(&header);
    if (result < 0)
        return 2;
    return result > 0 ? 0 : 1;
}
