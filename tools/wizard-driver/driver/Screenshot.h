#pragma once

#include <windows.h>

#include <string>

namespace wizard_driver {

// Copies what the screen shows inside the window's rectangle into a 24-bit
// bottom-up BMP; returns the picture's size as "<width>x<height>".
std::string captureWindowArea(HWND window, const std::wstring& bmpPath);

} // namespace wizard_driver
