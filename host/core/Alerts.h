// Alerts: answered from the session script in order, each written to the transcript.
#pragma once

#include <deque>
#include <string>

#include "host/core/Transcript.h"
#include "hostapi/AIUser.h"

namespace host {

class Alerts {
 public:
  enum class Kind { kInformation, kError, kQuestion };
  enum class Answer { kOk, kYes, kNo };

  explicit Alerts(Transcript& transcript) : transcript_(transcript) {}

  // The answer the next alert gets: kOk for one-button alerts, kYes or kNo for questions.
  void Expect(Answer answer) { expected_.push_back(answer); }
  // Shows an alert: writes it to the transcript and answers it from the script. An alert the
  // script did not expect, or expected with the other kind of answer, is a violation.
  Answer Show(Kind kind, const std::string& text);
  // Answers the script queued that no alert took; each is a violation. Clears the queue.
  void CheckAllAnswered();

  static const AIUserSuite* Suite();

 private:
  Transcript& transcript_;
  std::deque<Answer> expected_;
};

}  // namespace host
