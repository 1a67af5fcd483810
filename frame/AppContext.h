// A host application context for the plug-in, from construction to destruction: work done
// outside a plain host message (a notification, a click in the plug-in's own window) is
// bracketed by one, and it is popped on every way out.
#pragma once

#include "frame/SuiteTables.h"

class AppContext {
 public:
  explicit AppContext(SPPluginRef plugin) {
    error_ = sAIContext->PushAppContext(plugin, &context_);
  }
  ~AppContext() {
    if (error_ == kNoErr && sAIContext != nullptr) sAIContext->PopAppContext(context_);
  }
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;
  // The host's answer to the push; nothing is popped unless it is 0.
  ASErr Error() const { return error_; }

 private:
  AIAppContextHandle context_ = nullptr;
  ASErr error_;
};
