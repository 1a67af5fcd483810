// The base of the one plug-in object: its life cycle with the host (start-up, unload, reload,
// shut-down), the dispatch of host messages to virtual operations, and error reporting.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

#include "hostapi/AIMenu.h"
#include "hostapi/AINotifier.h"
#include "hostapi/AITool.h"
#include "hostapi/SPAccess.h"
#include "hostapi/SPInterface.h"
#include "hostapi/SPProperties.h"

class SuiteSet;

class Plugin {
 public:
  // Seconds since the epoch; replaceable so that the duplicate filter can be tested.
  using Clock = std::int64_t (*)();

  explicit Plugin(SPPluginRef pluginRef);
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  // Frame operations, in slot order.
  virtual ~Plugin();
  virtual void ReportError(ASErr error, const char* caller, const char* selector, void* message);
  virtual ASErr LockPlugin(bool lock);
  virtual ASErr StartupPlugin(SPInterfaceMessage* message);
  virtual ASErr PostStartupPlugin();
  virtual ASErr ShutdownPlugin(SPInterfaceMessage* message);
  virtual ASErr UnloadPlugin(SPAccessMessage* message);
  virtual ASErr ReloadPlugin(SPAccessMessage* message);
  virtual ASErr AcquireProperty(SPPropertiesMessage* message);
  virtual ASErr ReleaseProperty(SPPropertiesMessage* message);
  // Copies the NUL-terminated name into buffer (truncated to capacity); returns its length.
  virtual std::size_t CopyPluginName(char* buffer, std::size_t capacity) const;
  virtual ASBoolean Purge();
  virtual ASErr Message(const char* caller, const char* selector, void* message);
  virtual ASErr SetGlobal(Plugin* plugin);
  virtual ASErr AllocateSuiteTables();
  virtual void FillSuiteTables();
  virtual void EmptySuiteTables();
  virtual void AcquireOptionalSuites();

  // Message handlers, in slot order.
  virtual ASErr Notify(AINotifierMessage* message);
  virtual ASErr GoAction(void* message);
  virtual ASErr GoMenuItem(AIMenuMessage* message);
  virtual ASErr UpdateMenuItem(AIMenuMessage* message);
  virtual ASErr GetFilterParameters(void* message);
  virtual ASErr GoFilter(void* message);
  virtual ASErr PluginGroupNotify(void* message);
  virtual ASErr PluginGroupUpdate(void* message);
  virtual ASErr GetFileFormatParameters(void* message);
  virtual ASErr GoFileFormat(void* message);
  virtual ASErr CheckFileFormat(void* message);
  virtual ASErr FileFormatUpdate(void* message);
  virtual ASErr FileFormatDoAction(void* message);
  virtual ASErr EditTool(AIToolMessage* message);
  virtual ASErr TrackToolCursor(AIToolMessage* message);
  virtual ASErr ToolMouseDown(AIToolMessage* message);
  virtual ASErr ToolMouseDrag(AIToolMessage* message);
  virtual ASErr ToolMouseUp(AIToolMessage* message);
  virtual ASErr SelectTool(AIToolMessage* message);
  virtual ASErr DeselectTool(AIToolMessage* message);
  virtual ASErr ReselectTool(AIToolMessage* message);
  virtual ASErr DecreaseDiameter(AIToolMessage* message);
  virtual ASErr IncreaseDiameter(AIToolMessage* message);
  virtual ASErr EditLiveEffectParameters(void* message);
  virtual ASErr GoLiveEffect(void* message);
  virtual ASErr LiveEffectInterpolate(void* message);
  virtual ASErr LiveEffectGetInputType(void* message);
  virtual ASErr LiveEffectConvertColorSpace(void* message);
  virtual ASErr LiveEffectScaleParameters(void* message);
  virtual ASErr LiveEffectAdjustColors(void* message);
  virtual ASErr LiveEffectHandleMerge(void* message);
  virtual ASErr GoTimer(void* message);
  virtual ASErr GoClipboard(void* message);
  virtual ASErr CanCopyClipboard(void* message);
  virtual ASErr CloneClipboard(void* message);
  virtual ASErr DisposeClipboard(void* message);
  virtual ASErr WriteWorkspace(void* message);
  virtual ASErr RestoreWorkspace(void* message);
  virtual ASErr DefaultWorkspace(void* message);

  bool HoldsSuites() const { return suites_ != nullptr; }
  SPPluginRef PluginRef() const { return pluginRef_; }
  std::int32_t LockCount() const { return lockCount_; }
  ASErr LastReportedError() const { return lastError_; }
  std::int64_t LastReportTime() const { return lastErrorTime_; }
  void SetClock(Clock clock) { clock_ = clock; }

 protected:
  // Takes over the state of an object whose code was unloaded and loaded again; see
  // RecreatePluginAfterReload. Reads data members only, never the unloaded object's vtable.
  Plugin(Plugin&& unloaded) noexcept;

  // The message guard: the base dispatch inside a handler for exceptions. ai::Error gives its
  // code, anything else 'CANT'; 0 and '!MSG' give 0, other codes are reported and returned.
  ASErr GuardedMessage(const char* caller, const char* selector, void* message);

  void SetPluginName(const char* name);
  const char* PluginName() const { return pluginName_; }

 private:
  ASErr DispatchHandler(const char* caller, const char* selector, void* message);
  ASErr NotifierProcedure(const char* selector, AINotifierMessage* message);
  ASErr AcquireSuiteSet();

  SPPluginRef pluginRef_;
  char pluginName_[256];
  SuiteSet* suites_ = nullptr;
  std::int32_t lockCount_ = 0;
  SPAccessRef accessRef_ = nullptr;
  ASErr lastError_ = kNoErr;
  std::int32_t errorTimeout_ = 5;
  std::int32_t suppressDuplicateErrors_ = 1;
  std::int64_t lastErrorTime_ = 0;
  Clock clock_;
};

// Supplied by the concrete plug-in: its object, made with the non-throwing new (null on failure).
Plugin* AllocatePlugin(SPPluginRef pluginRef);

// Supplied by the concrete plug-in: after "SP Access"/"Reload" the object has outlived the code
// that built it, so its vtable pointer may point into the old image. This makes a fresh object
// of the concrete class that takes over the old one's state (a move that reads data members
// only), releases the old storage without running its destructor, and returns the fresh object;
// null when it cannot be allocated.
Plugin* RecreatePluginAfterReload(Plugin* unloaded);

// Helper for RecreatePluginAfterReload implementations.
template <typename Concrete>
Plugin* RecreateAs(Plugin* unloaded) {
  auto* old = static_cast<Concrete*>(unloaded);
  auto* fresh = new (std::nothrow) Concrete(static_cast<Concrete&&>(*old));
  ::operator delete(static_cast<void*>(old));
  return fresh;
}
