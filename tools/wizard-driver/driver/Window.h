#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace wizard_driver {

// Reading another process's windows. Every message goes through
// SendMessageTimeout: a target busy in a click handler must not hang the driver.
constexpr UINT kQueryTimeoutMs = 2000;

std::optional<LRESULT> query(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                             UINT timeoutMs = kQueryTimeoutMs);
// Like query, but a target that does not answer is an error.
LRESULT queryOrThrow(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

std::optional<std::string> windowText(HWND window, UINT timeoutMs = kQueryTimeoutMs);
std::string className(HWND window);
std::vector<HWND> childrenInZOrder(HWND parent);

bool isStaticText(HWND window);
bool isStaticIcon(HWND window);
bool isPushButton(HWND window);

std::string toUtf8(const std::wstring& text);
std::wstring fromUtf8(const std::string& text);

} // namespace wizard_driver
