#include "frame/Plugin.h"

#include <cstdio>
#include <cstring>
#include <ctime>
#include <exception>
#include <utility>

#include "frame/AppContext.h"
#include "frame/SuiteSet.h"
#include "frame/SuiteTables.h"
#include "hostapi/AIError.h"
#include "hostapi/AIOtherMessages.h"
#include "hostapi/SPCache.h"

namespace {

std::int64_t SystemClock() {
  return static_cast<std::int64_t>(std::time(nullptr));
}

bool Is(const char* a, const char* b) {
  return std::strcmp(a, b) == 0;
}

// Codes that the error report drops at once.
constexpr ASErr kIgnoredErrors[] = {
    FourCharCode("FMT?"),
    FourCharCode("RFSE"),
    FourCharCode("AFTR"),
    FourCharCode("VALD"),
    FourCharCode("MOOT"),
    FourCharCode("TRSH"),
    FourCharCode("CHEK"),
    FourCharCode("CHIT"),
    FourCharCode("TLTK"),
    FourCharCode("pFls"),
    FourCharCode("S!Fd"),
    FourCharCode("!Acq"),
    FourCharCode("dsRP"),
    FourCharCode("skpE"),
    FourCharCode("DONE"),
    FourCharCode("STOP"),
    361,
};

}  // namespace

Plugin::Plugin(SPPluginRef pluginRef) : pluginRef_(pluginRef), clock_(&SystemClock) {
  SetPluginName("Plugin");
}

Plugin::Plugin(Plugin&& unloaded) noexcept
    : pluginRef_(unloaded.pluginRef_),
      suites_(std::exchange(unloaded.suites_, nullptr)),
      lockCount_(unloaded.lockCount_),
      accessRef_(std::exchange(unloaded.accessRef_, nullptr)),
      lastError_(unloaded.lastError_),
      errorTimeout_(unloaded.errorTimeout_),
      suppressDuplicateErrors_(unloaded.suppressDuplicateErrors_),
      lastErrorTime_(unloaded.lastErrorTime_),
      clock_(&SystemClock) {
  std::memcpy(pluginName_, unloaded.pluginName_, sizeof pluginName_);
}

Plugin::~Plugin() {
  // Normally shut-down has released everything. After a start-up that failed part-way the lock
  // and the suites are still held; give them back rather than leave them to the host.
  if (accessRef_ != nullptr && sSPAccess != nullptr) sSPAccess->ReleasePlugin(accessRef_);
  delete suites_;
}

void Plugin::SetPluginName(const char* name) {
  std::snprintf(pluginName_, sizeof pluginName_, "%s", name);
}

void Plugin::ReportError(ASErr error, const char*, const char*, void*) {
  for (ASErr ignored : kIgnoredErrors) {
    if (error == ignored) return;
  }
  const std::int64_t now = clock_();
  if (error == lastError_ && suppressDuplicateErrors_ != 0 &&
      now < lastErrorTime_ + errorTimeout_) {
    return;
  }
  lastErrorTime_ = now;
  lastError_ = error;
  // Nothing is shown: the frame has no text for any code. The code reaches the host as the
  // result of the entry point.
}

ASErr Plugin::LockPlugin(bool lock) {
  if (lock) {
    // The first lock keeps the host from unloading the module.
    if (++lockCount_ == 1) sSPAccess->AcquirePlugin(pluginRef_, &accessRef_);
    return kNoErr;
  }
  --lockCount_;
  if (lockCount_ == 0 && accessRef_ != nullptr) {
    sSPAccess->ReleasePlugin(accessRef_);
    accessRef_ = nullptr;
  }
  if (lockCount_ < 0) lockCount_ = 0;
  return kNoErr;
}

ASErr Plugin::AcquireSuiteSet() {
  if (suites_ == nullptr) {
    suites_ = new (std::nothrow) SuiteSet();
    if (suites_ == nullptr) return kOutOfMemoryErr;
  }
  gSuiteAcquisitionCount = 1;
  if (ASErr error = suites_->Error(); error != kNoErr) {
    delete suites_;  // releases what it acquired
    suites_ = nullptr;
    return error;
  }
  return kNoErr;
}

