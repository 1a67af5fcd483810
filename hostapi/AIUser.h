// Alerts and other services for talking to the user.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIUserSuite[] = "AI User Suite";
constexpr std::int32_t kAIUserSuiteVersion = 17;

struct AIUserSuite {
  // An information alert with one button; returns when the user has dismissed it.
  AIErr (*MessageAlert)(AIUnicodeStringRef text);
  // An error alert with one button.
  AIErr (*ErrorAlert)(AIUnicodeStringRef text);
  // A question with the buttons Yes and No; answers 1 for Yes, 0 for No (or a bad text).
  AIBoolean (*YesNoAlert)(AIUnicodeStringRef text);
};
