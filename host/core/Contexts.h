// Application contexts pushed by the plug-in; the host checks that pushes and pops balance.
#pragma once

#include <cstdint>
#include <vector>

#include "host/core/Transcript.h"
#include "hostapi/AIContext.h"

namespace host {

class Contexts {
 public:
  explicit Contexts(Transcript& transcript) : transcript_(transcript) {}

  AIErr Push(SPPluginRef plugin, AIAppContextHandle* context);
  AIErr Pop(AIAppContextHandle context);
  int Depth() const { return static_cast<int>(open_.size()); }
  void Trace(bool on) { trace_ = on; }
  // Reports and forgets contexts still open (after a message, or at shut-down).
  void CheckBalanced(const char* when);

  static const AIContextSuite* Suite();

 private:
  Transcript& transcript_;
  std::vector<std::uintptr_t> open_;
  std::uintptr_t serial_ = 0;
  bool trace_ = false;
};

}  // namespace host