ASErr Plugin::StartupPlugin(SPInterfaceMessage*) {
  SetGlobal(this);
  if (ASErr error = AcquireSuiteSet(); error != kNoErr) return error;
  if (ASErr error = sSPPlugins->SetPluginName(pluginRef_, pluginName_); error != kNoErr) {
    return error;
  }
  char notifierName[sizeof pluginName_ + 32];
  std::snprintf(notifierName, sizeof notifierName, "%s App Started Notifier", pluginName_);
  if (ASErr error = sAINotifier->AddNotifier(pluginRef_, notifierName,
                                             kAIApplicationStartedNotifier, nullptr);
      error != kNoErr) {
    return error;
  }
  if (ASErr error = AllocateSuiteTables(); error != kNoErr) return error;
  FillSuiteTables();
  LockPlugin(true);
  return kNoErr;
}

ASErr Plugin::PostStartupPlugin() {
  return kNoErr;
}

ASErr Plugin::ShutdownPlugin(SPInterfaceMessage*) {
  delete suites_;
  suites_ = nullptr;
  SetGlobal(nullptr);
  return kNoErr;
}

ASErr Plugin::UnloadPlugin(SPAccessMessage*) {
  EmptySuiteTables();
  SetGlobal(nullptr);
  delete suites_;
  suites_ = nullptr;
  return kNoErr;
}

ASErr Plugin::ReloadPlugin(SPAccessMessage*) {
  SetGlobal(this);
  if (ASErr error = AcquireSuiteSet(); error != kNoErr) return error;
  FillSuiteTables();
  return kNoErr;
}

