#include "host/core/Faults.h"

#include <algorithm>

namespace host {

void Faults::Arm(std::string function, int nth, ASErr code) {
  armed_.push_back({std::move(function), std::max(nth, 1), code});
}

ASErr Faults::TakeArmed(const char* function) {
  ASErr fired = kNoErr;
  for (auto armed = armed_.begin(); armed != armed_.end();) {
    if (armed->function != function || --armed->callsLeft > 0) {
      ++armed;
      continue;
    }
    if (fired == kNoErr) fired = armed->code;
    armed = armed_.erase(armed);
  }
  if (fired != kNoErr)
    transcript_.Line(std::string("fault: ") + function + " -> " + FormatCode(fired));
  return fired;
}

void Faults::CheckAllFired() {
  for (const Armed& armed : armed_) {
    transcript_.Violation("the script made call " + std::to_string(armed.callsLeft) +
                          " from now of " + armed.function + " fail, but it never came");
  }
  armed_.clear();
}

}  // namespace host
