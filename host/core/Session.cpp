#include "host/core/Session.h"

#include <charconv>
#include <chrono>
#include <sstream>

namespace host {

bool ParseNumber(const std::string& word, AIReal* value) {
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), *value);
  return error == std::errc() && end == word.data() + word.size();
}

bool SplitWords(const std::string& line, Words* words) {
  words->clear();
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
      ++i;
      continue;
    }
    std::string word;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\' && i < line.size()) c = line[i++];
        word += c;
      }
      if (!closed) return false;
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
        word += line[i++];
    }
    words->push_back(std::move(word));
  }
  return true;
}

Session::Session(Host& host, ModuleFactory moduleFactory, std::string pluginPath)
    : host_(host), moduleFactory_(std::move(moduleFactory)), pluginPath_(std::move(pluginPath)) {
  AddLifeCycleCommands();
  AddMessageCommands();
  AddDocumentCommands(*this);
  AddPreferenceCommands(*this);
  AddMenuCommands(*this);
  AddFaultCommands(*this);
  AddToolCommands(*this);
  AddThemeCommands(*this);
  AddImportCommands(*this);
}

void Session::SetFolders(std::filesystem::path scripts, std::filesystem::path output) {
  scripts_ = std::move(scripts);
  output_ = std::move(output);
}

