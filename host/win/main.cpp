// The headless host: runs session scripts against a plug-in DLL and writes their transcripts.
//
//   lwhost [--plugin-dir DIR] [--out DIR] [--transcript FILE] [--show] [--timings] SCRIPT
//       runs one session; the transcript goes to stdout (and FILE). Exit status 1 when the
//       plug-in broke a contract or the script went wrong.
//   lwhost --check [--plugin-dir DIR] [--out DIR] SCRIPT...
//       runs each session and compares its transcript with the .expected file beside it; a
//       differing transcript is kept beside it as .actual. Exit status 1 on any difference.
//
// "start" loads DIR/LaneWorks.aip; "start NAME" loads DIR/NAME. Files a script opens are found
// beside it; files it saves go to the --out folder (default: the current folder).
//
// Web addresses the plug-in opens through the shell go to lwbrowser.exe beside lwhost, which the
// host registers for http and https at the start of each session and which records them for the
// "browser" command; no real browser is started.
//
// --profile DIR is the host's profile folder, where its preferences are kept between runs
// (default: a folder in the temporary folder). With --check each session gets a fresh, empty
// profile of its own in DIR, named after the script, so that sessions do not see each other's.
//
// --timings writes each command's elapsed milliseconds to stderr, never into the transcript.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "host/core/Session.h"
#include "host/win/Browser.h"
#include "host/win/CursorProbe.h"
#include "host/win/DialogAutomation.h"
#include "host/win/DllModule.h"
#include "host/win/GuiCounts.h"
#include "host/win/MainWindow.h"
#include "host/win/PanelCommands.h"
#include "host/win/PanelDocks.h"
#include "host/win/Screenshot.h"
#include "host/win/WideText.h"

