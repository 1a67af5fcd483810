// Malformed session lines: bad quoting, unknown commands and bad numbers are answered with a
// clear message; no line crashes the host or throws out of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>

#include "host/core/Host.h"
#include "host/core/Session.h"
#include "tests/fuzz/Corpus.h"
#include "tests/fuzz/FuzzLoop.h"
#include "tests/testplugin/InProcessModule.h"

namespace {

std::vector<std::string> SessionLines() {
  std::vector<std::string> lines;
  auto scripts = fuzz::SourceFiles("tests/e2e", ".session");
  scripts.push_back(fuzz::SourceFile("examples/sample.session"));
  for (const auto& script : scripts) {
    std::istringstream text(fuzz::ReadFile(script));
    for (std::string line; std::getline(text, line);) {
      if (!line.empty() && line[0] != '#') lines.push_back(line);
    }
  }
  return lines;
}

const std::vector<std::string> kSessionWords = {"start",
                                                "shutdown",
                                                "unload",
                                                "reload",
                                                "send",
                                                "notify",
                                                "about",
                                                "purge",
                                                "answer",
                                                "ok",
                                                "yes",
                                                "no",
                                                "omit-suite",
                                                "fail",
                                                "held",
                                                "trace",
                                                "suites",
                                                "contexts",
                                                "expressions",
                                                "on",
                                                "off",
                                                "menu",
                                                "menu-update",
                                                "menus",
                                                "set-preference",
                                                "preference",
                                                "preferences",
                                                "status",
                                                "new",
                                                "open",
                                                "close",
                                                "save",
                                                "export-svg",
                                                "print",
                                                "select",
                                                "deselect-all",
                                                "select-anchors",
                                                "set",
                                                "selected",
                                                "locked",
                                                "hidden",
                                                "layer",
                                                "visible",
                                                "editable",
                                                "current-layer",
                                                "delete-swatch",
                                                "tools",
                                                "pick-tool",
                                                "click",
                                                "track",
                                                "snapping",
                                                "zoom",
                                                "theme",
                                                "dark",
                                                "light",
                                                "item",
                                                "boolean",
                                                "integer",
                                                "real",
                                                "shift",
                                                "ctrl",
                                                "alt",
                                                "\"",
                                                "\\\"",
                                                "out:"};

// Keeps every file a line names inside the session's folders: no absolute paths, no "..".
std::string StayInside(std::string line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    const bool separator = line[i] == '/' || line[i] == '\\';
    const bool startsWord = i == 0 || !(std::isalnum(static_cast<unsigned char>(line[i - 1])) ||
                                        line[i - 1] == '_' || line[i - 1] == '-');
    if ((separator && startsWord) || (line[i] == '.' && i + 1 < line.size() && line[i + 1] == '.'))
      line[i] = '_';
  }
  return line;
}

// Runs the lines after a start-up and an open map, in a host of their own, and ends the session.
std::string CheckLines(const std::string& input, const std::filesystem::path& output) {
  host::Host host;
  host::Session session(
      host, [](const std::string&) { return std::make_unique<testing_support::InProcessModule>(); },
      "FrameTest.aip");
  session.SetFolders(fuzz::SourceFile("tests/e2e"), output);
  session.RunLine("answer ok ok");
  session.RunLine("start");
  session.RunLine("open maps/roads.json");
  std::istringstream lines(input);
  for (std::string line; std::getline(lines, line);) session.RunLine(line);
  session.Run("");
  for (const std::string& line : host.transcript().Lines()) {
    const std::string scriptProblem = "!! violation: script: ";
    if (line.rfind(scriptProblem, 0) == 0 &&
        !fuzz::IsClearMessage(line.substr(scriptProblem.size()))) {
      return "unclear message: " + line;
    }
  }
  return "";
}

TEST(Fuzz, SessionLines) {
  const fuzz::Mutator mutator(SessionLines(), kSessionWords);
  const fuzz::ScratchFolder output("session");
  fuzz::Run({"SessionLines", 200,
             [&](fuzz::Random& random) {
               std::string input;
               const std::size_t count = 1 + fuzz::Below(random, 4);
               for (std::size_t i = 0; i < count; ++i) {
                 std::string line = mutator.Next(random);
                 std::replace(line.begin(), line.end(), '\n', ' ');
                 input += StayInside(line) + '\n';
               }
               return input;
             },
             [&](const std::string& input) { return CheckLines(input, output.path()); }});
}

}  // namespace