std::filesystem::path PathFromUtf8(const std::string& name) {
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

std::filesystem::path Session::Input(const std::string& name) const {
  if (name.rfind("out:", 0) == 0) return Output(name.substr(4));
  const std::filesystem::path path = PathFromUtf8(name);
  return path.is_absolute() ? path : scripts_ / path;
}

std::filesystem::path Session::Output(const std::string& name) const {
  const std::filesystem::path path = PathFromUtf8(name);
  return path.is_absolute() ? path : output_ / path;
}

void Session::Add(const std::string& name, const std::string& usage, Command command) {
  commands_[name] = Entry{usage, std::move(command)};
}

void Session::RunLine(const std::string& line) {
  Words words;
  const std::size_t first = line.find_first_not_of(" \t\r");
  if (first == std::string::npos || line[first] == '#') return;
  Transcript& transcript = host_.transcript();
  const std::string command = line.substr(first, line.find_last_not_of(" \t\r") + 1 - first);
  transcript.Line("> " + command);
  if (!SplitWords(line, &words)) {
    transcript.Violation("script: a quote is not closed");
    return;
  }
  auto found = commands_.find(words[0]);
  if (found == commands_.end()) {
    transcript.Violation("script: unknown command " + Quote(words[0]));
    return;
  }
  const Words arguments(words.begin() + 1, words.end());
  const auto started = std::chrono::steady_clock::now();
  const std::string problem = found->second.run(arguments);
  if (timings_ != nullptr) {
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - started;
    std::fprintf(timings_, "timing: %.0f ms  %s\n", elapsed.count(), command.c_str());
  }
  if (!problem.empty()) {
    transcript.Violation("script: " + problem + " (usage: " + words[0] + " " + found->second.usage +
                         ")");
  }
}

int Session::Run(const std::string& script) {
  std::istringstream lines(script);
  std::string line;
  while (std::getline(lines, line)) RunLine(line);
  host_.alerts().CheckAllAnswered();
  host_.faults().CheckAllFired();
  // A plug-in whose code was unloaded is loaded again to be told to shut down, as at any quit;
  // otherwise what it made at start-up would never be freed.
  if (host_.Unloaded()) host_.Reload();
  if (host_.Loaded()) {
    host_.transcript().Line("end of session: the host quits");
    host_.Shutdown();
  }
  return host_.transcript().ViolationCount();
}

void Session::AddLifeCycleCommands() {
  Add("start", "[module path]", [this](const Words& a) -> std::string {
    if (a.size() > 1) return "too many words";
    host_.Start(moduleFactory_(a.empty() ? pluginPath_ : a[0]));
    return "";
  });
  Add("shutdown", "", [this](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    host_.Shutdown();
    return "";
  });
  Add("unload", "", [this](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    host_.Unload();
    return "";
  });
  Add("reload", "", [this](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    host_.Reload();
    return "";
  });
  Add("omit-suite", "\"suite name\"", [this](const Words& a) -> std::string {
    if (a.size() != 1) return "one suite name expected";
    host_.suites().Omit(a[0]);
    return "";
  });
  Add("trace", "suites|contexts|expressions on|off", [this](const Words& a) -> std::string {
    if (a.size() != 2 || (a[1] != "on" && a[1] != "off")) return "what and on or off expected";
    const bool on = a[1] == "on";
    if (a[0] == "suites") {
      host_.suites().TraceCalls(on);
    } else if (a[0] == "contexts") {
      host_.contexts().Trace(on);
    } else if (a[0] == "expressions") {
      host_.expressions().Trace(on);
    } else {
      return "suites, contexts or expressions expected";
    }
    return "";
  });
  Add("answer", "ok|yes|no ...", [this](const Words& a) -> std::string {
    if (a.empty()) return "at least one answer expected";
    for (const std::string& word : a) {
      if (word == "ok") {
        host_.alerts().Expect(Alerts::Answer::kOk);
      } else if (word == "yes") {
        host_.alerts().Expect(Alerts::Answer::kYes);
      } else if (word == "no") {
        host_.alerts().Expect(Alerts::Answer::kNo);
      } else {
        return "answers are ok, yes or no";
      }
    }
    return "";
  });
}

void Session::AddMessageCommands() {
  Add("send", "\"caller\" \"selector\" [item N]", [this](const Words& a) -> std::string {
    if (a.size() != 2 && !(a.size() == 4 && a[2] == "item")) return "caller and selector expected";
    MessageRecord message{};
    if (a.size() == 4) {
      // A raw menu item value, for plug-ins under test that read it as a number.
      if (a[3].empty() || a[3].size() > 9 ||
          a[3].find_first_not_of("0123456789") != std::string::npos) {
        return "the item is a number of up to 9 digits";
      }
      message.menu.menuItem = reinterpret_cast<AIMenuItemHandle>(std::stoull(a[3]));
    }
    if (a[0] == kAINotifierCaller) message.notifier.type = "";
    host_.Send(a[0].c_str(), a[1].c_str(), message);
    return "";
  });
  Add("notify", "\"notifier type\"", [this](const Words& a) -> std::string {
    if (a.size() != 1) return "one notifier type expected";
    host_.Notify(a[0].c_str());
    return "";
  });
  Add("notifiers", "", [this](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    const auto& all = host_.notifiers().All();
    if (all.empty()) host_.transcript().Line("notifiers: none");
    for (const Notifiers::Notifier& notifier : all) {
      host_.transcript().Line("notifier " + Quote(notifier.name) + " for " + Quote(notifier.type));
    }
    return "";
  });
  Add("status", "", [this](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    host_.transcript().Line(std::string("status: ") + (host_.Loaded() ? "loaded" : "not loaded") +
                            ", object " + (host_.Globals() != nullptr ? "alive" : "none") +
                            ", locks " + std::to_string(host_.LockCount()) + ", suites held " +
                            std::to_string(host_.suites().HeldSuites().size()) + ", strings " +
                            std::to_string(host_.strings().LiveCount()) + ", contexts open " +
                            std::to_string(host_.contexts().Depth()));
    return "";
  });
  Add("purge", "", [this](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    MessageRecord message{};
    host_.Send(kSPCacheCaller, kSPPluginPurgeCachesSelector, message);
    return "";
  });
  Add("about", "", [this](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    MessageRecord message{};
    host_.Send(kSPInterfaceCaller, kSPInterfaceAboutSelector, message);
    return "";
  });
}

}  // namespace host
