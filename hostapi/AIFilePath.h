// Paths of files as the host names them.
#pragma once

#include "hostapi/SPPlugins.h"

constexpr char kAIFilePathSuite[] = "AI File Path Suite";
constexpr std::int32_t kAIFilePathSuiteVersion = 6;

struct AIFilePathSuite {
  // Writes the full path of file, in the platform's form, into the caller's string path.
  AIErr (*GetFullPath)(const SPPlatformFileSpecification* file, AIUnicodeStringRef path);
};
