#include "host/core/Faults.h"

#include <algorithm>

namespace host {

void Faults::Arm(std::string function, int nth, ASErr code) {
  armed_.push_back({std::move(function), std::max(nth, 1), code});
}

void Faults::ArmCall(long nth, ASErr code) {
  armed_.push_back({std::string(), std::max(nth, 1L), code});
}

void Faults::ArmEvery(std::string function, ASErr code, long period) {
  period = std::max(period, 1L);
  armed_.push_back({std::move(function), period, code, period});
}

ASErr Faults::Take(const char* function) {
  ++calls_;
  if (recording_) recorded_.emplace_back(function);
  if (armed_.empty()) return kNoErr;
  ASErr fired = kNoErr;
  for (auto armed = armed_.begin(); armed != armed_.end();) {
    if ((!armed->function.empty() && armed->function != function) || --armed->callsLeft > 0) {
      ++armed;
      continue;
    }
    if (fired == kNoErr) fired = armed->code;
    if (armed->period > 0) {
      armed->callsLeft = armed->period;
      ++armed;
    } else {
      armed = armed_.erase(armed);
    }
  }
  if (fired != kNoErr)
    transcript_.Line(std::string("fault: ") + function + " -> " + FormatCode(fired));
  return fired;
}

void Faults::CheckAllFired() {
  for (const Armed& armed : armed_) {
    if (armed.period > 0) continue;
    const std::string what = armed.function.empty() ? "any suite function" : armed.function;
    transcript_.Violation("the script made call " + std::to_string(armed.callsLeft) +
                          " from now of " + what + " fail, but it never came");
  }
  armed_.clear();
}

}  // namespace host
