// The host's web browser: addresses a plug-in opens through the shell reach the recorder beside
// the program and the "browser" command, and no real browser is started.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "host/win/Browser.h"
#include "host/win/Owners.h"
#include "host/win/WideText.h"
#include "host/win/browser/UrlRecorder.h"
#include "tests/host/win/TestModule.h"

namespace {

using Texts = std::vector<std::string>;

class BrowserTest : public ::testing::Test {
 protected:
  // The lines the command wrote.
  Texts Run(const std::string& line) {
    const std::size_t before = host_.transcript().Lines().size();
    session_.RunLine(line);
    const auto& lines = host_.transcript().Lines();
    return Texts(lines.begin() + static_cast<std::ptrdiff_t>(before) + 1, lines.end());
  }

  static void Open(const wchar_t* address) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", address, nullptr, nullptr, SW_SHOWNORMAL));
    ASSERT_GT(result, 32) << host::Narrow(address);
  }

  static std::wstring ShellCommand(const wchar_t* scheme) {
    host::RegistryKey key;
    const std::wstring path = std::wstring(scheme) + L"\\shell\\open\\command";
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_QUERY_VALUE, key.out()) != 0) {
      return L"";
    }
    wchar_t value[MAX_PATH * 2] = {};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    RegQueryValueExW(key.get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    return value;
  }

  static std::wstring LogVariable() {
    wchar_t value[MAX_PATH] = {};
    return GetEnvironmentVariableW(host::kBrowserLogVariable, value, MAX_PATH) > 0 ? value : L"";
  }

  host::Host host_;
  host::Session session_{
      host_, [](const std::string&) { return std::make_unique<testing_support::TestModule>(); },
      "host_win_tests.exe"};
};

TEST_F(BrowserTest, AddressesTheShellOpensAreReportedOnceAndNothingIsNotWaitedFor) {
  std::wstring log;
  {
    host::Browser browser(host_);
    browser.AddCommands(session_);
    ASSERT_EQ(browser.problem(), "");
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    const std::wstring recorder =
        std::filesystem::path(program).parent_path().wstring() + L"\\lwbrowser.exe";
    EXPECT_EQ(ShellCommand(L"https"), L"\"" + recorder + L"\" \"%1\"");
    EXPECT_EQ(ShellCommand(L"http"), L"\"" + recorder + L"\" \"%1\"");
    log = LogVariable();
    ASSERT_FALSE(log.empty());
    EXPECT_TRUE(std::filesystem::exists(log));

    Open(L"https://example.org/laneworks/?v=1.5&lang=ja");
    EXPECT_EQ(Run("browser"),
              (Texts{"browser: opened \"https://example.org/laneworks/?v=1.5&lang=ja\""}));

    // Recorders started together may finish in either order.
    Open(L"http://example.org/地図");
    Open(L"https://example.org/a?q=\"x\"");
    Texts opened = Run("browser");
    std::sort(opened.begin(), opened.end());
    EXPECT_EQ(opened, (Texts{"browser: opened \"http://example.org/地図\"",
                             "browser: opened \"https://example.org/a?q=\\\"x\\\"\""}));

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Run("browser"), (Texts{"browser: nothing opened"}));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  }
  // The session's log goes with it.
  EXPECT_EQ(LogVariable(), L"");
  EXPECT_FALSE(std::filesystem::exists(log));
  EXPECT_EQ(host_.transcript().ViolationCount(), 0);
}

}  // namespace
