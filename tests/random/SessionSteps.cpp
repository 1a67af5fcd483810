#include "tests/random/SessionSteps.h"

#include <cstdio>

#include "panel/PanelTexts.h"
#include "plugin/PluginTexts.h"
#include "resources/resource.h"
#include "tools/ScissorsTexts.h"

namespace random_sessions {
namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

std::string FlyoutChoice(const std::string& item) {
  return "flyout choose " + item;
}

std::string AnswerLine(const std::vector<host::Alerts::Answer>& answers) {
  std::string line = "answer";
  for (host::Alerts::Answer answer : answers) {
    switch (answer) {
      case host::Alerts::Answer::kOk:
        line += " ok";
        break;
      case host::Alerts::Answer::kYes:
        line += " yes";
        break;
      case host::Alerts::Answer::kNo:
        line += " no";
        break;
    }
  }
  return line;
}

// The lines that queue the dialog's actions, then the line that opens it.
std::vector<std::string> PreferenceLines(const Step& step) {
  std::vector<std::string> lines{"dialog type " + std::to_string(IDC_MAX_RECENT_EDIT) + " " +
                                 Quoted(std::to_string(step.preferences.maxRecent))};
  if ((step.preferences.processSinglePath != 0) !=
      (step.formerPreferences.processSinglePath != 0)) {
    lines.push_back("dialog click " + std::to_string(IDC_PROCESS_SINGLE_PATH_CHECK));
  }
  lines.push_back("dialog click " + std::to_string(step.preferences.reserveTopmost != 0
                                                       ? IDC_KEEP_FRONTMOST_RADIO
                                                       : IDC_KEEP_BACKMOST_RADIO));
  lines.push_back("dialog ok");
  lines.push_back(FlyoutChoice(Quoted(kPreferencesItem)));
  return lines;
}

std::vector<std::string> WidthLines(const WidthModifierSettings& width) {
  std::vector<std::string> lines;
  if (width.type == kAddWidth) {
    lines.push_back("dialog click " + std::to_string(IDC_ADD_WIDTH_RADIO));
    lines.push_back("dialog type " + std::to_string(IDC_ADDING_WIDTH_EDIT) + " " +
                    Quoted(Number(width.addingWidth) + " pt"));
  } else {
    lines.push_back("dialog click " + std::to_string(IDC_SCALE_WIDTH_RADIO));
    lines.push_back("dialog type " + std::to_string(IDC_SCALE_EDIT) + " " +
                    Quoted(Number(width.scale)));
  }
  lines.push_back("dialog ok");
  lines.push_back("menu " + Quoted(kPathWidthModifierMenuText));
  return lines;
}

std::vector<std::string> CommandLines(const Step& step, bool toolPicked) {
  const std::string ctrl = step.ctrl ? " ctrl" : "";
  switch (step.kind) {
    case StepKind::kHostCommand:
      return HostLines(step);
    case StepKind::kAcquire:
      return {"panel click acquire" + ctrl};
    case StepKind::kBatch:
      return {FlyoutChoice(Quoted(kAcquireBatchItem))};
    case StepKind::kChooseHistory:
      return {FlyoutChoice(std::to_string(1000 + step.index))};
    case StepKind::kChooseBatch:
      return {FlyoutChoice(std::to_string(2000 + step.index))};
    case StepKind::kClearHistory:
      return {FlyoutChoice(Quoted(kClearHistoryItem))};
    case StepKind::kClearBatch:
      return {FlyoutChoice(Quoted(kClearBatchItem))};
    case StepKind::kCreate:
      return {"panel click create"};
    case StepKind::kDelete:
      return {"panel click delete" + ctrl};
    case StepKind::kPreferences:
      return PreferenceLines(step);
    case StepKind::kScissors: {
      std::vector<std::string> lines;
      if (!toolPicked) lines.push_back("pick-tool " + Quoted(kScissorsToolName));
      lines.push_back("click " + Number(step.h) + " " + Number(step.v));
      return lines;
    }
    case StepKind::kWidth:
      return WidthLines(step.width);
  }
  return {};
}

}  // namespace

std::vector<std::string> HostLines(const Step& step) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = step.command.find('\n', start)) != std::string::npos;
       start = end + 1) {
    lines.push_back(step.command.substr(start, end - start));
  }
  lines.push_back(step.command.substr(start));
  return lines;
}

std::vector<std::string> ScriptLines(const Step& step, bool toolPicked) {
  std::vector<std::string> lines = CommandLines(step, toolPicked);
  // Answers are queued just before the line that raises the alerts.
  if (!step.answers.empty()) lines.insert(lines.end() - 1, AnswerLine(step.answers));
  return lines;
}

std::string SessionScript(const std::string& documentFile, const std::vector<Step>& steps) {
  std::string script = "open " + Quoted(documentFile) + "\nstart\n";
  bool toolPicked = false;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    script += "# step " + std::to_string(i + 1) + "\n";
    for (const std::string& line : ScriptLines(steps[i], toolPicked)) script += line + "\n";
    toolPicked = toolPicked || steps[i].kind == StepKind::kScissors;
  }
  return script + "held\nshutdown\n";
}

}  // namespace random_sessions
