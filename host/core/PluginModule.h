// A plug-in's module as the host loads it: from a DLL on Windows, or linked in for tests.
#pragma once

#include <string>

#include "hostapi/SPMessage.h"

namespace host {

// What the property list of a module says.
struct PluginProperties {
  std::int32_t kind = 0;
  std::int32_t interfaceVersion = 0;
  std::string entryName;   // the 64-bit Windows code property
  std::string pluginName;  // display name
};

class PluginModule {
 public:
  virtual ~PluginModule() = default;
  // Loads the code and finds the entry point its property list names. On failure answers null
  // and sets *error to a sentence saying what went wrong.
  virtual SPPluginEntry Load(PluginProperties* properties, std::string* error) = 0;
  // Unloads the code; the entry point is invalid afterwards.
  virtual void Unload() = 0;
  // The module's file in the platform's form, UTF-8.
  virtual std::string FilePath() const = 0;
  // The file name alone, for the transcript.
  virtual std::string FileName() const = 0;
};

}  // namespace host
