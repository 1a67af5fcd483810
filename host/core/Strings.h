// Host-owned Unicode strings made by the plug-in, counted until disposed.
#pragma once

#include <string>

#include "host/core/HandleTable.h"
#include "host/core/Transcript.h"
#include "hostapi/AIUnicodeString.h"

namespace host {

class Strings {
 public:
  explicit Strings(Transcript& transcript) : transcript_(transcript) {}

  AIUnicodeStringRef Add(std::u16string text) { return table_.Add(std::move(text)); }
  // The text of a live string; null (and a violation naming the caller) for a bad handle.
  std::u16string* Find(AIUnicodeStringRef string, const char* function);
  bool Remove(AIUnicodeStringRef string) { return table_.Remove(string); }
  std::size_t LiveCount() const { return table_.Count(); }
  // Reports strings never disposed and forgets them.
  void CheckAllDisposed(const char* when);
  // The UTF-8 text of a string the plug-in passed, or an empty text for a bad handle.
  std::string Utf8(AIUnicodeStringRef string, const char* function);

  static const AIUnicodeStringSuite* Suite();

 private:
  Transcript& transcript_;
  HandleTable<std::u16string, AIUnicodeStringRef, kStringHandle> table_;
};

}  // namespace host
