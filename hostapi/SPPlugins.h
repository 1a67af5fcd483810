// The host's knowledge of a loaded plug-in: its name and its file.
#pragma once

#include "hostapi/SPMessage.h"

constexpr char kSPPluginsSuite[] = "SP Plug-ins Suite";
constexpr std::int32_t kSPPluginsSuiteVersion = 6;

// A file as the host names it: NUL-terminated UTF-8 path (Windows form, e.g. "Z:\\x\\y.aip").
struct SPPlatformFileSpecification {
  char path[1024];
};

struct SPPluginsSuite {
  // Sets the plug-in's name (NUL-terminated UTF-8, copied by the host, at most 255 bytes).
  SPErr (*SetPluginName)(SPPluginRef plugin, const char* name);
  // Copies the name into buffer (NUL-terminated, truncated to capacity).
  SPErr (*GetPluginName)(SPPluginRef plugin, char* buffer, std::int32_t capacity);
  // Fills *file with the module file from which the plug-in was loaded.
  SPErr (*GetPluginFileSpecification)(SPPluginRef plugin, SPPlatformFileSpecification* file);
};
