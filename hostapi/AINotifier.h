// Notifiers: a plug-in asks to hear of host events of a type.
#pragma once

#include "hostapi/SPMessage.h"

constexpr char kAINotifierCaller[] = "AI Notifier";
constexpr char kAINotifySelector[] = "AI Notify";

constexpr char kAIApplicationStartedNotifier[] = "AI Application Started Notifier";
constexpr char kAIApplicationShutdownNotifier[] = "AI Application Shutdown Notifier";
constexpr char kAIDocumentChangedNotifier[] = "AI Document Changed Notifier";
constexpr char kAIUIBrightnessChangedNotifier[] = "AI UI Brightness Changed Notifier";
constexpr char kAILayerSetNotifier[] = "AI Layer Set Notifier";
constexpr char kAIPreferenceChangedNotifier[] = "AI Preference Changed Notifier";

struct AINotifierMessage {
  SPMessageData d;
  AINotifierHandle notifier;  // the notifier that fired
  const char* type;           // its type, e.g. kAIDocumentChangedNotifier
  void* notifyData;           // type-specific; null for the types above
};

constexpr char kAINotifierSuite[] = "AI Notifier Suite";
constexpr std::int32_t kAINotifierSuiteVersion = 4;

struct AINotifierSuite {
  // Registers a notifier named name (unique per plug-in) for events of type. The host sends
  // "AI Notifier"/"AI Notify" to the plug-in for each event of the type until it quits.
  // notifier may be null when the caller does not keep the handle.
  AIErr (*AddNotifier)(SPPluginRef plugin, const char* name, const char* type,
                       AINotifierHandle* notifier);
};
