#include "host/win/Browser.h"

#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "host/win/Owners.h"
#include "host/win/WideText.h"
#include "host/win/browser/UrlRecorder.h"

namespace host {
namespace {

constexpr auto kRecorderWait = std::chrono::seconds(10);

std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  DWORD length = 0;
  while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
         path.size()) {
    path.resize(path.size() * 2);
  }
  path.resize(length);
  return path.substr(0, path.find_last_of(L"\\/"));
}

// Whether a recorder that this process started (through the shell) is still running.
bool RecorderRunning() {
  const HandleOwner snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot.valid()) return false;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    if (entry.th32ParentProcessID == GetCurrentProcessId() &&
        CompareStringOrdinal(entry.szExeFile, -1, kUrlRecorderFile, -1, TRUE) == CSTR_EQUAL) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::string RegisterUrlRecorder(const std::wstring& recorder) {
  const std::wstring command = L"\"" + recorder + L"\" \"%1\"";
  // The classes root, which the shell reads for a protocol's command: Wine's shell does not
  // look at the user's own classes.
  for (const wchar_t* scheme : {L"http", L"https"}) {
    const std::wstring path = std::wstring(scheme) + L"\\shell\\open\\command";
    RegistryKey key;
    LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                     nullptr, key.out(), nullptr);
    if (status == ERROR_SUCCESS) {
      status = RegSetValueExW(key.get(), nullptr, 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(command.c_str()),
                              static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    }
    if (status != ERROR_SUCCESS) {
      return "cannot register the recorder for " + Narrow(scheme) + " (error " +
             std::to_string(status) + ")";
    }
  }
  return "";
}

Browser::Browser(Host& host) : host_(host) {
  // Registered even when the recorder is missing: the shell then fails to open an address
  // rather than show it in a real browser.
  const std::wstring recorder = ProgramFolder() + L"\\" + kUrlRecorderFile;
  problem_ = RegisterUrlRecorder(recorder);
  if (problem_.empty() && GetFileAttributesW(recorder.c_str()) == INVALID_FILE_ATTRIBUTES) {
    problem_ = "no " + Narrow(kUrlRecorderFile) + " beside the host";
  }
  wchar_t folder[MAX_PATH + 1] = {};
  wchar_t file[MAX_PATH] = {};
  // Makes the file, empty, under a name no other session uses.
  if (GetTempPathW(MAX_PATH + 1, folder) == 0 || GetTempFileNameW(folder, L"lwb", 0, file) == 0) {
    if (problem_.empty()) problem_ = "cannot make a log in the temporary folder";
    return;
  }
  log_ = file;
  SetEnvironmentVariableW(kBrowserLogVariable, log_.c_str());
}

Browser::~Browser() {
  if (log_.empty()) return;
  SetEnvironmentVariableW(kBrowserLogVariable, nullptr);
  DeleteFileW(log_.c_str());
}

std::vector<std::string> Browser::TakeOpened() {
  const auto deadline = std::chrono::steady_clock::now() + kRecorderWait;
  while (RecorderRunning()) {
    if (std::chrono::steady_clock::now() > deadline) {
      host_.transcript().Line("browser: a recorder is still running after 10 s");
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  std::vector<std::string> opened;
  if (log_.empty()) return opened;
  std::ifstream file(std::filesystem::path(log_), std::ios::binary);
  file.seekg(static_cast<std::streamoff>(taken_));
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  // Whole lines only: a recorder may be part-way through its write.
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    opened.push_back(text.substr(start, end - start));
  }
  taken_ += start;
  return opened;
}

void Browser::AddCommands(Session& session) {
  session.Add("browser", "", [this](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    Transcript& transcript = host_.transcript();
    if (!problem_.empty()) transcript.Line("browser: not recording: " + problem_);
    const std::vector<std::string> opened = TakeOpened();
    if (opened.empty()) transcript.Line("browser: nothing opened");
    for (const std::string& address : opened) transcript.Line("browser: opened " + Quote(address));
    return "";
  });
}

}  // namespace host
