// UTF-8 and wide texts for the Win32 functions.
#pragma once

#include <string>

namespace host {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

}  // namespace host
