#include "host/core/Host.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "host/core/PublishedSuites.h"

namespace host {
namespace {

Host* gCurrent = nullptr;

SPErr AcquireSuite(const char* name, std::int32_t version, const void** suite) {
  return Host::Current().suites().Acquire(name, version, suite);
}

SPErr ReleaseSuite(const char* name, std::int32_t version) {
  return Host::Current().suites().Release(name, version);
}

// The plug-in reference the host hands out: a tagged value, never an address.
const SPPluginRef kPluginRef =
    reinterpret_cast<SPPluginRef>(std::uintptr_t{(1u << 8) | kPluginHandle});

}  // namespace

Host::Host() : basic_{&AcquireSuite, &ReleaseSuite}, pluginRef_(kPluginRef) {
  gCurrent = this;
  PublishSuites(registry_);
  documents_.SetEditCheck([this] {
    if (userEventDepth_ == 0 || messageDepth_ > 0 || contexts_.Depth() > 0) return;
    if (std::exchange(editOutsideContextReported_, true)) return;
    transcript_.Violation(
        "the plug-in changed the document from a panel callback outside an application context");
  });
}

void Host::EnterUserEvent() {
  if (userEventDepth_++ == 0) editOutsideContextReported_ = false;
}

Host::~Host() {
  if (Loaded()) Shutdown();
  gCurrent = nullptr;
}

Host& Host::Current() {
  return *gCurrent;
}

ASErr Host::Send(const char* caller, const char* selector, MessageRecord& message) {
  if (entry_ == nullptr) {
    transcript_.Line("send " + Quote(caller) + " " + Quote(selector) + ": no plug-in is loaded");
    return kBadStateErr;
  }
  message.d.SPCheck = kSPValidSPMessageData;
  message.d.self = pluginRef_;
  message.d.globals = globals_;
  message.d.basic = &basic_;
  const int depth = contexts_.Depth();
  ++messageDepth_;
  const ASErr result = entry_(caller, selector, &message);
  --messageDepth_;
  globals_ = message.d.globals;
  std::string line = "send " + Quote(caller) + " " + Quote(selector);
  if (std::strcmp(caller, kAINotifierCaller) == 0 && message.notifier.type != nullptr) {
    line += " " + Quote(message.notifier.type);
  }
  transcript_.Line(line + " -> " + FormatCode(result));
  if (contexts_.Depth() != depth) contexts_.CheckBalanced("after the message");
  SendEditNotifications();
  return result;
}

void Host::SendEditNotifications() {
  if (notifying_) return;
  notifying_ = true;
  // Edits made while notifying are reported in the next round, not recursively.
  const bool layers = documents_.TakeLayersChanged();
  const bool edited = documents_.TakeEdited();
  if (layers) Notify(kAILayerSetNotifier);
  if (edited) Notify(kAIDocumentChangedNotifier);
  notifying_ = false;
}

void Host::Notify(const char* type) {
  for (const Notifiers::Notifier& notifier : notifiers_.OfType(type)) {
    if (!Loaded()) return;
    MessageRecord message{};
    message.notifier.notifier = notifier.handle;
    message.notifier.type = notifier.type.c_str();
    Send(kAINotifierCaller, kAINotifySelector, message);
  }
}

bool Host::Start(std::unique_ptr<PluginModule> module) {
  if (Loaded()) {
    transcript_.Violation("start: a plug-in is already running");
    return false;
  }
  if (module == nullptr) {
    transcript_.Line("start: no such plug-in module");
    return false;
  }
  module_ = std::move(module);
  PluginProperties properties;
  std::string error;
  entry_ = module_->Load(&properties, &error);
  if (entry_ == nullptr) {
    transcript_.Line("load " + Quote(module_->FileName()) + " failed: " + error);
    module_.reset();
    return false;
  }
  transcript_.Line("load " + Quote(module_->FileName()) + ": kind SPEA, interface 2, entry " +
                   Quote(properties.entryName));
  globals_ = nullptr;
  MessageRecord message{};
  const ASErr result = Send(kSPInterfaceCaller, kSPInterfaceStartupSelector, message);
  if (result != kNoErr) return false;
  Notify(kAIApplicationStartedNotifier);
  // As when the host is launched with a file: the open document is announced to the plug-in.
  if (documents_.current() != nullptr) {
    Notify(kAILayerSetNotifier);
    Notify(kAIDocumentChangedNotifier);
  }
  return true;
}

void Host::Shutdown() {
  if (!Loaded()) {
    transcript_.Line("shutdown: no plug-in is loaded");
    return;
  }
  Notify(kAIApplicationShutdownNotifier);
  for (ShutdownWatcher* watcher : std::vector(watchers_)) watcher->BeforePluginShutdown();
  MessageRecord message{};
  Send(kSPInterfaceCaller, kSPInterfaceShutdownSelector, message);
  BeforeCodeUnloaded();
  module_->Unload();
  entry_ = nullptr;
  Audit();
  if (locks_ > 0) transcript_.Line("locks held by the plug-in at quit: " + std::to_string(locks_));
  lockRefs_.clear();
  locks_ = 0;
  notifiers_.Clear();
  menus_.Clear();
  tools_.Clear();
  module_.reset();
  globals_ = nullptr;
}

void Host::Unload() {
  if (!Loaded()) {
    transcript_.Line("unload: no plug-in is loaded");
    return;
  }
  if (locks_ > 0) {
    transcript_.Line("unload refused: the plug-in holds " + std::to_string(locks_) + " lock(s)");
    return;
  }
  MessageRecord message{};
  Send(kSPAccessCaller, kSPAccessUnloadSelector, message);
  BeforeCodeUnloaded();
  module_->Unload();
  entry_ = nullptr;
  transcript_.Line("code unloaded");
  Audit();
}

void Host::Reload() {
  if (module_ == nullptr || Loaded()) {
    transcript_.Line("reload: no unloaded plug-in");
    return;
  }
  PluginProperties properties;
  std::string error;
  entry_ = module_->Load(&properties, &error);
  if (entry_ == nullptr) {
    transcript_.Line("reload of " + Quote(module_->FileName()) + " failed: " + error);
    return;
  }
  transcript_.Line("code loaded again");
  MessageRecord message{};
  Send(kSPAccessCaller, kSPAccessReloadSelector, message);
}

SPAccessRef Host::AddLock() {
  const std::uintptr_t value = (++lockSerial_ << 8) | kAccessHandle;
  lockRefs_.push_back(value);
  ++locks_;
  return reinterpret_cast<SPAccessRef>(value);
}

bool Host::RemoveLock(SPAccessRef access) {
  auto found =
      std::find(lockRefs_.begin(), lockRefs_.end(), reinterpret_cast<std::uintptr_t>(access));
  if (found == lockRefs_.end()) return false;
  lockRefs_.erase(found);
  --locks_;
  return true;
}

void Host::RemoveWatcher(ShutdownWatcher* watcher) {
  watchers_.erase(std::remove(watchers_.begin(), watchers_.end(), watcher), watchers_.end());
}

void Host::BeforeCodeUnloaded() {
  for (ShutdownWatcher* watcher : std::vector(watchers_)) watcher->BeforeCodeUnloaded();
}

void Host::Audit() {
  for (const SuiteRegistry::Held& held : registry_.HeldSuites()) {
    transcript_.Violation("suite " + Quote(held.name) + " " + std::to_string(held.version) +
                          " still held (" + std::to_string(held.count) + ")");
  }
  strings_.CheckAllDisposed("by the plug-in");
  documents_.CheckAllReleased("by the plug-in");
  blocks_.CheckAllReleased("by the plug-in");
  contexts_.CheckBalanced("by the plug-in");
  flyoutMenus_.CheckAllDestroyed("by the plug-in");
  transcript_.Line("suites acquired " + std::to_string(registry_.AcquireCount()) + ", released " +
                   std::to_string(registry_.ReleaseCount()));
}

}  // namespace host
