#include "Arguments.h"
#include "Clock.h"
#include "DriverError.h"
#include "Escape.h"
#include "ProgramWindows.h"
#include "Session.h"
#include "Window.h"

namespace wizard_driver {

namespace {

constexpr char kPasswordCaption[] = "Key Password";
constexpr int kPasswordEditId = 1001;

bool showsIcon(HWND dialog) {
    for (HWND child : childrenInZOrder(dialog)) {
        if (IsWindowVisible(child) && isStaticIcon(child) && query(child, STM_GETICON).value_or(0))
            return true;
    }
    return false;
}

std::string childTexts(HWND dialog, bool (*kind)(HWND), const char* separator) {
    std::string joined;
    bool first = true;
    for (HWND child : childrenInZOrder(dialog)) {
        if (!IsWindowVisible(child) || !kind(child))
            continue;
        joined += (first ? "" : separator) + windowText(child).value_or("");
        first = false;
    }
    return joined;
}

std::string describe(HWND dialog, HWND wizard) {
    const bool ownedByWizard = wizard && GetWindow(dialog, GW_OWNER) == wizard;
    return std::string(" icon=") + (showsIcon(dialog) ? "1" : "0") +
           " owner=" + (ownedByWizard ? "1" : "0") +
           " buttons=" + childTexts(dialog, isPushButton, ",") +
           " text=" + escapeText(childTexts(dialog, isStaticText, "\n"));
}

HWND enabledDialogOrThrow(const Target& target, const std::string& caption) {
    HWND dialog = findDialogOrThrow(target, findWizard(target), caption);
    if (!IsWindowEnabled(dialog))
        throw DriverError("\"" + caption + "\" is disabled: another dialog is open over it");
    return dialog;
}

void postEscape(HWND dialog) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof(thread);
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread);
    HWND focus = thread.hwndFocus;
    if (!focus || (focus != dialog && !IsChild(dialog, focus)))
        focus = dialog;
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyW(VK_ESCAPE, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, scanCode | 1);
    PostMessageW(focus, WM_KEYUP, VK_ESCAPE, scanCode | 1 | 0xC0000000);
}

} // namespace

std::string Session::waitDialog(const std::string& arguments) {
    const auto [wantedCaption, timeoutText] = splitLastWord(arguments);
    const Deadline deadline(parseInt(timeoutText, "timeout"));
    for (;;) {
        HWND wizard = findWizard(target_);
        HWND dialog = findDialog(target_, wizard, wantedCaption);
        if (dialog && IsWindowEnabled(dialog))
            return describe(dialog, wizard);
        target_.throwIfExited();
        if (deadline.passed())
            throw DriverError("timeout waiting for dialog \"" + wantedCaption + "\"");
        pollPause();
    }
}

std::string Session::type(const std::string& text) {
    HWND edit = GetDlgItem(enabledDialogOrThrow(target_, kPasswordCaption), kPasswordEditId);
    if (!edit)
        throw DriverError("no edit " + std::to_string(kPasswordEditId) + " in \"" +
                          kPasswordCaption + "\"");
    for (wchar_t character : fromUtf8(text))
        PostMessageW(edit, WM_CHAR, character, 1);
    return "";
}

std::string Session::dialog(const std::string& arguments) {
    auto [rest, last] = splitLastWord(arguments);
    if (last == "close" || last == "escape") {
        HWND dialog = enabledDialogOrThrow(target_, rest);
        if (last == "close")
            PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            postEscape(dialog);
        notePress();
        return "";
    }
    const auto [caption, verb] = splitLastWord(rest);
    if (verb != "press")
        throw DriverError("usage: dialog <caption> press <id> | close | escape");
    const int id = parseInt(last, "control id");
    HWND control = GetDlgItem(enabledDialogOrThrow(target_, caption), id);
    if (!control || !IsWindowVisible(control))
        throw DriverError("\"" + caption + "\" shows no control " + last);
    if (!IsWindowEnabled(control))
        throw DriverError("control " + last + " of \"" + caption + "\" is disabled");
    PostMessageW(control, BM_CLICK, 0, 0);
    notePress();
    return "";
}

std::string Session::waitGone(const std::string& arguments) {
    const auto [goneCaption, timeoutText] = splitLastWord(arguments);
    const Deadline deadline(parseInt(timeoutText, "timeout"));
    for (;;) {
        // Gone as a person sees it: under Wine a closed wizard lingers, hidden,
        // until its process has ended, a couple of seconds later.
        bool present = false;
        for (HWND window : target_.topLevelWindows())
            present = present || (IsWindowVisible(window) && caption(window) == goneCaption);
        if (!present)
            return "";
        if (deadline.passed())
            throw DriverError("timeout waiting for \"" + goneCaption + "\" to close");
        pollPause();
    }
}

} // namespace wizard_driver
