// UTF-8 (the behaviour code's text) to and from UTF-16 (the W functions of Win32).
#pragma once

#include "platform/win32/windows_api.h"

#include <string>
#include <string_view>

namespace vardek::platform::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The text of a window, UTF-16.
std::wstring WindowText(HWND window);

}  // namespace vardek::platform::win32
