#include "host/core/Notifiers.h"

#include <cstdint>

#include "host/core/Faultable.h"
#include "host/core/HandleTable.h"
#include "host/core/Host.h"

namespace host {
namespace {

AIErr AddNotifier(SPPluginRef plugin, const char* name, const char* type,
                  AINotifierHandle* notifier) {
  return Host::Current().notifiers().Add(plugin, name, type, notifier);
}

}  // namespace

AIErr Notifiers::Add(SPPluginRef plugin, const char* name, const char* type,
                     AINotifierHandle* handle) {
  if (!Host::Current().IsPlugin(plugin) || name == nullptr || type == nullptr) {
    transcript_.Violation("AddNotifier with a bad plug-in reference, name or type");
    return kBadParameterErr;
  }
  for (const Notifier& existing : notifiers_) {
    if (existing.name == name) {
      transcript_.Violation("AddNotifier: the name " + Quote(name) + " is already registered");
      return kBadParameterErr;
    }
  }
  const std::uintptr_t value = ((notifiers_.size() + 1) << 8) | kNotifierHandle;
  const auto notifier = reinterpret_cast<AINotifierHandle>(value);
  notifiers_.push_back(Notifier{name, type, notifier});
  if (handle != nullptr) *handle = notifier;
  return kNoErr;
}

std::vector<Notifiers::Notifier> Notifiers::OfType(const std::string& type) const {
  std::vector<Notifier> result;
  for (const Notifier& notifier : notifiers_) {
    if (notifier.type == type) result.push_back(notifier);
  }
  return result;
}

const AINotifierSuite* Notifiers::Suite() {
  static const AINotifierSuite suite = {HOST_FAULTABLE(AddNotifier)};
  return &suite;
}

}  // namespace host
