// Alerts: answered from the session script in order, each written to the transcript.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>

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
  // Answers the alerts that find the queue empty instead of counting them as violations (null:
  // none); for callers that decide as each alert comes, such as randomised sessions.
  using Answerer = std::function<Answer(Kind kind, const std::string& text)>;
  void SetAnswerer(Answerer answerer) { answerer_ = std::move(answerer); }

  static const AIUserSuite* Suite();

 private:
  Transcript& transcript_;
  std::deque<Answer> expected_;
  Answerer answerer_;
};

}  // namespace host
