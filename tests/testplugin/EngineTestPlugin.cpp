// A plug-in on the frame that runs the overlap-line operations on menu messages, so that the
// headless host can drive them through a real DLL before any panel exists. The menu item value
// says which operation runs (see EngineCommand); the store lives from start-up to shut-down and
// its layer path map follows "AI Layer Set Notifier", as the road panel's does.
#include <memory>
#include <new>
#include <string>

#include "engine/LayerPathMap.h"
#include "engine/OverlapOperations.h"
#include "engine/OverlapSettingStore.h"
#include "frame/Plugin.h"
#include "frame/SuiteTables.h"
#include "hostapi/IAIUnicodeString.h"

namespace {

enum EngineCommand : std::uintptr_t {
  kAcquire = 1,
  kAcquireCtrl = 2,
  kAcquireBatch = 3,
  kCreate = 4,
  kDelete = 5,
  kDeleteCtrl = 6,
  kReportStore = 7,
};

std::string Describe(const OverlapSetting* setting) {
  if (setting == nullptr) return "none";
  std::string text = std::to_string(setting->Count()) + " entries";
  for (std::int32_t i = 0; i < setting->Count(); ++i) {
    AIPathStyle style{};
    setting->StyleOfEntry(i, style);
    text += (i == 0 ? ": " : ", ") + setting->LeafLayerName(i).as_UTF8() + " " +
            std::to_string(static_cast<int>(style.stroke.width)) + "pt";
  }
  return text;
}

class EngineTestPlugin : public Plugin {
 public:
  explicit EngineTestPlugin(SPPluginRef pluginRef) : Plugin(pluginRef) {
    SetPluginName("Engine Test Plugin");
  }
  EngineTestPlugin(EngineTestPlugin&& unloaded) noexcept = default;

  ASErr StartupPlugin(SPInterfaceMessage* message) override {
    if (ASErr error = Plugin::StartupPlugin(message); error != kNoErr) return error;
    for (const char* type : {kAILayerSetNotifier, kAIApplicationShutdownNotifier}) {
      const std::string name = std::string("Engine Test ") + type;
      if (ASErr error = sAINotifier->AddNotifier(PluginRef(), name.c_str(), type, nullptr))
        return error;
    }
    store_ = std::make_unique<OverlapSettingStore>(120, 24);
    RebuildLayerPathMap();
    return kNoErr;
  }

  ASErr ShutdownPlugin(SPInterfaceMessage* message) override {
    Release();
    return Plugin::ShutdownPlugin(message);
  }

  ASErr Message(const char* caller, const char* selector, void* message) override {
    return GuardedMessage(caller, selector, message);
  }

  ASErr Notify(AINotifierMessage* message) override {
    const std::string type = message->type;
    if (type == kAILayerSetNotifier) return RebuildLayerPathMap();
    if (type == kAIApplicationShutdownNotifier) Release();
    return kNoErr;
  }

  ASErr GoMenuItem(AIMenuMessage* message) override {
    if (store_ == nullptr) return kNoErr;
    switch (reinterpret_cast<std::uintptr_t>(message->menuItem)) {
      case kAcquire:
        return AcquireSetting(*store_, false);
      case kAcquireCtrl:
        return AcquireSetting(*store_, true);
      case kAcquireBatch:
        store_->ClearBatchList();
        return AcquireBatch(*store_);
      case kCreate:
        return CreateOverlapLines(*store_);
      case kDelete:
        return DeleteOverlaps(*store_, false);
      case kDeleteCtrl:
        return DeleteOverlaps(*store_, true);
      case kReportStore:
        return ReportStore();
      default:
        return kNoErr;
    }
  }

 private:
  void Release() {
    store_.reset();
    ClearLayerPathMap();
  }

  // The store as an information alert, so that it shows in the host's transcript.
  ASErr ReportStore() {
    std::string text = "current: " + Describe(store_->Current()) + "; history:";
    for (std::int32_t i = 0; i < store_->HistoryCount(); ++i)
      text += " [" + Describe(store_->HistoryItem(i)) + "]";
    text += "; batch:";
    for (std::int32_t i = 0; i < store_->BatchCount(); ++i)
      text += " [" + Describe(store_->BatchItem(i)) + "]";
    return sAIUser->MessageAlert(ai::UnicodeString(text).handle());
  }

  std::unique_ptr<OverlapSettingStore> store_;
};

}  // namespace

Plugin* AllocatePlugin(SPPluginRef pluginRef) {
  return new (std::nothrow) EngineTestPlugin(pluginRef);
}

Plugin* RecreatePluginAfterReload(Plugin* unloaded) {
  return RecreateAs<EngineTestPlugin>(unloaded);
}
