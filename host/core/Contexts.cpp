#include "host/core/Contexts.h"

#include "host/core/Faultable.h"
#include "host/core/Host.h"

namespace host {
namespace {

AIErr PushAppContext(SPPluginRef plugin, AIAppContextHandle* context) {
  return Host::Current().contexts().Push(plugin, context);
}

AIErr PopAppContext(AIAppContextHandle context) {
  return Host::Current().contexts().Pop(context);
}

AIErr GetPlatformAppWindow(AIWindowRef* window) {
  Host& host = Host::Current();
  if (window == nullptr) {
    host.transcript().Violation("GetPlatformAppWindow with a null result pointer");
    return kBadParameterErr;
  }
  *window = host.AppWindow();
  return *window != nullptr ? kNoErr : kBadStateErr;
}

}  // namespace

AIErr Contexts::Push(SPPluginRef plugin, AIAppContextHandle* context) {
  if (context == nullptr || !Host::Current().IsPlugin(plugin)) {
    transcript_.Violation("PushAppContext with a bad plug-in reference or result pointer");
    return kBadParameterErr;
  }
  const std::uintptr_t value = (++serial_ << 8) | kContextHandle;
  open_.push_back(value);
  *context = reinterpret_cast<AIAppContextHandle>(value);
  if (trace_) transcript_.Line("context push (depth " + std::to_string(open_.size()) + ")");
  return kNoErr;
}

AIErr Contexts::Pop(AIAppContextHandle context) {
  const auto value = reinterpret_cast<std::uintptr_t>(context);
  if (open_.empty() || open_.back() != value) {
    transcript_.Violation("PopAppContext of a context that is not the innermost open one");
    return kBadParameterErr;
  }
  open_.pop_back();
  if (trace_) transcript_.Line("context pop (depth " + std::to_string(open_.size()) + ")");
  return kNoErr;
}

void Contexts::CheckBalanced(const char* when) {
  if (open_.empty()) return;
  transcript_.Violation(std::to_string(open_.size()) + " application context(s) left open " + when);
  open_.clear();
}

const AIContextSuite* Contexts::Suite() {
  static const AIContextSuite suite = {HOST_FAULTABLE(PushAppContext),
                                       HOST_FAULTABLE(PopAppContext),
                                       HOST_FAULTABLE(GetPlatformAppWindow)};
  return &suite;
}

}  // namespace host
