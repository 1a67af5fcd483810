// The exported entry point: every host request arrives here as a caller, a selector and a
// message record, and leaves as a 32-bit result code. No exception crosses it.
#include <cstring>

#include "frame/Plugin.h"
#include "frame/SuiteTables.h"
#include "hostapi/AIError.h"

#if defined(_WIN32)
#define LANEWORKS_EXPORT __declspec(dllexport)
#else
#define LANEWORKS_EXPORT
#endif

namespace {

bool Is(const char* a, const char* b) {
  return std::strcmp(a, b) == 0;
}

// Starts a new object; answers the result of start-up and leaves *plugin null on failure.
ASErr Startup(SPMessageData* data, Plugin** plugin) {
  *plugin = AllocatePlugin(data->self);
  if (*plugin == nullptr) return kOutOfMemoryErr;
  data->globals = *plugin;
  ASErr error = kCantHappenErr;
  try {
    error = (*plugin)->StartupPlugin(reinterpret_cast<SPInterfaceMessage*>(data));
  } catch (const ai::Error& hostError) {
    error = hostError.code() != kNoErr ? hostError.code() : kCantHappenErr;
  } catch (...) {
  }
  if (error != kNoErr) {
    delete *plugin;
    *plugin = nullptr;
    data->globals = nullptr;
  }
  return error;
}

// Shuts the object down and destroys it, whatever shut-down answers.
ASErr Shutdown(SPMessageData* data, Plugin** plugin) {
  ASErr error = kCantHappenErr;
  try {
    error = (*plugin)->ShutdownPlugin(reinterpret_cast<SPInterfaceMessage*>(data));
  } catch (const ai::Error& hostError) {
    error = hostError.code();
  } catch (...) {
  }
  delete *plugin;
  *plugin = nullptr;
  data->globals = nullptr;
  return error;
}

ASErr Dispatch(const char* caller, const char* selector, void* message, Plugin** plugin) {
  auto* data = static_cast<SPMessageData*>(message);
  if (Is(caller, kSPAccessCaller) && Is(selector, kSPAccessReloadSelector)) {
    Plugin* fresh = RecreatePluginAfterReload(*plugin);
    *plugin = fresh;
    data->globals = fresh;
    if (fresh == nullptr) return kOutOfMemoryErr;  // every later message answers 0
    return fresh->ReloadPlugin(static_cast<SPAccessMessage*>(message));
  }
  if (!(*plugin)->HoldsSuites()) return kNoErr;
  ASErr error = (*plugin)->Message(caller, selector, message);
  return error == kUnhandledMsgErr ? kNoErr : error;
}

}  // namespace

extern "C" LANEWORKS_EXPORT SPErr PluginMain(const char* caller, const char* selector,
                                             void* message) noexcept {
  if (caller == nullptr || selector == nullptr || message == nullptr) return kBadParameterErr;
  auto* data = static_cast<SPMessageData*>(message);
  sSPBasic = data->basic;
  auto* plugin = static_cast<Plugin*>(data->globals);
  ASErr error = kNoErr;

  try {
    const bool isInterface = Is(caller, kSPInterfaceCaller);
    if (isInterface && Is(selector, kSPInterfaceStartupSelector)) {
      error = Startup(data, &plugin);
      if (error == kNoErr) error = Dispatch(caller, selector, message, &plugin);
    } else if (isInterface && Is(selector, kSPInterfaceShutdownSelector)) {
      if (plugin == nullptr) return kNoErr;
      error = Shutdown(data, &plugin);
    } else {
      if (plugin == nullptr) return kNoErr;
      error = Dispatch(caller, selector, message, &plugin);
    }
  } catch (const ai::Error& hostError) {
    error = hostError.code();
  } catch (...) {
    error = kCantHappenErr;
  }

  if (error != kNoErr && plugin != nullptr) plugin->ReportError(error, caller, selector, message);
  return error;
}
