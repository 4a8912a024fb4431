#include "ProgramWindows.h"

#include "DriverError.h"
#include "Window.h"

#include <commctrl.h>
#include <prsht.h>

namespace wizard_driver {

std::string caption(HWND window) {
    wchar_t text[512] = {};
    InternalGetWindowText(window, text, 512);
    return toUtf8(text);
}

bool isDialog(HWND window) {
    return className(window) == "#32770";
}

HWND findWizard(const Target& target) {
    for (HWND window : target.topLevelWindows()) {
        if (isDialog(window) && caption(window) == kWizardCaption)
            return window;
    }
    return nullptr;
}

HWND findWizardOrThrow(const Target& target) {
    if (HWND wizard = findWizard(target))
        return wizard;
    target.throwIfExited();
    throw DriverError("no wizard window");
}

std::vector<HWND> openDialogs(const Target& target, HWND wizard) {
    std::vector<HWND> dialogs;
    for (HWND window : target.topLevelWindows()) {
        if (window != wizard && IsWindowVisible(window) && isDialog(window))
            dialogs.push_back(window);
    }
    return dialogs;
}

HWND findDialog(const Target& target, HWND wizard, const std::string& wantedCaption) {
    for (HWND dialog : openDialogs(target, wizard)) {
        if (caption(dialog) == wantedCaption)
            return dialog;
    }
    return nullptr;
}

HWND findDialogOrThrow(const Target& target, HWND wizard, const std::string& wantedCaption) {
    if (HWND dialog = findDialog(target, wizard, wantedCaption))
        return dialog;
    throw DriverError("no open dialog \"" + wantedCaption + "\"");
}

HWND currentPage(HWND sheet, UINT timeoutMs) {
    const auto page = query(sheet, PSM_GETCURRENTPAGEHWND, 0, 0, timeoutMs);
    return page ? reinterpret_cast<HWND>(*page) : nullptr;
}

int pageIndex(HWND sheet, HWND page, UINT timeoutMs) {
    const auto index = query(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0, timeoutMs);
    return index ? static_cast<int>(*index) : -1;
}

void settle(HWND sheet, const Deadline& deadline) {
    HWND marker = GetDlgItem(sheet, IDHELP);
    if (!marker || IsWindowVisible(marker))
        return;
    const auto readPushed = [&]() -> std::optional<bool> {
        const auto state = query(marker, BM_GETSTATE, 0, 0, deadline.remainingMs());
        if (!state)
            return std::nullopt;
        return (*state & BST_PUSHED) != 0;
    };
    const auto before = readPushed();
    if (!before)
        throw DriverError(IsWindow(sheet) ? "timeout: the program does not answer"
                                          : "the wizard closed");
    PostMessageW(marker, BM_SETSTATE, !*before, 0);
    while (readPushed() != std::optional<bool>(!*before)) {
        if (deadline.passed())
            throw DriverError("timeout: the program does not handle its messages");
        pollPause();
    }
    PostMessageW(marker, BM_SETSTATE, *before, 0);
}

} // namespace wizard_driver
