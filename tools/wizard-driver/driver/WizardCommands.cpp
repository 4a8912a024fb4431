#include "Arguments.h"
#include "Clock.h"
#include "DriverError.h"
#include "Escape.h"
#include "ProgramWindows.h"
#include "Session.h"
#include "Window.h"

#include <commctrl.h>
#include <prsht.h>

#include <cinttypes>
#include <cstdio>

namespace wizard_driver {

namespace {

constexpr int kListBoxId = 1000;

struct SheetButton {
    const char* name;
    int id;
};
constexpr SheetButton kSheetButtons[] = {
    {"back", 0x3023}, {"next", 0x3024}, {"finish", 0x3025}, {"cancel", IDCANCEL}, {"help", IDHELP},
};

char buttonState(HWND sheet, int id) {
    HWND button = GetDlgItem(sheet, id);
    if (!button || !IsWindowVisible(button))
        return '-';
    return IsWindowEnabled(button) ? '1' : '0';
}

HWND currentPageOrThrow(HWND sheet) {
    if (HWND page = currentPage(sheet, kQueryTimeoutMs))
        return page;
    throw DriverError("the wizard shows no page");
}

HWND listBoxOrThrow(HWND page) {
    if (HWND listBox = GetDlgItem(page, kListBoxId))
        return listBox;
    throw DriverError("no list box " + std::to_string(kListBoxId) + " on this page");
}

std::string listItemText(HWND listBox, int index) {
    const LRESULT length = queryOrThrow(listBox, LB_GETTEXTLEN, index);
    if (length == LB_ERR)
        throw DriverError("list item " + std::to_string(index) + " vanished");
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        queryOrThrow(listBox, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return toUtf8(text);
}

std::string hex(LRESULT value) {
    char digits[24];
    std::snprintf(digits, sizeof(digits), "%" PRIx64,
                  static_cast<std::uint64_t>(static_cast<ULONG_PTR>(value)));
    return digits;
}

} // namespace

std::string Session::waitWizard(const std::string& arguments) {
    const Deadline deadline(parseInt(arguments, "timeout"));
    for (;;) {
        HWND wizard = findWizard(target_);
        if (wizard && IsWindowVisible(wizard)) {
            HWND page = currentPage(wizard, deadline.remainingMs());
            if (page && IsWindowVisible(page) &&
                pageIndex(wizard, page, deadline.remainingMs()) == 0) {
                const double shownAfterMs = target_.msSinceStart();
                settle(wizard, Deadline(kQueryTimeoutMs));
                return " " + std::to_string(static_cast<long long>(shownAfterMs));
            }
        }
        target_.throwIfExited();
        if (deadline.passed())
            throw DriverError("timeout waiting for the wizard");
        pollPause();
    }
}

std::string Session::state() {
    HWND wizard = findWizardOrThrow(target_);
    HWND page = currentPageOrThrow(wizard);
    std::string answer = " page=" + std::to_string(pageIndex(wizard, page, kQueryTimeoutMs));
    for (const SheetButton& button : kSheetButtons)
        answer += std::string(" ") + button.name + "=" + buttonState(wizard, button.id);
    return answer;
}

std::string Session::texts() {
    HWND page = currentPageOrThrow(findWizardOrThrow(target_));
    std::string answer;
    for (HWND child : childrenInZOrder(page)) {
        if (!IsWindowVisible(child) || !isStaticText(child))
            continue;
        const auto text = windowText(child);
        if (!text)
            throw DriverError("timeout reading a text");
        answer += (answer.empty() ? " " : "\t") + escapeText(*text);
    }
    return answer;
}

std::string Session::list() {
    HWND listBox = listBoxOrThrow(currentPageOrThrow(findWizardOrThrow(target_)));
    const LRESULT selected = queryOrThrow(listBox, LB_GETCURSEL);
    const LRESULT count = queryOrThrow(listBox, LB_GETCOUNT);
    std::string answer = " sel=" + std::to_string(selected == LB_ERR ? -1 : selected);
    for (int index = 0; index < count; ++index) {
        answer += index == 0 ? " " : "\t";
        answer += escapeText(listItemText(listBox, index)) + "=" +
                  hex(queryOrThrow(listBox, LB_GETITEMDATA, index));
    }
    return answer;
}

std::string Session::select(const std::string& arguments) {
    const int index = parseInt(arguments, "index");
    HWND page = currentPageOrThrow(findWizardOrThrow(target_));
    HWND listBox = listBoxOrThrow(page);
    if (index >= queryOrThrow(listBox, LB_GETCOUNT))
        throw DriverError("no list item " + std::to_string(index));
    queryOrThrow(listBox, LB_SETCURSEL, static_cast<WPARAM>(index));
    // A click would also tell the page; LB_SETCURSEL alone does not.
    if (GetWindowLongPtrW(listBox, GWL_STYLE) & LBS_NOTIFY)
        PostMessageW(page, WM_COMMAND, MAKEWPARAM(kListBoxId, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(listBox));
    return "";
}

std::string Session::press(const std::string& arguments) {
    for (const SheetButton& known : kSheetButtons) {
        if (arguments != known.name || known.id == IDHELP)
            continue;
        HWND wizard = findWizardOrThrow(target_);
        const char state = buttonState(wizard, known.id);
        if (state != '1')
            throw DriverError(arguments + (state == '-' ? " is hidden" : " is disabled"));
        if (!IsWindowEnabled(wizard))
            throw DriverError("the wizard is disabled: a dialog is open");
        PostMessageW(GetDlgItem(wizard, known.id), BM_CLICK, 0, 0);
        notePress();
        return "";
    }
    throw DriverError("no button \"" + arguments + "\" to press (back, next, finish, cancel)");
}

std::string Session::waitPage(const std::string& arguments) {
    const auto [indexText, timeoutText] = splitLastWord(arguments);
    const int wanted = parseInt(indexText, "page index");
    const Deadline deadline(parseInt(timeoutText, "timeout"));
    HWND wizard = findWizardOrThrow(target_);
    // The last press may still sit in the program's queue, its page not yet left.
    settle(wizard, deadline);
    for (;;) {
        if (!IsWindow(wizard)) {
            target_.throwIfExited();
            throw DriverError("the wizard closed");
        }
        const auto onWantedPage = [&] {
            HWND page = currentPage(wizard, deadline.remainingMs());
            return page && pageIndex(wizard, page, deadline.remainingMs()) == wanted &&
                   openDialogs(target_, wizard).empty();
        };
        if (onWantedPage()) {
            const double reachedAfterMs = nowMs() - lastPressMs_;
            settle(wizard, Deadline(kQueryTimeoutMs));
            if (onWantedPage())
                return " " + std::to_string(static_cast<long long>(reachedAfterMs));
        }
        if (deadline.passed())
            throw DriverError("timeout waiting for page " + std::to_string(wanted));
        pollPause();
    }
}

} // namespace wizard_driver
