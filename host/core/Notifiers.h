// Notifiers registered by the plug-in, in registration order.
#pragma once

#include <string>
#include <vector>

#include "host/core/Transcript.h"
#include "hostapi/AINotifier.h"

namespace host {

class Notifiers {
 public:
  explicit Notifiers(Transcript& transcript) : transcript_(transcript) {}

  struct Notifier {
    std::string name;
    std::string type;
    AINotifierHandle handle;
  };

  AIErr Add(SPPluginRef plugin, const char* name, const char* type, AINotifierHandle* handle);
  std::vector<Notifier> OfType(const std::string& type) const;
  const std::vector<Notifier>& All() const { return notifiers_; }
  void Clear() { notifiers_.clear(); }

  static const AINotifierSuite* Suite();

 private:
  Transcript& transcript_;
  std::vector<Notifier> notifiers_;
};

}  // namespace host
