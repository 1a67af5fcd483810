// UTF-8 and wide texts for the Win32 functions.
#pragma once

#include <windows.h>

#include <string>

namespace host {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
// A window's text and its class's name, UTF-8.
std::string WindowText(HWND window);
std::string ClassName(HWND window);

}  // namespace host
