// The steps of a random session, and the one place that says how each is written as lines of a
// session script for the headless host driving the real plug-in.
#pragma once

#include <string>
#include <vector>

#include "host/core/Alerts.h"
#include "panel/OverlapPreferences.h"
#include "tools/WidthModifierSettings.h"

namespace random_sessions {

enum class StepKind {
  kHostCommand,    // a line of the host's own: select, deselect-all, set, layer, delete-swatch
  kAcquire,        // the panel's acquire button, ctrl for the selected paths themselves
  kBatch,          // the flyout's batch acquisition
  kChooseHistory,  // a history entry of the flyout
  kChooseBatch,    // a batch entry of the flyout
  kClearHistory,
  kClearBatch,  // asks first
  kCreate,
  kDelete,       // ctrl captures the stack first
  kPreferences,  // the preferences dialog, confirmed
  kScissors,     // one click of the scissors tool
  kWidth,        // the stroke-width command, confirmed
};

struct Step {
  StepKind kind = StepKind::kHostCommand;
  std::string command;  // kHostCommand: its lines, separated by newlines
  bool ctrl = false;
  int index = 0;  // history or batch entry
  OverlapPreferenceValues preferences{};
  OverlapPreferenceValues formerPreferences{};  // what the dialog shows when it opens
  WidthModifierSettings width{};
  double h = 0, v = 0;                        // the scissors' click
  std::vector<host::Alerts::Answer> answers;  // the step's alerts as they were answered
};

// The lines of a host command step.
std::vector<std::string> HostLines(const Step& step);

// The script lines for step, given whether the scissors tool is already the tool in use.
std::vector<std::string> ScriptLines(const Step& step, bool toolPicked);

// A whole script: opening the document file, starting the plug-in, every step, shutting down.
std::string SessionScript(const std::string& documentFile, const std::vector<Step>& steps);

}  // namespace random_sessions