ASErr Plugin::AcquireProperty(SPPropertiesMessage*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::ReleaseProperty(SPPropertiesMessage*) {
  return kUnhandledMsgErr;
}

std::size_t Plugin::CopyPluginName(char* buffer, std::size_t capacity) const {
  if (buffer != nullptr && capacity > 0) std::snprintf(buffer, capacity, "%s", pluginName_);
  return std::strlen(pluginName_);
}

ASBoolean Plugin::Purge() {
  return 0;
}

ASErr Plugin::SetGlobal(Plugin*) {
  return kNoErr;
}
ASErr Plugin::AllocateSuiteTables() {
  return kNoErr;
}
void Plugin::FillSuiteTables() {}
void Plugin::EmptySuiteTables() {}

void Plugin::AcquireOptionalSuites() {
  if (suites_ != nullptr) suites_->AcquireOptionalSuites();
}

ASErr Plugin::Message(const char* caller, const char* selector, void* message) {
  AcquireOptionalSuites();
  if (Is(caller, kSPInterfaceCaller)) {
    // Start-up has already run in the entry point; About shows nothing.
    if (Is(selector, kSPInterfaceStartupSelector) || Is(selector, kSPInterfaceAboutSelector)) {
      return kNoErr;
    }
    return kUnhandledMsgErr;
  }
  if (Is(caller, kSPAccessCaller)) {
    auto* access = static_cast<SPAccessMessage*>(message);
    if (Is(selector, kSPAccessUnloadSelector)) return UnloadPlugin(access);
    if (Is(selector, kSPAccessReloadSelector)) return ReloadPlugin(access);
    return kUnhandledMsgErr;
  }
  if (Is(caller, kSPCacheCaller)) {
    if (Is(selector, kSPPluginPurgeCachesSelector)) return Purge() ? kPluginPurgedErr : kNoErr;
    return kUnhandledMsgErr;
  }
  if (Is(caller, kSPPropertiesCaller)) {
    auto* properties = static_cast<SPPropertiesMessage*>(message);
    if (Is(selector, kSPPropertiesAcquireSelector)) return AcquireProperty(properties);
    if (Is(selector, kSPPropertiesReleaseSelector)) return ReleaseProperty(properties);
    return kUnhandledMsgErr;
  }
  if (Is(caller, kAINotifierCaller)) {
    return NotifierProcedure(selector, static_cast<AINotifierMessage*>(message));
  }
  return DispatchHandler(caller, selector, message);
}

ASErr Plugin::NotifierProcedure(const char* selector, AINotifierMessage* message) {
  AppContext context(pluginRef_);
  if (context.Error() != kNoErr) {
    // What the plug-in holds is let go at shut-down all the same: that needs no document.
    if (Is(selector, kAINotifySelector) && message->type != nullptr &&
        Is(message->type, kAIApplicationShutdownNotifier)) {
      Notify(message);
    }
    return context.Error();
  }
  ASErr postStartup = kUnhandledMsgErr;
  if (message->type != nullptr && Is(message->type, kAIApplicationStartedNotifier)) {
    postStartup = PostStartupPlugin();
    if (postStartup != kNoErr && postStartup != kUnhandledMsgErr) return postStartup;
  }
  if (Is(selector, kAINotifySelector)) return Notify(message);
  return postStartup;
}

ASErr Plugin::DispatchHandler(const char* caller, const char* selector, void* message) {
  auto* menu = static_cast<AIMenuMessage*>(message);
  auto* tool = static_cast<AIToolMessage*>(message);
  if (Is(caller, kActionCaller)) {
    if (Is(selector, kDoActionSelector)) return GoAction(message);
  } else if (Is(caller, kAIMenuCaller)) {
    if (Is(selector, kAIMenuGoSelector)) return GoMenuItem(menu);
    if (Is(selector, kAIMenuUpdateSelector)) return UpdateMenuItem(menu);
  } else if (Is(caller, kAIFilterCaller)) {
    if (Is(selector, kAIGetFilterParametersSelector)) return GetFilterParameters(message);
    if (Is(selector, kAIGoFilterSelector)) return GoFilter(message);
  } else if (Is(caller, kAIPluginGroupCaller)) {
    if (Is(selector, kAIPluginGroupNotifySelector)) return PluginGroupNotify(message);
    if (Is(selector, kAIPluginGroupUpdateSelector)) return PluginGroupUpdate(message);
  } else if (Is(caller, kAIFileFormatCaller)) {
    if (Is(selector, kAIGetFileFormatParametersSelector)) return GetFileFormatParameters(message);
    if (Is(selector, kAIGoFileFormatSelector)) return GoFileFormat(message);
    if (Is(selector, kAICheckFileFormatSelector)) return CheckFileFormat(message);
    if (Is(selector, kAIUpdateFileFormatSelector)) return FileFormatUpdate(message);
    if (Is(selector, kAIFileFormatDoActionSelector)) return FileFormatDoAction(message);
  } else if (Is(caller, kAIToolCaller)) {
    if (Is(selector, kAIEditToolSelector)) return EditTool(tool);
    if (Is(selector, kAITrackToolSelector)) return TrackToolCursor(tool);
    if (Is(selector, kAIToolMouseDownSelector)) return ToolMouseDown(tool);
    if (Is(selector, kAIToolMouseDragSelector)) return ToolMouseDrag(tool);
    if (Is(selector, kAIToolMouseUpSelector)) return ToolMouseUp(tool);
    if (Is(selector, kAISelectToolSelector)) return SelectTool(tool);
    if (Is(selector, kAIDeselectToolSelector)) return DeselectTool(tool);
    if (Is(selector, kAIReselectToolSelector)) return ReselectTool(tool);
    if (Is(selector, kAIToolDecreaseDiameterSelector)) return DecreaseDiameter(tool);
    if (Is(selector, kAIToolIncreaseDiameterSelector)) return IncreaseDiameter(tool);
  } else if (Is(caller, kAILiveEffectCaller)) {
    if (Is(selector, kAIEditLiveEffectParamsSelector)) return EditLiveEffectParameters(message);
    if (Is(selector, kAIGoLiveEffectSelector)) return GoLiveEffect(message);
    if (Is(selector, kAILiveEffectInterpolateSelector)) return LiveEffectInterpolate(message);
    if (Is(selector, kAILiveEffectInputTypeSelector)) return LiveEffectGetInputType(message);
    if (Is(selector, kAILiveEffectConvertColorSelector))
      return LiveEffectConvertColorSpace(message);
    if (Is(selector, kAILiveEffectScaleParamSelector)) return LiveEffectScaleParameters(message);
    if (Is(selector, kAILiveEffectAdjustColorsSelector)) return LiveEffectAdjustColors(message);
    if (Is(selector, kAILiveEffectHandleMergeSelector)) return LiveEffectHandleMerge(message);
  } else if (Is(caller, kAITimerCaller)) {
    if (Is(selector, kAIGoTimerSelector)) return GoTimer(message);
  } else if (Is(caller, kAIClipboardCaller)) {
    if (Is(selector, kAIGoClipboardSelector)) return GoClipboard(message);
    if (Is(selector, kAICanCopyClipboardSelector)) return CanCopyClipboard(message);
    if (Is(selector, kAICloneClipboardSelector)) return CloneClipboard(message);
    if (Is(selector, kAIDisposeClipboardSelector)) return DisposeClipboard(message);
  } else if (Is(caller, kAIWorkspaceCaller)) {
    if (Is(selector, kAIWSWriteSelector)) return WriteWorkspace(message);
    if (Is(selector, kAIWSRestoreSelector)) return RestoreWorkspace(message);
    if (Is(selector, kAIWSDefaultSelector)) return DefaultWorkspace(message);
  }
  return kUnhandledMsgErr;
}

ASErr Plugin::GuardedMessage(const char* caller, const char* selector, void* message) {
  ASErr error = kNoErr;
  try {
    error = Plugin::Message(caller, selector, message);
  } catch (const ai::Error& hostError) {
    error = hostError.code();
  } catch (...) {
    error = kCantHappenErr;
  }
  if (error == kNoErr || error == kUnhandledMsgErr) return kNoErr;
  ReportError(error, caller, selector, message);
  return error;
}

ASErr Plugin::Notify(AINotifierMessage*) {
  return kNoErr;
}
ASErr Plugin::GoAction(void*) {
  return kNoErr;
}
ASErr Plugin::GoMenuItem(AIMenuMessage*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::UpdateMenuItem(AIMenuMessage*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::GetFilterParameters(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::GoFilter(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::PluginGroupNotify(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::PluginGroupUpdate(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::GetFileFormatParameters(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::GoFileFormat(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::CheckFileFormat(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::FileFormatUpdate(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::FileFormatDoAction(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::EditTool(AIToolMessage*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::TrackToolCursor(AIToolMessage*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::ToolMouseDown(AIToolMessage*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::ToolMouseDrag(AIToolMessage*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::ToolMouseUp(AIToolMessage*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::SelectTool(AIToolMessage*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::DeselectTool(AIToolMessage*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::ReselectTool(AIToolMessage*) {
  return kNoErr;
}
ASErr Plugin::DecreaseDiameter(AIToolMessage*) {
  return kNoErr;
}
ASErr Plugin::IncreaseDiameter(AIToolMessage*) {
  return kNoErr;
}
ASErr Plugin::EditLiveEffectParameters(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::GoLiveEffect(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::LiveEffectInterpolate(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::LiveEffectGetInputType(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::LiveEffectConvertColorSpace(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::LiveEffectScaleParameters(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::LiveEffectAdjustColors(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::LiveEffectHandleMerge(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::GoTimer(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::GoClipboard(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::CanCopyClipboard(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::CloneClipboard(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::DisposeClipboard(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::WriteWorkspace(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::RestoreWorkspace(void*) {
  return kUnhandledMsgErr;
}
ASErr Plugin::DefaultWorkspace(void*) {
  return kUnhandledMsgErr;
}
