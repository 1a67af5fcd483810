// A session script: one command per line, run against the host, each echoed to the transcript
// with what it caused. Lines starting with '#' are comments. Words are separated by blanks;
// double quotes make one word of a text with blanks (\" and \\ inside).
#pragma once

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

  Host& host() { return host_; }

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
};

// Splits a line into words; answers false when a quote is not closed.
bool SplitWords(const std::string& line, Words* words);

}  // namespace host
