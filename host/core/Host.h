// The headless host: publishes its suites, loads one plug-in, sends it messages the way the
// host application does, and checks that the plug-in keeps its side of every contract.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/core/Alerts.h"
#include "host/core/Blocks.h"
#include "host/core/Contexts.h"
#include "host/core/Documents.h"
#include "host/core/Expressions.h"
#include "host/core/Faults.h"
#include "host/core/FlyoutMenus.h"
#include "host/core/Menus.h"
#include "host/core/Notifiers.h"
#include "host/core/PluginModule.h"
#include "host/core/Preferences.h"
#include "host/core/Strings.h"
#include "host/core/SuiteRegistry.h"
#include "host/core/Theme.h"
#include "host/core/Tools.h"
#include "host/core/Transcript.h"
#include "hostapi/AIMenu.h"
#include "hostapi/AITool.h"
#include "hostapi/SPAccess.h"
#include "hostapi/SPCache.h"
#include "hostapi/SPInterface.h"
#include "hostapi/SPProperties.h"

namespace host {

// Room for any message record the host sends.
union MessageRecord {
  SPMessageData d;
  SPInterfaceMessage interfaceMessage;
  SPAccessMessage access;
  SPCacheMessage cache;
  SPPropertiesMessage properties;
  AINotifierMessage notifier;
  AIMenuMessage menu;
  AIToolMessage tool;
};

// A part of the host beyond its portable core (its windows) that takes part in the plug-in's
// shut-down.
class ShutdownWatcher {
 public:
  virtual ~ShutdownWatcher() = default;
  // The application is quitting: the plug-in has had the shutdown notification and is about to
  // be told to shut down.
  virtual void BeforePluginShutdown() {}
  // The plug-in has shut down, or is about to be unloaded, and its code is still loaded: reports
  // and removes what it left behind.
  virtual void BeforeCodeUnloaded() {}
};

class Host {
 public:
  Host();
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  // The one host of this process; the suites' functions reach it through this.
  static Host& Current();

  Transcript& transcript() { return transcript_; }
  SuiteRegistry& suites() { return registry_; }
  Alerts& alerts() { return alerts_; }
  Contexts& contexts() { return contexts_; }
  Strings& strings() { return strings_; }
  Notifiers& notifiers() { return notifiers_; }
  Documents& documents() { return documents_; }
  Preferences& preferences() { return preferences_; }
  Expressions& expressions() { return expressions_; }
  Menus& menus() { return menus_; }
  Blocks& blocks() { return blocks_; }
  Faults& faults() { return faults_; }
  Tools& tools() { return tools_; }
  FlyoutMenus& flyoutMenus() { return flyoutMenus_; }
  Theme& theme() { return theme_; }

  // Watchers are told of the plug-in's shut-down until removed; each must outlive its place here.
  void AddWatcher(ShutdownWatcher* watcher) { watchers_.push_back(watcher); }
  void RemoveWatcher(ShutdownWatcher* watcher);

  // The host's main window, owner of the plug-in's dialogs (null without a windowing shell).
  void SetAppWindow(AIWindowRef window) { appWindow_ = window; }
  AIWindowRef AppWindow() const { return appWindow_; }

  // Life cycle of the plug-in. Each writes what happened to the transcript.
  bool Start(std::unique_ptr<PluginModule> module);  // load, start up, application started
  void Shutdown();  // application shutdown, shut down, unload the code, audit what is held
  void Unload();    // "SP Access"/"Unload" and the code unloaded; refused while locked
  void Reload();    // the code loaded again and "SP Access"/"Reload"

  // Sends one message to the plug-in and returns its result; the transcript shows the pair and
  // the result. The record's header is filled here.
  ASErr Send(const char* caller, const char* selector, MessageRecord& message);
  // Sends a notification of the given type to every notifier registered for it.
  void Notify(const char* type);
  // Sends the layer-set and document-changed notifications that edits since the last call call
  // for (the host does this itself after every message to the plug-in).
  void SendEditNotifications();
  // Whether the plug-in is handling a message now (suite calls and callbacks come from inside).
  bool InMessage() const { return messageDepth_ > 0; }
  // Around a callback of the plug-in's panel that a user started (a click on a button, a flyout
  // item): as in the host, the plug-in may change the document then only inside an application
  // context of its own; an edit outside one is a violation, reported once per callback.
  void EnterUserEvent();
  void LeaveUserEvent() { --userEventDepth_; }

  // The plug-in, as the suites see it.
  SPPluginRef PluginRef() const { return pluginRef_; }
  bool IsPlugin(SPPluginRef plugin) const { return plugin != nullptr && plugin == pluginRef_; }
  const std::string& PluginName() const { return pluginName_; }
  void SetPluginName(std::string name) { pluginName_ = std::move(name); }
  std::string PluginFilePath() const { return module_ ? module_->FilePath() : std::string(); }
  void* Globals() const { return globals_; }
  bool Loaded() const { return entry_ != nullptr; }
  // Started, and its code unloaded since: it has not been told to shut down.
  bool Unloaded() const { return module_ != nullptr && entry_ == nullptr; }

  // Locks taken through the SP Access Suite.
  SPAccessRef AddLock();
  bool RemoveLock(SPAccessRef access);
  int LockCount() const { return locks_; }

 private:
  void Audit();
  void BeforeCodeUnloaded();

  Transcript transcript_;
  SuiteRegistry registry_{transcript_};
  Alerts alerts_{transcript_};
  Contexts contexts_{transcript_};
  Strings strings_{transcript_};
  Notifiers notifiers_{transcript_};
  Documents documents_{transcript_};
  Preferences preferences_{transcript_};
  Expressions expressions_{transcript_};
  Menus menus_{transcript_};
  Blocks blocks_{transcript_};
  Faults faults_{transcript_};
  Tools tools_{transcript_};
  FlyoutMenus flyoutMenus_{transcript_};
  Theme theme_{transcript_};
  std::vector<ShutdownWatcher*> watchers_;
  SPBasicSuite basic_;

  std::unique_ptr<PluginModule> module_;
  SPPluginEntry entry_ = nullptr;
  SPPluginRef pluginRef_;
  void* globals_ = nullptr;
  std::string pluginName_;
  std::vector<std::uintptr_t> lockRefs_;
  std::uintptr_t lockSerial_ = 0;
  int locks_ = 0;
  AIWindowRef appWindow_ = nullptr;
  bool notifying_ = false;
  int messageDepth_ = 0;
  int userEventDepth_ = 0;
  bool editOutsideContextReported_ = false;
};

}  // namespace host
