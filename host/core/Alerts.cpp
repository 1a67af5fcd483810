#include "host/core/Alerts.h"

#include "host/core/Expressions.h"
#include "host/core/Faultable.h"
#include "host/core/Host.h"

namespace host {
namespace {

const char* KindName(Alerts::Kind kind) {
  switch (kind) {
    case Alerts::Kind::kInformation:
      return "information";
    case Alerts::Kind::kError:
      return "error";
    case Alerts::Kind::kQuestion:
      return "question";
  }
  return "?";
}

const char* AnswerName(Alerts::Answer answer) {
  switch (answer) {
    case Alerts::Answer::kOk:
      return "ok";
    case Alerts::Answer::kYes:
      return "yes";
    case Alerts::Answer::kNo:
      return "no";
  }
  return "?";
}

AIErr ShowOneButton(Alerts::Kind kind, AIUnicodeStringRef text, const char* function) {
  Host& host = Host::Current();
  std::u16string* found = host.strings().Find(text, function);
  if (found == nullptr) return kStaleHandleErr;
  host.alerts().Show(kind, host.strings().Utf8(text, function));
  return kNoErr;
}

AIErr MessageAlert(AIUnicodeStringRef text) {
  return ShowOneButton(Alerts::Kind::kInformation, text, "MessageAlert");
}

AIErr ErrorAlert(AIUnicodeStringRef text) {
  return ShowOneButton(Alerts::Kind::kError, text, "ErrorAlert");
}

AIBoolean YesNoAlert(AIUnicodeStringRef text) {
  Host& host = Host::Current();
  if (host.strings().Find(text, "YesNoAlert") == nullptr) return 0;
  return host.alerts().Show(Alerts::Kind::kQuestion, host.strings().Utf8(text, "YesNoAlert")) ==
                 Alerts::Answer::kYes
             ? 1
             : 0;
}

}  // namespace

Alerts::Answer Alerts::Show(Kind kind, const std::string& text) {
  const bool question = kind == Kind::kQuestion;
  const Answer fallback = question ? Answer::kNo : Answer::kOk;
  if (expected_.empty() && answerer_) expected_.push_back(answerer_(kind, text));
  if (expected_.empty()) {
    transcript_.Line(std::string("alert ") + KindName(kind) + " " + Quote(text));
    transcript_.Violation("the script expected no alert; answered " +
                          std::string(AnswerName(fallback)));
    return fallback;
  }
  const Answer answer = expected_.front();
  expected_.pop_front();
  transcript_.Line(std::string("alert ") + KindName(kind) + " " + Quote(text) + " -> " +
                   AnswerName(answer));
  if (question == (answer == Answer::kOk)) {
    transcript_.Violation(std::string("the script answered ") + AnswerName(answer) + " to " +
                          (question ? "a question" : "a one-button alert"));
    return fallback;
  }
  return answer;
}

void Alerts::CheckAllAnswered() {
  for (Answer answer : expected_) {
    transcript_.Violation(std::string("the script expected an alert to answer ") +
                          AnswerName(answer) + ", but none came");
  }
  expected_.clear();
}

const AIUserSuite* Alerts::Suite() {
  static const AIUserSuite suite = {HOST_FAULTABLE(MessageAlert), HOST_FAULTABLE(ErrorAlert),
                                    &YesNoAlert, HOST_FAULTABLE(Expressions::IUAIRealToString),
                                    HOST_FAULTABLE(Expressions::EvaluateExpression)};
  return &suite;
}

}  // namespace host
