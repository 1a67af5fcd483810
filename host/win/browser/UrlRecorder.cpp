// The headless host's web browser: the shell runs it for http and https addresses, and it
// appends the address to the host's log instead of showing it. Without a log it does nothing.
#include "host/win/browser/UrlRecorder.h"

#include <windows.h>

#include <string>
#include <string_view>

#include "host/win/Owners.h"
#include "host/win/WideText.h"
#include "host/win/WideText.h"

namespace {

// The text after the program's name, without the quotes around it: the address exactly as the
// shell put it in for "%1", blanks and quotes inside included.
std::wstring_view Argument(std::wstring_view line) {
  const std::size_t nameEnd =
      !line.empty() && line[0] == L'"' ? line.find(L'"', 1) : line.find_first_of(L" \t");
  if (nameEnd == std::wstring_view::npos) return {};
  line.remove_prefix(nameEnd + 1);
  const std::size_t first = line.find_first_not_of(L" \t");
  if (first == std::wstring_view::npos) return {};
  line = line.substr(first, line.find_last_not_of(L" \t") - first + 1);
  if (line.size() >= 2 && line.front() == L'"' && line.back() == L'"') {
    line = line.substr(1, line.size() - 2);
  }
  return line;
}

std::wstring LogPath() {
  std::wstring path(GetEnvironmentVariableW(host::kBrowserLogVariable, nullptr, 0), L'\0');
  if (path.empty()) return path;
  path.resize(GetEnvironmentVariableW(host::kBrowserLogVariable, path.data(),
                                      static_cast<DWORD>(path.size())));
  return path;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::wstring_view address = Argument(GetCommandLineW());
  const std::wstring log = LogPath();
  if (address.empty() || log.empty()) return 1;
  // Only an existing log: one left over from a session that has ended is not made again.
  const host::HandleOwner file(CreateFileW(log.c_str(), FILE_APPEND_DATA,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return 1;
  // One write, so that lines of recorders running at once never interleave.
  const std::string line = host::Narrow(std::wstring(address)) + '\n';
  DWORD written = 0;
  const BOOL ok =
      WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  return ok && written == line.size() ? 0 : 1;
}
