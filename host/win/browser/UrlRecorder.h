// What the headless host and its stand-in for a web browser agree on: the program's file name,
// beside the host's, and the variable naming the log it appends each address to, one UTF-8 line.
#pragma once

namespace host {

constexpr wchar_t kUrlRecorderFile[] = L"lwbrowser.exe";
constexpr wchar_t kBrowserLogVariable[] = L"LANEWORKS_BROWSER_LOG";

}  // namespace host
