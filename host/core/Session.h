// A session script: one command per line, run against the host, each echoed to the transcript
// with what it caused. Lines starting with '#' are comments. Words are separated by blanks;
// double quotes make one word of a text with blanks (\" and \\ inside).
#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/core/Host.h"

namespace host {

using Words = std::vector<std::string>;

class Session {
 public:
  using ModuleFactory = std::function<std::unique_ptr<PluginModule>(const std::string& path)>;
  // Runs one command; answers an empty text, or what was wrong with the words.
  using Command = std::function<std::string(const Words& arguments)>;

  // pluginPath is the module "start" loads unless the command names another.
  Session(Host& host, ModuleFactory moduleFactory, std::string pluginPath);

  // Adds a command (later layers of the host add theirs).
  void Add(const std::string& name, const std::string& usage, Command command);

  // Runs every line of a script; at the end checks that every queued answer was used and shuts
  // the plug-in down if it still runs. Answers the number of violations in the transcript.
  int Run(const std::string& script);
  // Runs a single line.
  void RunLine(const std::string& line);
  // Writes each command's elapsed time to stream (null: not), as "timing: 12 ms  open
  // "map.json"": beside the transcript, never into it, as times differ from run to run.
  void ReportTimings(std::FILE* stream) { timings_ = stream; }

  Host& host() { return host_; }

  // Files named by commands: inputs relative to the script's folder ("out:NAME" names a file in
  // the output folder), outputs relative to the output folder.
  void SetFolders(std::filesystem::path scripts, std::filesystem::path output);
  std::filesystem::path Input(const std::string& name) const;
  std::filesystem::path Output(const std::string& name) const;

 private:
  void AddLifeCycleCommands();
  void AddMessageCommands();

  struct Entry {
    std::string usage;
    Command run;
  };
  Host& host_;
  ModuleFactory moduleFactory_;
  std::string pluginPath_;
  std::map<std::string, Entry> commands_;
  std::filesystem::path scripts_{"."};
  std::filesystem::path output_{"."};
  std::FILE* timings_ = nullptr;
};

// A UTF-8 file name as a path (on Windows the narrow form would be read in the ANSI code page).
std::filesystem::path PathFromUtf8(const std::string& name);

// Commands of each area of the host.
void AddDocumentCommands(Session& session);
void AddPreferenceCommands(Session& session);
void AddMenuCommands(Session& session);
void AddFaultCommands(Session& session);
void AddToolCommands(Session& session);
void AddThemeCommands(Session& session);
void AddImportCommands(Session& session);

// Splits a line into words; answers false when a quote is not closed.
bool SplitWords(const std::string& line, Words* words);
// Reads a whole word as a number.
bool ParseNumber(const std::string& word, AIReal* value);

}  // namespace host