namespace {

struct Options {
  bool check = false;
  bool show = false;
  bool timings = false;
  std::wstring pluginDir = L".";
  std::wstring transcriptPath;
  std::wstring outputDir = L".";
  std::wstring profileDir;  // empty: the default
  std::vector<std::wstring> scripts;
};

// The profile folder of a session: fresh for each script when checking.
std::filesystem::path ProfileFolder(const Options& options, const std::wstring& scriptPath) {
  std::filesystem::path base = options.profileDir;
  if (base.empty()) {
    base = std::filesystem::temp_directory_path() /
           (options.check ? L"LaneWorks host check profiles" : L"LaneWorks host profile");
  }
  if (!options.check) return base;
  const std::filesystem::path folder = base / std::filesystem::path(scriptPath).stem();
  std::error_code error;
  std::filesystem::remove_all(folder, error);
  return folder;
}

bool ReadFile(const std::wstring& path, std::string* text) {
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  if (!file) return false;
  std::ostringstream contents;
  contents << file.rdbuf();
  *text = contents.str();
  return true;
}

bool WriteFile(const std::wstring& path, const std::string& text) {
  std::ofstream file(std::filesystem::path(path), std::ios::binary);
  file << text;
  return static_cast<bool>(file);
}

// Runs one script with a fresh host; the transcript is returned through *transcript.
int RunSession(const Options& options, const std::wstring& scriptPath, const std::string& script,
               bool echo, std::string* transcript) {
  host::MainWindow window;
  window.Show(options.show);
  host::Host host;
  host.SetAppWindow(window.handle());
  host.tools().SetCursorReader(
      [&host] { return host::DescribeCurrentCursor(host.PluginFilePath()); });
  if (echo) {
    // Unbuffered, so that a session that stops shows where.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    host.transcript().Echo(stdout);
  }
  host.preferences().UseProfile(ProfileFolder(options, scriptPath));
  const std::wstring pluginDir = options.pluginDir;
  host::Session session(
      host,
      [pluginDir](const std::string& name) -> std::unique_ptr<host::PluginModule> {
        return std::make_unique<host::DllModule>(pluginDir + L"\\" + host::Widen(name));
      },
      "LaneWorks.aip");
  std::filesystem::create_directories(options.outputDir);
  session.SetFolders(std::filesystem::path(scriptPath).parent_path(), options.outputDir);
  host::DialogAutomation dialogs(host);
  dialogs.AddCommands(session);
  host::PanelDocks panels(host);
  host::AddPanelCommands(session, panels);
  host::GuiCounts guiCounts(host);
  guiCounts.AddCommands(session);
  host::Browser browser(host);
  browser.AddCommands(session);
  session.Add("cursor-picture", "FILE", [&session, &host](const host::Words& a) -> std::string {
    if (a.size() != 1) return "a file expected";
    HCURSOR cursor = GetCursor();
    if (cursor == nullptr) return "no cursor is shown";
    SIZE size = {};
    const std::string problem = host::WriteCursorPicture(cursor, 2, session.Output(a[0]), &size);
    if (!problem.empty()) return "no picture: " + problem;
    host.transcript().Line("cursor picture " + host::Quote(a[0]) + ": " + std::to_string(size.cx) +
                           "x" + std::to_string(size.cy));
    return "";
  });
  if (options.timings) session.ReportTimings(stderr);
  session.Run(script);
  dialogs.CheckAllUsed();
  *transcript = host.transcript().Text();
  return host.transcript().ViolationCount();
}

std::wstring Replace(const std::wstring& path, const std::wstring& from, const std::wstring& to) {
  const std::size_t at = path.rfind(from);
  return at == std::wstring::npos ? path + to : path.substr(0, at) + to;
}

int Check(const Options& options) {
  int failures = 0;
  for (const std::wstring& scriptPath : options.scripts) {
    std::string script, expected, actual;
    const std::wstring expectedPath = Replace(scriptPath, L".session", L".expected");
    const std::wstring actualPath = Replace(scriptPath, L".session", L".actual");
    if (!ReadFile(scriptPath, &script)) {
      std::printf("FAIL %s: cannot read the script\n", host::Narrow(scriptPath).c_str());
      ++failures;
      continue;
    }
    const bool hasExpected = ReadFile(expectedPath, &expected);
    RunSession(options, scriptPath, script, false, &actual);
    if (hasExpected && actual == expected) {
      std::printf("ok   %s\n", host::Narrow(scriptPath).c_str());
      DeleteFileW(actualPath.c_str());
      continue;
    }
    ++failures;
    WriteFile(actualPath, actual);
    std::printf("FAIL %s: %s; the transcript is kept as %s\n", host::Narrow(scriptPath).c_str(),
                hasExpected ? "the transcript differs" : "there is no .expected file",
                host::Narrow(actualPath).c_str());
  }
  return failures == 0 ? 0 : 1;
}

bool ParseOptions(int argc, wchar_t** argv, Options* options) {
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg == L"--check") {
      options->check = true;
    } else if (arg == L"--show") {
      options->show = true;
    } else if (arg == L"--timings") {
      options->timings = true;
    } else if (arg == L"--plugin-dir" && i + 1 < argc) {
      options->pluginDir = argv[++i];
    } else if (arg == L"--profile" && i + 1 < argc) {
      options->profileDir = argv[++i];
    } else if (arg == L"--out" && i + 1 < argc) {
      options->outputDir = argv[++i];
    } else if (arg == L"--transcript" && i + 1 < argc) {
      options->transcriptPath = argv[++i];
    } else if (!arg.empty() && arg[0] == L'-') {
      return false;
    } else {
      options->scripts.push_back(arg);
    }
  }
  return !options->scripts.empty() && (options->check || options->scripts.size() == 1);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    std::fprintf(stderr,
                 "usage: lwhost [--plugin-dir DIR] [--out DIR] [--profile DIR] [--transcript FILE] "
                 "[--show] [--timings] SCRIPT\n"
                 "       lwhost --check [--plugin-dir DIR] [--out DIR] [--profile DIR] [--timings] "
                 "SCRIPT...\n");
    return 2;
  }
  if (options.check) return Check(options);

  std::string script, transcript;
  if (!ReadFile(options.scripts[0], &script)) {
    std::fprintf(stderr, "lwhost: cannot read %s\n", host::Narrow(options.scripts[0]).c_str());
    return 2;
  }
  const int violations = RunSession(options, options.scripts[0], script, true, &transcript);
  if (!options.transcriptPath.empty() && !WriteFile(options.transcriptPath, transcript)) {
    std::fprintf(stderr, "lwhost: cannot write %s\n", host::Narrow(options.transcriptPath).c_str());
    return 2;
  }
  return violations == 0 ? 0 : 1;
}
