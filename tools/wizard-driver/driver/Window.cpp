#include "Window.h"

#include "DriverError.h"

namespace wizard_driver {

std::optional<LRESULT> query(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             UINT timeoutMs) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

LRESULT queryOrThrow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto result = query(window, message, wParam, lParam);
    if (!result)
        throw DriverError("timeout: the program did not answer message " + std::to_string(message));
    return *result;
}

std::optional<std::string> windowText(HWND window, UINT timeoutMs) {
    const auto length = query(window, WM_GETTEXTLENGTH, 0, 0, timeoutMs);
    if (!length)
        return std::nullopt;
    std::wstring text(static_cast<std::size_t>(*length) + 1, L'\0');
    const auto copied =
        query(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), timeoutMs);
    if (!copied)
        return std::nullopt;
    text.resize(static_cast<std::size_t>(*copied));
    return toUtf8(text);
}

std::string className(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return toUtf8(name);
}

std::vector<HWND> childrenInZOrder(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

namespace {

bool hasClass(HWND window, const char* expected) {
    return lstrcmpiA(className(window).c_str(), expected) == 0;
}

LONG_PTR style(HWND window) {
    return GetWindowLongPtrW(window, GWL_STYLE);
}

} // namespace

bool isStaticText(HWND window) {
    if (!hasClass(window, "Static"))
        return false;
    switch (style(window) & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        return true;
    default:
        return false;
    }
}

bool isStaticIcon(HWND window) {
    return hasClass(window, "Static") && (style(window) & SS_TYPEMASK) == SS_ICON;
}

bool isPushButton(HWND window) {
    if (!hasClass(window, "Button"))
        return false;
    const LONG_PTR type = style(window) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

std::string toUtf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

std::wstring fromUtf8(const std::string& text) {
    if (text.empty())
        return {};
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

} // namespace wizard_driver
